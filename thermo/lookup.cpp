#include "lookup.h"

#include <algorithm>

namespace zorvek::thermo {

namespace {

// The base letter of a UTF-8 two-byte letter C3 xx (Latin-1 Supplement), lower case; 0 for others.
char LatinBase(unsigned char second) {
    const unsigned char c = second >= 0xA0 ? static_cast<unsigned char>(second - 0x20) : second;
    if (c >= 0x80 && c <= 0x85) return 'a';
    if (c == 0x87) return 'c';
    if (c >= 0x88 && c <= 0x8B) return 'e';
    if (c >= 0x8C && c <= 0x8F) return 'i';
    if (c == 0x91) return 'n';
    if ((c >= 0x92 && c <= 0x96) || c == 0x98) return 'o';
    if (c >= 0x99 && c <= 0x9C) return 'u';
    if (c == 0x9D || second == 0xBF) return 'y';
    return 0;
}

bool WordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// 0 exact, 1 a word starts with the filter, 2 contains it, 3 no match.
int MatchRank(const std::string& folded, const std::string& filter) {
    if (folded == filter) return 0;
    int best = 3;
    for (size_t at = folded.find(filter); at != std::string::npos; at = folded.find(filter, at + 1)) {
        if (at == 0 || !WordChar(folded[at - 1])) return 1;
        best = 2;
    }
    return best;
}

template <typename F> void ForEachText(const Component& c, F&& f) {
    f(c.cas);
    f(c.name);
    if (!c.nameEs.empty()) f(c.nameEs);
    for (const std::string& a : c.aliases) f(a);
    for (const std::string& a : c.aliasesEs) f(a);
    f(c.formula);
}

} // namespace

std::string FoldText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out.push_back(' ');
        blank = false;
        if (c == 0xC3 && i + 1 < text.size()) {
            const char base = LatinBase(static_cast<unsigned char>(text[i + 1]));
            if (base) {
                out.push_back(base);
                ++i;
                continue;
            }
        }
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c));
    }
    return out;
}

LookupResult FindComponent(const ThermoData& data, std::string_view query) {
    const std::string q = FoldText(query);
    LookupResult result;
    if (q.empty()) return result;
    const int n = static_cast<int>(data.components.size());
    auto collect = [&](auto&& matches) {
        std::vector<int> found;
        for (int i = 0; i < n; ++i)
            if (matches(data.components[i])) found.push_back(i);
        return found;
    };
    const std::vector<int> byCas = collect([&](const Component& c) { return FoldText(c.cas) == q; });
    std::vector<int> found = byCas;
    if (found.empty()) {
        found = collect([&](const Component& c) {
            bool hit = false;
            auto check = [&](const std::string& s) { hit = hit || FoldText(s) == q; };
            check(c.name);
            if (!c.nameEs.empty()) check(c.nameEs);
            for (const std::string& a : c.aliases) check(a);
            for (const std::string& a : c.aliasesEs) check(a);
            return hit;
        });
    }
    if (found.empty()) found = collect([&](const Component& c) { return FoldText(c.formula) == q; });
    if (found.size() == 1) {
        result.status = LookupStatus::Found;
        result.index = found.front();
    } else if (found.size() > 1) {
        result.status = LookupStatus::Ambiguous;
        result.candidates = found;
    }
    return result;
}

std::vector<int> SearchComponents(const ThermoData& data, std::string_view filter,
                                  std::string_view uiLanguage) {
    const std::string f = FoldText(filter);
    struct Hit {
        int rank;
        std::string key;
        int index;
    };
    std::vector<Hit> hits;
    for (int i = 0; i < static_cast<int>(data.components.size()); ++i) {
        const Component& c = data.components[i];
        int rank = f.empty() ? 0 : 3;
        if (!f.empty())
            ForEachText(c, [&](const std::string& s) { rank = std::min(rank, MatchRank(FoldText(s), f)); });
        if (rank < 3) hits.push_back({rank, FoldText(c.NameIn(uiLanguage)), i});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        if (a.rank != b.rank) return a.rank < b.rank;
        if (a.key != b.key) return a.key < b.key;
        return a.index < b.index;
    });
    std::vector<int> out;
    out.reserve(hits.size());
    for (const Hit& h : hits) out.push_back(h.index);
    return out;
}

} // namespace zorvek::thermo
