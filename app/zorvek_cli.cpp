// zorvek-cli: the design engine from the command line, without a display. Solves one case given as the
// texts of the entry fields (optionally in the table model, from the table block of a file) and prints
// the results for a person or as one JSON object. Exit status: 0 solved, 1 rejected, 2 usage or file
// error (one line on stderr).
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "casefileio.h"
#include "cli_analysis.h"
#include "cli_json.h"
#include "cli_vle.h"
#include "design.h"
#include "equilibrium.h"
#include "messages.h"
#include "reportfields.h"
#include "summary.h"
#include "tabletext.h"
#include "textfile.h"
#include "zorvek_cli_pictures.h"
#ifdef ZORVEK_CLI_PDF
#include "casepdf.h"
#include "casereport.h"
#endif

using namespace zorvek;

namespace {

constexpr int kExitSolved = 0;
constexpr int kExitRejected = 1;
constexpr int kExitUsage = 2;

// What the command line asks for.
struct CliRequest {
    CaseTexts fields;
    std::string tablePath;
    std::string casePath;           // --case: fields, model and table from a saved case
    std::string savePath;           // --save: write the case as a *.mct file
    std::string pdfPath;            // --pdf: write the two printed pages as a PDF file
    std::string reportDir;          // --report: write the worked solution and its diagram into a folder
    bool summary = false;           // --summary: print the results summary of the printed page
    CasePictures pictures;          // --png, --size, --svg: the diagram as a picture
    std::vector<std::string> given; // options named on the command line, in order
    std::string lang = "ENG";
    std::string decimal = ".";
    bool json = false;
    CliAnalysisRequest analysis; // --analysis, --murphree
    VleOptions vle;              // --system and its companions (cli_vle.h)
};

// One command-line option: its name, whether a value follows, and how it changes the request. apply
// returns an error text for a value it does not accept.
struct OptionSpec {
    std::string_view name;
    bool takesValue;
    std::function<std::optional<std::string>(CliRequest&, const std::string&)> apply;
    std::string_view help;
};

std::optional<std::string> SetText(std::string& target, const std::string& value) {
    target = value;
    return std::nullopt;
}

const std::vector<OptionSpec>& Options() {
    static const std::vector<OptionSpec> options = {
        {"--alpha", true, [](CliRequest& r, const std::string& v) { return SetText(r.fields.alpha, v); },
         "T"},
        {"--q", true, [](CliRequest& r, const std::string& v) { return SetText(r.fields.q, v); }, "T"},
        {"--zf", true, [](CliRequest& r, const std::string& v) { return SetText(r.fields.zF, v); }, "T"},
        {"--xd", true, [](CliRequest& r, const std::string& v) { return SetText(r.fields.xD, v); }, "T"},
        {"--xb", true, [](CliRequest& r, const std::string& v) { return SetText(r.fields.xB, v); }, "T"},
        {"--r", true, [](CliRequest& r, const std::string& v) { return SetText(r.fields.R, v); }, "T"},
        {"--e", true, [](CliRequest& r, const std::string& v) { return SetText(r.fields.E, v); }, "T"},
        {"--table", true, [](CliRequest& r, const std::string& v) { return SetText(r.tablePath, v); },
         "FILE"},
        {"--case", true, [](CliRequest& r, const std::string& v) { return SetText(r.casePath, v); }, "FILE"},
        {"--save", true, [](CliRequest& r, const std::string& v) { return SetText(r.savePath, v); }, "FILE"},
        {"--pdf", true, [](CliRequest& r, const std::string& v) { return SetText(r.pdfPath, v); }, "FILE"},
        {"--report", true, [](CliRequest& r, const std::string& v) { return SetText(r.reportDir, v); },
         "DIR"},
        {"--png", true, [](CliRequest& r, const std::string& v) { return SetText(r.pictures.pngPath, v); },
         "FILE"},
        {"--size", true, [](CliRequest& r, const std::string& v) { return ParsePictureSize(v, r.pictures); },
         "WxH"},
        {"--svg", true, [](CliRequest& r, const std::string& v) { return SetText(r.pictures.svgPath, v); },
         "FILE"},
        {"--summary", false,
         [](CliRequest& r, const std::string&) -> std::optional<std::string> {
             r.summary = true;
             return std::nullopt;
         },
         ""},
        {"--lang", true,
         [](CliRequest& r, const std::string& v) -> std::optional<std::string> {
             if (v != "ESP" && v != "ENG") return "--lang takes ESP or ENG";
             r.lang = v;
             return std::nullopt;
         },
         "ESP|ENG"},
        {"--decimal", true,
         [](CliRequest& r, const std::string& v) -> std::optional<std::string> {
             if (v != "," && v != ".") return "--decimal takes , or .";
             r.decimal = v;
             return std::nullopt;
         },
         ",|."},
        {"--system", true, [](CliRequest& r, const std::string& v) { return SetVleSystem(r.vle, v); }, "A/B"},
        {"--pressure", true, [](CliRequest& r, const std::string& v) { return SetVlePressure(r.vle, v); },
         "P[kPa|bar|atm|mmHg]"},
        {"--model", true, [](CliRequest& r, const std::string& v) { return SetVleModel(r.vle, v); },
         "auto|ideal|nrtl|unifac"},
        {"--points", true, [](CliRequest& r, const std::string& v) { return SetVlePoints(r.vle, v); }, "N"},
        {"--vle-out", true,
         [](CliRequest& r, const std::string& v) {
             r.vle.anyGiven = true;
             return SetText(r.vle.outPath, v);
         },
         "FILE"},
        {"--txy", false,
         [](CliRequest& r, const std::string&) -> std::optional<std::string> {
             r.vle.anyGiven = r.vle.txy = true;
             return std::nullopt;
         },
         ""},
        {"--json", false,
         [](CliRequest& r, const std::string&) -> std::optional<std::string> {
             r.json = true;
             return std::nullopt;
         },
         ""},
        {"--analysis", false,
         [](CliRequest& r, const std::string&) -> std::optional<std::string> {
             r.analysis.analysis = true;
             return std::nullopt;
         },
         ""},
        {"--murphree", true,
         [](CliRequest& r, const std::string& v) { return SetMurphreeEfficiency(r.analysis, v); }, "E"},
    };
    return options;
}

std::string UsageLine() {
    std::string usage = "usage: zorvek-cli";
    for (const OptionSpec& o : Options()) {
        usage += " [";
        usage += o.name;
        if (o.takesValue) {
            usage += ' ';
            usage += o.help;
        }
        usage += "]";
    }
    return usage;
}

// Parses argv into the request; an error text on failure.
std::optional<std::string> ParseArguments(int argc, char** argv, CliRequest& request) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const OptionSpec* option = nullptr;
        for (const OptionSpec& o : Options())
            if (arg == o.name) option = &o;
        if (option == nullptr) return "unknown option " + arg;
        std::string value;
        if (option->takesValue) {
            if (i + 1 >= argc) return arg + " needs a value";
            value = argv[++i];
        }
        if (auto error = option->apply(request, value)) return error;
        request.given.push_back(arg);
    }
    return std::nullopt;
}

