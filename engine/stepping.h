// Stage stepping from the distillate down to the bottoms, and the four result listings. Used by
// Calcular; exposed for the tests and the reports.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design.h"

namespace zorvek {

constexpr int kStageLimit = 495;
constexpr int kStairSlots = 1001; // staircase points 0..1000, stored from index 1

struct SteppingResult {
    bool limitReached = false; // more than kStageLimit stages: the stepping message ends the case
    double NF = 0, NPT = 0;
    int count = 0;
    std::array<double, kStairSlots> x{}; // stored points 1..count (y below 0 stored as 0)
    std::array<double, kStairSlots> y{};
};

struct SteppingLines {
    double xD = 0, xB = 0, xq = 0;
    double mE = 0, bE = 0; // enriching line
    double mS = 0, bS = 0; // exhausting line
};

// Steps off the stages; arithmetic failures go to failures and leave their values unchanged.
void StepStages(const SteppingLines& lines, const EquilibriumModel& model, FailureRecord& failures,
                SteppingResult& result);

// The stage listings, plain text and markup, of the stored points 1..count.
void BuildStageListings(const std::array<double, kStairSlots>& x, const std::array<double, kStairSlots>& y,
                        int count, std::string_view decimalSymbol, std::string& text, std::string& markup);

// The equilibrium listings: twenty points of the curve in two column pairs.
void BuildEquilibriumListings(const EquilibriumModel& model, std::string_view decimalSymbol,
                              std::string& text, std::string& markup);

} // namespace zorvek
