// The four result listings built by a successful Calcular: the staircase corners on the operating lines
// and twenty points of the equilibrium curve, each as plain text (CR LF rows) and in report markup.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "design.h"
#include "stepping.h"

namespace zorvek {

// The stage listings, plain text and markup, of the stored points 1..count.
void BuildStageListings(const std::array<double, kStairSlots>& x, const std::array<double, kStairSlots>& y,
                        int count, std::string_view decimalSymbol, std::string& text, std::string& markup);

// The equilibrium listings: twenty points of the curve in two column pairs.
void BuildEquilibriumListings(const EquilibriumModel& model, std::string_view decimalSymbol,
                              std::string& text, std::string& markup);

} // namespace zorvek
