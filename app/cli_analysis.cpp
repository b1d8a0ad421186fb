// The column analysis in zorvek-cli's JSON and plain output.
#include "cli_analysis.h"

#include <charconv>
#include <cstdio>
#include <string_view>

#include "columnanalysis.h"
#include "messages.h"
#include "numtext.h"

namespace zorvek {

namespace {

std::string Quoted(std::string_view s) {
    std::string out = "\"";
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out.push_back('\\');
            out.push_back(ch);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out.push_back(ch);
        }
    }
    return out + "\"";
}

// 17 significant digits, so that every double reads back to itself; null for nothing.
std::string Number(std::optional<double> v) {
    if (!v) return "null";
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, *v, std::chars_format::general, 17);
    return std::string(buf, res.ptr);
}

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
        out += ", \"analysis\": {\"RminTrue\": " + Number(Value(m.found, m.RminTrue));
        out += ", \"pinch\": ";
        if (m.found)
            out += "{\"kind\": " + Quoted(PinchKindName(m.kind)) + ", \"x\": " + Number(m.x) +
                   ", \"y\": " + Number(m.y) + "}";
        else
            out += "null";
        out += ", \"Nmin\": " + Number(Value(a.total.found, a.total.Nmin));
        out += ", \"NminFenske\": " + Number(a.NminFenske) + ", \"azeotropes\": [";
        for (size_t i = 0; i < a.azeotropes.size(); ++i) {
            if (i) out += ", ";
            out += Number(a.azeotropes[i]);
        }
        out += "], \"reasonENG\": " + Quoted(a.reasonENG) + ", \"reasonESP\": " + Quoted(a.reasonESP);
        out += ", \"noteENG\": " + Quoted(a.noteENG) + ", \"noteESP\": " + Quoted(a.noteESP) + ", \"RN\": [";
        for (size_t i = 0; i < a.rn.size(); ++i) {
            if (i) out += ", ";
            out += "[";
            out += Number(a.rn[i].R);
            out += ", ";
            out += Number(a.rn[i].N);
            out += "]";
        }
        out += "], \"NGilliland\": " + Number(a.NGilliland) + "}";
    }
    if (a.murphree) {
        out += ", \"murphree\": {\"E\": " + Number(a.murphree->E) + ", \"N\": " + Number(a.murphree->N) +
               ", \"NF\": " + Number(a.murphree->NF) + "}";
    } else if (request.murphreeE) { // the inputs allow no analysis at all
        out += ", \"murphree\": {\"E\": " + Number(request.murphreeE) + ", \"N\": null, \"NF\": null}";
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
