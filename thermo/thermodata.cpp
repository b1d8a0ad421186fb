#include "thermodata.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <system_error>

namespace zorvek::thermo {

namespace {

constexpr double kPascalLnPLimit = 700; // keeps exp(ln P) finite whatever a damaged file holds

double RawLnP(const VapourPressure& vp, double T) {
    return vp.A + vp.B / T + vp.C * std::log(T) + vp.D * std::pow(T, vp.E) + vp.shift;
}

double RawSlope(const VapourPressure& vp, double T) {
    return -vp.B / (T * T) + vp.C / T + vp.D * vp.E * std::pow(T, vp.E - 1);
}

} // namespace

double VapourPressure::LnP(double T) const {
    double v;
    if (T < Tmin || T > Tmax) {
        // A straight line in 1/T through the nearer end: ln P = ln P(Te) + k (1/T - 1/Te).
        const double Te = T < Tmin ? Tmin : Tmax;
        const double k = -Te * Te * RawSlope(*this, Te);
        v = RawLnP(*this, Te) + k * (1 / T - 1 / Te);
    } else {
        v = RawLnP(*this, T);
    }
    return std::clamp(v, -kPascalLnPLimit, kPascalLnPLimit);
}

double VapourPressure::DLnPdT(double T) const {
    if (T < Tmin || T > Tmax) {
        const double Te = T < Tmin ? Tmin : Tmax;
        return Te * Te * RawSlope(*this, Te) / (T * T);
    }
    return RawSlope(*this, T);
}

const std::string& Component::NameIn(std::string_view uiLanguage) const {
    if (uiLanguage == "ESP" && !nameEs.empty()) return nameEs;
    return name;
}

const UnifacSubgroup* ThermoData::Subgroup(int id) const {
    const auto it = subgroups.find(id);
    return it == subgroups.end() ? nullptr : &it->second;
}

const NrtlPair* ThermoData::FindNrtl(std::string_view casA, std::string_view casB) const {
    for (const NrtlPair& p : nrtl)
        if ((p.cas1 == casA && p.cas2 == casB) || (p.cas1 == casB && p.cas2 == casA)) return &p;
    return nullptr;
}

std::optional<double> ThermoData::Interaction(int m, int n) const {
    if (m == n) return 0.0;
    const auto it = interactions.find({m, n});
    if (it == interactions.end()) return std::nullopt;
    return it->second;
}

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// Splits at runs of blanks and tabs.
std::vector<std::string_view> Tokens(std::string_view s) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        const size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
        if (i > start) out.push_back(s.substr(start, i - start));
    }
    return out;
}

std::optional<double> Number(std::string_view token) {
    double v = 0;
    const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || ptr != token.data() + token.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> Integer(std::string_view token) {
    int v = 0;
    const auto [ptr, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || ptr != token.data() + token.size()) return std::nullopt;
    return v;
}

// A CAS registry number: 2 to 7 digits, 2 digits, a check digit that the others give.
bool ValidCas(std::string_view cas) {
    const size_t first = cas.find('-');
    const size_t second = cas.rfind('-');
    if (first == std::string_view::npos || first == second) return false;
    const std::string_view a = cas.substr(0, first), b = cas.substr(first + 1, second - first - 1),
                           c = cas.substr(second + 1);
    const auto digits = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    };
    if (!digits(a) || !digits(b) || !digits(c) || a.size() < 2 || a.size() > 7 || b.size() != 2 ||
        c.size() != 1)
        return false;
    const std::string body = std::string(a) + std::string(b);
    int sum = 0;
    for (size_t i = 0; i < body.size(); ++i) sum += static_cast<int>(body.size() - i) * (body[i] - '0');
    return sum % 10 == c[0] - '0';
}

struct Parser {
    ThermoData data;
    DataReadResult result;
    bool formatSeen = false;
    Component* current = nullptr;
    int currentLine = 0;
    bool hasTb = false, hasVp = false, hasFormula = false;
    std::vector<std::pair<int, int>> groupLines;   // (line, subgroup) to check once the tables are read
    std::vector<std::pair<int, size_t>> nrtlLines; // (line, pair index)

    bool Fail(DataProblem problem, int line) {
        result.error = DataError::Damaged;
        result.problem = problem;
        result.line = line;
        return false;
    }

