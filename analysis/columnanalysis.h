// The analysis of a design case beyond the McCabe-Thiele construction: the true minimum reflux with its
// pinch, total reflux (Nmin, Fenske), azeotropes, the R-N curve with Gilliland's estimate, Murphree
// stepping, and a plain reason in both languages for a case the design rejects. Reads the design's
// outcome; never changes it.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysisparts.h"
#include "design.h"

namespace zorvek {

struct AnalysisOptions {
    bool rnCurve = true;             // the R-N curve and Gilliland's estimate along it
    int rnPoints = 100;              // points of the R-N curve, R from 1.02 to 10 times RminTrue
    bool drawing = false;            // the staircases and the pseudo curve for the diagram overlays
    std::optional<double> murphreeE; // Murphree vapour efficiency E_MV for the Murphree stepping
    std::string DecimalSymbol = "."; // numbers in the reasons
};

struct RNPoint {
    double R = 0;
    std::optional<double> N;          // stepped, reboiler included; nothing where the stepping fails
    std::optional<double> NGilliland; // the correlation's estimate at that R
};

struct MurphreeResult {
    double E = 0;
    std::optional<double> N, NF;    // real stages (reboiler included) and the feed stage
    std::vector<StairPoint> stairs; // for drawing
    std::vector<StairPoint> curve;  // the pseudo-equilibrium curve, for drawing
};

struct ColumnAnalysis {
    // The compositions, their order and the model allow an analysis (the design's checks of R, E and,
    // in the table model, of the hidden alpha are not needed for it).
    bool computable = false;
    MinimumReflux minimum;
    TotalReflux total;
    std::optional<double> NminFenske; // constant alpha only
    std::vector<double> azeotropes;   // x where the table's curve crosses the diagonal

    double R = 0;                     // the case's reflux ratio
    std::optional<double> N;          // stages at R: the design's NPT when it solved the case
    std::optional<double> NGilliland; // Gilliland's estimate at R
    std::vector<RNPoint> rn;

    std::optional<MurphreeResult> murphree; // when a Murphree efficiency was asked for

    // Why the design rejected the case, in plain words (empty when it solved it).
    std::string reasonESP, reasonENG;
    // A warning about a solved case (a staircase across a pinch, an azeotrope inside the column).
    std::string noteESP, noteENG;
};

ColumnAnalysis AnalyseColumn(const DesignOutcome& outcome, const AnalysisOptions& options = {});

} // namespace zorvek