// The result of running a request: the exit status, the outcome when a case was solved or rejected,
// and the one-line error of a usage or file problem.
struct CliResult {
    int exitCode = kExitUsage;
    DesignOutcome outcome;
    std::string fileError;
    std::string summary; // --summary of a solved case
    VleRun vle;          // --system: the generated table and its report
};

// Reads the first table block of a table or case file, checks and completes it, and builds the dense
// tables. Returns the error line on failure.
std::optional<std::string> LoadTable(const std::string& path, const std::string& lang, DenseTables& dense,
                                     EquilibriumTable* acceptedTable = nullptr) {
    const std::string unreadable =
        InLanguage(lang, "ERROR: No se pudo leer el archivo:", "ERROR: Unable to read the file:") + " " +
        path;
    std::string content, error;
    if (!ReadWholeTextFile(path, content, error)) return unreadable; // also a folder, a device, a huge file
    const std::string text = WithCrLfLineEnds(content);
    const std::optional<std::string_view> block = FindTableBlock(text);
    if (!block) return Message(MessageId::InvalidFormat, lang) + " " + path;
    EquilibriumTable working;
    const std::vector<TableRow> rows = ReadTableRows(*block, false);
    for (size_t i = 0; i < rows.size(); ++i) {
        working.x[i] = rows[i].x;
        working.y[i] = rows[i].y;
    }
    const TableAcceptance accepted = AcceptTable(working, lang);
    if (accepted.status == AcceptanceStatus::NoTable) return Message(MessageId::TableNothingToAccept, lang);
    if (accepted.status == AcceptanceStatus::Rejected) return accepted.message;
    if (acceptedTable) *acceptedTable = accepted.table;
    FailureRecord failures;
    if (!CrearSuperTABLA_ELV(accepted.table, dense, failures)) return FailureMessage(failures.First(), lang);
    return std::nullopt;
}

