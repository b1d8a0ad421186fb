// The pieces of JSON that zorvek-cli writes: a quoted, escaped string and a number that reads back to
// the same double.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zorvek {

std::string JsonString(std::string_view s);
// 17 significant digits; the optional form writes null for nothing.
std::string JsonNumber(double v);
std::string JsonNumber(std::optional<double> v);

} // namespace zorvek
