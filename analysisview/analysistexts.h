// Every text of the analysis window in Spanish and English, in one table: the captions of its controls by
// object name and the phrases its fields and chart are written with.
#pragma once
#include <QString>
#include <vector>

namespace zorvek {

enum class AnalysisText {
    WindowTitle,
    None,              // no azeotrope
    NotComputable,     // a value the case does not allow
    ConstantAlphaOnly, // Fenske in the table model
    PinchQLine,
    PinchEnriching,
    PinchExhausting,
    SolvedFeasible, // {0}: R, {1}: RminTrue
    ChartTitle,
    SeriesStepped,
    SeriesGilliland,
    SeriesCurrentR,
    SeriesRminTrue,
    AxisR,
    AxisN,
    MurphreePlaceholder,
    MurphreeOutOfRange,
};

// The text in the current interface language ("" for neither "ESP" nor "ENG").
QString AnalysisTextOf(AnalysisText id);

struct AnalysisCaption {
    const char* objectName;
    const char* esp;
    const char* eng;
};
// The captions of the window's labels, by object name.
const std::vector<AnalysisCaption>& AnalysisCaptions();

} // namespace zorvek
