// Stage stepping from the distillate down to the bottoms. Used by Calcular; exposed for the tests.
#pragma once
#include <array>

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

} // namespace zorvek
