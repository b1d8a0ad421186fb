#include "vle.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zorvek::thermo {

namespace {

constexpr double kLowestT = 1; // [K]: the solvers never leave 1 K .. 20000 K
constexpr double kHighestT = 20000;
constexpr double kMaxPressureKPa = 1e5;
constexpr double kMaxTableVolatility = 1e6;

bool Finite(double v) {
    return std::isfinite(v);
}

// ln(x1 gamma1 Ps1 + x2 gamma2 Ps2) - ln P at T, its T-derivative (gamma held constant) and y1.
struct BubbleResidual {
    double f = 0, dfdT = 0, y1 = 0;
};

BubbleResidual Residual(const BinarySystem& s, double x1, double lnPPa, double T) {
    double g1 = 0, g2 = 0;
    s.model.LnGamma(T, x1, g1, g2);
    const double x2 = 1 - x1;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Summed as logarithms: a component far above its boiling point would overflow as a pressure.
    const double t1 = x1 > 0 ? std::log(x1) + g1 + s.first->vp.LnP(T) : -HUGE_VAL;
    const double t2 = x2 > 0 ? std::log(x2) + g2 + s.second->vp.LnP(T) : -HUGE_VAL;
    const double top = std::max(t1, t2);
    if (!Finite(top)) return {nan, nan, nan};
    const double w1 = std::exp(t1 - top), w2 = std::exp(t2 - top);
    const double sum = w1 + w2;
    BubbleResidual r;
    r.f = top + std::log(sum) - lnPPa;
    r.y1 = w1 / sum;
    r.dfdT = r.y1 * s.first->vp.DLnPdT(T) + (w2 / sum) * s.second->vp.DLnPdT(T);
    return r;
}

// ln alpha12 = ln(gamma1 Ps1 / (gamma2 Ps2)) at (x1, T): its sign is the sign of y1 - x1.
double LnRelativeVolatility(const BinarySystem& s, double x1, double T) {
    double g1 = 0, g2 = 0;
    s.model.LnGamma(T, x1, g1, g2);
    return g1 + s.first->vp.LnP(T) - g2 - s.second->vp.LnP(T);
}

} // namespace

double ToKPa(double value, PressureUnit unit) {
    switch (unit) {
    case PressureUnit::KPa:
        return value;
    case PressureUnit::Bar:
        return value * 100;
    case PressureUnit::Atm:
        return value * 101.325;
    case PressureUnit::MmHg:
        return value * (101.325 / 760);
    }
    return value;
}

double FromKPa(double kPa, PressureUnit unit) {
    return kPa / ToKPa(1, unit);
}

std::string_view UnitName(PressureUnit unit) {
    switch (unit) {
    case PressureUnit::KPa:
        return "kPa";
    case PressureUnit::Bar:
        return "bar";
    case PressureUnit::Atm:
        return "atm";
    case PressureUnit::MmHg:
        return "mmHg";
    }
    return "";
}

