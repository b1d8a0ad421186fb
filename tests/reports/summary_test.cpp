#include "summary.h"

#include <gtest/gtest.h>

#include "startupcase.h"

namespace zorvek {
namespace {

using test::StartupFields;

TEST(ResultsSummary, EnglishWithoutNamesEfficiencyOne) {
    const std::string expected = "Distillation of a binary feed\r\n"
                                 "Mole fractions are the most volatile component.\r\n"
                                 "\r\n"
                                 "Mole fractions:\r\n"
                                 "Feed:        Zf = 0,46\r\n"
                                 "Distillate:  Xd = 0,85\r\n"
                                 "Bottoms:     Xb = 0,17\r\n"
                                 "\r\n"
                                 "Parameter of thermal state of feed:\r\n"
                                 "q = 0,5\r\n"
                                 "\r\n"
                                 "Reflux ratio:\r\n"
                                 "R = L/D = 3\r\n"
                                 "\r\n"
                                 "Overall plate efficiency:\r\n"
                                 "E = 1\r\n"
                                 "\r\n"
                                 "VLE: Vapor-Liquid Equilibrium:\r\n"
                                 "Relative volatility:\r\n"
                                 "Alpha = 2\r\n"
                                 "\r\n"
                                 "q-Line:\r\n"
                                 "y = -x + 0,92\r\n"
                                 "\r\n"
                                 "Enriching operating line:\r\n"
                                 "y = 0,75x + 0,2125\r\n"
                                 "\r\n"
                                 "Exhausting operating line:\r\n"
                                 "y = 1,4756x - 0,080854\r\n"
                                 "\r\n"
                                 "Intersection of q-line and the operating lines:\r\n"
                                 "xq = 0,40429;   yq = 0,51571\r\n"
                                 "\r\n"
                                 "Intersection of q-line and the VLE curve:\r\n"
                                 "xm = 0,37478;   ym = 0,54522\r\n"
                                 "\r\n"
                                 "Minimum reflux ratio:\r\n"
                                 "Rmin = 1,7882\r\n"
                                 "\r\n"
                                 "Number of the feed plate (for overall plate efficiency = 1):\r\n"
                                 "NF = 4,35 (counting from the top)\r\n"
                                 "\r\n"
                                 "Number of Theoretical Plates (for overall plate efficiency = 1):\r\n"
                                 "NPT = 7,5471 (with reboiler)\r\n"
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(ResultsSummaryText(StartupFields("ENG", ",")), expected);
}

TEST(ResultsSummary, SpanishWithNamesEfficiencyBelowOne) {
    ReportFields f = StartupFields("ESP", ".");
    f.Text16 = " Benceno ";
    f.Text17 = "Tolueno";
    f.Text15 = "0.8 ";
    f.results[kText13FeedPlate] = " 5.43";
    f.results[kText14Plates] = "9.43 ";
    const std::string expected = "Destilación de mezcla binaria  de Benceno - Tolueno\r\n"
                                 "Fracciones molares referidas a Benceno (componente más volátil).\r\n"
                                 "\r\n"
                                 "Fracciones molares de las corrientes:\r\n"
                                 "Alimentación: Zf = 0.46\r\n"
                                 "Destilado:    Xd = 0.85\r\n"
                                 "Fondos:       Xb = 0.17\r\n"
                                 "\r\n"
                                 "Parámetro de estado térmico de la alimentación:\r\n"
                                 "q= 0.5\r\n"
                                 "\r\n"
                                 "Relación de reflujo:\r\n"
                                 "R = L/D = 3\r\n"
                                 "\r\n"
                                 "Eficiencia global:\r\n"
                                 "E = 0.8 \r\n"
                                 "\r\n"
                                 "Equilibrio líquido vapor:\r\n"
                                 "Volatilidad relativa:\r\n"
                                 "Alfa = 2\r\n"
                                 "\r\n"
                                 "Recta q:\r\n"
                                 "y = -x + 0.92\r\n"
                                 "\r\n"
                                 "Recta operativa de enriquecimiento:\r\n"
                                 "y = 0.75x + 0.2125\r\n"
                                 "\r\n"
                                 "Recta operativa de agotamiento:\r\n"
                                 "y = 1.4756x - 0.080854\r\n"
                                 "\r\n"
                                 "Punto de corte de la recta q y las rectas operativas:\r\n"
                                 "xq = 0.40429;   yq = 0.51571\r\n"
                                 "\r\n"
                                 "Punto de corte de la recta q y la curva de equilibrio:\r\n"
                                 "xm = 0.37478;   ym = 0.54522\r\n"
                                 "\r\n"
                                 "Relación de reflujo mínima\r\n"
                                 "Rmin = 1.7882\r\n"
                                 "\r\n"
                                 "Número del plato de entrada de la alimentación (eficiencia de 0.8):\r\n"
                                 "NF = 5.43 (contando desde arriba)\r\n"
                                 "\r\n"
                                 "Número TOTAL de platos teóricos (eficiencia de 1):\r\n"
                                 "NPT = 7.5471 (contando el rehervidor)\r\n"
                                 "\r\n"
                                 "Número TOTAL de platos teóricos (eficiencia de 0.8):\r\n"
                                 "NPT = 9.43 (contando el rehervidor)\r\n"
                                 "\r\n"
                                 "\r\n";
    EXPECT_EQ(ResultsSummaryText(f), expected);
}

// The opening lines and the efficiency lines for every combination of language, names and efficiency.
TEST(ResultsSummary, OpeningAndEfficiencyVariants) {
    struct Case {
        std::string lang, a, b, e;
        std::string opening;   // the text starts with this
        bool secondPlateCount; // the plates at efficiency E are listed
    };
    const Case cases[] = {
        {"ENG", "", "", "1",
         "Distillation of a binary feed\r\nMole fractions are the most volatile component.\r\n", false},
        {"ENG", "Benzene", "Toluene", "0.8",
         "Distillation of a binary feed of Benzene - Toluene\r\nMole fractions are the Benzene (most "
         "volatile "
         "component).\r\n",
         true},
        {"ENG", "Benzene", " ", "1.0",
         "Distillation of a binary feed\r\nMole fractions are the most volatile component.\r\n", true},
        {"ESP", "", "", "1",
         "Destilación de mezcla binaria \r\nFracciones molares referidas al componente más volátil.\r\n",
         false},
        {"ESP", "", "", " 1 ", "Destilación de mezcla binaria \r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang + "/" + c.a + "/" + c.e);
        ReportFields f = StartupFields(c.lang, ".");
        f.Text16 = c.a;
        f.Text17 = c.b;
        f.Text15 = c.e;
        const std::string s = ResultsSummaryText(f);
        EXPECT_EQ(s.rfind(c.opening, 0), 0u) << s.substr(0, 120);
        const std::string second = c.lang == "ESP" ? "(eficiencia de " + TrimBlanks(c.e) + "):\r\nNPT = 7.55"
                                                   : "efficiency = " + TrimBlanks(c.e) + "):\r\nNPT = 7.55";
        EXPECT_EQ(s.find(second) != std::string::npos, c.secondPlateCount);
    }
}

TEST(ResultsSummary, TableModelListsTheEquilibriumTable) {
    ReportFields f = StartupFields("ENG", ".");
    f.TableMode = true;
    f.LastPointIndex = 20;
    const std::string s = ResultsSummaryText(f);
    EXPECT_NE(s.find("VLE: Vapor-Liquid Equilibrium:\r\n" + f.EquilibriumListing + "\r\nq-Line:"),
              std::string::npos);
    EXPECT_EQ(s.find("Alpha"), std::string::npos);
    f.LastPointIndex = 0; // no usable table: neither the table nor alpha
    EXPECT_NE(ResultsSummaryText(f).find("VLE: Vapor-Liquid Equilibrium:\r\nq-Line:"), std::string::npos);
}

TEST(ResultsSummary, OtherLanguageShowsNoText) {
    const std::string s = ResultsSummaryText(StartupFields("FRA", "."));
    EXPECT_EQ(s.find("Distillation"), std::string::npos);
    EXPECT_EQ(s.find("Destilación"), std::string::npos);
}

} // namespace
} // namespace zorvek
