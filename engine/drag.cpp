#include "drag.h"

#include <cmath>

namespace zorvek {

namespace {

bool Inside01(double v) {
    return v > 0 && v < 1;
}

} // namespace

double RoundDrag(double v, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::floor(v * scale + 0.5) / scale;
}

double ClampCursorLeft(double left, double w, double x1, double x2) {
    if (left + w / 2 < x1) left = x1 - w / 2;
    if (left + w / 2 > x2) left = x2 - w / 2;
    return left;
}

double TrackPercent(double left, double w, double x1, double x2) {
    return (left + w / 2 - x1) / (x2 - x1) * 100;
}

double SliderValue(int i, double p, SliderContext c) {
    const double zF = Inside01(c.zF) ? c.zF : 0.5;
    const double xD = Inside01(c.xD) ? c.xD : 0.999;
    const double xB = Inside01(c.xB) ? c.xB : 0.001;
    const double Rmin = c.Rmin == 0 ? 1 : c.Rmin;
    switch (i) {
    case 0:
        return RoundDrag(p / 5.265929437 + 1.01, 2);
    case 1: {
        double v = RoundDrag((p - 50) / 25 + 0.5, 2);
        if (std::abs(v - 1) < 0.05) v = 1;
        if (std::abs(v) < 0.05) v = 0;
        return v;
    }
    case 2:
        return RoundDrag(xB + p * (xD - xB - 0.002) / 100 + 0.001, 3);
    case 3:
        return RoundDrag(zF + (0.999 - zF - 0.001) / 100 * p + 0.001, 3);
    case 4: {
        const double t = p / 10 + 1.001;
        double v = RoundDrag(t * std::sqrt(t) * Rmin, 2);
        // Whole reflux ratios are caught from above: 3.1 gives 3, 3.9 stays.
        if (v - std::floor(v) < 0.15) v = std::floor(v + 0.5);
        return v;
    }
    case 5:
        return RoundDrag(p * 0.99 / 100 + 0.01, 2);
    case 6:
        return RoundDrag((zF - 0.001 - 0.001) / 100 * p + 0.001, 3);
    default:
        return 0;
    }
}

double ApplyEdgeLimits(double edge, double size, const std::vector<EdgeLimit>& limits) {
    for (const EdgeLimit& limit : limits) {
        const double centre = edge + size / 2;
        if (!limit.upper && centre < limit.at) edge = limit.at + 1 - size / 2;
        if (limit.upper && centre > limit.at) edge = limit.at - 1 - size / 2;
    }
    return edge;
}

double DiagonalMarkerX(int k, double x) {
    return k == 2 && x >= 1 ? 0.999 : x;
}

QPointDrag QPointDragValues(double xq, double yq, double zF, double xD) {
    QPointDrag d;
    d.yq = yq > xq ? yq : xq + 0.01;
    // Slope of the q-line through the feed point; steeper than 50 counts as vertical.
    double s = xq == zF ? 1e99 : (d.yq - zF) / (xq - zF);
    if (std::abs(s) > 50) s = 1e99;
    double q = s / (s - 1);
    if (std::abs(q) < 0.03) q = 0;
    if (std::abs(q - 1) < 0.03) q = 1;
    d.q = RoundDrag(q, 3);
    // The rectifying line's slope is R / (R + 1).
    const double m = xq == xD ? 1e99 : (d.yq - xD) / (xq - xD);
    d.R = RoundDrag(m / (1 - m), 3);
    return d;
}

double MarkerComposition(double v, double replacement) {
    return Inside01(v) ? v : replacement;
}

double AlphaCurveY(double alpha, double x) {
    return alpha * x / (1 - x * (1 - alpha));
}

double AlphaThroughPoint(double x, double y) {
    const double alpha = y > x ? RoundDrag(y * (1 - x) / (x * (1 - y)), 3) : 1.01;
    // Just above the diagonal the formula gives 1.000 .. 1.009; the curve never goes below 1.01.
    return alpha < 1.01 ? 1.01 : alpha;
}

bool NearCurveRow(double curveRow, double pointerRow) {
    // The tolerance keeps exactly 5 pixels near when the curve's row carries rounding noise.
    return std::abs(curveRow - pointerRow) <= 5 + 1e-9;
}

} // namespace zorvek
