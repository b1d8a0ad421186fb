#include "analysistexts.h"

#include <array>

#include "appstate.h"

namespace zorvek {

namespace {

struct Entry {
    AnalysisText id;
    const char* esp;
    const char* eng;
};

constexpr std::array kTexts{
    Entry{AnalysisText::WindowTitle, "Análisis de la columna", "Column analysis"},
    Entry{AnalysisText::None, "ninguno", "none"},
    Entry{AnalysisText::NotComputable, "—", "—"},
    Entry{AnalysisText::ConstantAlphaOnly, "solo con volatilidad relativa constante", "constant alpha only"},
    Entry{AnalysisText::PinchQLine, "punto de contacto de la recta q", "q-line pinch"},
    Entry{AnalysisText::PinchEnriching, "tangencia de la recta de enriquecimiento",
          "tangent pinch of the enriching line"},
    Entry{AnalysisText::PinchExhausting, "tangencia de la recta de agotamiento",
          "tangent pinch of the exhausting line"},
    Entry{AnalysisText::SolvedFeasible,
          "Diseño resuelto: R = %1 supera la relación de reflujo mínima real %2.",
          "Design solved: R = %1 lies above the true minimum reflux ratio %2."},
    Entry{AnalysisText::ChartTitle, "Etapas frente a reflujo (curva R-N)",
          "Stages against reflux (R-N curve)"},
    Entry{AnalysisText::SeriesStepped, "N escalonado", "N stepped"},
    Entry{AnalysisText::SeriesGilliland, "N de Gilliland", "N by Gilliland"},
    Entry{AnalysisText::SeriesCurrentR, "R actual", "Current R"},
    Entry{AnalysisText::SeriesRminTrue, "Rmin real", "True Rmin"},
    Entry{AnalysisText::AxisR, "R = L/D", "R = L/D"},
    Entry{AnalysisText::AxisN, "N (contando el rehervidor)", "N (with reboiler)"},
    Entry{AnalysisText::MurphreePlaceholder, "vacío: E de la columna", "empty: the column's E"},
    Entry{AnalysisText::MurphreeOutOfRange, "E_MV debe cumplir 0 < E_MV ≤ 1",
          "E_MV must lie in 0 < E_MV ≤ 1"},
};

} // namespace

QString AnalysisTextOf(AnalysisText id) {
    for (const Entry& e : kTexts)
        if (e.id == id) return Tr(QString::fromUtf8(e.esp), QString::fromUtf8(e.eng));
    return {};
}

const std::vector<AnalysisCaption>& AnalysisCaptions() {
    static const std::vector<AnalysisCaption> captions = {
        {"LblRminQ", "Rmin del punto de contacto de la recta q", "Rmin at the q-line pinch"},
        {"LblRminTrue", "Relación de reflujo mínima real", "True minimum reflux ratio"},
        {"LblPinch", "Punto de contacto que la fija", "Pinch that sets it"},
        {"LblPinchPoint", "Punto de contacto (x, y)", "Pinch point (x, y)"},
        {"LblNmin", "Etapas a reflujo total, Nmin", "Stages at total reflux, Nmin"},
        {"LblFenske", "Nmin de Fenske", "Nmin by Fenske"},
        {"LblAzeotropes", "Azeótropos de la tabla", "Azeotropes of the table"},
        {"LblR", "Relación de reflujo R", "Reflux ratio R"},
        {"LblN", "Etapas a R (escalonadas)", "Stages at R (stepped)"},
        {"LblNGilliland", "Etapas a R (Gilliland, Molokanov)", "Stages at R (Gilliland, Molokanov)"},
        {"LblEMV", "Eficiencia de Murphree del vapor E_MV", "Murphree vapour efficiency E_MV"},
        {"LblNMurphree", "Etapas reales con E_MV", "Real stages with E_MV"},
        {"LblNFMurphree", "Etapa de alimentación con E_MV", "Feed stage with E_MV"},
        {"LblNPTE", "NPT / E y NF / E (eficiencia global)", "NPT / E and NF / E (overall efficiency)"},
        {"LblHINT", "Pulse en la gráfica para tomar ese R.", "Click the chart to take that R."},
    };
    return captions;
}

} // namespace zorvek
