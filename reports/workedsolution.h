// The step-by-step worked solution of a design case in ReportMarkup: the statement, the short answers,
// the summarised results and the full solution, in English or Spanish, and the document that holds them.
#pragma once
#include <string>

#include "reportfields.h"

namespace zorvek {

struct WorkedSolution {
    std::string statement; // "#ENU(" part
    std::string answers;   // "#SOL(" part
    std::string results;   // "#RS1(" part
    std::string solution;  // "#RS2(" part
};

// imageName: bare file name of the diagram picture in the document's folder. The caller composes only
// while no calculation error shows.
WorkedSolution HTFC_Informe_ENG(const ReportFields& f, const std::string& imageName);
WorkedSolution HTFC_Informe_ESP(const ReportFields& f, const std::string& imageName);

// The one of the two that f.UiLanguage names; empty parts for any other language.
WorkedSolution ComposeWorkedSolution(const ReportFields& f, const std::string& imageName);

// The whole document: the decimal declaration and the four parts, CR LF between them, no final break.
std::string ReportDocument(const std::string& decimalSymbol, const WorkedSolution& parts);

// Field text with the decimal symbol written as "&.".
std::string EscapeDecimal(const std::string& text, const std::string& decimalSymbol);

} // namespace zorvek