BubblePoint BubbleT(const BinarySystem& s, double x1, double pressureKPa, double guessT) {
    BubblePoint out;
    if (!(x1 >= 0 && x1 <= 1) || !(pressureKPa > 0) || !Finite(pressureKPa)) return out;
    const double lnP = std::log(pressureKPa * 1000);
    double T = guessT > 0 && Finite(guessT) ? guessT : x1 * s.first->tb + (1 - x1) * s.second->tb;
    T = std::clamp(T, kLowestT, kHighestT);
    // Safeguarded Newton: f rises with T; every evaluation narrows the bracket [lo, hi] and a step that
    // would leave it bisects instead.
    double lo = 0, hi = 0;
    bool haveLo = false, haveHi = false;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const BubbleResidual r = Residual(s, x1, lnP, T);
        if (!Finite(r.f)) {
            if (haveLo && haveHi) {
                T = 0.5 * (lo + hi);
                continue;
            }
            return out;
        }
        if (std::abs(r.f) < 1e-13) {
            out.ok = true;
            out.T = T;
            out.y1 = std::clamp(r.y1, 0.0, 1.0);
            return out;
        }
        if (r.f < 0) {
            lo = T;
            haveLo = true;
        } else {
            hi = T;
            haveHi = true;
        }
        double next;
        if (r.dfdT > 0 && Finite(r.dfdT)) {
            const double step = std::clamp(-r.f / r.dfdT, -0.25 * T, 0.25 * T);
            next = T + step;
        } else {
            next = r.f < 0 ? T * 1.25 : T * 0.8;
        }
        if (haveLo && haveHi && !(next >= lo && next <= hi)) next = 0.5 * (lo + hi);
        next = std::clamp(next, kLowestT, kHighestT);
        const bool done = std::abs(next - T) < 1e-10 * T || (haveLo && haveHi && hi - lo < 1e-11 * T);
        T = next;
        if (done) {
            const BubbleResidual last = Residual(s, x1, lnP, T);
            if (!Finite(last.y1) || std::abs(last.f) > 1e-8) return out;
            out.ok = true;
            out.T = T;
            out.y1 = std::clamp(last.y1, 0.0, 1.0);
            return out;
        }
    }
    return out;
}

PureBoiling BoilingPoint(const Component& c, double pressureKPa) {
    PureBoiling out;
    if (!(pressureKPa > 0) || !Finite(pressureKPa)) return out;
    const double lnP = std::log(pressureKPa * 1000);
    // Newton in 1/T, in which ln P is nearly straight.
    double T = c.tb > 0 ? c.tb : 300;
    double lo = 0, hi = 0;
    bool haveLo = false, haveHi = false;
    for (int iteration = 0; iteration < 200; ++iteration) {
        const double f = c.vp.LnP(T) - lnP;
        const double d = c.vp.DLnPdT(T) * -(T * T); // d f / d(1/T)
        if (!Finite(f)) return out;
        if (std::abs(f) < 1e-13) {
            out.ok = true;
            out.T = T;
            out.inRange = T >= c.vp.Tmin - 1e-9 * T && T <= c.vp.Tmax + 1e-9 * T;
            return out;
        }
        if (f < 0) {
            lo = T;
            haveLo = true;
        } else {
            hi = T;
            haveHi = true;
        }
        double next;
        if (d < 0 && Finite(d)) {
            const double u = 1 / T - f / d;
            next = u > 0 ? 1 / u : T * 2;
            next = std::clamp(next, 0.5 * T, 2 * T);
        } else {
            next = f < 0 ? T * 1.25 : T * 0.8;
        }
        if (haveLo && haveHi && !(next >= lo && next <= hi)) next = 0.5 * (lo + hi);
        next = std::clamp(next, kLowestT, kHighestT);
        const bool done = std::abs(next - T) < 1e-11 * T || (haveLo && haveHi && hi - lo < 1e-11 * T);
        T = next;
        if (done) {
            if (std::abs(c.vp.LnP(T) - lnP) > 1e-8) return out;
            out.ok = true;
            out.T = T;
            const double slack = 1e-9 * T;
            out.inRange = T >= c.vp.Tmin - slack && T <= c.vp.Tmax + slack;
            return out;
        }
    }
    return out;
}

double LiquidStability(const ActivityModel& model, double T, double x1) {
    const double h = std::min({1e-5, 0.5 * x1, 0.5 * (1 - x1)});
    double a1 = 0, a2 = 0, b1 = 0, b2 = 0;
    model.LnGamma(T, x1 + h, a1, a2);
    model.LnGamma(T, x1 - h, b1, b2);
    return 1 / (x1 * (1 - x1)) + ((a1 - a2) - (b1 - b2)) / (2 * h);
}

