// VectorCanvas: a DiagramCanvas with the pictures' rules over any painter (an SVG generator or a PDF
// page), in logical pixels. Joined segments of one colour go out as one polyline, so that an SVG holds
// the curve, the lines and the staircase as polylines.
#pragma once

#include <QPainter>
#include <QPolygonF>
#include <QSizeF>

#include "diagramcanvas.h"

namespace zorvek {

class VectorCanvas : public DiagramCanvas {
  public:
    // painter is active on its device and maps logical pixels onto it; size is the logical size.
    VectorCanvas(QPainter& painter, QSizeF size, CanvasIdentity identity, const QFont& font);
    ~VectorCanvas() override;

    CanvasIdentity Identity() const override { return identity_; }
    void Clear() override;
    void SetDrawWidth(double w) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Line(double x1, double y1, double x2, double y2, const QColor& colour) override;
    void FilledCircle(double x, double y, double r, const QColor& colour) override;
    void PrintText(const QString& text) override;
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;
    double Width() const override { return size_.width(); }
    double Height() const override { return size_.height(); }
    void SetFont(const QString& family, double points, bool bold) override;
    double Resolution() const override { return 96; }
    void SetClipArea(const QRectF& area) override;
    void ClearClipArea() override;

  private:
    void Flush();
    QPainter& painter_;
    QSizeF size_;
    CanvasIdentity identity_;
    double width_ = 1;
    QPolygonF pending_; // segments joined so far, drawn in pendingColour_ at pendingWidth_
    QColor pendingColour_;
    double pendingWidth_ = 1;
};

} // namespace zorvek
