// The texts of a failed equilibrium, in both languages and with either decimal symbol, naming what the
// user can change.
#include <gtest/gtest.h>

#include "library.h"
#include "thermotexts.h"

namespace zorvek::thermo {

TEST(VleMessage, SaysWhatFailedInEitherLanguage) {
    VleRequest request;
    request.first = Index("water");
    request.second = Index("ethanol");
    request.pressureKPa = 30000;
    const VleResult high = SolveVle(Library(), request);
    ASSERT_EQ(high.status, VleStatus::PressureOutOfRange);
    const std::string eng = VleMessage(Library(), high, "ENG", ".");
    // Water's correlation runs from 263.15 K (supercooled) to its critical point.
    EXPECT_EQ(eng, "ERROR: Pressure outside the data range of Water (0.2852 to 22016 kPa)");
    EXPECT_EQ(VleMessage(Library(), high, "ESP", ","),
              "ERROR: Presión fuera del intervalo de los datos de Agua (0,2852 a 22016 kPa)");
    EXPECT_EQ(VleMessage(Library(), high, "FRA", "."), "");

    request.pressureKPa = 101.325;
    request.second = Index("1-butanol");
    const VleResult split = SolveVle(Library(), request);
    ASSERT_EQ(split.status, VleStatus::LiquidSplit);
    const std::string splitText = VleMessage(Library(), split, "ENG", ".");
    EXPECT_EQ(splitText.rfind("ERROR: The NRTL (DECHEMA) model predicts two liquid phases (x from ", 0), 0u)
        << splitText;

    request.second = Index("water");
    EXPECT_EQ(VleMessage(Library(), SolveVle(Library(), request), "ESP", ","),
              "ERROR: Los dos componentes son el mismo");
    request.second = Index("ethanol");
    EXPECT_EQ(VleMessage(Library(), SolveVle(Library(), request), "ENG", "."), "");
}

TEST(SwapNotice, NamesTheLighterComponent) {
    VleRequest request;
    request.first = Index("water");
    request.second = Index("ethanol");
    const VleResult r = SolveVle(Library(), request);
    ASSERT_TRUE(r.swapped);
    EXPECT_EQ(SwapNotice(Library(), r, "ENG"),
              "Components swapped: A is Ethanol, the one with the lower boiling point");
    EXPECT_EQ(SwapNotice(Library(), r, "ESP"),
              "Componentes intercambiados: A es Etanol, el de menor temperatura de ebullición");
    std::swap(request.first, request.second);
    EXPECT_EQ(SwapNotice(Library(), SolveVle(Library(), request), "ENG"), "");
}

TEST(FixedText, UsesTheDecimalSymbolWhateverTheLocale) {
    EXPECT_EQ(FixedText(78.2456, 2, ","), "78,25");
    EXPECT_EQ(FixedText(-0.0001, 2, "."), "0.00");
    EXPECT_EQ(FixedText(101325, 0, ","), "101325");
}

} // namespace zorvek::thermo
