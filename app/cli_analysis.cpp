// The column analysis in zorvek-cli's JSON and plain output.
#include "cli_analysis.h"

#include <string_view>

#include "cli_json.h"
#include "columnanalysis.h"
#include "messages.h"
#include "numtext.h"

namespace zorvek {

namespace {

ColumnAnalysis Analyse(const DesignOutcome& o, const CliAnalysisRequest& request, const std::string& ds) {
    AnalysisOptions options;
    options.rnCurve = request.analysis;
    options.murphreeE = request.murphreeE;
    options.DecimalSymbol = ds;
    return AnalyseColumn(o, options);
}

std::optional<double> Value(bool known, double v) {
    return known ? std::optional<double>(v) : std::nullopt;
}

} // namespace

std::optional<std::string> SetMurphreeEfficiency(CliAnalysisRequest& request, const std::string& text) {
    const double E = ParseNumber(text);
    if (!(E > 0 && E <= 1)) return "--murphree takes an efficiency E with 0 < E <= 1";
    request.murphreeE = E;
    return std::nullopt;
}

std::string AnalysisJsonMembers(const DesignOutcome& o, const CliAnalysisRequest& request,
                                const std::string& ds) {
    if (!request.analysis && !request.murphreeE) return "";
    const ColumnAnalysis a = Analyse(o, request, ds);
    std::string out;
    if (request.analysis) {
        const MinimumReflux& m = a.minimum;
        out += ", \"analysis\": {\"RminTrue\": " + JsonNumber(Value(m.found, m.RminTrue));
        out += ", \"pinch\": ";
        if (m.found)
            out += "{\"kind\": " + JsonString(PinchKindName(m.kind)) + ", \"x\": " + JsonNumber(m.x) +
                   ", \"y\": " + JsonNumber(m.y) + "}";
        else
            out += "null";
        out += ", \"Nmin\": " + JsonNumber(Value(a.total.found, a.total.Nmin));
        out += ", \"NminFenske\": " + JsonNumber(a.NminFenske) + ", \"azeotropes\": [";
        for (size_t i = 0; i < a.azeotropes.size(); ++i) {
            if (i) out += ", ";
            out += JsonNumber(a.azeotropes[i]);
        }
        out += "], \"reasonENG\": " + JsonString(a.reasonENG) + ", \"reasonESP\": " + JsonString(a.reasonESP);
        out += ", \"noteENG\": " + JsonString(a.noteENG) + ", \"noteESP\": " + JsonString(a.noteESP) +
               ", \"RN\": [";
        for (size_t i = 0; i < a.rn.size(); ++i) {
            if (i) out += ", ";
            out += "[";
            out += JsonNumber(a.rn[i].R);
            out += ", ";
            out += JsonNumber(a.rn[i].N);
            out += "]";
        }
        out += "], \"NGilliland\": " + JsonNumber(a.NGilliland) + "}";
    }
    if (a.murphree) {
        out += ", \"murphree\": {\"E\": " + JsonNumber(a.murphree->E) +
               ", \"N\": " + JsonNumber(a.murphree->N) + ", \"NF\": " + JsonNumber(a.murphree->NF) + "}";
    } else if (request.murphreeE) { // the inputs allow no analysis at all
        out += ", \"murphree\": {\"E\": " + JsonNumber(request.murphreeE) + ", \"N\": null, \"NF\": null}";
    }
    return out;
}

std::string AnalysisLines(const DesignOutcome& o, const CliAnalysisRequest& request, const std::string& lang,
                          const std::string& ds) {
    if (!request.analysis && !request.murphreeE) return "";
    const ColumnAnalysis a = Analyse(o, request, ds);
    std::string out;
    // Appends the pieces (built up in place: GCC's -Wrestrict misreads chains of string additions).
    auto add = [&out](const auto&... parts) { (out.append(std::string_view(parts)), ...); };
    auto text = [&](std::string_view esp, std::string_view eng) { return InLanguage(lang, esp, eng); };
    auto number = [&](double v, int digits) { return FormatSignificant(v, digits, ds); };
    const std::string unknown = text("(no calculable)", "(cannot be computed)");
    add("\n", text("Análisis", "Analysis"), ":\n");
    if (request.analysis) {
        const MinimumReflux& m = a.minimum;
        add(text("Relación de reflujo mínima real", "True minimum reflux ratio"), ": ");
        if (m.found) {
            static const char* const kinds[3][2] = {
                {"punto de contacto de la recta q", "q-line pinch"},
                {"tangencia de la recta de enriquecimiento", "tangent pinch of the enriching line"},
                {"tangencia de la recta de agotamiento", "tangent pinch of the exhausting line"}};
            const int k = static_cast<int>(m.kind);
            add(number(m.RminTrue, 5), " (", text(kinds[k][0], kinds[k][1]), ", x = ", number(m.x, 4),
                ", y = ", number(m.y, 4), ")");
        } else {
            add(unknown);
        }
        add("\n", text("Etapas a reflujo total", "Stages at total reflux"), ": ",
            a.total.found ? number(a.total.Nmin, 4) : unknown);
        if (a.NminFenske) add(" (Fenske: ", number(*a.NminFenske, 4), ")");
        add("\n");
        for (double x : a.azeotropes) add(text("Azeótropo en x = ", "Azeotrope at x = "), number(x, 4), "\n");
        if (a.NGilliland)
            add(text("Etapas según Gilliland", "Stages by Gilliland"), ": ", number(*a.NGilliland, 4), "\n");
        const std::string why = text(a.reasonESP, a.reasonENG), note = text(a.noteESP, a.noteENG);
        if (!why.empty()) add(text("Motivo", "Reason"), ": ", why, "\n");
        if (!note.empty()) add(note, "\n");
    }
    if (request.murphreeE) {
        const bool counted = a.murphree && a.murphree->N && a.murphree->NF;
        add("Murphree E = ", number(*request.murphreeE, 4), ": ", text("etapas reales ", "real stages "),
            counted ? number(*a.murphree->N, 4) : unknown, ", ",
            text("etapa de alimentación ", "feed stage "), counted ? number(*a.murphree->NF, 4) : unknown,
            "\n");
    }
    return out;
}

} // namespace zorvek
