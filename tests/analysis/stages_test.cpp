// Total reflux against Fenske's equation, the R-N curve falling towards Nmin, and Gilliland's
// correlation.
#include "analysisfixture.h"

using namespace analysis_test;

namespace {

const AnalysisOptions kCurveOnly{.rnCurve = true, .rnPoints = 100, .drawing = false, .murphreeE = {}};

} // namespace

TEST(TotalReflux, FenskeAgreesWithTheSteppingWithinOneStage) {
    struct Case {
        const char *alpha, *xD, *xB;
    };
    const Case cases[] = {{"2", "0.85", "0.17"},   {"2.5", "0.95", "0.05"}, {"1.2", "0.9", "0.1"},
                          {"6", "0.999", "0.001"}, {"1.05", "0.7", "0.3"},  {"3", "0.6", "0.4"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("alpha ") + c.alpha + ", xD " + c.xD + ", xB " + c.xB);
        const DesignOutcome o = Solve({.alpha = c.alpha, .zF = "0.5", .xD = c.xD, .xB = c.xB, .R = "0.5"});
        const ColumnAnalysis a = AnalyseColumn(o, kCurveOnly);
        ASSERT_TRUE(a.total.found);
        ASSERT_TRUE(a.NminFenske);
        EXPECT_LT(std::fabs(*a.NminFenske - a.total.Nmin), 1);
        // Whole stages: each multiplies x / (1 - x) by alpha, so the stepping's whole part is Fenske's.
        EXPECT_EQ(std::ceil(a.total.Nmin), std::ceil(*a.NminFenske));
    }
}

TEST(TotalReflux, TableModelHasNoFenskeValue) {
    const auto table = EthanolWater();
    const ColumnAnalysis a =
        AnalyseColumn(Solve({.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02"}, table.get()));
    EXPECT_TRUE(a.total.found);
    EXPECT_FALSE(a.NminFenske);
}

TEST(RNCurve, StagesFallAsRefluxGrowsAndTendToNmin) {
    const auto table = EthanolWater();
    struct Case {
        CaseTexts fields;
        const DenseTables* table;
    };
    const Case cases[] = {
        {{}, nullptr},
        {{.q = "1"}, nullptr},
        {{.alpha = "1.4", .q = "1.2", .zF = "0.5", .xD = "0.95", .xB = "0.05"}, nullptr},
        {{.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02"}, table.get()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("q " + c.fields.q + (c.table ? ", table" : ", alpha " + c.fields.alpha));
        const DesignOutcome o = Solve(c.fields, c.table);
        const ColumnAnalysis a = AnalyseColumn(o, kCurveOnly);
        ASSERT_TRUE(a.minimum.found);
        ASSERT_TRUE(a.total.found);
        ASSERT_EQ(a.rn.size(), 100u);
        EXPECT_DOUBLE_EQ(a.rn.front().R, 1.02 * a.minimum.RminTrue);
        EXPECT_DOUBLE_EQ(a.rn.back().R, 10 * a.minimum.RminTrue);
        for (size_t i = 0; i < a.rn.size(); ++i) {
            ASSERT_TRUE(a.rn[i].N) << "R " << a.rn[i].R;
            EXPECT_GT(*a.rn[i].N, a.total.Nmin);
            if (i > 0) {
                EXPECT_GT(a.rn[i].R, a.rn[i - 1].R);
                EXPECT_LT(*a.rn[i].N, *a.rn[i - 1].N) << "R " << a.rn[i].R;
            }
        }
        SteppingResult scratch;
        const std::optional<StageCount> far =
            StagesAtReflux(o.inputs, o.model, 1e5 * a.minimum.RminTrue, scratch);
        ASSERT_TRUE(far);
        EXPECT_NEAR(far->N, a.total.Nmin, 1e-3 * a.total.Nmin);
    }
}

TEST(RNCurve, AtTheCurrentRefluxItIsTheDesignsCount) {
    const DesignOutcome o = Solve({});
    const ColumnAnalysis a = AnalyseColumn(o, kCurveOnly);
    ASSERT_TRUE(a.N);
    EXPECT_EQ(*a.N, o.NPT);
    SteppingResult scratch;
    const std::optional<StageCount> n = StagesAtReflux(o.inputs, o.model, o.inputs.R, scratch);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->N, o.NPT);
    EXPECT_EQ(n->NF, o.NF);
    // A rejected case has no count at its R.
    EXPECT_FALSE(AnalyseColumn(Solve({.R = "1.5"}), kCurveOnly).N);
}

TEST(Gilliland, MolokanovFormBetweenItsLimits) {
    // Y = (N - Nmin) / (N + 1) at X = (R - Rmin) / (R + 1) = 0.5 is 0.2491 in Molokanov's form.
    const double Nmin = 5, Rmin = 1;
    const double R = 3; // X = 0.5
    const std::optional<double> N = GillilandStages(Nmin, Rmin, R);
    ASSERT_TRUE(N);
    EXPECT_NEAR((*N - Nmin) / (*N + 1), 0.2491, 1e-4);
    EXPECT_FALSE(GillilandStages(Nmin, Rmin, Rmin));    // no estimate at or below the minimum
    EXPECT_GT(*GillilandStages(Nmin, Rmin, 1.001), 50); // many stages just above it
    EXPECT_NEAR(*GillilandStages(Nmin, Rmin, 1e7), Nmin, 1e-3);
    // Beside the stepped curve of the start-up case it stays within a quarter of the count.
    const ColumnAnalysis a = AnalyseColumn(Solve({}), kCurveOnly);
    ASSERT_TRUE(a.NGilliland);
    EXPECT_NEAR(*a.NGilliland, *a.N, 0.25 * *a.N);
    for (const RNPoint& p : a.rn) {
        ASSERT_TRUE(p.NGilliland);
        EXPECT_NEAR(*p.NGilliland, *p.N, 0.25 * *p.N) << "R " << p.R;
    }
}
