#include "imagecanvas.h"

#include <QFontMetricsF>

namespace zorvek {

ImageCanvas::ImageCanvas(QImage& image, CanvasIdentity identity, const QFont& font)
    : image_(image), identity_(identity), painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setFont(font);
}

ImageCanvas::~ImageCanvas() {
    painter_.end();
}

void ImageCanvas::Clear() {
    image_.fill(Qt::white);
}

void ImageCanvas::SetDrawWidth(double w) {
    width_ = w;
}

void ImageCanvas::Line(double x1, double y1, double x2, double y2) {
    Line(x1, y1, x2, y2, Qt::black);
}

void ImageCanvas::Line(double x1, double y1, double x2, double y2, const QColor& colour) {
    QPen pen(colour, width_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter_.setPen(pen);
    // Pixel centres: a 1-pixel line on a whole coordinate lies on one row or column, not across two.
    const double shift = (static_cast<int>(width_) % 2 == 1) ? 0.5 : 0.0;
    painter_.drawLine(QPointF(x1 + shift, y1 + shift), QPointF(x2 + shift, y2 + shift));
}

void ImageCanvas::FilledCircle(double x, double y, double r, const QColor& colour) {
    painter_.setPen(QPen(colour, 1));
    painter_.setBrush(colour);
    painter_.drawEllipse(QPointF(x, y), r, r);
    painter_.setBrush(Qt::NoBrush);
}

void ImageCanvas::PrintText(const QString& text) {
    painter_.setPen(Qt::black);
    const QFontMetricsF metrics(painter_.font());
    painter_.drawText(QPointF(textX_, textY_ + metrics.ascent()), text);
}

double ImageCanvas::TextWidth(const QString& text) const {
    return QFontMetricsF(painter_.font()).horizontalAdvance(text);
}

double ImageCanvas::TextHeight(const QString&) const {
    return QFontMetricsF(painter_.font()).height();
}

void ImageCanvas::SetFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    painter_.setFont(font);
}

} // namespace zorvek
