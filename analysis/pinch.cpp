// The pinches that bound the reflux ratio from below, where the operating lines cross the curve, and
// the azeotropes of a table.
#include <cmath>
#include <limits>

#include "analysisparts.h"

namespace zorvek {

namespace {

constexpr double kInfinite = std::numeric_limits<double>::infinity();

// A bound this close (in x) to the q-line pinch is the q-line pinch itself: the design finds that one on
// a grid in the table model, so the curve points right beside it may bind a little more than it does.
constexpr double kSameAsQLinePinch = 0.005;

// Calls visit(x, y) for every point where the model knows the curve: x = k/1000 for constant alpha,
// and in the table model both dense tables' points, (k/1000, DenseY[k]) and (DenseX[k], k/1000).
template <typename Visit> void ForEachCurvePoint(const EquilibriumModel& model, Visit visit) {
    if (model.TableMode) {
        if (!model.dense) return;
        for (int k = 0; k < kDenseSize; ++k) visit(k / 1000.0, model.dense->DenseY[k]);
        for (int k = 0; k < kDenseSize; ++k) visit(model.dense->DenseX[k], k / 1000.0);
        return;
    }
    const double a = model.alpha;
    for (int k = 1; k < kDenseSize - 1; ++k) {
        const double x = k / 1000.0;
        visit(x, x * a / (x * (a - 1) + 1));
    }
}

double RefluxOfSlope(double s) {
    return s / (1 - s);
}

// The q-point's abscissa at reflux ratio R.
double QPointX(const DesignInputs& in, double R) {
    return ((R + 1) * in.zF + (in.q - 1) * in.xD) / (R + in.q);
}

// The reflux ratio whose operating lines pass through the curve point (x, y), with the section that
// touches it: the lines clear the point at every larger R and cross it at every smaller one. Infinite
// when no reflux ratio clears the point (it lies on or under the diagonal); -inf when every positive one
// does.
struct PointBound {
    double R = -kInfinite;
    PinchKind kind = PinchKind::TangentEnriching;
};
PointBound BoundOfPoint(const DesignInputs& in, double x, double y) {
    PointBound b;
    if (!(x > in.xB && x < in.xD)) return b;
    if (!(y > x)) {
        b.R = kInfinite;
        return b;
    }
    // The enriching line through (xD, xD) and the point, if the point lies in its section at that R (a
    // point above xD binds no enriching line).
    const double s = (in.xD - y) / (in.xD - x);
    if (s < 1) {
        const double R = RefluxOfSlope(s);
        if (R > 0 && x >= QPointX(in, R)) {
            b.R = R;
            return b;
        }
    }
    // Otherwise the exhausting line through (xB, xB) and the point, up to its q-point on the q-line
    // q x - (q - 1) y = zF.
    const double h = (y - in.xB) / (x - in.xB);
    const double den = in.q - (in.q - 1) * h;
    if (den == 0) return b;
    const double xP = (in.zF + (in.q - 1) * (in.xB - h * in.xB)) / den;
    const double yP = in.xB + h * (xP - in.xB);
    if (!(x <= xP) || !std::isfinite(xP)) return b;
    // A q-point past the distillate's level or beyond xD belongs to no positive reflux ratio.
    const double sP = (in.xD - yP) / (in.xD - xP);
    if (!(sP > 0 && sP < 1)) return b;
    b.kind = PinchKind::TangentExhausting;
    b.R = RefluxOfSlope(sP);
    return b;
}

} // namespace

const char* PinchKindName(PinchKind kind) {
    switch (kind) {
    case PinchKind::QLine:
        return "q-line";
    case PinchKind::TangentEnriching:
        return "tangent-enriching";
    case PinchKind::TangentExhausting:
        return "tangent-exhausting";
    }
    return "";
}

std::optional<QLinePinch> FindQLinePinch(const DesignInputs& in, const EquilibriumModel& model) {
    // The design's own search, so that both give the same pinch.
    FailureRecord failures;
    QLinePinch p;
    MessageId message{};
    if (!PinchPoint(in, model, failures, p.xm, p.ym, message)) return std::nullopt;
    failures.Divide(p.s, in.xD - p.ym, in.xD - p.xm);
    if (failures.Failed()) return std::nullopt;
    return p;
}

MinimumReflux TrueMinimumReflux(const DesignInputs& in, const EquilibriumModel& model,
                                const QLinePinch& pinch) {
    MinimumReflux m;
    m.qLineFound = true;
    m.xm = pinch.xm;
    m.ym = pinch.ym;
    if (!(pinch.s > 0 && pinch.s < 1)) return m; // the design's Rmin is not positive
    m.RminQLine = RefluxOfSlope(pinch.s);
    m.RminTrue = m.RminQLine;
    m.kind = PinchKind::QLine;
    m.x = pinch.xm;
    m.y = pinch.ym;
    ForEachCurvePoint(model, [&](double x, double y) {
        const PointBound b = BoundOfPoint(in, x, y);
        if (!(b.R > m.RminTrue)) return;
        m.RminTrue = b.R;
        if (std::fabs(x - pinch.xm) <= kSameAsQLinePinch) {
            m.kind = PinchKind::QLine;
            m.x = pinch.xm;
            m.y = pinch.ym;
        } else {
            m.kind = b.kind;
            m.x = x;
            m.y = y;
        }
    });
    if (!std::isfinite(m.RminTrue)) return m;
    const std::optional<OperatingLines> lines = OperatingLinesAt(in, m.RminTrue);
    if (!lines) return m;
    m.lines = *lines;
    m.found = true;
    return m;
}

std::optional<Crossing> FindCrossing(const DesignInputs& in, const EquilibriumModel& model,
                                     const OperatingLines& l) {
    // Down from the distillate on the grid of the table's arguments.
    std::optional<Crossing> c;
    const int top = static_cast<int>(std::floor(in.xD * 1000));
    const int bottom = static_cast<int>(std::ceil(in.xB * 1000));
    for (int k = top; k >= bottom; --k) {
        const double x = k / 1000.0;
        FailureRecord failures;
        const double curve = model.EquilibriumY(x, failures);
        if (failures.Failed()) continue;
        const bool enriching = x >= l.xq;
        const double op = enriching ? l.mE * x + l.bE : l.mS * x + l.bS;
        if (op > curve) {
            if (!c) c = Crossing{enriching, x, x};
            c->to = x;
        } else if (c) {
            break;
        }
    }
    return c;
}

std::vector<double> FindAzeotropes(const EquilibriumModel& model) {
    std::vector<double> found;
    if (!model.TableMode || !model.dense) return found;
    const auto& y = model.dense->DenseY;
    auto gap = [&](int k) { return y[k] - k / 1000.0; };
    for (int k = 1; k < kDenseSize - 1; ++k) {
        const double g0 = gap(k), g1 = gap(k + 1);
        if (g0 == 0) {
            if (gap(k - 1) != 0) found.push_back(k / 1000.0);
        } else if (k + 1 < kDenseSize - 1 && ((g0 > 0 && g1 < 0) || (g0 < 0 && g1 > 0))) {
            found.push_back((k + g0 / (g0 - g1)) / 1000.0);
        }
    }
    return found;
}

} // namespace zorvek
