// Isobaric vapour-liquid equilibrium of a binary pair from its components: the bubble point (T and y
// for a liquid x at pressure P, modified Raoult's law with an ideal vapour), both pure boiling points,
// the T-x-y curve, azeotropes, and a generated x-y table for the table model of the design.
#pragma once
#include <string_view>
#include <vector>

#include "activity.h"
#include "thermodata.h"

namespace zorvek::thermo {

enum class ModelChoice { Automatic, Ideal, Nrtl, Unifac };

// Pressure units of the interface and the command line.
enum class PressureUnit { KPa, Bar, Atm, MmHg };
double ToKPa(double value, PressureUnit unit);
double FromKPa(double kPa, PressureUnit unit);
std::string_view UnitName(PressureUnit unit); // "kPa", "bar", "atm", "mmHg"

// The two components with the model that describes their liquid: component 1 is `first`.
struct BinarySystem {
    const Component* first = nullptr;
    const Component* second = nullptr;
    ActivityModel model;
};

struct BubblePoint {
    bool ok = false;
    double T = 0;  // [K]
    double y1 = 0; // vapour mole fraction of component 1
};

// The bubble point of liquid x1 at pressure P [kPa], starting the search at guessT when it is positive.
BubblePoint BubbleT(const BinarySystem& system, double x1, double pressureKPa, double guessT = 0);

// The temperature at which a pure component boils at P [kPa] (its vapour pressure reaches P); inRange
// tells whether that temperature lies inside the fitted range of the correlation.
struct PureBoiling {
    bool ok = false;
    bool inRange = false;
    double T = 0;
};
PureBoiling BoilingPoint(const Component& component, double pressureKPa);

struct Azeotrope {
    double x = 0, y = 0; // mole fraction of A (y = x up to the solver's tolerance)
    double T = 0;        // [K]
    bool minimumBoiling = true;
};

struct TxyPoint {
    double x = 0, y = 0, T = 0;
};

struct XyPoint {
    double x = 0, y = 0;
};

struct VleRequest {
    int first = -1, second = -1; // component indices as the user picked them
    ModelChoice model = ModelChoice::Automatic;
    double pressureKPa = 101.325;
    int tablePoints = 41;  // 3..99, the ends (0, 0) and (1, 1) included
    int curvePoints = 101; // points of the T-x-y curve and of the azeotrope scan, at least 11
};

enum class VleStatus {
    Ok,
    SameComponent,      // both picks are one component
    NoNrtl,             // NRTL asked for, no parameters for the pair
    NoUnifac,           // UNIFAC asked for, groups or interactions missing
    PressureInvalid,    // not a positive number, or beyond 100 MPa
    PressureOutOfRange, // a component does not boil at P inside its correlation's range
    NoConvergence,      // a bubble point could not be found
    LiquidSplit,        // the model predicts two liquid phases: no single x-y curve
    NotIncreasing,      // the generated points do not rise in y
    TooVolatile,        // the relative volatility exceeds what a table can hold (a million) everywhere
};

struct VleResult {
    VleStatus status = VleStatus::Ok;
    int a = -1, b = -1;   // component indices, A the lighter one (lower boiling point at P)
    bool swapped = false; // the user picked them the other way round
    ModelKind model = ModelKind::Ideal;
    bool nrtlSplit = false; // Automatic: NRTL predicted two liquid phases, so UNIFAC was used
    double pressureKPa = 0;
    double tbA = 0, tbB = 0; // boiling points at P [K]
    std::vector<Azeotrope> azeotropes;
    std::vector<TxyPoint> txy; // the T-x-y curve from x = 0 to 1, azeotropes included
    // From (0, 0) to (1, 1), strictly increasing in x and y; points whose local relative volatility lies
    // beyond a million (or below its inverse) are left out.
    std::vector<XyPoint> table;
    // Details of a failure: the component out of range with its pressure range, the split's x range.
    int offending = -1;
    double rangeLowKPa = 0, rangeHighKPa = 0;
    double splitFrom = 0, splitTo = 0;
};

// The model Automatic resolves to for the pair: NRTL where the library has parameters, else UNIFAC
// where both components have groups, else ideal.
ModelKind AutomaticModel(const ThermoData& data, const Component& first, const Component& second);

// The whole equilibrium of a pair at one pressure: resolves the model, orders the pair so that A is the
// lighter component, finds both boiling points, scans the T-x-y curve for azeotropes and builds the
// table, spaced more densely near the ends and near each azeotrope. When the automatic choice's NRTL
// splits the liquid in two and UNIFAC does not, the result is UNIFAC's (nrtlSplit says so).
VleResult SolveVle(const ThermoData& data, const VleRequest& request);

// d ln(x1 gamma1) / dx1 > 0 everywhere at constant T is the stability of a single liquid phase; this is
// its measure 1/(x1 x2) + d(ln gamma1 - ln gamma2)/dx1 (numerically), negative where the liquid splits.
double LiquidStability(const ActivityModel& model, double T, double x1);

} // namespace zorvek::thermo