// The case as --case and --save see it: field texts and names, the table storage and the model.
struct CaseState {
    CaseTexts fields;
    std::string nameA, nameB;
    EquilibriumTable storage = DefaultEquilibriumTable();
    bool tableModel = false;
};

// --case: the file's fields (a missing tag leaves its field empty, as opening it in the window does)
// under the field options given beside it, its names, table and model.
std::optional<std::string> LoadCase(const CliRequest& request, CaseState& state) {
    CaseReadResult read;
    if (auto error = LoadCaseFile(request.casePath, request.lang, read)) return error;
    auto given = [&](std::string_view option) {
        return std::find(request.given.begin(), request.given.end(), option) != request.given.end();
    };
    auto take = [&](CaseField field, std::string_view option, std::string& target, const std::string& typed) {
        const std::optional<std::string>& fromFile = read.fields[static_cast<int>(field)];
        target = given(option) ? typed : fromFile.value_or("");
    };
    const CaseTexts& typed = request.fields;
    take(CaseField::ALPHA, "--alpha", state.fields.alpha, typed.alpha);
    take(CaseField::Q, "--q", state.fields.q, typed.q);
    take(CaseField::ZF, "--zf", state.fields.zF, typed.zF);
    take(CaseField::XD, "--xd", state.fields.xD, typed.xD);
    take(CaseField::XB, "--xb", state.fields.xB, typed.xB);
    take(CaseField::R, "--r", state.fields.R, typed.R);
    take(CaseField::E, "--e", state.fields.E, typed.E);
    state.nameA = read.fields[static_cast<int>(CaseField::A)].value_or("");
    state.nameB = read.fields[static_cast<int>(CaseField::B)].value_or("");
    state.storage = read.table;
    state.tableModel = read.OpensInTableModel();
    return std::nullopt;
}

// --save: the case written as a *.mct file, the model line from the model in use.
std::optional<std::string> SaveCase(const CliRequest& request, const CaseState& state) {
    CaseFieldTexts texts;
    FieldText(texts, CaseField::A) = state.nameA;
    FieldText(texts, CaseField::B) = state.nameB;
    FieldText(texts, CaseField::ALPHA) = state.fields.alpha;
    FieldText(texts, CaseField::Q) = state.fields.q;
    FieldText(texts, CaseField::ZF) = state.fields.zF;
    FieldText(texts, CaseField::XB) = state.fields.xB;
    FieldText(texts, CaseField::XD) = state.fields.xD;
    FieldText(texts, CaseField::R) = state.fields.R;
    FieldText(texts, CaseField::E) = state.fields.E;
    const CaseModel model = state.tableModel ? CaseModel::Table : CaseModel::Alpha;
    return SaveCaseFile(request.savePath, texts, model, state.storage, request.lang);
}

