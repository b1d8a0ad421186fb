// The McCabe-Thiele diagram drawn step by step over any DiagramCanvas: background, stream points,
// equilibrium curve, operating lines with legend and q-point, staircase and axis titles.
// DrawDiagram draws exactly as far as the design outcome reached; drawing never changes a number.
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <functional>

#include "design.h"
#include "diagramcanvas.h"

namespace zorvek {

struct DiagramOptions {
    QString UiLanguage = "ENG";  // legend texts: "ESP" or "ENG"
    QString DecimalSymbol = "."; // tick labels
    QString AxisTitleX, AxisTitleY;
    bool BlackAndWhite = false; // page only: every colour becomes black
    // Screen diagram only: centre point marker k (0 bottoms, 1 q-point, 2 distillate, 3 feed) on (X, Y).
    std::function<void(int k, double X, double Y)> placeMarker;
};

// The plot box of a canvas: left margin e, bottom line h, plot width f and height K, in canvas units.
struct PlotBox {
    double e = 25, h = 0, f = 0, K = 0;
    QPointF Map(double x, double y) const { return {e + x * f, h - y * K}; }
    // The composition point (x, y) at a target position: the inverse of Map, for pointer positions.
    QPointF Unmap(double X, double Y) const { return {(X - e) / f, (h - Y) / K}; }
};
PlotBox PlotBoxOf(const DiagramCanvas& canvas);
// The plot box of a picture of width x height pixels (what PlotBoxOf gives for a picture canvas).
inline PlotBox PicturePlotBox(double width, double height) {
    return {25, height - 25, width - 50, height - 50};
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
