// DiagramCanvas: the drawing operations the McCabe-Thiele diagram needs, offered alike by the screen
// diagram (Picture1), the 700 x 700 report image (Picture4) and a printed or PDF page in millimetres.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

namespace zorvek {

// Which target a canvas is: the pictures are in pixels, the page in millimetres.
enum class CanvasIdentity { Picture1, Picture4, Page };

class DiagramCanvas {
  public:
    virtual ~DiagramCanvas() = default;

    virtual CanvasIdentity Identity() const = 0;
    bool IsPage() const { return Identity() == CanvasIdentity::Page; }

    // Erases the whole target to its background (the page has nothing to erase).
    virtual void Clear() = 0;
    // Line width for the following lines and circles, in device pixels.
    virtual void SetDrawWidth(double w) = 0;
    // A straight line in the foreground colour, or in the given colour.
    virtual void Line(double x1, double y1, double x2, double y2) = 0;
    virtual void Line(double x1, double y1, double x2, double y2, const QColor& colour) = 0;
    void LineRelative(double x1, double y1, double dx, double dy) { Line(x1, y1, x1 + dx, y1 + dy); }
    void LineRelative(double x1, double y1, double dx, double dy, const QColor& colour) {
        Line(x1, y1, x1 + dx, y1 + dy, colour);
    }
    // A disc of radius r, filled and outlined in colour.
    virtual void FilledCircle(double x, double y, double r, const QColor& colour) = 0;
    // Text with its top-left corner at the text position, in the current font and foreground colour.
    void SetTextPosition(double x, double y) {
        textX_ = x;
        textY_ = y;
    }
    virtual void PrintText(const QString& text) = 0;
    virtual double TextWidth(const QString& text) const = 0;
    virtual double TextHeight(const QString& text) const = 0;
    // Outer size of the target in its units.
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    // Font set-up (sizes in points).
    virtual void SetFont(const QString& family, double points, bool bold) = 0;
    // Device pixels per inch, for line widths given in millimetres.
    virtual double Resolution() const = 0;
    // A zoomed picture cuts what lies in the plot at its frame: the following drawing stays inside
    // area until the clip is cleared. Targets that never show a zoomed view need not support it.
    virtual void SetClipArea(const QRectF& area) { (void)area; }
    virtual void ClearClipArea() {}

  protected:
    // Cuts a segment to the target's area with a wide margin, so that a point far outside (a q-point
    // ten thousand million widths away) costs nothing; false when nothing of it is left or a coordinate
    // is not a number.
    bool ClipToTarget(double& x1, double& y1, double& x2, double& y2) const;
    // Whether a point lies near enough to the target to be drawn at all.
    bool NearTarget(double x, double y) const;

    double textX_ = 0;
    double textY_ = 0;
};

} // namespace zorvek
