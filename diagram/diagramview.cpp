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
    if (image_.size() != size()) {
        image_ = QImage(size(), QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
    return image_;
}

} // namespace zorvek
