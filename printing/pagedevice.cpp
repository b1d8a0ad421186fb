#include "pagedevice.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace zorvek {

namespace {

class PagedDeviceAdapter : public PageDevice {
  public:
    explicit PagedDeviceAdapter(std::unique_ptr<QPagedPaintDevice> device) : device_(std::move(device)) {}
    QPaintDevice* paintDevice() override { return device_.get(); }
    QSizeF printableSizeMm() const override {
        return device_->pageLayout().paintRect(QPageLayout::Millimeter).size();
    }
    bool newPage() override { return device_->newPage(); }

  private:
    std::unique_ptr<QPagedPaintDevice> device_;
};

} // namespace

std::unique_ptr<PageDevice> WrapPagedDevice(std::unique_ptr<QPagedPaintDevice> device) {
    if (!device) return nullptr;
    return std::make_unique<PagedDeviceAdapter>(std::move(device));
}

} // namespace zorvek
