// The McCabe-Thiele diagram drawn step by step over any DiagramCanvas: background, stream points,
// equilibrium curve, operating lines with legend and q-point, staircase and axis titles.
// DrawDiagram draws exactly as far as the design outcome reached; drawing never changes a number.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <functional>
#include <vector>

#include "design.h"
#include "diagramcanvas.h"

namespace zorvek {

// The part of the composition square a picture shows: x from x0 to x1 across, y from y0 to y1 up.
// The whole square unless the screen diagram is zoomed; the page always shows the whole square.
struct ViewWindow {
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    bool Whole() const { return x0 == 0 && x1 == 1 && y0 == 0 && y1 == 1; }
    bool operator==(const ViewWindow&) const = default;
};

struct DiagramOptions {
    QString UiLanguage = "ENG";  // legend texts: "ESP" or "ENG"
    QString DecimalSymbol = "."; // tick labels
    QString AxisTitleX, AxisTitleY;
    bool BlackAndWhite = false; // page only: every colour becomes black
    // Screen diagram only: centre point marker k (0 bottoms, 1 q-point, 2 distillate, 3 feed) on (X, Y).
    std::function<void(int k, double X, double Y)> placeMarker;
    // Pictures only: the part of the square shown (the screen diagram's zoom, or an export of it).
    ViewWindow view;
    // Exports of the screen diagram only: drawn over the finished picture with the picture's options (the
    // analysis overlays the screen shows). DrawDiagram itself never calls it.
    std::function<void(DiagramCanvas& canvas, const DiagramOptions& options)> overlays;
};

// The plot box of a canvas: left margin e, bottom line h, plot width f and height K, in canvas units,
// showing the view window. With the whole square Map is exactly e + x f, h - y K.
struct PlotBox {
    double e = 25, h = 0, f = 0, K = 0;
    ViewWindow view;
    PlotBox() = default;
    PlotBox(double e, double h, double f, double K, const ViewWindow& view = {})
        : e(e), h(h), f(f), K(K), view(view) {}
    QPointF Map(double x, double y) const {
        return {e + (x - view.x0) / (view.x1 - view.x0) * f, h - (y - view.y0) / (view.y1 - view.y0) * K};
    }
    // The composition point (x, y) at a target position: the inverse of Map, for pointer positions.
    QPointF Unmap(double X, double Y) const {
        return {view.x0 + (X - e) / f * (view.x1 - view.x0), view.y0 + (h - Y) / K * (view.y1 - view.y0)};
    }
    // Whether a composition point lies strictly inside the part of the square shown.
    bool Inside(QPointF at) const {
        return at.x() > view.x0 && at.x() < view.x1 && at.y() > view.y0 && at.y() < view.y1;
    }
    bool Zoomed() const { return !view.Whole(); }
};
PlotBox PlotBoxOf(const DiagramCanvas& canvas);
// The plot box of a picture canvas showing the options' view window (the page ignores it).
PlotBox PlotBoxOf(const DiagramCanvas& canvas, const DiagramOptions& options);
// The plot box of a picture of width x height pixels (what PlotBoxOf gives for a picture canvas).
inline PlotBox PicturePlotBox(double width, double height) {
    return {25, height - 25, width - 50, height - 50};
}
// Zoomed, the left margin is wider: the tick labels of a close view are longer.
constexpr double kZoomedLeftMargin = 45;
inline PlotBox PicturePlotBox(double width, double height, const ViewWindow& view) {
    if (view.Whole()) return PicturePlotBox(width, height);
    return {kZoomedLeftMargin, height - 25, width - kZoomedLeftMargin - 25, height - 50, view};
}

// The diagram's named colours on a target (page colours differ; black and white turns them black).
enum class DiagramColour {
    Grid,
    Diagonal,
    Curve,
    Enriching,
    Exhausting,
    QLine,
    Staircase,
    BottomsDisc,
    FeedDisc,
    DistillateDisc,
    QPointDisc
};
QColor ColourOf(DiagramColour which, const DiagramCanvas& canvas, const DiagramOptions& options);

// Tick label of k / 10: "0", "0.1" ... "0.9", "1" with the decimal symbol.
QString TickLabel(int k, const QString& decimalSymbol);

// Ticks of a zoomed axis from lo to hi: a round step (1, 2 or 5 times a power of ten) giving at most
// mostIntervals intervals, the tick values inside lo..hi, and their labels with the step's decimals
// ("0,90", "0,92", ...).
struct ZoomTicks {
    double step = 0;
    std::vector<double> values;
    std::vector<QString> labels;
};
ZoomTicks ZoomedTicks(double lo, double hi, const QString& decimalSymbol, int mostIntervals = 8);
// The ticks of a zoomed axis length canvas units long: the densest of ZoomedTicks (eight intervals at
// most) whose labels, labelSize(label) units along the axis, leave at least gap between neighbours.
ZoomTicks FittedZoomTicks(double lo, double hi, const QString& decimalSymbol, double length,
                          const std::function<double(const QString&)>& labelSize, double gap);

void DrawBackground(DiagramCanvas& canvas, const DiagramOptions& options);
void DrawStreamPoints(DiagramCanvas& canvas, const DesignInputs& inputs, const DiagramOptions& options);
void DrawEquilibriumCurve(DiagramCanvas& canvas, const EquilibriumModel& model,
                          const DiagramOptions& options);
void DrawOperatingLines(DiagramCanvas& canvas, const DesignOutcome& outcome, const DiagramOptions& options);
void DrawStaircase(DiagramCanvas& canvas, const DesignOutcome& outcome, const DiagramOptions& options);
void DrawAxisTitles(DiagramCanvas& canvas, const DiagramOptions& options);

// The axis titles built from the name of component A (blanks around it ignored) in the interface
// language; an empty name gives the generic "most volatile component".
void AxisTitlesFor(const QString& nameA, const QString& uiLanguage, QString& axisTitleX, QString& axisTitleY);

// Clears the canvas and draws every step the outcome reached.
void DrawDiagram(DiagramCanvas& canvas, const DesignOutcome& outcome, const DiagramOptions& options);

} // namespace zorvek