    bool FinishComponent() {
        if (!current) return true;
        if (current->name.empty() || !hasFormula || !hasTb || !hasVp)
            return Fail(DataProblem::MissingField, currentLine);
        current = nullptr;
        return true;
    }

    bool ComponentField(std::string_view key, std::string_view rest, const std::vector<std::string_view>& t,
                        int line) {
        if (!current) return Fail(DataProblem::OutsideComponent, line);
        if (key == "name" || key == "name-es" || key == "alias" || key == "alias-es") {
            if (rest.empty()) return Fail(DataProblem::BadValue, line);
            const std::string text(rest);
            if (key == "name") current->name = text;
            if (key == "name-es") current->nameEs = text;
            if (key == "alias") current->aliases.push_back(text);
            if (key == "alias-es") current->aliasesEs.push_back(text);
            return true;
        }
        if (key == "formula") {
            if (t.size() != 2) return Fail(DataProblem::BadValue, line);
            current->formula = std::string(t[1]);
            hasFormula = true;
            return true;
        }
        if (key == "tb") {
            const auto v = t.size() == 2 ? Number(t[1]) : std::nullopt;
            if (!v) return Fail(DataProblem::BadNumber, line);
            if (*v <= 0 || *v > 10000) return Fail(DataProblem::BadValue, line);
            current->tb = *v;
            hasTb = true;
            return true;
        }
        if (key == "vp") {
            if (t.size() != 8) return Fail(DataProblem::BadNumber, line);
            double v[7];
            for (int i = 0; i < 7; ++i) {
                const auto n = Number(t[i + 1]);
                if (!n) return Fail(DataProblem::BadNumber, line);
                v[i] = *n;
            }
            VapourPressure& vp = current->vp;
            vp.A = v[0], vp.B = v[1], vp.C = v[2], vp.D = v[3], vp.E = v[4], vp.Tmin = v[5], vp.Tmax = v[6];
            if (!(vp.Tmin > 0 && vp.Tmin < vp.Tmax && vp.Tmax < 10000) || std::abs(vp.E) > 20)
                return Fail(DataProblem::BadValue, line);
            hasVp = true;
            return true;
        }
        if (key == "vp-shift") {
            const auto v = t.size() == 2 ? Number(t[1]) : std::nullopt;
            if (!v) return Fail(DataProblem::BadNumber, line);
            if (std::abs(*v) > 1) return Fail(DataProblem::BadValue, line);
            current->vp.shift = *v;
            return true;
        }
        // unifac ID*N ...
        if (t.size() < 2) return Fail(DataProblem::BadValue, line);
        current->groups.clear();
        for (size_t i = 1; i < t.size(); ++i) {
            const size_t star = t[i].find('*');
            if (star == std::string_view::npos) return Fail(DataProblem::BadNumber, line);
            const auto id = Integer(t[i].substr(0, star));
            const auto count = Integer(t[i].substr(star + 1));
            if (!id || !count) return Fail(DataProblem::BadNumber, line);
            if (*count < 1 || *count > 100) return Fail(DataProblem::BadValue, line);
            current->groups.push_back({*id, *count});
            groupLines.push_back({line, *id});
        }
        return true;
    }

