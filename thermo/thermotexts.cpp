#include "thermotexts.h"

#include <charconv>
#include <cmath>

namespace zorvek::thermo {

std::string ChooseText(std::string_view uiLanguage, std::string_view esp, std::string_view eng) {
    if (uiLanguage == "ESP") return std::string(esp);
    if (uiLanguage == "ENG") return std::string(eng);
    return {};
}

std::string FixedText(double v, int decimals, std::string_view decimalSymbol) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s = res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("?");
    if (s == "-0" || s.find_first_not_of("-0.") == std::string::npos) s.erase(0, s.front() == '-' ? 1 : 0);
    for (char& c : s)
        if (c == '.') c = decimalSymbol.empty() ? '.' : decimalSymbol.front();
    return s;
}

namespace {

std::string ProblemText(DataProblem p, std::string_view lang) {
    switch (p) {
    case DataProblem::None:
        return {};
    case DataProblem::NoFormatLine:
        return ChooseText(lang, "falta la línea de formato", "no format line");
    case DataProblem::UnknownRecord:
        return ChooseText(lang, "registro desconocido", "unknown record");
    case DataProblem::OutsideComponent:
        return ChooseText(lang, "dato fuera de un componente", "field outside a component");
    case DataProblem::BadNumber:
        return ChooseText(lang, "número no válido", "invalid number");
    case DataProblem::BadValue:
        return ChooseText(lang, "valor fuera de rango", "value out of range");
    case DataProblem::BadCas:
        return ChooseText(lang, "número CAS no válido", "invalid CAS number");
    case DataProblem::MissingField:
        return ChooseText(lang, "componente incompleto", "incomplete component");
    case DataProblem::DuplicateComponent:
        return ChooseText(lang, "componente repetido", "repeated component");
    case DataProblem::UnknownSubgroup:
        return ChooseText(lang, "grupo UNIFAC desconocido", "unknown UNIFAC group");
    case DataProblem::UnknownComponent:
        return ChooseText(lang, "par NRTL de un componente desconocido", "NRTL pair of an unknown component");
    case DataProblem::TooFewComponents:
        return ChooseText(lang, "menos de dos componentes", "fewer than two components");
    }
    return {};
}

} // namespace

std::string DataErrorMessage(const DataReadResult& r, std::string_view lang) {
    if (lang != "ESP" && lang != "ENG") return {};
    switch (r.error) {
    case DataError::None:
        return {};
    case DataError::Missing:
        return ChooseText(lang, "ERROR: No se encontró el archivo de datos de componentes: ",
                          "ERROR: Component data file not found: ") +
               r.path;
    case DataError::Unreadable:
        return ChooseText(lang, "ERROR: No se pudo leer el archivo de datos de componentes: ",
                          "ERROR: Unable to read the component data file: ") +
               r.path;
    case DataError::Damaged: {
        std::string where = ProblemText(r.problem, lang);
        if (r.line > 0) where = ChooseText(lang, "línea ", "line ") + std::to_string(r.line) + ": " + where;
        std::string text = ChooseText(lang, "ERROR: Archivo de datos de componentes dañado (",
                                      "ERROR: Damaged component data file (") +
                           where + ")";
        if (!r.path.empty()) text += ": " + r.path;
        return text;
    }
    }
    return {};
}

std::string LookupMessage(const ThermoData& data, const LookupResult& result, std::string_view query,
                          std::string_view lang) {
    if (lang != "ESP" && lang != "ENG") return {};
    const std::string q(query);
    if (result.status == LookupStatus::NotFound)
        return ChooseText(lang, "ERROR: Componente desconocido: ", "ERROR: Unknown component: ") + q;
    if (result.status == LookupStatus::Ambiguous) {
        std::string names;
        for (size_t i = 0; i < result.candidates.size(); ++i) {
            if (i) names += ", ";
            names += data.components[result.candidates[i]].NameIn(lang);
        }
        return ChooseText(lang, "ERROR: Varios componentes responden a ",
                          "ERROR: Several components match ") +
               q + ": " + names;
    }
    return {};
}

