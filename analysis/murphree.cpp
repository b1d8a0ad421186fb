// Stage stepping with a Murphree vapour efficiency: each stage's vapour reaches only the fraction E of
// the way from the operating line to equilibrium, y = y_op + E (y* - y_op).
#include <cmath>

#include "analysisparts.h"

namespace zorvek {

namespace {

// The liquid x whose pseudo-equilibrium vapour on the line y_op = m x + b is y. E = 1 is the model's
// own EquilibriumX, so that the stepping is then the design's.
double PseudoX(double y, double m, double b, double E, const EquilibriumModel& model, double fallback,
               FailureRecord& failures) {
    if (E == 1) return model.EquilibriumX(y, failures, fallback);
    if (!model.TableMode) {
        // (1 - E)(m x + b)(1 + c x) + E alpha x = y (1 + c x), with c = alpha - 1.
        const double a = model.alpha, c = a - 1;
        const double A2 = (1 - E) * m * c;
        const double A1 = (1 - E) * (m + b * c) + E * a - y * c;
        const double A0 = (1 - E) * b - y;
        double x = fallback;
        if (A2 == 0) {
            failures.Divide(x, -A0, A1);
            return x;
        }
        const double d = A1 * A1 - 4 * A2 * A0;
        if (!(d >= 0)) {
            failures.Record(kInvalidArgument);
            return fallback;
        }
        // The stable pair of roots; the one nearer 0..1 is the stage's liquid.
        const double t = -0.5 * (A1 + std::copysign(std::sqrt(d), A1));
        const double r1 = t / A2;
        const double r2 = t != 0 ? A0 / t : r1;
        auto outside = [](double r) { return r < 0 ? -r : (r > 1 ? r - 1 : 0); };
        x = outside(r1) <= outside(r2) ? r1 : r2;
        if (!std::isfinite(x)) {
            failures.Record(kOverflow);
            return fallback;
        }
        return x;
    }
    if (!model.dense) {
        failures.Record(kSubscriptOutOfRange);
        return fallback;
    }
    // Table: the pseudo curve at every dense argument rises with x; interpolate between the two
    // arguments around y (the end segments extend past 0 and 1).
    const auto& Y = model.dense->DenseY;
    auto pseudo = [&](int k) {
        const double x = k / 1000.0;
        const double op = m * x + b;
        return op + E * (Y[k] - op);
    };
    int lo = 0, hi = kDenseSize - 1;
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        (pseudo(mid) <= y ? lo : hi) = mid;
    }
    const double p0 = pseudo(lo), p1 = pseudo(hi);
    if (!(p1 > p0)) {
        failures.Record(kDivisionByZero);
        return fallback;
    }
    return (lo + (y - p0) / (p1 - p0)) / 1000.0;
}

} // namespace

std::optional<MurphreeStepping> MurphreeStages(const DesignInputs& in, const EquilibriumModel& model,
                                               const OperatingLines& l, double E) {
    if (!(E > 0 && E <= 1)) return std::nullopt;
    // The design's stepping (the same tests and fractional counting), on the pseudo curve.
    MurphreeStepping r;
    FailureRecord failures;
    double stages = 0, x = in.xD, xprev = x;
    auto store = [&](double px, double py) { r.stairs.push_back({px, py < 0 ? 0 : py}); };
    auto section = [&](double m, double b, double until) {
        do {
            xprev = x;
            const double y = m * x + b;
            store(x, y);
            x = PseudoX(y, m, b, E, model, x, failures);
            stages += 1;
            store(x, y);
            if (stages > kStageLimit) return false;
        } while (x >= until);
        return true;
    };
    if (!section(l.mE, l.bE, l.xq)) return std::nullopt;
    double fraction = 0;
    if (failures.Divide(fraction, xprev - l.xq, xprev - x)) r.NF = (stages - 1) + fraction;
    if (x > in.xB && !section(l.mS, l.bS, in.xB)) return std::nullopt;
    fraction = 0;
    if (failures.Divide(fraction, xprev - in.xB, xprev - x)) r.N = (stages - 1) + fraction;
    store(x, l.mS * x + l.bS);
    if (failures.Failed()) return std::nullopt;
    return r;
}

std::vector<StairPoint> MurphreeCurve(const DesignInputs& in, const EquilibriumModel& model,
                                      const OperatingLines& l, double E, double from) {
    std::vector<StairPoint> points;
    if (!(E > 0 && E <= 1)) return points;
    auto add = [&](double x) {
        FailureRecord failures;
        const double curve = model.EquilibriumY(x, failures);
        if (failures.Failed()) return;
        const double op = x >= l.xq ? l.mE * x + l.bE : l.mS * x + l.bS;
        points.push_back({x, op + E * (curve - op)});
    };
    const double start = std::fmax(0, from);
    // Every 0.01, as the equilibrium curve is drawn, with the two ends and the sections' corner.
    const int first = static_cast<int>(std::ceil(start * 100));
    const int last = static_cast<int>(std::floor(in.xD * 100));
    add(start);
    for (int k = first; k <= last; ++k) {
        const double x = k / 100.0;
        const double previous = points.empty() ? -1 : points.back().x;
        if (previous < l.xq && x > l.xq) add(l.xq); // the corner where the sections meet
        if (x > start) add(x);
    }
    add(in.xD);
    return points;
}

} // namespace zorvek
