// A page device that draws nothing and remembers what was drawn on each page: texts with their
// top-left corner and font, lines and discs with their colours, all in millimetres.
#pragma once
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QString>
#include <memory>
#include <vector>

#include "pagedevice.h"

namespace zorvek::test {

struct RecordedText {
    QString text;
    double x = 0, top = 0; // millimetres
    QFont font;
};
struct RecordedLine {
    QLineF mm;
    QColor colour;
    double widthMm = 0;
};
struct RecordedPage {
    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    std::vector<QColor> discs;
    bool Has(const QString& text) const;
};

class RecordingDevice;

class RecordingEngine : public QPaintEngine {
  public:
    explicit RecordingEngine(RecordingDevice& device) : QPaintEngine(AllFeatures), device_(device) {}
    bool begin(QPaintDevice*) override;
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override;
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawEllipse(const QRectF& r) override;
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath&) override {}
    Type type() const override { return User; }

  private:
    RecordingDevice& device_;
    QPen pen_;
    QBrush brush_;
};

class RecordingDevice : public QPaintDevice, public PageDevice {
  public:
    RecordingDevice(double widthMm, double heightMm, int dpi = 600);
    ~RecordingDevice() override;
    QPaintDevice* paintDevice() override { return this; }
    QSizeF printableSizeMm() const override { return {widthMm_, heightMm_}; }
    bool newPage() override;
    QPaintEngine* paintEngine() const override { return engine_.get(); }

    double Mm(double px) const { return px * 25.4 / dpi_; }
    std::vector<RecordedPage> pages; // the first page exists once a painter began
    int begins = 0;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    double widthMm_, heightMm_;
    int dpi_;
    std::unique_ptr<RecordingEngine> engine_;
};

} // namespace zorvek::test
