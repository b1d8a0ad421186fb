// The McCabe-Thiele design of one case as a pure function: the seven entry texts, the equilibrium model
// and the display settings go in; everything the user sees of the case comes out (how far the case got,
// the error line, the result texts, the numbers, the staircase and the four listings).
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "equilibrium.h"
#include "messages.h"

namespace zorvek {

// The entry fields exactly as typed: Text1 (alpha), Text2 (q), Text3 (zF), Text4 (xD), Text5 (xB),
// Text6 (R) and Text15 (E). The defaults are the start-up case.
struct CaseTexts {
    std::string alpha = "2";
    std::string q = "0.5";
    std::string zF = "0.46";
    std::string xD = "0.85";
    std::string xB = "0.17";
    std::string R = "3";
    std::string E = "1";
};

// The inputs as numbers, read with ParseNumber.
struct DesignInputs {
    double alpha = 0; // relative volatility of A to B [-]
    double q = 0;     // thermal state of the feed [-]
    double zF = 0;    // mole fraction of A in the feed
    double xD = 0;    // mole fraction of A in the distillate
    double xB = 0;    // mole fraction of A in the bottoms
    double R = 0;     // reflux ratio L/D [-]
    double E = 0;     // overall plate efficiency [-]
};

struct CalcSettings {
    bool TableMode = false;
    const DenseTables* dense = nullptr; // the main window's dense tables; required in table mode
    std::string DecimalSymbol = ".";    // "," or "."
    std::string UiLanguage = "ENG";     // "ESP" or "ENG"
};

// How far a calculation got, which is exactly what the diagram shows.
enum class Reached {
    Background,   // inputs unreadable: background only
    StreamPoints, // a check failed: background and the stream points whose compositions lie in 0..1
    Curve,        // the checks passed, a later step failed: also the equilibrium curve
    Complete,     // solved: lines, q-point, staircase and axis titles too
};

struct StairPoint {
    double x = 0;
    double y = 0;
};

// Indices into DesignOutcome::texts.
enum ResultText {
    kText7Rmin,
    kText8QLine,
    kText9Enriching,
    kText10Exhausting,
    kText11QPoint,
    kText12Pinch,
    kText13FeedPlate,
    kText14Plates,
    kResultTextCount
};

struct DesignOutcome {
    Reached reached = Reached::Background;
    // Caption of LblERROR: empty when reached == Complete. A rejected case has its message, except that
    // a UiLanguage other than "ESP" or "ENG" shows no text (test reached, not the text, for success).
    std::string error;
    DesignInputs inputs;    // as read (valid from StreamPoints on)
    EquilibriumModel model; // the model used (for drawing the curve and the read-out)

    bool slopeComputed = false; // step 15 was reached: MinRefluxSlope holds this call's value
    double MinRefluxSlope = 0;

    // Valid when reached == Complete.
    std::array<std::string, kResultTextCount> texts; // Text7 .. Text14
    double NPT = 0, NF = 0; // fractional theoretical stages (reboiler counted) and feed stage
    double Rmin = 0;
    double mE = 0, bE = 0;      // enriching operating line y = mE x + bE
    double mS = 0, bS = 0;      // exhausting operating line
    bool qLineVertical = false; // q == 1 exactly: the q-line is x = zF
    double qSlope = 0, qIntercept = 0;
    double xq = 0, yq = 0;               // QPoint
    double xm = 0, ym = 0;               // PinchPoint
    std::vector<StairPoint> stairPoints; // stored points 1..count, in order (y below 0 stored as 0)
    std::string StageListing, StageListingMarkup, EquilibriumListing, EquilibriumListingMarkup;
};

// Where the q-line meets the equilibrium curve (the PinchPoint xm, ym), with the design's own arithmetic.
// Returns false with the message (linear or quadratic equation) when it cannot be found; arithmetic
// failures go to failures.
bool PinchPoint(const DesignInputs& in, const EquilibriumModel& model, FailureRecord& failures, double& xm,
                double& ym, MessageId& message);
// The first of the design's eight input checks that fails, in their order; nothing when all pass.
std::optional<MessageId> FirstFailingCheck(const DesignInputs& in);

// Solves one case. Messages and texts follow settings.UiLanguage and settings.DecimalSymbol.
DesignOutcome Calcular(const CaseTexts& fields, const CalcSettings& settings);

} // namespace zorvek
