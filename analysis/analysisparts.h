// The building blocks of the column analysis, each on the engine's models and stepping: operating lines
// and stages at any reflux ratio, the q-line and tangent pinches, azeotropes, total reflux with Fenske's
// equation, Gilliland's correlation and the stage stepping against a Murphree pseudo-equilibrium curve.
#pragma once
#include <optional>
#include <vector>

#include "design.h"
#include "stepping.h"

namespace zorvek {

// The q-line and the two operating lines at reflux ratio R, by the design's own formulas.
struct OperatingLines {
    double mE = 0, bE = 0; // enriching line y = mE x + bE
    double xq = 0, yq = 0; // q-point
    double mS = 0, bS = 0; // exhausting line through (xB, xB) and the q-point
};
// Nothing when q + R = 0 (no q-point), when the q-point is not above xB or a value is not finite.
std::optional<OperatingLines> OperatingLinesAt(const DesignInputs& in, double R);

// Fractional stages counted from the top (reboiler included) and the fractional feed stage.
struct StageCount {
    double N = 0;
    double NF = 0;
};

// The engine's stepping at reflux ratio R; nothing when the lines do not exist, the stage limit stops
// it or an arithmetic failure occurs. `scratch` is reused between calls (it is large).
std::optional<StageCount> StagesAtReflux(const DesignInputs& in, const EquilibriumModel& model, double R,
                                         SteppingResult& scratch);

// ---- pinches ----

// Where the q-line meets the equilibrium curve, found exactly as the design finds it (for cases the
// design rejected before it got there).
struct QLinePinch {
    double xm = 0, ym = 0;
    double s = 0; // slope of the line from (xD, xD) to the pinch point
};
std::optional<QLinePinch> FindQLinePinch(const DesignInputs& in, const EquilibriumModel& model);

enum class PinchKind { QLine, TangentEnriching, TangentExhausting };
// "q-line", "tangent-enriching" or "tangent-exhausting".
const char* PinchKindName(PinchKind kind);

struct MinimumReflux {
    bool found = false;  // a finite, positive true minimum exists
    double RminTrue = 0; // the largest of the three pinch values
    PinchKind kind = PinchKind::QLine;
    double x = 0, y = 0;   // the governing pinch point
    double RminQLine = 0;  // the q-line pinch value (the design's Rmin)
    double xm = 0, ym = 0; // the q-line pinch point
    bool qLineFound = false;
    OperatingLines lines; // the operating lines at RminTrue (for drawing)
};

// The true minimum reflux ratio: the q-line pinch and the tangent pinches of the enriching line (above
// the q-line pinch) and of the exhausting line (below it). The curve is sampled at every dense-table
// argument (in the table model both dense tables, so that the drawing and the stepping agree).
MinimumReflux TrueMinimumReflux(const DesignInputs& in, const EquilibriumModel& model,
                                const QLinePinch& qLinePinch);

// An operating line lying above the equilibrium curve between x = from and x = to.
struct Crossing {
    bool enriching = true;
    double from = 0, to = 0; // from > to
};
// The first stretch (from the top down) where an operating line at these lines lies above the curve.
std::optional<Crossing> FindCrossing(const DesignInputs& in, const EquilibriumModel& model,
                                     const OperatingLines& lines);

// Where the equilibrium curve crosses the diagonal strictly inside 0..1 (the table model only; a
// constant alpha above 1 has none).
std::vector<double> FindAzeotropes(const EquilibriumModel& model);

// ---- total reflux and correlations ----

struct TotalReflux {
    bool found = false;
    double Nmin = 0;                // stepping on the diagonal from xD to xB, reboiler included
    std::vector<StairPoint> stairs; // the staircase, for drawing
};
TotalReflux TotalRefluxStages(const DesignInputs& in, const EquilibriumModel& model, SteppingResult& scratch);

// Fenske: ln[(xD / (1 - xD)) ((1 - xB) / xB)] / ln alpha.
double FenskeMinimumStages(double xD, double xB, double alpha);

// Gilliland's correlation in Molokanov's form: N from Nmin, Rmin and R (nothing unless R > Rmin).
std::optional<double> GillilandStages(double Nmin, double Rmin, double R);

// ---- Murphree ----

struct MurphreeStepping {
    double N = 0, NF = 0;
    std::vector<StairPoint> stairs;
};
// Stages stepped against the pseudo-equilibrium curve y = y_op + E (y* - y_op) of each section, with
// the design's stage limit and fractional counting; E = 1 is the design's own stepping. Nothing when
// the limit stops it or the lines give no stage.
std::optional<MurphreeStepping> MurphreeStages(const DesignInputs& in, const EquilibriumModel& model,
                                               const OperatingLines& lines, double E);

// The pseudo-equilibrium curve of both sections from x = from up to xD, for drawing.
std::vector<StairPoint> MurphreeCurve(const DesignInputs& in, const EquilibriumModel& model,
                                      const OperatingLines& lines, double E, double from);

} // namespace zorvek
