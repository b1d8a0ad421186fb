#include "vectorcanvas.h"

#include <QFontMetricsF>

namespace zorvek {

VectorCanvas::VectorCanvas(QPainter& painter, QSizeF size, CanvasIdentity identity, const QFont& font)
    : painter_(painter), size_(size), identity_(identity) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setFont(font);
}

VectorCanvas::~VectorCanvas() {
    Flush();
}

void VectorCanvas::Flush() {
    if (pending_.size() >= 2) {
        painter_.setPen(QPen(pendingColour_, pendingWidth_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPolyline(pending_);
    }
    pending_.clear();
}

void VectorCanvas::Clear() {
    Flush();
    painter_.fillRect(QRectF(QPointF(0, 0), size_), Qt::white);
}

void VectorCanvas::SetDrawWidth(double w) {
    width_ = w;
}

void VectorCanvas::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, Qt::black);
}

void VectorCanvas::Line(double x1, double y1, double x2, double y2, const QColor& colour) {
    if (!ClipToTarget(x1, y1, x2, y2)) return;
    const QPointF from(x1, y1), to(x2, y2);
    const bool joins =
        !pending_.isEmpty() && pending_.last() == from && colour == pendingColour_ && width_ == pendingWidth_;
    if (!joins) {
        Flush();
        pending_ << from;
        pendingColour_ = colour;
        pendingWidth_ = width_;
    }
    if (to != pending_.last()) pending_ << to;
    if (pending_.size() == 1) pending_ << to; // a segment of no length still marks its point
}

void VectorCanvas::FilledCircle(double x, double y, double r, const QColor& colour) {
    if (!NearTarget(x, y)) return;
    Flush();
    painter_.setPen(QPen(colour, 1));
    painter_.setBrush(colour);
    painter_.drawEllipse(QPointF(x, y), r, r);
    painter_.setBrush(Qt::NoBrush);
}

void VectorCanvas::PrintText(const QString& text) {
    if (!NearTarget(textX_, textY_)) return;
    Flush();
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(painter_.font());
    painter_.drawText(QPointF(textX_, textY_ + metrics.ascent()), text);
}

double VectorCanvas::TextWidth(const QString& text) const {
    return QFontMetricsF(painter_.font()).horizontalAdvance(text);
}

double VectorCanvas::TextHeight(const QString&) const {
    return QFontMetricsF(painter_.font()).height();
}

void VectorCanvas::SetFont(const QString& family, double points, bool bold) {
    Flush();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    painter_.setFont(font);
}

void VectorCanvas::SetClipArea(const QRectF& area) {
    Flush();
    painter_.setClipRect(area);
}

void VectorCanvas::ClearClipArea() {
    Flush();
    painter_.setClipping(false);
}

} // namespace zorvek
