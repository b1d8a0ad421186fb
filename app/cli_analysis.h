// zorvek-cli's column analysis: the options --analysis and --murphree E, the "analysis" and "murphree"
// members they add to the JSON object, and the analysis lines of the plain output.
#pragma once
#include <optional>
#include <string>

#include "design.h"

namespace zorvek {

struct CliAnalysisRequest {
    bool analysis = false;           // --analysis
    std::optional<double> murphreeE; // --murphree E
};

// --murphree: the efficiency as typed (either decimal symbol); an error text unless 0 < E <= 1.
std::optional<std::string> SetMurphreeEfficiency(CliAnalysisRequest& request, const std::string& text);

// The members to add to the JSON object (", \"analysis\": {...}", ", \"murphree\": {...}"), or "".
std::string AnalysisJsonMembers(const DesignOutcome& outcome, const CliAnalysisRequest& request,
                                const std::string& decimalSymbol);

// The analysis in the interface language for a person, one item a line, or "".
std::string AnalysisLines(const DesignOutcome& outcome, const CliAnalysisRequest& request,
                          const std::string& uiLanguage, const std::string& decimalSymbol);

} // namespace zorvek
