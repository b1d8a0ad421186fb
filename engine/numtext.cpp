// Number <-> text conversions: the classic value-of-text reader, half-up rounding, the classic
// number-to-text form and the display, markup and listing forms built on it.
#include "numtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "textreplace.h"

namespace zorvek {

namespace {

bool IsSkipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Removes every occurrence of ch.
std::string Without(std::string s, char ch) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != ch) out.push_back(c);
    return out;
}

} // namespace

double ParseNumber(std::string_view text) {
    // Gather the characters of the leading number (blanks skipped anywhere, "," read as ".") into a
    // clean buffer, then convert it with from_chars, which ignores the C locale and never reads "inf".
    std::string buf;
    size_t i = 0;
    const size_t n = text.size();
    auto next = [&]() -> int {
        while (i < n && IsSkipped(text[i])) ++i;
        if (i >= n) return -1;
        char c = text[i];
        return c == ',' ? '.' : static_cast<unsigned char>(c);
    };
    int c = next();
    bool negative = false;
    if (c == '-' || c == '+') {
        negative = c == '-';
        ++i;
        c = next();
    }
    bool digits = false, point = false;
    while (c != -1) {
        if (IsDigit(static_cast<char>(c))) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        buf.push_back(static_cast<char>(c));
        ++i;
        c = next();
    }
    if (!digits) return 0;
    if (c == 'e' || c == 'E') {
        ++i;
        std::string exponent = "e";
        c = next();
        if (c == '-' || c == '+') {
            exponent.push_back(static_cast<char>(c));
            ++i;
            c = next();
        }
        bool expDigits = false;
        while (c != -1 && IsDigit(static_cast<char>(c))) {
            expDigits = true;
            exponent.push_back(static_cast<char>(c));
            ++i;
            c = next();
        }
        if (expDigits) buf += exponent;
    }
    double value = 0;
    auto [end, ec] = std::from_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != buf.data() + buf.size() || !std::isfinite(value)) return 0;
    return negative ? -value : value;
}

double RoundHalfUp(double x, double k) {
    const double s = std::pow(10.0, -k - 1);
    const double r = std::floor(x * s + 0.5) / s;
    if (!std::isfinite(s) || s == 0 || !std::isfinite(r)) return 0;
    return r;
}

std::string PlainNumberText(double x) {
    if (!std::isfinite(x)) return "0";
    if (x == 0) return "0";
    // 15 significant digits in scientific form: "d.dddddddddddddde+XX".
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    const size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (IsDigit(c)) digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    std::string out = x < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1, std::string::npos);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (exponent < 0) {
        out += '.';
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const size_t whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits;
            out.append(whole - digits.size(), '0');
        } else {
            out.append(digits, 0, whole);
            out += '.';
            out.append(digits, whole, std::string::npos);
        }
    }
    return out;
}

std::string MarkupNumber(double x) {
    std::string s = PlainNumberText(std::fabs(x));
    if (!s.empty() && s[0] == '.') s = "0" + s;
    const size_t e = s.find('E');
    if (e != std::string::npos) {
        std::string t = s.substr(e + 1);
        s = s.substr(0, e) + "&E";
        if (!t.empty() && t[0] == '-') {
            s += '-';
            t.erase(0, 1);
        }
        if (!t.empty() && t[0] == '0') t.erase(0, 1);
        s += t;
    }
    if (x < 0) s = "-" + s;
    return ReplaceAll(s, ".", "&.");
}

std::string FormatSignificant(double x, double n, std::string_view decimalSymbol) {
    if (x == 0 || !std::isfinite(x)) return "0";
    const double a = std::fabs(x);
    double e = std::floor(std::log(a) / std::log(10.0));
    if (a >= 0.01 && a < 100000) {
        const double r = RoundHalfUp(a, e - n);
        std::string t = Without(MarkupNumber(x < 0 ? -r : r), '&');
        return ReplaceAll(t, ".", decimalSymbol);
    }
    const double m = RoundHalfUp(a, e - n);
    const double mantissa = m / std::pow(10.0, e);
    std::string t = Without(MarkupNumber(mantissa), '&');
    if (t == "10") {
        t = "1";
        e += 1;
    }
    std::string out = x < 0 ? "-" : "";
    out += ReplaceAll(t, ".", decimalSymbol);
    out += 'E';
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(e));
    out.append(buf, res.ptr);
    return out;
}

std::string FormatFixed4(double v, std::string_view decimalSymbol) {
    const double a = std::fabs(v) + 10;
    if (a < 99) {
        // The listings call this for every cell, so compute directly what the general route gives for
        // 10 <= a < 99: five significant decimals below the tens, i.e. N = a rounded half up to 1e-4.
        // The text of N / 10000 at 15 digits is N's digits with the point four places from the right.
        const long n = static_cast<long>(std::floor(a * 10000 + 0.5));
        const long frac = n % 10000;
        std::string out;
        out.reserve(5 + decimalSymbol.size());
        out.push_back(static_cast<char>('0' + (n / 10000) % 10));
        out.append(decimalSymbol);
        out.push_back(static_cast<char>('0' + frac / 1000));
        out.push_back(static_cast<char>('0' + frac / 100 % 10));
        out.push_back(static_cast<char>('0' + frac / 10 % 10));
        out.push_back(static_cast<char>('0' + frac % 10));
        if (out.size() > 6) out.resize(6);
        return out;
    }
    std::string s = FormatSignificant(a, 6, decimalSymbol);
    if (s.find(decimalSymbol) == std::string::npos) {
        s += decimalSymbol;
        s += "0000";
    }
    s += "0000";
    return s.substr(1, 6);
}

std::string Recta(double m, double n, std::string_view decimalSymbol) {
    if (m == 0) return "y = " + FormatSignificant(n, 5, decimalSymbol);
    std::string out = "y = ";
    if (m < 0) out += '-';
    if (std::fabs(m) != 1) out += FormatSignificant(std::fabs(m), 5, decimalSymbol);
    out += "x ";
    if (n == 0) return out;
    out += n < 0 ? "- " : "+ ";
    out += FormatSignificant(std::fabs(n), 5, decimalSymbol);
    return out;
}

std::string FileNumberText(double x) {
    return PlainNumberText(x);
}

std::string ClipboardNumberText(double x) {
    std::string s = PlainNumberText(x);
    if (s.starts_with('.')) return "0" + s;
    if (s.starts_with("-.")) return "-0" + s.substr(1);
    return s;
}

} // namespace zorvek