// --system: the table generated from the two components replaces the case's table and names.
std::optional<std::string> UseGeneratedTable(const CliRequest& request, CaseState& state, DenseTables& dense,
                                             VleRun& run) {
    if (!request.tablePath.empty()) return "zorvek-cli: --system and --table cannot be combined";
    if (auto error = RunVle(request.vle, request.lang, request.decimal, run)) return error;
    state.storage = run.table;
    state.nameA = run.nameA;
    state.nameB = run.nameB;
    state.tableModel = true;
    FailureRecord failures;
    if (!CrearSuperTABLA_ELV(state.storage, dense, failures))
        return FailureMessage(failures.First(), request.lang);
    return std::nullopt;
}

// The solving step: loads the case and the table when they are asked for, writes the case when asked,
// then solves it.
CliResult SolveRequest(const CliRequest& request) {
    CliResult result;
    static DenseTables dense; // large: keep it off the stack
    CalcSettings settings;
    settings.DecimalSymbol = request.decimal;
    settings.UiLanguage = request.lang;
    CaseState state;
    state.fields = request.fields;
    if (!request.casePath.empty()) {
        if (auto error = LoadCase(request, state)) {
            result.fileError = *error;
            return result;
        }
        if (state.tableModel && request.tablePath.empty()) {
            FailureRecord failures;
            if (!CrearSuperTABLA_ELV(state.storage, dense, failures)) {
                result.fileError = FailureMessage(failures.First(), request.lang);
                return result;
            }
            settings.TableMode = true;
            settings.dense = &dense;
        }
    }
    if (request.vle.Requested()) {
        if (auto error = UseGeneratedTable(request, state, dense, result.vle)) {
            result.fileError = *error;
            return result;
        }
        settings.TableMode = true;
        settings.dense = &dense;
    }
    if (!request.tablePath.empty()) {
        if (auto error = LoadTable(request.tablePath, request.lang, dense, &state.storage)) {
            result.fileError = *error;
            return result;
        }
        state.tableModel = true;
        settings.TableMode = true;
        settings.dense = &dense;
    }
    if (!request.savePath.empty()) {
        if (auto error = SaveCase(request, state)) {
            result.fileError = *error;
            return result;
        }
    }
    result.outcome = Calcular(state.fields, settings);
    result.exitCode = result.outcome.reached == Reached::Complete ? kExitSolved : kExitRejected;
    // Pictures show the case as far as it got, rejected or not.
    if (!request.pictures.pngPath.empty() || !request.pictures.svgPath.empty()) {
        if (auto error = WriteCasePictures(request.pictures, result.outcome, state.nameA, settings)) {
            result.fileError = *error;
            result.exitCode = kExitUsage;
            return result;
        }
    }
    if (!request.pdfPath.empty() && result.exitCode == kExitSolved) { // a rejected case writes no pages
#ifdef ZORVEK_CLI_PDF
        if (auto error = WriteCasePdf(request.pdfPath, state.fields, state.nameA, state.nameB, settings,
                                      state.storage.LastPointIndex)) {
            result.fileError = *error;
            result.exitCode = kExitUsage;
        }
#else
        result.fileError = "--pdf needs the Qt build";
        result.exitCode = kExitUsage;
#endif
    }
    if (result.exitCode == kExitSolved && request.summary)
        result.summary = Informe(ReportFieldsFromOutcome(
            state.fields, state.nameA, state.nameB, result.outcome, settings, state.storage.LastPointIndex));
    if (!request.reportDir.empty() && result.exitCode == kExitSolved) {
#ifdef ZORVEK_CLI_PDF
        if (auto error = WriteCaseReport(request.reportDir, state.fields, state.nameA, state.nameB, settings,
                                         state.storage.LastPointIndex)) {
            result.fileError = *error;
            result.exitCode = kExitUsage;
        }
#else
        result.fileError = "--report needs the Qt build";
        result.exitCode = kExitUsage;
#endif
    }
    return result;
}

