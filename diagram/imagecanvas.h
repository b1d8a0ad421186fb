// ImageCanvas: a DiagramCanvas over a QImage in pixels (the screen diagram's image or the report image);
// black text and frame on white, antialiased lines.
#pragma once

#include <QImage>
#include <QPainter>

#include "diagramcanvas.h"

namespace zorvek {

class ImageCanvas : public DiagramCanvas {
  public:
    // Paints on image until destroyed; font is the picture's own font.
    ImageCanvas(QImage& image, CanvasIdentity identity, const QFont& font);
    ~ImageCanvas() override;

    CanvasIdentity Identity() const override { return identity_; }
    void Clear() override;
    void SetDrawWidth(double w) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void FilledCircle(double x, double y, double r, const QColor& colour) override;
    void PrintText(const QString& text) override;
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;
    double Width() const override { return image_.deviceIndependentSize().width(); }
    double Height() const override { return image_.deviceIndependentSize().height(); }
    void SetFont(const QString& family, double points, bool bold) override;
    double Resolution() const override { return 96; }
    void SetClipArea(const QRectF& area) override { painter_.setClipRect(area); }
    void ClearClipArea() override { painter_.setClipping(false); }

  private:
    QImage& image_;
    CanvasIdentity identity_;
    QPainter painter_;
    double width_ = 1;
};

} // namespace zorvek
