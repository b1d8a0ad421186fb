// The design calculation: the start-up case and its variants, the checks in their order, the failure
// paths and the stage limit.
#include <gtest/gtest.h>

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
