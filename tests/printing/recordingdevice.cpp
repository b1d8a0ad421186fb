#include "recordingdevice.h"

#include <QFontMetricsF>
#include <cmath>

namespace zorvek::test {

bool RecordedPage::Has(const QString& text) const {
    for (const RecordedText& t : texts)
        if (t.text == text) return true;
    return false;
}

bool RecordingEngine::begin(QPaintDevice*) {
    ++device_.begins;
    if (device_.pages.empty()) device_.pages.emplace_back();
    return true;
}

void RecordingEngine::updateState(const QPaintEngineState& state) {
    if (state.state() & DirtyPen) pen_ = state.pen();
    if (state.state() & DirtyBrush) brush_ = state.brush();
}

void RecordingEngine::drawTextItem(const QPointF& p, const QTextItem& item) {
    const double ascent = QFontMetricsF(item.font(), &device_).ascent();
    device_.pages.back().texts.push_back(
        {item.text(), device_.Mm(p.x()), device_.Mm(p.y() - ascent), item.font()});
}

void RecordingEngine::drawLines(const QLineF* lines, int count) {
    for (int i = 0; i < count; ++i) {
        const QLineF mm(device_.Mm(lines[i].x1()), device_.Mm(lines[i].y1()), device_.Mm(lines[i].x2()),
                        device_.Mm(lines[i].y2()));
        device_.pages.back().lines.push_back({mm, pen_.color(), device_.Mm(pen_.widthF())});
    }
}

void RecordingEngine::drawEllipse(const QRectF&) {
    device_.pages.back().discs.push_back(brush_.color());
}

RecordingDevice::RecordingDevice(double widthMm, double heightMm, int dpi)
    : widthMm_(widthMm), heightMm_(heightMm), dpi_(dpi), engine_(std::make_unique<RecordingEngine>(*this)) {}

RecordingDevice::~RecordingDevice() = default;

bool RecordingDevice::newPage() {
    pages.emplace_back();
    return true;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return static_cast<int>(std::lround(widthMm_ * dpi_ / 25.4));
    case PdmHeight:
        return static_cast<int>(std::lround(heightMm_ * dpi_ / 25.4));
    case PdmWidthMM:
        return static_cast<int>(std::lround(widthMm_));
    case PdmHeightMM:
        return static_cast<int>(std::lround(heightMm_));
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}

} // namespace zorvek::test
