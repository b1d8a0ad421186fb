#include "diagramcanvas.h"

#include <cmath>

namespace zorvek {

namespace {

// The target's area with one more of its size on every side.
struct Bounds {
    double left, top, right, bottom;
};

} // namespace

bool DiagramCanvas::NearTarget(double x, double y) const {
    const double w = Width(), h = Height();
    return std::isfinite(x) && std::isfinite(y) && x >= -w && x <= 2 * w && y >= -h && y <= 2 * h;
}

bool DiagramCanvas::ClipToTarget(double& x1, double& y1, double& x2, double& y2) const {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return false;
    const double w = Width(), h = Height();
    const Bounds b{-w, -h, 2 * w, 2 * h};
    // Liang-Barsky: the part of the segment, by its parameter t in 0..1, inside the bounds.
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - b.left, b.right - x1, y1 - b.top, b.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const double ax = x1 + t0 * dx, ay = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = ax;
    y1 = ay;
    return true;
}

} // namespace zorvek