    bool Line(std::string_view raw, int line) {
        const size_t hash = raw.find('#');
        const std::string_view text = Trim(hash == std::string_view::npos ? raw : raw.substr(0, hash));
        if (text.empty()) return true;
        const std::vector<std::string_view> t = Tokens(text);
        const std::string_view key = t[0];
        const std::string_view rest = Trim(text.substr(key.size()));
        if (!formatSeen) {
            if (key != "format" || t.size() != 3 || t[1] != "zorvek-thermo" || t[2] != "1")
                return Fail(DataProblem::NoFormatLine, line);
            formatSeen = true;
            return true;
        }
        if (key == "name" || key == "name-es" || key == "alias" || key == "alias-es" || key == "formula" ||
            key == "tb" || key == "vp" || key == "vp-shift" || key == "unifac")
            return ComponentField(key, rest, t, line);
        if (key != "component" && key != "nrtl" && key != "subgroup" && key != "interaction")
            return Fail(DataProblem::UnknownRecord, line);
        if (!FinishComponent()) return false;
        if (key == "component") {
            if (t.size() != 2) return Fail(DataProblem::BadValue, line);
            if (!ValidCas(t[1])) return Fail(DataProblem::BadCas, line);
            for (const Component& c : data.components)
                if (c.cas == t[1]) return Fail(DataProblem::DuplicateComponent, line);
            data.components.emplace_back();
            current = &data.components.back();
            current->cas = std::string(t[1]);
            currentLine = line;
            hasTb = hasVp = hasFormula = false;
            return true;
        }
        if (key == "nrtl") {
            if (t.size() != 6) return Fail(DataProblem::BadNumber, line);
            const auto a12 = Number(t[3]), a21 = Number(t[4]), alpha = Number(t[5]);
            if (!a12 || !a21 || !alpha) return Fail(DataProblem::BadNumber, line);
            if (!(*alpha > 0 && *alpha <= 1) || std::abs(*a12) > 1e6 || std::abs(*a21) > 1e6 || t[1] == t[2])
                return Fail(DataProblem::BadValue, line);
            data.nrtl.push_back({std::string(t[1]), std::string(t[2]), *a12, *a21, *alpha});
            nrtlLines.push_back({line, data.nrtl.size() - 1});
            return true;
        }
        if (key == "subgroup") {
            if (t.size() < 6) return Fail(DataProblem::BadNumber, line);
            const auto id = Integer(t[1]), main = Integer(t[2]);
            const auto R = Number(t[3]), Q = Number(t[4]);
            if (!id || !main || !R || !Q) return Fail(DataProblem::BadNumber, line);
            if (*R <= 0 || *R > 100 || *Q < 0 || *Q > 100 || data.subgroups.count(*id))
                return Fail(DataProblem::BadValue, line);
            data.subgroups[*id] = {*id, *main, *R, *Q, std::string(t[5])};
            return true;
        }
        if (key == "interaction") {
            if (t.size() != 4) return Fail(DataProblem::BadNumber, line);
            const auto m = Integer(t[1]), n = Integer(t[2]);
            const auto a = Number(t[3]);
            if (!m || !n || !a) return Fail(DataProblem::BadNumber, line);
            if (*m == *n || std::abs(*a) > 1e5) return Fail(DataProblem::BadValue, line);
            data.interactions[{*m, *n}] = *a;
            return true;
        }
        return Fail(DataProblem::UnknownRecord, line);
    }

    bool Finish() {
        if (!formatSeen) return Fail(DataProblem::NoFormatLine, 0);
        if (!FinishComponent()) return false;
        if (data.components.size() < 2) return Fail(DataProblem::TooFewComponents, 0);
        for (const auto& [line, id] : groupLines)
            if (!data.Subgroup(id)) return Fail(DataProblem::UnknownSubgroup, line);
        std::set<std::string_view> cas;
        for (const Component& c : data.components) cas.insert(c.cas);
        for (const auto& [line, index] : nrtlLines)
            if (!cas.count(data.nrtl[index].cas1) || !cas.count(data.nrtl[index].cas2))
                return Fail(DataProblem::UnknownComponent, line);
        return true;
    }
};

} // namespace

DataReadResult ParseThermoData(std::string_view text) {
    Parser parser;
    int line = 0;
    size_t start = 0;
    bool ok = true;
    while (ok && start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        ++line;
        ok = parser.Line(text.substr(start, end - start), line);
        start = end + 1;
    }
    if (ok) ok = parser.Finish();
    if (!ok) return parser.result;
    DataReadResult result;
    result.data = std::make_shared<const ThermoData>(std::move(parser.data));
    return result;
}

DataReadResult ReadThermoDataFile(const std::string& path) {
    DataReadResult result;
    result.path = path;
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) {
        result.error = DataError::Missing;
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(status)) {
        result.error = DataError::Unreadable;
        return result;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        result.error = DataError::Unreadable;
        return result;
    }
    result = ParseThermoData(text);
    result.path = path;
    return result;
}

std::string ThermoDataFolder(std::string_view executableFolder) {
    std::string folder = (std::filesystem::path(executableFolder) / ".." / "share" / "zorvek" / "thermo")
                             .lexically_normal()
                             .string();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::string ThermoDataFile(std::string_view executableFolder) {
    return ThermoDataFolder(executableFolder) + "/zorvek_thermo.txt";
}

} // namespace zorvek::thermo
