// Which step of the design stopped a case, found from the outcome alone, and the plain-words reason for
// it (or a note on a solved case) in Spanish and English.
#pragma once
#include <string>

#include "columnanalysis.h"
#include "messages.h"

namespace zorvek {

enum class StopStep {
    Solved,
    InputCheck,             // `check` says which
    NoQPoint,               // q + R = 0
    LinesCrossBelowBottoms, // the q-point is not above xB
    NoQLinePinch,           // the q-line misses the curve (linear or quadratic message)
    SlopeOne,               // the pinch point lies on the diagonal
    RefluxBelowMinimum,     // R not above the q-line pinch value
    NegativeMinimum,        // that value is not positive
    StageLimit,             // more than the stage limit
    ArithmeticFailure,      // an arithmetic failure reported at the checkpoint
};

struct DesignStop {
    StopStep step = StopStep::Solved;
    MessageId message = MessageId::InvalidData; // the error line's message (not for ArithmeticFailure)
    bool failureInStepping = false;             // ArithmeticFailure: it happened while stepping
};

DesignStop StopOf(const DesignOutcome& outcome);

struct BilingualText {
    std::string esp, eng;
};

// The reason for a stopped case, or the note on a solved one (empty when there is nothing to say).
BilingualText ExplainStop(const DesignOutcome& outcome, const DesignStop& stop,
                          const ColumnAnalysis& analysis, const std::string& decimalSymbol);

} // namespace zorvek
