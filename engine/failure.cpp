// Checked arithmetic for the few operations of a calculation that can fail.
#include "failure.h"

#include <cmath>

#include "messages.h"

namespace zorvek {

bool FailureRecord::Divide(double& target, double a, double b) {
    // An operand that is already infinite or undefined came from an overflow one step earlier.
    if (!std::isfinite(a) || !std::isfinite(b)) {
        Record(std::isnan(a) || std::isnan(b) ? kInvalidArgument : kOverflow);
        return false;
    }
    if (b == 0) {
        Record(kDivisionByZero);
        return false;
    }
    return Assign(target, a / b);
}

bool FailureRecord::Assign(double& target, double value) {
    if (std::isnan(value)) {
        Record(kInvalidArgument);
        return false;
    }
    if (std::isinf(value)) {
        Record(kOverflow);
        return false;
    }
    target = value;
    return true;
}

bool FailureRecord::SquareRoot(double& target, double a) {
    if (std::isnan(a) || a < 0) {
        Record(kInvalidArgument);
        return false;
    }
    return Assign(target, std::sqrt(a));
}

std::string FailureDescription(int number, std::string_view uiLanguage) {
    switch (number) {
    case kInvalidArgument:
        return InLanguage(uiLanguage, "Llamada a procedimiento o argumento no válido",
                          "Invalid procedure call or argument");
    case kOverflow:
        return InLanguage(uiLanguage, "Desbordamiento", "Overflow");
    case kSubscriptOutOfRange:
        return InLanguage(uiLanguage, "Subíndice fuera del intervalo", "Subscript out of range");
    case kDivisionByZero:
        return InLanguage(uiLanguage, "División por cero", "Division by zero");
    default:
        return InLanguage(uiLanguage, "Error de aplicación", "Application-defined error");
    }
}

std::string FailureMessage(const ArithmeticFailure& failure, std::string_view uiLanguage) {
    return "ERROR: Nº = " + std::string(" ") + std::to_string(failure.number) + " - " +
           FailureDescription(failure.number, uiLanguage);
}

} // namespace zorvek
