// The design in the table model: the default 21-point table, the pinch grid search and its failure.
#include <gtest/gtest.h>

#include "design.h"
#include "numtext.h"
#include "tabletext.h"

using namespace zorvek;

namespace {

struct TableCase : ::testing::Test {
    DenseTables dense;
    void SetUp() override {
        const TableAcceptance a = AcceptTable(DefaultEquilibriumTable(), "ENG");
        ASSERT_EQ(a.status, AcceptanceStatus::Accepted);
        FailureRecord f;
        ASSERT_TRUE(CrearSuperTABLA_ELV(a.table, dense, f));
    }
    DesignOutcome Solve(CaseTexts fields, std::string lang = "ENG") {
        CalcSettings s;
        s.TableMode = true;
        s.dense = &dense;
        s.UiLanguage = lang;
        return Calcular(fields, s);
    }
};

} // namespace

TEST_F(TableCase, StartUpCaseMatchesTheAlphaCurveClosely) {
    const DesignOutcome t = Solve({});
    ASSERT_EQ(t.error, "");
    const DesignOutcome a = Calcular({}, CalcSettings{});
    EXPECT_NEAR(t.xm, a.xm, 0.001);
    EXPECT_NEAR(t.NPT, a.NPT, 0.05);
    EXPECT_NEAR(t.NF, a.NF, 0.05);
    // The grid search keeps the q-line's y at the best grid x.
    EXPECT_DOUBLE_EQ(t.ym, (0.5 * t.xm - 0.46) / (0.5 - 1));
    EXPECT_EQ(t.texts[kText12Pinch].substr(0, 5), "xm = ");
    EXPECT_EQ(t.texts[kText12Pinch], "xm = 0.3745;   ym = 0.5455");
    EXPECT_EQ(t.texts[kText7Rmin], "1.7807");
    EXPECT_EQ(FormatSignificant(t.NPT, 5, "."), "7.5376");
    EXPECT_EQ(FormatSignificant(t.NF, 5, "."), "4.3469");
}

TEST_F(TableCase, AlphaIsStillCheckedInTableMode) {
    EXPECT_EQ(Solve({.alpha = "1"}).error, "ERROR: Relative volatility is out of range");
}

TEST_F(TableCase, FineScanPastTheEndOfTheTableIsASubscriptFailure) {
    const DesignOutcome o = Solve({.q = "2", .zF = "0.98", .xD = "0.999", .xB = "0.5", .R = "100"});
    // The coarse best is x = 0.99, so the fine scan looks up x above 1.0005.
    EXPECT_EQ(o.error, "ERROR: Nº =  9 - Subscript out of range");
    EXPECT_EQ(Solve({.q = "2", .zF = "0.98", .xD = "0.999", .xB = "0.5", .R = "100"}, "ESP").error,
              "ERROR: Nº =  9 - Subíndice fuera del intervalo");
    EXPECT_EQ(o.reached, Reached::Curve);
    EXPECT_GT(o.xm, 0.98);
    EXPECT_LT(o.xm, 0.99);
}