std::string ModelName(ModelKind kind, std::string_view lang) {
    switch (kind) {
    case ModelKind::Ideal:
        return ChooseText(lang, "ideal (ley de Raoult)", "ideal (Raoult's law)");
    case ModelKind::Nrtl:
        return ChooseText(lang, "NRTL (DECHEMA)", "NRTL (DECHEMA)");
    case ModelKind::Unifac:
        return ChooseText(lang, "UNIFAC original", "original UNIFAC");
    }
    return {};
}

std::string_view ModelKey(ModelKind kind) {
    switch (kind) {
    case ModelKind::Ideal:
        return "ideal";
    case ModelKind::Nrtl:
        return "nrtl";
    case ModelKind::Unifac:
        return "unifac";
    }
    return "";
}

std::string VleMessage(const ThermoData& data, const VleResult& r, std::string_view lang,
                       std::string_view decimal) {
    if (lang != "ESP" && lang != "ENG") return {};
    auto kpa = [&](double v) {
        const int decimals = v >= 100 ? 0 : v >= 1 ? 2 : v >= 0.01 ? 4 : 8;
        return FixedText(v, decimals, decimal);
    };
    switch (r.status) {
    case VleStatus::Ok:
        return {};
    case VleStatus::SameComponent:
        return ChooseText(lang, "ERROR: Los dos componentes son el mismo",
                          "ERROR: The two components are the same");
    case VleStatus::NoNrtl:
        return ChooseText(lang, "ERROR: No hay parámetros NRTL para este par",
                          "ERROR: No NRTL parameters for this pair");
    case VleStatus::NoUnifac:
        return ChooseText(lang, "ERROR: UNIFAC no tiene grupos o parámetros para este par",
                          "ERROR: UNIFAC has no groups or parameters for this pair");
    case VleStatus::PressureInvalid:
        return ChooseText(lang, "ERROR: Presión no válida", "ERROR: Invalid pressure");
    case VleStatus::PressureOutOfRange: {
        const std::string name = r.offending >= 0 && r.offending < static_cast<int>(data.components.size())
                                     ? data.components[r.offending].NameIn(lang)
                                     : std::string();
        return ChooseText(lang, "ERROR: Presión fuera del intervalo de los datos de ",
                          "ERROR: Pressure outside the data range of ") +
               name + " (" + kpa(r.rangeLowKPa) + ChooseText(lang, " a ", " to ") + kpa(r.rangeHighKPa) +
               " kPa)";
    }
    case VleStatus::NoConvergence:
        return ChooseText(lang, "ERROR: No se pudo calcular el punto de burbuja",
                          "ERROR: The bubble point could not be computed");
    case VleStatus::LiquidSplit:
        return ChooseText(lang, "ERROR: El modelo ", "ERROR: The ") + ModelName(r.model, lang) +
               ChooseText(lang, " predice dos fases líquidas (x de ",
                          " model predicts two liquid phases (x from ") +
               FixedText(r.splitFrom, 2, decimal) + ChooseText(lang, " a ", " to ") +
               FixedText(r.splitTo, 2, decimal) +
               ChooseText(lang, "): no hay una única curva x-y", "): there is no single x-y curve");
    case VleStatus::NotIncreasing:
        return ChooseText(lang, "ERROR: Los puntos generados no son crecientes",
                          "ERROR: The generated points do not increase");
    case VleStatus::TooVolatile:
        return ChooseText(lang, "ERROR: La volatilidad relativa supera el millón: no cabe en una tabla",
                          "ERROR: The relative volatility exceeds a million: no table can hold it");
    }
    return {};
}

std::string FallbackNotice(const VleResult& r, std::string_view lang) {
    if (!r.nrtlSplit) return {};
    return ChooseText(lang, "NRTL predice dos fases líquidas; se usa UNIFAC",
                      "NRTL predicts two liquid phases; UNIFAC is used");
}

std::string SwapNotice(const ThermoData& data, const VleResult& r, std::string_view lang) {
    if (!r.swapped || r.a < 0 || (lang != "ESP" && lang != "ENG")) return {};
    const std::string& a = data.components[r.a].NameIn(lang);
    return ChooseText(lang, "Componentes intercambiados: A es ", "Components swapped: A is ") + a +
           ChooseText(lang, ", el de menor temperatura de ebullición",
                      ", the one with the lower boiling point");
}

} // namespace zorvek::thermo
