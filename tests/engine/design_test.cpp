// The design calculation: the start-up case and its variants, the checks in their order, the failure
// paths and the stage limit.
#include <gtest/gtest.h>

#include <charconv>

#include "design.h"
#include "numtext.h"

using namespace zorvek;

namespace {

DesignOutcome Solve(CaseTexts fields, std::string ds = ",", std::string lang = "ENG") {
    CalcSettings settings;
    settings.DecimalSymbol = ds;
    settings.UiLanguage = lang;
    return Calcular(fields, settings);
}

} // namespace

TEST(Calcular, StartUpCaseTexts) {
    const DesignOutcome o = Solve({});
    ASSERT_EQ(o.error, "");
    EXPECT_EQ(o.reached, Reached::Complete);
    const std::array<std::string, kResultTextCount> expected = {"1,7882",
                                                                "y = -x + 0,92",
                                                                "y = 0,75x + 0,2125",
                                                                "y = 1,4756x - 0,080854",
                                                                "xq = 0,40429;   yq = 0,51571",
                                                                "xm = 0,37478;   ym = 0,54522",
                                                                "4,35",
                                                                "7,55"};
    EXPECT_EQ(o.texts, expected);
    EXPECT_EQ(FormatSignificant(o.NF, 5, "."), "4.3477");
    EXPECT_EQ(FormatSignificant(o.NPT, 5, "."), "7.5471");
    EXPECT_EQ(o.stairPoints.size(), 17u);
}

TEST(Calcular, EfficiencyDividesOnlyTheShownCounts) {
    const DesignOutcome base = Solve({});
    CaseTexts half;
    half.E = "0,5";
    const DesignOutcome o = Solve(half);
    ASSERT_EQ(o.error, "");
    EXPECT_EQ(o.texts[kText13FeedPlate], "8,7");
    EXPECT_EQ(o.texts[kText14Plates], "15,1");
    EXPECT_EQ(o.NPT, base.NPT);
    EXPECT_EQ(o.NF, base.NF);
    for (int i = kText7Rmin; i <= kText12Pinch; ++i) EXPECT_EQ(o.texts[i], base.texts[i]);
}

TEST(Calcular, SaturatedLiquidFeedGivesVerticalQLine) {
    CaseTexts f;
    f.q = "1";
    const DesignOutcome o = Solve(f);
    ASSERT_EQ(o.error, "");
    EXPECT_EQ(o.texts[kText8QLine], "x = 0,46");
    EXPECT_EQ(o.xm, 0.46);
    EXPECT_DOUBLE_EQ(o.ym, 0.92 / 1.46);
    EXPECT_DOUBLE_EQ(o.xq, 0.46);
}

TEST(Calcular, SaturatedVapourFeedTakesTheLinearBranch) {
    CaseTexts f;
    f.q = "0";
    const DesignOutcome o = Solve(f);
    ASSERT_EQ(o.error, "");
    EXPECT_DOUBLE_EQ(o.xm, 0.46 / (2 - 0.46));
    EXPECT_EQ(o.texts[kText8QLine], "y = 0,46");
}

TEST(Calcular, LowerRefluxNeedsTwoListingColumns) {
    CaseTexts f;
    f.R = "1.9";
    const DesignOutcome o = Solve(f);
    ASSERT_EQ(o.error, "");
    EXPECT_EQ(o.stairPoints.size(), 31u);
    EXPECT_EQ(FormatSignificant(o.NPT, 5, "."), "14.269");
    EXPECT_EQ(FormatSignificant(o.NF, 5, "."), "7.9591");
    const std::string header = "   x       y         x       y      \r\n";
    EXPECT_EQ(o.StageListing.substr(0, header.size()), header);
    EXPECT_EQ(o.StageListingMarkup.substr(0, 46), "&+I&SP=8:x&SP=18:y&-I&+I&SP=32:x&SP=42:y&-I&LF");
}

TEST(Calcular, ChecksInTheirOrderWithBothLanguages) {
    const struct {
        CaseTexts fields;
        const char* english;
        const char* spanish;
    } cases[] = {
        {{.R = "0"}, "ERROR: Negative reflux ratio", "ERROR: Relación de reflujo negativa"},
        {{.zF = "", .R = ""}, "ERROR: Negative reflux ratio", "ERROR: Relación de reflujo negativa"},
        {{.zF = "1", .xD = "2"},
         "ERROR: Mole fraction in feed is out of range",
         "ERROR: Fracción molar de alimentación fuera de rango"},
        {{.xD = "1"},
         "ERROR: Mole fraction in distillate is out of range",
         "ERROR: Fracción molar de destilado fuera de rango"},
        {{.xB = "abc"},
         "ERROR: Mole fraction in bottoms is out of range",
         "ERROR: Fracción molar de fondos fuera de rango"},
        {{.alpha = "1", .xB = "0.5"},
         "ERROR: Relative volatility is out of range",
         "ERROR: Volatilidad relativa fuera de rango"},
        {{.xB = "0,46"},
         "ERROR:  Mole fraction in bottoms is greater than mole fraction in feed",
         "ERROR: Fracción molar de fondos mayor que la de alimentación"},
        {{.zF = "0.85"},
         "ERROR:  Mole fraction in feed is greater than mole fraction in distillate",
         "ERROR: Fracción molar de alimentación mayor que la de destilado"},
        {{.E = "1.0001"},
         "ERROR:  Overall plate efficiency is out of range",
         "ERROR: Eficiencia de plato global fuera de rango"},
        {{.E = "0"},
         "ERROR:  Overall plate efficiency is out of range",
         "ERROR: Eficiencia de plato global fuera de rango"},
        {{.E = ""},
         "ERROR:  Overall plate efficiency is out of range",
         "ERROR: Eficiencia de plato global fuera de rango"},
        {{.q = "-3"}, "Unknown error", "ERROR desconocido"},
        {{.q = "-2"},
         "ERROR: Operating lines intersect at a point below the bottoms composition",
         "ERROR: Rectas operativas se cortan debajo de fracción molar de corriente de fondos"},
        {{.R = "1.7"},
         "ERROR: Reflux ratio is out of range",
         "ERROR: Relación de reflujo inferior a la mínima"},
        {{.q = "1e200"}, "ERROR: Nº =  6 - Overflow", "ERROR: Nº =  6 - Desbordamiento"},
    };
    for (const auto& c : cases) {
        const DesignOutcome en = Solve(c.fields, ",", "ENG");
        EXPECT_EQ(en.error, c.english);
        EXPECT_EQ(Solve(c.fields, ",", "ESP").error, c.spanish);
        // Any other language shows neither text; only the language-free part of a failure line stays.
        const std::string other = Solve(c.fields, ",", "FRA").error;
        EXPECT_TRUE(other.empty() || other == "ERROR: Nº =  6 - ") << other;
        EXPECT_NE(en.reached, Reached::Complete);
        EXPECT_TRUE(en.texts[kText13FeedPlate].empty());
        EXPECT_EQ(en.NPT, 0);
    }
}

