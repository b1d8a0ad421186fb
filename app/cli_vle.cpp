#include "cli_vle.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <regex>
#include <system_error>

#include "cli_json.h"
#include "lookup.h"
#include "tabletext.h"
#include "textfile.h"
#include "thermodata.h"
#include "thermotexts.h"
#include "vle.h"

namespace zorvek {

namespace {

using namespace thermo;

std::string Trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return std::string(s);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The folder of this executable, from /proc/self/exe ("." when it cannot be read).
std::string ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return ".";
    return exe.parent_path().string();
}

std::string VleJson(const VleResult& r, const std::string& nameA, const std::string& nameB) {
    std::string out = ", \"vle\": {\"components\": [" + JsonString(nameA) + ", " + JsonString(nameB) + "]";
    out += ", \"swapped\": ";
    out += r.swapped ? "true" : "false";
    out += ", \"model\": " + JsonString(ModelKey(r.model));
    out += ", \"pressureKPa\": " + JsonNumber(r.pressureKPa);
    out += ", \"boilingPointsK\": [" + JsonNumber(r.tbA) + ", " + JsonNumber(r.tbB) + "]";
    out += ", \"azeotropes\": [";
    for (size_t i = 0; i < r.azeotropes.size(); ++i) {
        const Azeotrope& az = r.azeotropes[i];
        out += (i ? ", " : "") + std::string("{\"x\": ") + JsonNumber(az.x) + ", \"y\": " + JsonNumber(az.y) +
               ", \"TK\": " + JsonNumber(az.T) +
               ", \"kind\": " + JsonString(az.minimumBoiling ? "minimum-boiling" : "maximum-boiling") + "}";
    }
    out += "], \"txy\": [";
    for (size_t i = 0; i < r.txy.size(); ++i)
        out += (i ? ", [" : "[") + JsonNumber(r.txy[i].x) + ", " + JsonNumber(r.txy[i].y) + ", " +
               JsonNumber(r.txy[i].T) + "]";
    out += "], \"table\": [";
    for (size_t i = 0; i < r.table.size(); ++i)
        out += (i ? ", [" : "[") + JsonNumber(r.table[i].x) + ", " + JsonNumber(r.table[i].y) + "]";
    out += "]}";
    return out;
}

std::string VleText(const VleResult& r, const std::string& nameA, const std::string& nameB,
                    const std::string& lang, const std::string& dec) {
    std::string out;
    out += ChooseText(lang, "Componentes: ", "Components: ") + nameA + " / " + nameB + "\n";
    out += ChooseText(lang, "Modelo: ", "Model: ") + ModelName(r.model, lang) + "\n";
    out += ChooseText(lang, "Presión: ", "Pressure: ") + FixedText(r.pressureKPa, 3, dec) + " kPa\n";
    out += ChooseText(lang, "Temperaturas de ebullición: ", "Boiling points: ") + FixedText(r.tbA, 2, dec) +
           " K, " + FixedText(r.tbB, 2, dec) + " K\n";
    for (const Azeotrope& az : r.azeotropes)
        out += (az.minimumBoiling
                    ? ChooseText(lang, "Azeótropo de temperatura mínima: ", "Minimum-boiling azeotrope: ")
                    : ChooseText(lang, "Azeótropo de temperatura máxima: ", "Maximum-boiling azeotrope: ")) +
               "x = " + FixedText(az.x, 4, dec) + ", T = " + FixedText(az.T, 2, dec) + " K\n";
    if (r.azeotropes.empty()) out += ChooseText(lang, "Sin azeótropos\n", "No azeotropes\n");
    out += "\nx        y        T/K\n";
    for (const TxyPoint& p : r.txy)
        out +=
            FixedText(p.x, 4, dec) + "   " + FixedText(p.y, 4, dec) + "   " + FixedText(p.T, 2, dec) + "\n";
    return out;
}

} // namespace

std::optional<std::string> SetVleSystem(VleOptions& options, const std::string& value) {
    options.anyGiven = true;
    const size_t slash = value.find('/');
    if (slash == std::string::npos || Trimmed(value.substr(0, slash)).empty() ||
        Trimmed(value.substr(slash + 1)).empty())
        return "--system takes two components as \"A/B\"";
    options.system = value;
    return std::nullopt;
}

