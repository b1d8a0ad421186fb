// The data file: the shipped library holds what the program offers, and every kind of damage is
// refused with the line and the problem instead of numbers that would give wrong equilibria.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "library.h"
#include "thermotexts.h"

namespace zorvek::thermo {

namespace {

// A small valid file; the damage cases below change one line of it.
const std::string kSmall = "# a comment\n"
                           "format zorvek-thermo 1\n"
                           "component 64-17-5\n"
                           "name Ethanol\n"
                           "name-es Etanol\n"
                           "formula C2H6O\n"
                           "tb 351.8\n"
                           "vp 88.0754 -7652.06 -9.471507 5.928087E-06 2 159.05 516.25\n"
                           "unifac 1*1 2*1 14*1\n"
                           "component 7732-18-5\n"
                           "name Water\n"
                           "formula H2O\n"
                           "tb 373.15\n"
                           "vp 73.649 -7258.2 -7.3037 4.1653E-06 2 273.16 647.1\n"
                           "unifac 16*1\n"
                           "nrtl 64-17-5 7732-18-5 -57.9601 1241.7396 .2937  # Ethanol/Water\n"
                           "subgroup 1 1 0.9011 0.848 CH3\n"
                           "subgroup 2 1 0.6744 0.54 CH2\n"
                           "subgroup 14 5 1 1.2 OH\n"
                           "subgroup 16 7 0.92 1.4 H2O\n"
                           "interaction 1 5 986.5\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

} // namespace

TEST(ThermoData, ShippedLibraryHoldsWhatTheProgramOffers) {
    const ThermoData& data = Library();
    EXPECT_GE(data.components.size(), 200u);
    int spanish = 0, unifac = 0;
    for (const Component& c : data.components) {
        spanish += !c.nameEs.empty();
        unifac += !c.groups.empty();
        EXPECT_FALSE(c.name.empty());
        EXPECT_FALSE(c.formula.empty()) << c.name;
        EXPECT_GT(c.vp.Tmax, c.vp.Tmin) << c.name;
    }
    EXPECT_GE(spanish, 60);
    EXPECT_GE(unifac, 200);
    EXPECT_GE(data.nrtl.size(), 100u);
    const Component& ethanol = data.components[Index("64-17-5")];
    EXPECT_EQ(ethanol.name, "Ethanol");
    EXPECT_EQ(ethanol.nameEs, "Etanol");
    EXPECT_EQ(ethanol.formula, "C2H6O");
    EXPECT_DOUBLE_EQ(ethanol.tb, 351.8);
    // DDBST numbering: CH3 1, CH2 2, OH 14 (ChemSep's own file numbers them 1, 2, 15).
    ASSERT_EQ(ethanol.groups.size(), 3u);
    EXPECT_EQ(ethanol.groups[2].subgroup, 14);
    EXPECT_EQ(data.Subgroup(14)->name, "OH");
}

TEST(ThermoData, SmallFileReadsWithItsValues) {
    const DataReadResult r = ParseThermoData(kSmall);
    ASSERT_TRUE(r.ok()) << static_cast<int>(r.problem) << " at " << r.line;
    ASSERT_EQ(r.data->components.size(), 2u);
    EXPECT_EQ(r.data->components[1].NameIn("ESP"), "Water"); // no Spanish name: the English one serves
    EXPECT_EQ(r.data->components[0].NameIn("ESP"), "Etanol");
    EXPECT_NEAR(r.data->components[1].vp.LnP(373.15), std::log(101325.0), 0.01);
    const NrtlPair* p = r.data->FindNrtl("7732-18-5", "64-17-5");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->cas1, "64-17-5");
    EXPECT_DOUBLE_EQ(p->alpha, 0.2937);
    EXPECT_EQ(r.data->Interaction(1, 5), 986.5);
    EXPECT_EQ(r.data->Interaction(5, 1), std::nullopt);
    EXPECT_EQ(r.data->Interaction(5, 5), 0.0);
}

