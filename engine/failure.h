// Arithmetic failures of a calculation: the failing operation leaves its target unchanged, the first
// failure is remembered with its run-time number and reported once, at a checkpoint.
#pragma once
#include <string>
#include <string_view>

namespace zorvek {

enum FailureNumber : int {
    kInvalidArgument = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kDivisionByZero = 11,
};

struct ArithmeticFailure {
    int number = 0; // 0: no failure
};

// Remembers the first failure of one calculation. The checked operations write their target only when
// the result is a finite double; otherwise they record the failure and leave the target as it was.
class FailureRecord {
  public:
    void Clear() { first_ = {}; }
    bool Failed() const { return first_.number != 0; }
    const ArithmeticFailure& First() const { return first_; }
    void Record(int number) {
        if (first_.number == 0) first_.number = number;
    }

    bool Divide(double& target, double a, double b); // a / b; 11 for b == 0, 6 overflow, 5 undefined
    bool Assign(double& target, double value);       // 6 for an infinite value, 5 for NaN
    bool SquareRoot(double& target, double a);       // 5 for a < 0

  private:
    ArithmeticFailure first_;
};

// Short description of a failure number in the interface language ("ESP" or "ENG").
std::string FailureDescription(int number, std::string_view uiLanguage);

// The error line for a failure: "ERROR: Nº = " + " " + number + " - " + description.
std::string FailureMessage(const ArithmeticFailure& failure, std::string_view uiLanguage);

} // namespace zorvek
