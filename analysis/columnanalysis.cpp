// AnalyseColumn: the whole analysis of one case from the design's outcome.
#include "columnanalysis.h"

#include <cmath>
#include <memory>

#include "reasons.h"

namespace zorvek {

namespace {

bool Computable(const DesignOutcome& o) {
    if (o.reached == Reached::Background) return false;
    const DesignInputs& in = o.inputs;
    if (!(in.zF > 0 && in.zF < 1 && in.xD > 0 && in.xD < 1 && in.xB > 0 && in.xB < 1)) return false;
    if (!(in.xB < in.zF && in.zF < in.xD)) return false;
    return o.model.TableMode ? o.model.dense != nullptr : o.model.alpha > 1;
}

// The design's own lines when it solved the case, so that the Murphree stepping at E = 1 is its stepping.
std::optional<OperatingLines> LinesOfCase(const DesignOutcome& o, const ColumnAnalysis& a) {
    if (o.reached == Reached::Complete) return OperatingLines{o.mE, o.bE, o.xq, o.yq, o.mS, o.bS};
    if (a.minimum.found && o.inputs.R > a.minimum.RminTrue) return OperatingLinesAt(o.inputs, o.inputs.R);
    return std::nullopt;
}

} // namespace

ColumnAnalysis AnalyseColumn(const DesignOutcome& o, const AnalysisOptions& options) {
    ColumnAnalysis a;
    const DesignInputs& in = o.inputs;
    const EquilibriumModel& model = o.model;
    a.R = in.R;
    a.computable = Computable(o);
    if (a.computable) {
        auto scratch = std::make_unique<SteppingResult>(); // 16 kB, reused by every stepping below
        a.azeotropes = FindAzeotropes(model);
        std::optional<QLinePinch> pinch;
        if (o.slopeComputed)
            pinch = QLinePinch{o.xm, o.ym, o.MinRefluxSlope};
        else
            pinch = FindQLinePinch(in, model);
        if (pinch) a.minimum = TrueMinimumReflux(in, model, *pinch);
        a.total = TotalRefluxStages(in, model, *scratch);
        if (!model.TableMode) a.NminFenske = FenskeMinimumStages(in.xD, in.xB, model.alpha);
        if (o.reached == Reached::Complete) a.N = o.NPT;

        const MinimumReflux& m = a.minimum;
        if (m.found && a.total.found) a.NGilliland = GillilandStages(a.total.Nmin, m.RminTrue, in.R);
        if (options.rnCurve && m.found && options.rnPoints >= 2) {
            a.rn.reserve(static_cast<size_t>(options.rnPoints));
            // Geometric spacing puts more points near the minimum, where N changes fastest.
            const double first = 1.02 * m.RminTrue, ratio = 10 / 1.02;
            for (int i = 0; i < options.rnPoints; ++i) {
                RNPoint p;
                p.R = first * std::pow(ratio, i / double(options.rnPoints - 1));
                if (const std::optional<StageCount> n = StagesAtReflux(in, model, p.R, *scratch)) p.N = n->N;
                if (a.total.found) p.NGilliland = GillilandStages(a.total.Nmin, m.RminTrue, p.R);
                a.rn.push_back(p);
            }
        }
        if (options.murphreeE) {
            MurphreeResult r;
            r.E = *options.murphreeE;
            if (const std::optional<OperatingLines> lines = LinesOfCase(o, a)) {
                if (const std::optional<MurphreeStepping> s = MurphreeStages(in, model, *lines, r.E)) {
                    r.N = s->N;
                    r.NF = s->NF;
                    if (options.drawing) {
                        double lowest = in.xB;
                        for (const StairPoint& p : s->stairs) lowest = std::fmin(lowest, p.x);
                        r.curve = MurphreeCurve(in, model, *lines, r.E, lowest);
                        r.stairs = s->stairs;
                    }
                }
            }
            a.murphree = std::move(r);
        }
        if (!options.drawing) a.total.stairs.clear();
    }
    const BilingualText why = ExplainStop(o, StopOf(o), a, options.DecimalSymbol);
    if (o.reached == Reached::Complete) {
        a.noteESP = why.esp;
        a.noteENG = why.eng;
    } else {
        a.reasonESP = why.esp;
        a.reasonENG = why.eng;
    }
    return a;
}

} // namespace zorvek
