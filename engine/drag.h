// The arithmetic of dragging with the mouse: a slider cursor's value from its place on the track, the
// limits that keep a point marker inside the plot box and in order, q and R from a dragged q-point,
// and alpha from a point the relative-volatility curve is dragged through. Pixels in, values out;
// the pixel <-> composition mapping itself stays with the diagram.
#pragma once
#include <vector>

namespace zorvek {

// Int(v * 10^decimals + 0.5) / 10^decimals, Int being the largest whole number not above.
double RoundDrag(double v, int decimals);

// ---- slider cursors: 0 alpha, 1 q, 2 zF, 3 xD, 4 R, 5 E, 6 xB ----

// Left edge of a cursor of width w dragged to `left`, kept with its centre on the track x1..x2.
double ClampCursorLeft(double left, double w, double x1, double x2);

// Percentage along the track of a cursor with that left edge.
double TrackPercent(double left, double w, double x1, double x2);

// The other inputs a slider's range depends on, as read from their fields.
struct SliderContext {
    double zF = 0.5;
    double xD = 0.999;
    double xB = 0.001;
    double Rmin = 1;
};

// Value written by slider i at percentage p: the value from the track, rounded and snapped (q caught at
// 0 and 1, R at whole numbers from above, compositions inside their moving ranges). Compositions of the
// context outside 0..1 (ends excluded) and an Rmin of 0 are replaced as the slider drag does.
double SliderValue(int i, double p, SliderContext context);

// ---- point markers: 0 bottoms, 1 q-point, 2 distillate, 3 feed ----

// One limit on a marker's centre, in pixels: a lower limit moves a centre below it to one pixel above
// it, an upper limit moves a centre above it to one pixel below it.
struct EdgeLimit {
    bool upper = false;
    double at = 0;
};

// Leading edge (left or top) of a marker of size `size` after the limits, applied one after the other
// on the centre recomputed from the previous result.
double ApplyEdgeLimits(double edge, double size, const std::vector<EdgeLimit>& limits);

// The x a diagonal marker stands for: the distillate (k = 2) never reaches 1. Written rounded to 3
// decimals.
double DiagonalMarkerX(int k, double x);

// What a dragged q-point writes: yq kept 0.01 above the diagonal, q from the q-line through the feed
// point (vertical beyond slope 50, caught at 0 and 1) and R from the rectifying line through the
// distillate point, both to 3 decimals.
struct QPointDrag {
    double yq = 0;
    double q = 0;
    double R = 0;
};
QPointDrag QPointDragValues(double xq, double yq, double zF, double xD);

// Compositions read for a marker drag; a value outside 0..1 (ends excluded) stands in as 0.5 (zF),
// 0.999 (xD) or 0.001 (xB) for this step only.
double MarkerComposition(double v, double replacement);

// ---- the equilibrium curve ----

// y of the relative-volatility curve at x.
double AlphaCurveY(double alpha, double x);

// The alpha whose curve passes through (x, y), to 3 decimals; 1.01 on or below the diagonal.
double AlphaThroughPoint(double x, double y);

// Whether a pointer row lies within 5 pixels of the curve's row.
bool NearCurveRow(double curveRow, double pointerRow);

} // namespace zorvek
