// The plain-text results summary of the first printed page, in the current interface language.
#pragma once
#include <string>

#include "reportfields.h"

namespace zorvek {

// The summary text, lines separated by CR LF. The caller runs it only while no calculation error shows.
std::string ResultsSummaryText(const ReportFields& f);

// The same, under the name the print command uses.
inline std::string Informe(const ReportFields& f) {
    return ResultsSummaryText(f);
}

} // namespace zorvek
