#include "reportfields.h"

namespace zorvek {

ReportFields ReportFieldsFromOutcome(const CaseTexts& entries, const std::string& nameA,
                                     const std::string& nameB, const DesignOutcome& outcome,
                                     const CalcSettings& settings, int lastPointIndex) {
    ReportFields f;
    f.Text1 = entries.alpha;
    f.Text2 = entries.q;
    f.Text3 = entries.zF;
    f.Text4 = entries.xD;
    f.Text5 = entries.xB;
    f.Text6 = entries.R;
    f.Text15 = entries.E;
    f.Text16 = nameA;
    f.Text17 = nameB;
    f.results = outcome.texts;
    f.NPT = outcome.NPT;
    f.MinRefluxSlope = outcome.MinRefluxSlope;
    f.StageListing = outcome.StageListing;
    f.StageListingMarkup = outcome.StageListingMarkup;
    f.EquilibriumListing = outcome.EquilibriumListing;
    f.EquilibriumListingMarkup = outcome.EquilibriumListingMarkup;
    f.TableMode = settings.TableMode;
    f.LastPointIndex = lastPointIndex;
    f.FeedState = FeedStateCaption(outcome.inputs.q, settings.UiLanguage);
    f.UiLanguage = settings.UiLanguage;
    f.DecimalSymbol = settings.DecimalSymbol;
    return f;
}

std::string FeedStateCaption(double q, const std::string& lang) {
    if (q < 0) return Lang(lang, "Vapor sobrecalentado", "Superheated vapor");
    if (q == 0) return Lang(lang, "Vapor saturado en su punto de rocío", "Saturated vapor at its dew point");
    if (q < 1) return Lang(lang, "Mezcla líquido-vapor", "Vapor-liquid mixture");
    if (q == 1)
        return Lang(lang, "Líquido saturado en su punto de burbuja", "Saturated liquid at its bubble point");
    return Lang(lang, "Líquido subenfriado", "Subcooled liquid");
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string::size_type pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
    return text;
}

} // namespace zorvek
