// Every text of the component library and the equilibrium in Spanish and English: the messages of a
// missing or damaged data file, of a look-up, of a failed equilibrium, the model names and the notice of
// swapped components. Chosen by two separate comparisons of the interface language; "" for any other.
#pragma once
#include <string>
#include <string_view>

#include "lookup.h"
#include "vle.h"

namespace zorvek::thermo {

// esp for "ESP", eng for "ENG", "" otherwise.
std::string ChooseText(std::string_view uiLanguage, std::string_view esp, std::string_view eng);

// v with a fixed number of decimals and the decimal symbol ("," or "."), independent of the C locale.
std::string FixedText(double v, int decimals, std::string_view decimalSymbol);

// "ERROR: ..." for a data file that is missing, unreadable or damaged (with the line and the problem).
std::string DataErrorMessage(const DataReadResult& result, std::string_view uiLanguage);

// "ERROR: ..." for a query that names no component or several (then listing them).
std::string LookupMessage(const ThermoData& data, const LookupResult& result, std::string_view query,
                          std::string_view uiLanguage);

// "ERROR: ..." for a failed equilibrium; "" when it succeeded. Pressures in kPa.
std::string VleMessage(const ThermoData& data, const VleResult& result, std::string_view uiLanguage,
                       std::string_view decimalSymbol);

// The name of a model for people ("NRTL (DECHEMA)") and its key for files ("nrtl").
std::string ModelName(ModelKind kind, std::string_view uiLanguage);
std::string_view ModelKey(ModelKind kind);

// The notice that the automatic model left NRTL for UNIFAC; "" when it did not.
std::string FallbackNotice(const VleResult& result, std::string_view uiLanguage);

// The notice that A and B were swapped so that A is the lighter component; "" when they were not.
std::string SwapNotice(const ThermoData& data, const VleResult& result, std::string_view uiLanguage);

} // namespace zorvek::thermo
