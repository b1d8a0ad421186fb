// The McCabe-Thiele staircase: stages stepped off from the distillate down past the bottoms.
#include "stepping.h"

namespace zorvek {

namespace {

// Walks one section of the column on one operating line until x drops below `until`. Returns false
// when the stage limit stopped it.
bool StepSection(double m, double b, double until, const EquilibriumModel& model, FailureRecord& failures,
                 SteppingResult& r, double& x, double& xprev, double& stages) {
    auto store = [&](double px, double py) {
        ++r.count;
        r.x[r.count] = px;
        r.y[r.count] = py < 0 ? 0 : py;
    };
    do {
        xprev = x;
        const double y = m * x + b;
        store(x, y);
        x = model.EquilibriumX(y, failures, x);
        stages += 1;
        store(x, y);
        if (stages > kStageLimit) return false;
    } while (x >= until);
    return true;
}

} // namespace

void StepStages(const SteppingLines& lines, const EquilibriumModel& model, FailureRecord& failures,
                SteppingResult& r) {
    double stages = 0;
    double x = lines.xD;
    double xprev = x;
    r.count = 0;
    if (!StepSection(lines.mE, lines.bE, lines.xq, model, failures, r, x, xprev, stages)) {
        r.limitReached = true;
        return;
    }
    double fraction = 0;
    if (failures.Divide(fraction, xprev - lines.xq, xprev - x)) r.NF = (stages - 1) + fraction;
    if (x > lines.xB) {
        if (!StepSection(lines.mS, lines.bS, lines.xB, model, failures, r, x, xprev, stages)) {
            r.limitReached = true;
            r.NF = 0;
            return;
        }
    }
    fraction = 0;
    if (failures.Divide(fraction, xprev - lines.xB, xprev - x)) r.NPT = (stages - 1) + fraction;
    const double y = lines.mS * x + lines.bS;
    ++r.count;
    r.x[r.count] = x;
    r.y[r.count] = y < 0 ? 0 : y;
}

} // namespace zorvek
