// Operating lines and stages at any reflux ratio, total reflux, Fenske's equation and Gilliland's
// correlation.
#include <cmath>

#include "analysisparts.h"

namespace zorvek {

namespace {

bool Finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The design's stepping on given lines, with the scratch result made fresh for it.
bool Step(const SteppingLines& lines, const EquilibriumModel& model, SteppingResult& scratch) {
    scratch.limitReached = false;
    scratch.NF = 0;
    scratch.NPT = 0;
    FailureRecord failures;
    StepStages(lines, model, failures, scratch);
    return !scratch.limitReached && !failures.Failed();
}

} // namespace

std::optional<OperatingLines> OperatingLinesAt(const DesignInputs& in, double R) {
    if (!(R + 1 != 0) || in.q + R == 0) return std::nullopt;
    OperatingLines l;
    l.mE = R / (R + 1);
    l.bE = in.xD / (R + 1);
    l.xq = ((R + 1) * in.zF + (in.q - 1) * in.xD) / (R + in.q);
    l.yq = l.mE * l.xq + l.bE;
    if (!(l.xq > in.xB)) return std::nullopt;
    l.mS = (l.yq - in.xB) / (l.xq - in.xB);
    l.bS = in.xB - in.xB * l.mS;
    if (!Finite({l.mE, l.bE, l.xq, l.yq, l.mS, l.bS})) return std::nullopt;
    return l;
}

std::optional<StageCount> StagesAtReflux(const DesignInputs& in, const EquilibriumModel& model, double R,
                                         SteppingResult& scratch) {
    const std::optional<OperatingLines> l = OperatingLinesAt(in, R);
    if (!l) return std::nullopt;
    if (!Step({in.xD, in.xB, l->xq, l->mE, l->bE, l->mS, l->bS}, model, scratch)) return std::nullopt;
    return StageCount{scratch.NPT, scratch.NF};
}

TotalReflux TotalRefluxStages(const DesignInputs& in, const EquilibriumModel& model,
                              SteppingResult& scratch) {
    TotalReflux t;
    // At total reflux both operating lines are the diagonal; the feed stage plays no part.
    if (!Step({in.xD, in.xB, in.zF, 1, 0, 1, 0}, model, scratch)) return t;
    t.found = true;
    t.Nmin = scratch.NPT;
    t.stairs.reserve(static_cast<size_t>(scratch.count));
    for (int i = 1; i <= scratch.count; ++i) t.stairs.push_back({scratch.x[i], scratch.y[i]});
    return t;
}

double FenskeMinimumStages(double xD, double xB, double alpha) {
    return std::log((xD / (1 - xD)) * ((1 - xB) / xB)) / std::log(alpha);
}

std::optional<double> GillilandStages(double Nmin, double Rmin, double R) {
    const double X = (R - Rmin) / (R + 1);
    if (!(X > 0 && X < 1)) return std::nullopt;
    const double Y = 1 - std::exp((1 + 54.4 * X) / (11 + 117.2 * X) * (X - 1) / std::sqrt(X));
    const double N = (Nmin + Y) / (1 - Y);
    if (!std::isfinite(N)) return std::nullopt;
    return N;
}

} // namespace zorvek
