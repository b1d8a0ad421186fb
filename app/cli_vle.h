// zorvek-cli's equilibrium from components: --system "A/B", --pressure, --model, --points build an x-y
// table from the component library beside the executable, which the case is then solved with in the
// table model; --vle-out writes it as a table file and --txy reports the T-x-y data (JSON object "vle").
#pragma once
#include <optional>
#include <string>

#include "equilibrium.h"

namespace zorvek {

struct VleOptions {
    std::string system;                  // --system "A/B": names, formulas or CAS numbers
    std::optional<std::string> pressure; // --pressure P[unit], as typed
    double pressureKPa = 101.325;        // its value (1 atm unless given)
    std::string model = "auto";          // --model auto|ideal|nrtl|unifac
    int points = 41;                     // --points N, 3..99
    std::string outPath;                 // --vle-out FILE
    bool txy = false;                    // --txy
    bool anyGiven = false;               // one of these options was given
    bool Requested() const { return !system.empty(); }
};

// The option values, checked as they are read; an error text for a value not accepted.
std::optional<std::string> SetVleSystem(VleOptions& options, const std::string& value);
std::optional<std::string> SetVlePressure(VleOptions& options, const std::string& value);
std::optional<std::string> SetVleModel(VleOptions& options, const std::string& value);
std::optional<std::string> SetVlePoints(VleOptions& options, const std::string& value);

// What a successful run leaves: the accepted table with the names of A and B, the JSON member and the
// text of --txy, and the notices (components swapped, model changed) for a person.
struct VleRun {
    EquilibriumTable table;
    std::string nameA, nameB;
    std::string json;    // ", \"vle\": {...}" to close the outcome object with
    std::string text;    // --txy for a person
    std::string notices; // one line each
};

// Reads the component library, looks the pair up, solves the equilibrium, accepts the generated points
// as the table editor would and writes --vle-out. Nothing on success; otherwise the one-line message.
std::optional<std::string> RunVle(const VleOptions& options, const std::string& uiLanguage,
                                  const std::string& decimalSymbol, VleRun& run);

} // namespace zorvek