std::optional<std::string> SetVlePressure(VleOptions& options, const std::string& value) {
    options.anyGiven = true;
    // A number (either decimal symbol) and an optional unit: "101.325", "1 atm", "760mmHg", "1,5 bar".
    static const std::regex form(
        R"(\s*([+]?(?:[0-9]+(?:[.,][0-9]*)?|[.,][0-9]+)(?:[eE][+-]?[0-9]+)?)\s*([A-Za-z]*)\s*)");
    std::smatch m;
    const std::string usage = "--pressure takes a positive number with kPa, bar, atm or mmHg (" + value + ")";
    if (!std::regex_match(value, m, form)) return usage;
    std::string number = m[1].str();
    std::replace(number.begin(), number.end(), ',', '.');
    if (number.front() == '+') number.erase(0, 1);
    double v = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    if (ec != std::errc() || ptr != number.data() + number.size() || !(v > 0)) return usage;
    const std::string unit = Lower(m[2].str());
    PressureUnit u;
    if (unit.empty() || unit == "kpa")
        u = PressureUnit::KPa;
    else if (unit == "bar")
        u = PressureUnit::Bar;
    else if (unit == "atm")
        u = PressureUnit::Atm;
    else if (unit == "mmhg")
        u = PressureUnit::MmHg;
    else
        return usage;
    options.pressure = value;
    options.pressureKPa = ToKPa(v, u);
    return std::nullopt;
}

std::optional<std::string> SetVleModel(VleOptions& options, const std::string& value) {
    options.anyGiven = true;
    const std::string m = Lower(value);
    if (m != "auto" && m != "ideal" && m != "nrtl" && m != "unifac")
        return "--model takes auto, ideal, nrtl or unifac";
    options.model = m;
    return std::nullopt;
}

std::optional<std::string> SetVlePoints(VleOptions& options, const std::string& value) {
    options.anyGiven = true;
    int n = 0;
    const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || ptr != value.data() + value.size() || n < 3 || n > 99)
        return "--points takes a whole number from 3 to 99";
    options.points = n;
    return std::nullopt;
}

std::optional<std::string> RunVle(const VleOptions& options, const std::string& lang, const std::string& dec,
                                  VleRun& run) {
    const DataReadResult read = ReadThermoDataFile(ThermoDataFile(ExecutableFolder()));
    if (!read.ok()) return DataErrorMessage(read, lang);
    const ThermoData& data = *read.data;
    const size_t slash = options.system.find('/');
    const std::string queries[2] = {Trimmed(options.system.substr(0, slash)),
                                    Trimmed(options.system.substr(slash + 1))};
    int picks[2];
    for (int i = 0; i < 2; ++i) {
        const LookupResult found = FindComponent(data, queries[i]);
        if (found.status != LookupStatus::Found) return LookupMessage(data, found, queries[i], lang);
        picks[i] = found.index;
    }
    VleRequest request;
    request.first = picks[0];
    request.second = picks[1];
    request.pressureKPa = options.pressureKPa;
    request.tablePoints = options.points;
    request.model = options.model == "ideal"    ? ModelChoice::Ideal
                    : options.model == "nrtl"   ? ModelChoice::Nrtl
                    : options.model == "unifac" ? ModelChoice::Unifac
                                                : ModelChoice::Automatic;
    const VleResult r = SolveVle(data, request);
    if (r.status != VleStatus::Ok) return VleMessage(data, r, lang, dec);

    // The generated points go through the acceptance check of a typed table.
    EquilibriumTable working;
    for (size_t i = 0; i < r.table.size(); ++i) {
        working.x[i] = r.table[i].x;
        working.y[i] = r.table[i].y;
    }
    const TableAcceptance accepted = AcceptTable(working, lang);
    if (accepted.status != AcceptanceStatus::Accepted) return accepted.message;
    run.table = accepted.table;
    run.nameA = data.components[r.a].NameIn(lang);
    run.nameB = data.components[r.b].NameIn(lang);
    run.json = VleJson(r, run.nameA, run.nameB);
    run.text = VleText(r, run.nameA, run.nameB, lang, dec);
    for (const std::string& notice : {SwapNotice(data, r, lang), FallbackNotice(r, lang)})
        if (!notice.empty()) run.notices += notice + "\n";
    if (!options.outPath.empty()) {
        std::string error;
        if (!WriteWholeTextFile(options.outPath, TableFileText(run.nameA, run.nameB, run.table), error))
            return ChooseText(lang,
                              "ERROR: No se pudo guardar la tabla: ", "ERROR: Unable to save the file: ") +
                   options.outPath + " (" + error + ")";
    }
    return std::nullopt;
}

} // namespace zorvek
