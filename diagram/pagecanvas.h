// PageCanvas: a DiagramCanvas over a printer or PDF page, in millimetres from the page's top-left
// corner. The caller owns the painter (begun on the device) and the page breaks.
#pragma once

#include <QPainter>

#include "diagramcanvas.h"

namespace zorvek {

class PageCanvas : public DiagramCanvas {
  public:
    // painter is active on a QPrinter or QPdfWriter; resolution is the device's pixels per inch.
    PageCanvas(QPainter& painter, double resolution);

    CanvasIdentity Identity() const override { return CanvasIdentity::Page; }
    void Clear() override {}
    void SetDrawWidth(double w) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void FilledCircle(double x, double y, double r, const QColor& colour) override;
    void PrintText(const QString& text) override;
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;
    double Width() const override;
    double Height() const override;
    void SetFont(const QString& family, double points, bool bold) override;
    double Resolution() const override { return resolution_; }

  private:
    double Px(double mm) const { return mm * resolution_ / 25.4; }
    QPainter& painter_;
    double resolution_;
    double width_ = 1;
};

} // namespace zorvek
