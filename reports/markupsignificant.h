// A number as report-markup text with n significant digits: "0&.71429", "1&.2346&E5", "-1&.2345&E-4".
#pragma once
#include <string>

namespace zorvek {

// Plain form for 0.01 <= |v| < 100000, else mantissa "&E" exponent. A mantissa that rounds up to ten
// becomes one with the exponent raised (never "10&.&E-3"), and a one-digit mantissa gets no padding zeros.
std::string MarkupSignificant(double v, int n);

} // namespace zorvek
