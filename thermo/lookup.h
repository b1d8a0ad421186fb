// Finding components of the library by what a user types: a name in either language or an alias, a
// formula or a CAS number, case- and accent-insensitive; exact look-up for the command line and a
// filter for the pickers of the components dialog.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "thermodata.h"

namespace zorvek::thermo {

// Lower case with the accents of Spanish and other Latin-1 letters removed, blanks trimmed and runs of
// blanks made one: "  Ácido  ACÉTICO " -> "acido acetico". Other bytes pass unchanged.
std::string FoldText(std::string_view text);

enum class LookupStatus { Found, NotFound, Ambiguous };

struct LookupResult {
    LookupStatus status = LookupStatus::NotFound;
    int index = -1;              // the component when Found
    std::vector<int> candidates; // every match when Ambiguous
};

// The component a query names exactly: its CAS number, else a name or alias (either language), else
// its formula. A formula shared by several components is ambiguous.
LookupResult FindComponent(const ThermoData& data, std::string_view query);

// The components whose names, aliases, formula or CAS number contain the filter text (folded): exact
// matches first, then those where a word starts with it, then the rest, each group ordered by the name
// in uiLanguage. An empty filter lists every component.
std::vector<int> SearchComponents(const ThermoData& data, std::string_view filter,
                                  std::string_view uiLanguage);

} // namespace zorvek::thermo