// `members` are further members of the object (", \"analysis\": {...}"), written last.
std::string JsonOutcome(const DesignOutcome& o, const std::string& members = "") {
    std::string out;
    auto put = [&out](const auto&... parts) { (out.append(parts), ...); };
    const bool ok = o.reached == Reached::Complete;
    put("{\"ok\": ", ok ? "true" : "false", ", \"error\": ", JsonString(o.error));
    if (ok) {
        static const char* const keys[kResultTextCount] = {"Rmin",           "qLine",  "enrichingLine",
                                                           "exhaustingLine", "qPoint", "pinchPoint",
                                                           "feedPlate",      "plates"};
        put(", \"texts\": {");
        for (int i = 0; i < kResultTextCount; ++i)
            put(i ? ", " : "", JsonString(keys[i]), ": ", JsonString(o.texts[i]));
        put("}, \"NPT\": ", JsonNumber(o.NPT), ", \"NF\": ", JsonNumber(o.NF));
        put(", \"MinRefluxSlope\": ", JsonNumber(o.MinRefluxSlope), ", \"stairPoints\": [");
        for (size_t i = 0; i < o.stairPoints.size(); ++i)
            put(i ? ", " : "", "[", JsonNumber(o.stairPoints[i].x), ", ", JsonNumber(o.stairPoints[i].y),
                "]");
        put("], \"stageListing\": ", JsonString(o.StageListing));
        put(", \"stageListingMarkup\": ", JsonString(o.StageListingMarkup));
        put(", \"equilibriumListing\": ", JsonString(o.EquilibriumListing));
        put(", \"equilibriumListingMarkup\": ", JsonString(o.EquilibriumListingMarkup));
    }
    put(members, "}\n");
    return out;
}

std::string HumanOutcome(const DesignOutcome& o, const std::string& lang) {
    if (o.reached != Reached::Complete) return o.error + "\n";
    struct Label {
        const char* spanish;
        const char* english;
    };
    static const Label labels[kResultTextCount] = {
        {"Relación de reflujo mínima", "Minimum reflux ratio"},
        {"Recta q", "q-line"},
        {"Recta operativa de enriquecimiento", "Enriching operating line"},
        {"Recta operativa de agotamiento", "Exhausting operating line"},
        {"Punto q", "q-point"},
        {"Punto de contacto", "Pinch point"},
        {"Plato de alimentación", "Feed plate"},
        {"Número de platos", "Number of plates"},
    };
    std::string out;
    for (int i = 0; i < kResultTextCount; ++i)
        out += InLanguage(lang, labels[i].spanish, labels[i].english) + ": " + o.texts[i] + "\n";
    out += "\n" + InLanguage(lang, "Escalones", "Stages") + ":\n" + o.StageListing;
    out += "\n" + InLanguage(lang, "Curva de equilibrio", "Equilibrium curve") + ":\n" + o.EquilibriumListing;
    std::erase(out, '\r'); // the listings keep CR LF for the reports; a terminal wants LF
    return out;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << UsageLine() << "\n";
            return 0;
        }
    }
    CliRequest request;
    if (auto error = ParseArguments(argc, argv, request)) {
        std::cerr << "zorvek-cli: " << *error << " (" << UsageLine() << ")\n";
        return kExitUsage;
    }
    if (request.vle.anyGiven && !request.vle.Requested()) {
        std::cerr << "zorvek-cli: --pressure, --model, --points, --vle-out and --txy need --system\n";
        return kExitUsage;
    }
    const CliResult result = SolveRequest(request);
    if (result.exitCode == kExitUsage) {
        std::cerr << result.fileError << "\n";
        return kExitUsage;
    }
    if (!request.json) std::cout << result.vle.notices;
    if (request.summary && result.exitCode == kExitSolved)
        std::cout << result.summary;
    else if (request.json)
        std::cout << JsonOutcome(result.outcome,
                                 AnalysisJsonMembers(result.outcome, request.analysis, request.decimal) +
                                     (request.vle.txy ? result.vle.json : ""));
    else
        std::cout << HumanOutcome(result.outcome, request.lang)
                  << AnalysisLines(result.outcome, request.analysis, request.lang, request.decimal);
    if (request.vle.txy && !request.json) std::cout << "\n" << result.vle.text;
    return result.exitCode;
}