ModelKind AutomaticModel(const ThermoData& data, const Component& first, const Component& second) {
    if (NrtlFor(data, first, second)) return ModelKind::Nrtl;
    if (UnifacFor(data, first, second)) return ModelKind::Unifac;
    return ModelKind::Ideal;
}

namespace {

// The model of the pair (first, second), oriented to that order; false when it has no parameters.
bool BuildModel(const ThermoData& data, const Component& first, const Component& second, ModelKind kind,
                ActivityModel& model) {
    model = ActivityModel{};
    model.kind = kind;
    if (kind == ModelKind::Nrtl) {
        const auto p = NrtlFor(data, first, second);
        if (!p) return false;
        model.nrtl = *p;
    }
    if (kind == ModelKind::Unifac) {
        const auto u = UnifacFor(data, first, second);
        if (!u) return false;
        model.unifac = *u;
    }
    return true;
}

// x of the table: n intervals over [0, 1], cosine-spaced within each segment between the breakpoints
// (the azeotropes), so the points crowd towards both ends and towards each azeotrope.
std::vector<double> TableAbscissae(int intervals, const std::vector<double>& azeotropes) {
    std::vector<double> breaks = {0};
    for (double x : azeotropes)
        if (x > breaks.back() && x < 1) breaks.push_back(x);
    breaks.push_back(1);
    int segments = static_cast<int>(breaks.size()) - 1;
    if (intervals < segments) {
        breaks = {0, 1};
        segments = 1;
    }
    // One interval each, the rest by the largest remainder of the share by length.
    std::vector<int> share(segments, 1);
    const int spare = intervals - segments;
    std::vector<std::pair<double, int>> remainders;
    int given = 0;
    for (int s = 0; s < segments; ++s) {
        const double exact = spare * (breaks[s + 1] - breaks[s]);
        const int whole = static_cast<int>(std::floor(exact));
        share[s] += whole;
        given += whole;
        remainders.push_back({exact - whole, s});
    }
    std::sort(remainders.begin(), remainders.end(), [](auto& a, auto& b) { return a.first > b.first; });
    for (int k = 0; given < spare; ++k, ++given) share[remainders[k % segments].second] += 1;
    std::vector<double> xs = {0};
    for (int s = 0; s < segments; ++s) {
        const double a = breaks[s], b = breaks[s + 1];
        for (int j = 1; j <= share[s]; ++j) {
            const double t = j == share[s] ? 1 : 0.5 * (1 - std::cos(std::numbers::pi * j / share[s]));
            xs.push_back(j == share[s] ? b : a + (b - a) * t);
        }
    }
    return xs;
}

// Refines an azeotrope between two scan points whose ln alpha differ in sign (Illinois regula falsi).
bool RefineAzeotrope(const BinarySystem& s, double pressureKPa, TxyPoint left, double gLeft, TxyPoint right,
                     double gRight, Azeotrope& out) {
    double xa = left.x, xb = right.x, ga = gLeft, gb = gRight, Ta = left.T, Tb = right.T;
    double x = xa, T = Ta;
    int side = 0;
    for (int iteration = 0; iteration < 100; ++iteration) {
        x = (xa * gb - xb * ga) / (gb - ga);
        if (!(x > std::min(xa, xb) && x < std::max(xa, xb))) x = 0.5 * (xa + xb);
        const double guess = Ta + (Tb - Ta) * (x - xa) / (xb - xa);
        const BubblePoint bp = BubbleT(s, x, pressureKPa, guess);
        if (!bp.ok) return false;
        T = bp.T;
        const double g = LnRelativeVolatility(s, x, T);
        if (!Finite(g)) return false;
        if (std::abs(g) < 1e-13 || std::abs(xb - xa) < 1e-13) break;
        if ((g > 0) == (ga > 0)) {
            xa = x, ga = g, Ta = T;
            if (side == -1) gb *= 0.5;
            side = -1;
        } else {
            xb = x, gb = g, Tb = T;
            if (side == 1) ga *= 0.5;
            side = 1;
        }
    }
    out.x = x;
    out.y = BubbleT(s, x, pressureKPa, T).y1;
    out.T = T;
    out.minimumBoiling = gLeft > 0; // y > x below it, y < x above it: the temperature has a minimum
    return true;
}

} // namespace

