#include "pageview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "paint.h"

namespace markview {

PageView::PageView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x8a, 0x8f, 0x96));
    setPalette(pal);
}

void PageView::SetPages(const ReportLayout* layout, std::vector<int> pages) {
    layout_ = layout;
    pages_ = std::move(pages);
    UpdateSize();
    update();
}

void PageView::SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    UpdateSize();
    update();
}

double PageView::PixelsPerUnit() const {
    return zoom_ * logicalDpiX() / kUnitsPerInch;
}

QSize PageView::sizeHint() const {
    if (!layout_) return {400, 300};
    const double s = PixelsPerUnit();
    const int w = qRound(layout_->geometry.Width() * s) + 2 * kGap;
    const int h = static_cast<int>(pages_.size()) * (qRound(layout_->geometry.Height() * s) + kGap) + kGap;
    return {w, h};
}

void PageView::UpdateSize() {
    setMinimumSize(sizeHint());
    resize(sizeHint());
}

void PageView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore(); // plain wheel: the scroll area scrolls
        return;
    }
    emit zoomRequested(event->angleDelta().y() > 0);
    event->accept();
}

void PageView::paintEvent(QPaintEvent* event) {
    if (!layout_) return;
    QPainter painter(this);
    const double s = PixelsPerUnit();
    const int pageW = qRound(layout_->geometry.Width() * s);
    const int pageH = qRound(layout_->geometry.Height() * s);
    const int left = std::max(kGap, (width() - pageW) / 2);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const QRect sheet(left, kGap + static_cast<int>(i) * (pageH + kGap), pageW, pageH);
        if (!sheet.adjusted(-4, -4, 6, 6).intersects(event->rect())) continue;
        painter.fillRect(sheet.translated(3, 3), QColor(0, 0, 0, 60)); // shadow
        painter.save();
        painter.setClipRect(sheet);
        painter.translate(sheet.topLeft());
        painter.scale(s, s);
        PaintPage(painter, *layout_, pages_[i]);
        painter.restore();
    }
    if (!painted_ && !pages_.empty()) {
        painted_ = true;
        emit firstPagePainted();
    }
}

} // namespace markview
