#include "markupsignificant.h"

#include <cmath>

#include "numtext.h"
#include "reportfields.h"

namespace zorvek {

std::string MarkupSignificant(double v, int n) {
    if (v == 0 || !std::isfinite(v)) return "0";
    const double a = std::fabs(v);
    int e = static_cast<int>(std::floor(std::log10(a)));
    if (a >= 0.01 && a < 100000) {
        const double r = RoundHalfUp(a, e - n);
        return TrimBlanks(MarkupNumber(v < 0 ? -r : r));
    }
    const double m = RoundHalfUp(a, e - n);
    double mantissa = m / std::pow(10.0, e);
    if (mantissa >= 10) {
        mantissa /= 10;
        ++e;
    }
    std::string t = TrimBlanks(MarkupNumber(mantissa));
    if (n >= 2 && t.find("&.") == std::string::npos) t += "&.";
    // Zeros pad the decimals only: a one-digit mantissa has none, and "3" must not become "30".
    if (t.find("&.") != std::string::npos && t.size() < static_cast<std::size_t>(n) + 1)
        t.append(static_cast<std::size_t>(n) + 1 - t.size(), '0');
    t += "&E" + std::to_string(e);
    return v < 0 ? "-" + t : t;
}

} // namespace zorvek