TEST(Calcular, ReachedTellsWhatTheDiagramDraws) {
    EXPECT_EQ(Solve({.xB = "0.5"}).reached, Reached::StreamPoints);
    EXPECT_EQ(Solve({.R = "1.7"}).reached, Reached::Curve);
    EXPECT_EQ(Solve({}).reached, Reached::Complete);
    const DesignOutcome atMin = Solve({.R = "1.7"});
    EXPECT_TRUE(atMin.slopeComputed);
    EXPECT_NEAR(atMin.MinRefluxSlope, 1.7882 / 2.7882, 1e-4);
}

TEST(Calcular, RefluxAtTheMinimumFailsAndJustAbovePasses) {
    const DesignOutcome base = Solve({}, ".");
    char exact[32]; // shortest text that reads back to exactly Rmin
    const std::string rmin(exact, std::to_chars(exact, exact + sizeof exact, base.Rmin).ptr);
    EXPECT_EQ(ParseNumber(rmin), base.Rmin);
    EXPECT_EQ(Solve({.R = rmin}, ".").error, "ERROR: Reflux ratio is out of range");
    EXPECT_EQ(Solve({.R = PlainNumberText(base.Rmin + 0.01)}, ".").error, "");
}

TEST(Calcular, ZeroDivisionAtTheMinimumRefluxSlopeEndsAsNegativeMinimum) {
    // With alpha 2, zF 0.25 and q 2.5 the q-line meets the curve exactly at x = 0.5 = xD.
    const DesignOutcome o = Solve({.q = "2.5", .zF = "0.25", .xD = "0.5", .xB = "0.1"});
    EXPECT_EQ(o.xm, 0.5);
    EXPECT_EQ(o.MinRefluxSlope, 0);
    EXPECT_EQ(o.error, "ERROR: The minimum reflux ratio is negative");
}

TEST(Calcular, StageLimit) {
    // A close-boiling pair at high purity needs about 900 stages even at total reflux.
    const CaseTexts f{.alpha = "1.01", .zF = "0.5", .xD = "0.99", .xB = "0.01", .R = "1000"};
    const DesignOutcome o = Solve(f, ".");
    EXPECT_EQ(o.error, "ERROR: Unable to calculate the number of theoretical plates");
    EXPECT_EQ(Solve(f, ".", "ESP").error, "ERROR: Imposible calcular el número de platos");
    EXPECT_EQ(o.reached, Reached::Curve);
    EXPECT_EQ(o.NPT, 0);
    EXPECT_TRUE(o.stairPoints.empty());
    // Fewer stages pass: alpha 1.02 needs about 460.
    const DesignOutcome ok =
        Solve({.alpha = "1.02", .zF = "0.5", .xD = "0.99", .xB = "0.01", .R = "1000"}, ".");
    EXPECT_EQ(ok.error, "");
    EXPECT_GT(ok.NPT, 400);
    EXPECT_EQ(ok.StageListing.substr(0, 4 * 18), std::string("   x       y      ")
                                                     .append(std::string("   x       y      "))
                                                     .append("   x       y      ")
                                                     .append("   x       y      "));
}

TEST(Calcular, OneStageCrossingBothFeedAndBottomsSkipsTheExhaustingSection) {
    // Stage 5 carries x from 0.4264 to 0.3627, past xq = 0.40429 and xB = 0.40 together.
    const DesignOutcome o = Solve({.xB = "0.40"}, ".");
    ASSERT_EQ(o.error, "");
    ASSERT_EQ(o.stairPoints.size(), 11u);
    const StairPoint before = o.stairPoints[8], after = o.stairPoints[9], last = o.stairPoints[10];
    EXPECT_EQ(after.x, last.x);
    EXPECT_LT(o.mS * last.x + o.bS, 0);
    EXPECT_EQ(last.y, 0); // a y below 0 is stored as 0
    EXPECT_DOUBLE_EQ(o.NF, 4 + (before.x - o.xq) / (before.x - after.x));
    EXPECT_DOUBLE_EQ(o.NPT, 4 + (before.x - 0.40) / (before.x - after.x));
}
