#include "cli_json.h"

#include <charconv>
#include <cstdio>

namespace zorvek {

std::string JsonString(std::string_view s) {
    std::string out = "\"";
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out.push_back(ch);
            }
        }
    }
    return out + "\"";
}

std::string JsonNumber(double v) {
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17);
    return std::string(buf, res.ptr);
}

std::string JsonNumber(std::optional<double> v) {
    return v ? JsonNumber(*v) : "null";
}

} // namespace zorvek
