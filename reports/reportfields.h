// What the reports read of one design case: the main window's fields exactly as displayed, the numbers
// and listings the calculation keeps, the model in use and the display settings.
#pragma once
#include <array>
#include <string>

#include "design.h"

namespace zorvek {

struct ReportFields {
    // Entry fields as displayed: Text1 alpha, Text2 q, Text3 zF, Text4 xD, Text5 xB, Text6 R, Text15 E,
    // Text16 and Text17 the names of components A and B.
    std::string Text1, Text2, Text3, Text4, Text5, Text6, Text15, Text16, Text17;
    // Result fields Text7 (Rmin) .. Text14 (plates at efficiency E), indexed by ResultText.
    std::array<std::string, kResultTextCount> results;
    double NPT = 0;            // theoretical stages at efficiency 1, reboiler counted
    double MinRefluxSlope = 0; // slope of the enriching line through the pinch point
    std::string StageListing, StageListingMarkup, EquilibriumListing, EquilibriumListingMarkup;
    bool TableMode = false;
    int LastPointIndex = -1; // of the accepted equilibrium table
    std::string FeedState;   // caption of the thermal-state label Label1(15)
    std::string UiLanguage = "ENG";
    std::string DecimalSymbol = ".";

    const std::string& Text(ResultText t) const { return results[t]; }
};

// Fills the fields from the entry texts and a complete calculation, as the main window would show them.
ReportFields ReportFieldsFromOutcome(const CaseTexts& entries, const std::string& nameA,
                                     const std::string& nameB, const DesignOutcome& outcome,
                                     const CalcSettings& settings, int lastPointIndex);

// Caption of the thermal-state label for q in the given language ("ESP" / "ENG"; any other: empty).
std::string FeedStateCaption(double q, const std::string& uiLanguage);

// The text without leading and trailing blanks.
std::string TrimBlanks(const std::string& text);

// Every occurrence of `from` in text replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// Spanish text for "ESP", English for "ENG", empty for any other language.
inline std::string Lang(const std::string& uiLanguage, const std::string& esp, const std::string& eng) {
    if (uiLanguage == "ESP") return esp;
    if (uiLanguage == "ENG") return eng;
    return {};
}

} // namespace zorvek
