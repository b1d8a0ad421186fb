// Number <-> text conversions shared by every part of ZORVEK: reading typed numbers, rounding half up,
// the display form with n significant digits, the report-markup form, the four-decimal listing column,
// the equation of a straight line, and the file and clipboard forms of table numbers.
#pragma once
#include <string>
#include <string_view>

namespace zorvek {

// Reads the longest leading decimal number, "," counting as "."; blanks, tabs and line feeds are skipped
// anywhere. Text without a number, and numbers beyond the double range, read as 0. Never inf or NaN.
double ParseNumber(std::string_view text);

// x rounded half up (toward +inf) to a multiple of 10^(k+1); 0 when the arithmetic overflows.
double RoundHalfUp(double x, double k);

// The classic number-to-text form: at most 15 significant digits, "." as point, no trailing zeros,
// no "0" before a leading point (".5"), exponent form "1.5E-05" / "2E+20" for very small or large values.
std::string PlainNumberText(double x);

// Report-markup form of x: "0&.5", "-0&.125", "1&.5&E-5".
std::string MarkupNumber(double x);

// Display text of x with n significant digits, written with decimalSymbol ("," or ".").
std::string FormatSignificant(double x, double n, std::string_view decimalSymbol);

// Six characters: one digit, the decimal symbol, four digits ("0,4600"). The sign is dropped.
std::string FormatFixed4(double v, std::string_view decimalSymbol);

// Equation of the line y = m x + n with five significant digits ("y = 0,75x + 0,2125").
std::string Recta(double m, double n, std::string_view decimalSymbol);

// File form of a table number (".5", "-1", "0.25" -> ".25"); reads back to the same double.
std::string FileNumberText(double x);
// Clipboard form: the file form with "0" before a leading point ("0.5").
std::string ClipboardNumberText(double x);

} // namespace zorvek
