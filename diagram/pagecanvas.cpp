#include "pagecanvas.h"

#include <QFontMetricsF>

namespace zorvek {

PageCanvas::PageCanvas(QPainter& painter, double resolution)
    : painter_(painter), resolution_(resolution > 0 ? resolution : 72) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    SetFont("Arial", 9, false);
}

void PageCanvas::SetDrawWidth(double w) {
    width_ = w > 0 ? w : 1;
}

void PageCanvas::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, Qt::black);
}

void PageCanvas::Line(double x1, double y1, double x2, double y2, const QColor& colour) {
    if (!ClipToTarget(x1, y1, x2, y2)) return;
    painter_.setPen(QPen(colour, width_, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter_.drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
}

void PageCanvas::FilledCircle(double x, double y, double r, const QColor& colour) {
    if (!NearTarget(x, y)) return;
    painter_.setPen(QPen(colour, width_));
    painter_.setBrush(colour);
    painter_.drawEllipse(QPointF(Px(x), Px(y)), Px(r), Px(r));
    painter_.setBrush(Qt::NoBrush);
}

void PageCanvas::PrintText(const QString& text) {
    if (!NearTarget(textX_, textY_)) return;
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    painter_.drawText(QPointF(Px(textX_), Px(textY_) + metrics.ascent()), text);
}

double PageCanvas::TextWidth(const QString& text) const {
    return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text) * 25.4 / resolution_;
}

double PageCanvas::TextHeight(const QString&) const {
    return QFontMetricsF(painter_.font(), painter_.device()).height() * 25.4 / resolution_;
}

double PageCanvas::Width() const {
    return painter_.device()->width() * 25.4 / resolution_;
}

double PageCanvas::Height() const {
    return painter_.device()->height() * 25.4 / resolution_;
}

void PageCanvas::SetFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    painter_.setFont(font);
}

} // namespace zorvek