namespace {

VleResult SolveWith(const ThermoData& data, const VleRequest& request) {
    VleResult out;
    out.pressureKPa = request.pressureKPa;
    const int count = static_cast<int>(data.components.size());
    if (request.first < 0 || request.first >= count || request.second < 0 || request.second >= count ||
        request.first == request.second) {
        out.status = VleStatus::SameComponent;
        return out;
    }
    const double P = request.pressureKPa;
    if (!(P > 0) || !Finite(P) || P > kMaxPressureKPa) {
        out.status = VleStatus::PressureInvalid;
        return out;
    }
    const Component* c1 = &data.components[request.first];
    const Component* c2 = &data.components[request.second];
    switch (request.model) {
    case ModelChoice::Automatic:
        out.model = AutomaticModel(data, *c1, *c2);
        break;
    case ModelChoice::Ideal:
        out.model = ModelKind::Ideal;
        break;
    case ModelChoice::Nrtl:
        out.model = ModelKind::Nrtl;
        if (!NrtlFor(data, *c1, *c2)) out.status = VleStatus::NoNrtl;
        break;
    case ModelChoice::Unifac:
        out.model = ModelKind::Unifac;
        if (!UnifacFor(data, *c1, *c2)) out.status = VleStatus::NoUnifac;
        break;
    }
    if (out.status != VleStatus::Ok) return out;

    const int picks[2] = {request.first, request.second};
    double boiling[2];
    for (int i = 0; i < 2; ++i) {
        const Component& c = data.components[picks[i]];
        const PureBoiling b = BoilingPoint(c, P);
        if (!b.ok || !b.inRange) {
            out.status = VleStatus::PressureOutOfRange;
            out.offending = picks[i];
            out.rangeLowKPa = std::exp(c.vp.LnP(c.vp.Tmin)) / 1000;
            out.rangeHighKPa = std::exp(c.vp.LnP(c.vp.Tmax)) / 1000;
            return out;
        }
        boiling[i] = b.T;
    }
    out.swapped = boiling[1] < boiling[0];
    out.a = out.swapped ? request.second : request.first;
    out.b = out.swapped ? request.first : request.second;
    out.tbA = out.swapped ? boiling[1] : boiling[0];
    out.tbB = out.swapped ? boiling[0] : boiling[1];

    BinarySystem s;
    s.first = &data.components[out.a];
    s.second = &data.components[out.b];
    BuildModel(data, *s.first, *s.second, out.model, s.model);

    // The scan: the T-x-y curve on an even grid, ln alpha at each point for the azeotropes and the
    // stability of the liquid.
    const int M = std::clamp(request.curvePoints, 11, 2001);
    std::vector<TxyPoint> scan(M);
    std::vector<double> lnAlpha(M);
    double T = out.tbB;
    bool split = false;
    for (int k = 0; k < M; ++k) {
        const double x = static_cast<double>(k) / (M - 1);
        TxyPoint& p = scan[k];
        p.x = x;
        if (k == 0) {
            p.T = out.tbB, p.y = 0;
        } else if (k == M - 1) {
            p.T = out.tbA, p.y = 1;
        } else {
            const BubblePoint bp = BubbleT(s, x, P, T);
            if (!bp.ok) {
                out.status = VleStatus::NoConvergence;
                return out;
            }
            p.T = bp.T, p.y = bp.y1;
            if (s.model.kind != ModelKind::Ideal && LiquidStability(s.model, p.T, x) <= 0) {
                if (!split) out.splitFrom = x;
                out.splitTo = x;
                split = true;
            }
        }
        T = p.T;
        lnAlpha[k] = LnRelativeVolatility(s, x, p.T);
        if (!Finite(lnAlpha[k])) {
            out.status = VleStatus::NoConvergence;
            return out;
        }
    }
    out.txy = scan;
    if (split) {
        out.status = VleStatus::LiquidSplit;
        return out;
    }

    for (int k = 0; k + 1 < M; ++k) {
        const double g0 = lnAlpha[k], g1 = lnAlpha[k + 1];
        if ((g0 > 0 && g1 < 0) || (g0 < 0 && g1 > 0)) {
            Azeotrope az;
            if (!RefineAzeotrope(s, P, scan[k], g0, scan[k + 1], g1, az)) {
                out.status = VleStatus::NoConvergence;
                return out;
            }
            out.azeotropes.push_back(az);
        }
    }
    for (const Azeotrope& az : out.azeotropes) out.txy.push_back({az.x, az.y, az.T});
    std::sort(out.txy.begin(), out.txy.end(), [](const TxyPoint& p, const TxyPoint& q) { return p.x < q.x; });

    std::vector<double> azeotropeX;
    for (const Azeotrope& az : out.azeotropes) azeotropeX.push_back(az.x);
    const int N = std::clamp(request.tablePoints, 3, 99);
    const std::vector<double> xs = TableAbscissae(N - 1, azeotropeX);
    out.table.push_back({0, 0});
    T = out.tbB;
    for (size_t i = 1; i + 1 < xs.size(); ++i) {
        const BubblePoint bp = BubbleT(s, xs[i], P, T);
        if (!bp.ok) {
            out.status = VleStatus::NoConvergence;
            out.table.clear();
            return out;
        }
        T = bp.T;
        if (s.model.kind != ModelKind::Ideal && LiquidStability(s.model, T, xs[i]) <= 0) {
            out.status = VleStatus::LiquidSplit;
            out.splitFrom = out.splitTo = xs[i];
            out.table.clear();
            return out;
        }
        // A vapour so rich (or so poor) in A that y reads 1 (or 0) in double precision carries nothing the
        // table can hold: leave the point out.
        const double previous = out.table.back().y;
        if (bp.y1 >= 1 || bp.y1 <= 0 || (bp.y1 <= previous && previous > 1 - 1e-9)) continue;
        if (bp.y1 <= previous) {
            out.status = VleStatus::NotIncreasing;
            out.table.clear();
            return out;
        }
        // The table model interpolates the local volatility between points; beyond a million (or below
        // its inverse) the dense tables lose every digit, and the curve already hugs the square's edge.
        const double volatility = bp.y1 * (1 - xs[i]) / (xs[i] * (1 - bp.y1));
        if (!(volatility <= kMaxTableVolatility && volatility >= 1 / kMaxTableVolatility)) continue;
        out.table.push_back({xs[i], bp.y1});
    }
    if (out.table.size() < 2) {
        out.status = VleStatus::TooVolatile;
        out.table.clear();
        return out;
    }
    out.table.push_back({1, 1});
    return out;
}

} // namespace

VleResult SolveVle(const ThermoData& data, const VleRequest& request) {
    VleResult out = SolveWith(data, request);
    // DECHEMA's NRTL parameters were fitted to the vapour-liquid data alone and some of them split a
    // liquid that is one phase (n-hexane and ethanol): the automatic choice then tries UNIFAC.
    if (request.model == ModelChoice::Automatic && out.model == ModelKind::Nrtl &&
        (out.status == VleStatus::LiquidSplit || out.status == VleStatus::NotIncreasing) &&
        UnifacFor(data, data.components[request.first], data.components[request.second])) {
        VleRequest unifac = request;
        unifac.model = ModelChoice::Unifac;
        VleResult second = SolveWith(data, unifac);
        if (second.status == VleStatus::Ok) {
            second.nrtlSplit = true;
            return second;
        }
    }
    return out;
}

} // namespace zorvek::thermo
