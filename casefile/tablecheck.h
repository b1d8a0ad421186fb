// The checks a table read from a case file must pass (range, order, pure components, point by point up
// to its last point) and its completion with (1, 1) and (0, 0).
#pragma once
#include <string>
#include <string_view>

#include "equilibrium.h"

namespace zorvek {

struct TableCheck {
    bool ok = false;
    std::string message;    // when !ok, in the interface language
    EquilibriumTable table; // when ok: completed, LastPointIndex set
};

// Checks points 0..last of table (last -1: an empty table, accepted as it is with LastPointIndex -1)
// and completes them. A table filling the last slots without its end points has no room for the
// completion and is refused rather than losing a point.
TableCheck CheckAndCompleteTable(const EquilibriumTable& table, int last, std::string_view uiLanguage);

} // namespace zorvek