TEST(ThermoData, DamageIsRefusedWithLineAndProblem) {
    struct Case {
        std::string text;
        DataProblem problem;
        int line;
    };
    const Case cases[] = {
        {"", DataProblem::NoFormatLine, 0},
        {Replace(kSmall, "format zorvek-thermo 1", "format zorvek-thermo 2"), DataProblem::NoFormatLine, 2},
        {Replace(kSmall, "tb 351.8", "tb 351,8"), DataProblem::BadNumber, 7},
        {Replace(kSmall, "tb 351.8", "tb nan"), DataProblem::BadNumber, 7},
        {Replace(kSmall, "tb 351.8", "tb 1e400"), DataProblem::BadNumber, 7},
        {Replace(kSmall, "tb 351.8", "tb -3"), DataProblem::BadValue, 7},
        {Replace(kSmall, "159.05 516.25", "516.25 159.05"), DataProblem::BadValue, 8},
        {Replace(kSmall, " 2 159.05", " 2"), DataProblem::BadNumber, 8},
        {Replace(kSmall, "component 64-17-5", "component 64-17-6"), DataProblem::BadCas, 3},
        {Replace(kSmall, "component 7732-18-5", "component 64-17-5"), DataProblem::DuplicateComponent, 10},
        {Replace(kSmall, "formula H2O\n", ""), DataProblem::MissingField, 10},
        {Replace(kSmall, "name Ethanol\n", "nombre Ethanol\n"), DataProblem::UnknownRecord, 4},
        {Replace(kSmall, "unifac 16*1", "unifac 17*1"), DataProblem::UnknownSubgroup, 15},
        {Replace(kSmall, "unifac 16*1", "unifac 16x1"), DataProblem::BadNumber, 15},
        {Replace(kSmall, "nrtl 64-17-5 7732-18-5", "nrtl 64-17-5 71-43-2"), DataProblem::UnknownComponent,
         16},
        {Replace(kSmall, ".2937", "9.16"), DataProblem::BadValue, 16},
        {Replace(kSmall, "format zorvek-thermo 1\n", "format zorvek-thermo 1\ntb 300\n"),
         DataProblem::OutsideComponent, 3},
        {kSmall.substr(0, kSmall.find("component 7732")), DataProblem::TooFewComponents, 0},
        {kSmall.substr(0, kSmall.find("vp 73.649")), DataProblem::MissingField, 10},
    };
    for (const Case& c : cases) {
        const DataReadResult r = ParseThermoData(c.text);
        EXPECT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.error, DataError::Damaged) << c.text;
        EXPECT_EQ(r.problem, c.problem) << c.text;
        EXPECT_EQ(r.line, c.line) << c.text;
    }
}

TEST(ThermoData, FilesThatAreMissingUnreadableOrDamagedSaySo) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zorvek_thermodata_test";
    std::filesystem::create_directories(dir);
    const std::string missing = (dir / "none.txt").string();
    const DataReadResult a = ReadThermoDataFile(missing);
    EXPECT_EQ(a.error, DataError::Missing);
    EXPECT_EQ(DataErrorMessage(a, "ENG"), "ERROR: Component data file not found: " + missing);
    EXPECT_EQ(DataErrorMessage(a, "ESP"),
              "ERROR: No se encontró el archivo de datos de componentes: " + missing);
    EXPECT_EQ(DataErrorMessage(a, "FRA"), "");
    const DataReadResult b = ReadThermoDataFile(dir.string());
    EXPECT_EQ(b.error, DataError::Unreadable);
    const std::string damaged = (dir / "damaged.txt").string();
    std::ofstream(damaged) << Replace(kSmall, "tb 351.8", "tb x");
    const DataReadResult c = ReadThermoDataFile(damaged);
    EXPECT_EQ(c.error, DataError::Damaged);
    EXPECT_EQ(DataErrorMessage(c, "ENG"),
              "ERROR: Damaged component data file (line 7: invalid number): " + damaged);
    EXPECT_EQ(DataErrorMessage(c, "ESP"),
              "ERROR: Archivo de datos de componentes dañado (línea 7: número no válido): " + damaged);
    std::filesystem::remove_all(dir);
}

TEST(ThermoData, FolderBesideTheExecutable) {
    EXPECT_EQ(ThermoDataFolder("/usr/bin"), "/usr/share/zorvek/thermo");
    EXPECT_EQ(ThermoDataFolder("/opt/z/bin/"), "/opt/z/share/zorvek/thermo");
    EXPECT_EQ(ThermoDataFile("/work/build/app"), "/work/build/share/zorvek/thermo/zorvek_thermo.txt");
    EXPECT_EQ(ThermoDataFile("app"), "share/zorvek/thermo/zorvek_thermo.txt");
}

TEST(VapourPressure, RisesWithTemperatureBeyondTheFittedRange) {
    const Component& water = Library().components[Index("water")];
    double last = -1e300;
    for (double T = 100; T < 1500; T += 7) {
        const double v = water.vp.LnP(T);
        EXPECT_GT(v, last) << T;
        EXPECT_TRUE(std::isfinite(v));
        last = v;
        const double h = 1e-4;
        EXPECT_NEAR(water.vp.DLnPdT(T), (water.vp.LnP(T + h) - water.vp.LnP(T - h)) / (2 * h), 1e-6) << T;
    }
}

} // namespace zorvek::thermo
