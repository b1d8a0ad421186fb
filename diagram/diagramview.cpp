#include "diagramview.h"

#include <QPainter>

namespace zorvek {

DiagramView::DiagramView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void DiagramView::ClearImage() {
    Image().fill(Qt::white);
    update();
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, Image());
}

QImage& DiagramView::Image() {
    // Device pixels on high-density screens, so that lines and text stay sharp; drawing still works in
    // the widget's own pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (image_.size() != pixels || image_.devicePixelRatio() != ratio) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::white);
    }
    return image_;
}

} // namespace zorvek
