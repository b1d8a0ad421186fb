// The component library as the program holds it: pure components with their vapour pressure, formula,
// CAS number and UNIFAC groups, the NRTL pairs and the original UNIFAC tables; the reader of its data
// file (thermo/data/zorvek_thermo.txt) and the folder the file is installed in.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorvek::thermo {

// Vapour pressure ln(P/Pa) = A + B/T + C ln T + D T^E + shift, T in K, fitted for Tmin..Tmax (DIPPR
// equation 101).
struct VapourPressure {
    double A = 0, B = 0, C = 0, D = 0, E = 0;
    double Tmin = 0, Tmax = 0;
    double shift = 0;

    // ln(P/Pa) at T. Outside Tmin..Tmax the curve goes on as a straight line in 1/T from the nearer end
    // (Clausius-Clapeyron), so that it keeps rising with T and never overflows.
    double LnP(double T) const;
    // d ln(P/Pa) / dT, consistent with LnP.
    double DLnPdT(double T) const;
};

// One original UNIFAC subgroup (DDBST number) of a component and how often it occurs.
struct GroupCount {
    int subgroup = 0;
    int count = 0;
};

struct Component {
    std::string cas;
    std::string name;   // English
    std::string nameEs; // Spanish; empty when the library has none (the English name serves)
    std::vector<std::string> aliases, aliasesEs;
    std::string formula;            // Hill formula, "C2H6O"
    double tb = 0;                  // normal boiling point [K]
    VapourPressure vp;              // [Pa]
    std::vector<GroupCount> groups; // empty when no UNIFAC groups are known

    // The name shown in the interface language: Spanish for "ESP" when there is one, else English.
    const std::string& NameIn(std::string_view uiLanguage) const;
};

// NRTL binary parameters regressed from DECHEMA data at 1 atm: tau12 = a12 / (R T), tau21 = a21 / (R T)
// with a12, a21 in cal/mol; component 1 is cas1.
struct NrtlPair {
    std::string cas1, cas2;
    double a12 = 0, a21 = 0, alpha = 0;
};

// Original UNIFAC subgroup: its main group, volume R and surface Q.
struct UnifacSubgroup {
    int id = 0;
    int main = 0;
    double R = 0, Q = 0;
    std::string name;
};

struct ThermoData {
    std::vector<Component> components;
    std::vector<NrtlPair> nrtl;
    std::map<int, UnifacSubgroup> subgroups;
    std::map<std::pair<int, int>, double> interactions; // (m, n) main groups -> a_mn [K]

    const UnifacSubgroup* Subgroup(int id) const;
    // The NRTL pair of two components in either order.
    const NrtlPair* FindNrtl(std::string_view casA, std::string_view casB) const;
    // a_mn of two main groups (0 for m = n); nothing when the tables lack it.
    std::optional<double> Interaction(int m, int n) const;
};

// What is wrong with a data file.
enum class DataError {
    None,
    Missing,    // no file at the path
    Unreadable, // the file exists but cannot be read
    Damaged,    // the text is not a valid data file; line and problem say where and what
};

enum class DataProblem {
    None,
    NoFormatLine,       // the first record is not "format zorvek-thermo 1"
    UnknownRecord,      // a line that starts with no known keyword
    OutsideComponent,   // a component field before any "component" line
    BadNumber,          // a number that does not read, or is not finite
    BadValue,           // a value out of its range (negative temperature, Tmin >= Tmax, ...)
    BadCas,             // a CAS number of the wrong form or check digit
    MissingField,       // a component lacks its name, formula, boiling point or vapour pressure
    DuplicateComponent, // two components with one CAS number
    UnknownSubgroup,    // a UNIFAC group or subgroup whose number or main group is not in the tables
    UnknownComponent,   // an NRTL pair naming a component the file does not hold
    TooFewComponents,   // fewer than two components
};

struct DataReadResult {
    std::shared_ptr<const ThermoData> data; // null on failure
    DataError error = DataError::None;
    DataProblem problem = DataProblem::None;
    int line = 0; // 1-based line of the problem (0 when it concerns the whole file)
    std::string path;
    bool ok() const { return data != nullptr; }
};

// Reads a data file's text. Any damage rejects the whole file: a library with wrong numbers would give
// wrong equilibria without saying so.
DataReadResult ParseThermoData(std::string_view text);
// Reads the file at path (its text as ParseThermoData does), saying whether it is missing or unreadable.
DataReadResult ReadThermoDataFile(const std::string& path);

// Where the installed data live for a program in executableFolder: <folder>/../share/zorvek/thermo,
// written without the ".." ("/usr/bin" gives "/usr/share/zorvek/thermo").
std::string ThermoDataFolder(std::string_view executableFolder);
// The data file in that folder.
std::string ThermoDataFile(std::string_view executableFolder);

} // namespace zorvek::thermo
