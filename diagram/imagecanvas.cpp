#include "imagecanvas.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

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
    if (!ClipToTarget(x1, y1, x2, y2)) return;
    if (x1 == x2 || y1 == y2) {
        // Grid, frame and staircase run along the pixel rows and columns: filled as whole pixels they
        // are crisp and far cheaper than stroked. Square ends, so that corners close.
        const double half = width_ / 2;
        const QRectF band(std::min(x1, x2) - half, std::min(y1, y2) - half, std::abs(x2 - x1) + width_,
                          std::abs(y2 - y1) + width_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.fillRect(band.translated(width_ == 1 ? 0.5 : 0, width_ == 1 ? 0.5 : 0), colour);
        return;
    }
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(QPen(colour, width_, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void ImageCanvas::FilledCircle(double x, double y, double r, const QColor& colour) {
    if (!NearTarget(x, y)) return;
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setPen(QPen(colour, 1));
    painter_.setBrush(colour);
    painter_.drawEllipse(QPointF(x, y), r, r);
    painter_.setBrush(Qt::NoBrush);
}

void ImageCanvas::PrintText(const QString& text) {
    if (!NearTarget(textX_, textY_)) return;
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
