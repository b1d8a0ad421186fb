// Whole-text replacement as the classic Replace does it: one left-to-right pass, non-overlapping, the
// replaced text not searched again.
#pragma once
#include <string>
#include <string_view>

namespace zorvek {

inline std::string ReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    for (size_t hit; (hit = s.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
        out.append(s, pos, hit - pos);
        out.append(to);
    }
    out.append(s, pos, std::string_view::npos);
    return out;
}

} // namespace zorvek
