// Stage stepping with a Murphree vapour efficiency: E_MV = 1 is the design's own stepping, lower
// efficiencies need more stages, and every stage ends on the pseudo-equilibrium curve.
#include "analysisfixture.h"

using namespace analysis_test;

namespace {

ColumnAnalysis WithMurphree(const DesignOutcome& o, double E) {
    return AnalyseColumn(o, {.rnCurve = false, .rnPoints = 100, .drawing = true, .murphreeE = E});
}

} // namespace

TEST(Murphree, EfficiencyOneGivesExactlyTheDesignsCounts) {
    const auto table = EthanolWater();
    const auto defaultTable = DenseOf(Grid(0.05, 0.95, 0.05), [](double x) { return 2 * x / (1 + x); });
    struct Case {
        CaseTexts fields;
        const DenseTables* table;
    };
    const Case cases[] = {
        {{}, nullptr},
        {{.q = "1", .R = "1.9"}, nullptr},
        {{.alpha = "1.4", .q = "-0.2", .zF = "0.5", .xD = "0.95", .xB = "0.05", .R = "9"}, nullptr},
        {{}, defaultTable.get()},
        {{.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02", .R = "1.2"}, table.get()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("q " + c.fields.q + ", R " + c.fields.R + (c.table ? ", table" : ", alpha"));
        const DesignOutcome o = Solve(c.fields, c.table);
        ASSERT_EQ(o.reached, Reached::Complete) << o.error;
        const ColumnAnalysis a = WithMurphree(o, 1);
        ASSERT_TRUE(a.murphree && a.murphree->N && a.murphree->NF);
        EXPECT_EQ(*a.murphree->N, o.NPT);
        EXPECT_EQ(*a.murphree->NF, o.NF);
        ASSERT_EQ(a.murphree->stairs.size(), o.stairPoints.size());
        for (size_t i = 0; i < o.stairPoints.size(); ++i) {
            EXPECT_EQ(a.murphree->stairs[i].x, o.stairPoints[i].x);
            EXPECT_EQ(a.murphree->stairs[i].y, o.stairPoints[i].y);
        }
    }
}

TEST(Murphree, LowerEfficiencyNeedsMoreStagesNearNptOverE) {
    const auto table = EthanolWater();
    for (const DenseTables* t : std::initializer_list<const DenseTables*>{nullptr, table.get()}) {
        SCOPED_TRACE(t ? "ethanol-water" : "alpha 2");
        const DesignOutcome o =
            t ? Solve({.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02", .R = "1.5"}, t) : Solve({});
        ASSERT_EQ(o.reached, Reached::Complete) << o.error;
        double previous = o.NPT;
        for (double E : {0.95, 0.8, 0.6, 0.4}) {
            const ColumnAnalysis a = WithMurphree(o, E);
            ASSERT_TRUE(a.murphree && a.murphree->N) << "E " << E;
            EXPECT_GT(*a.murphree->N, previous) << "E " << E;
            EXPECT_LT(*a.murphree->NF, *a.murphree->N);
            // The pseudo curve scales each stage's rise, so the count is near NPT / E though not equal.
            EXPECT_NEAR(*a.murphree->N, o.NPT / E, 0.1 * o.NPT / E) << "E " << E;
            previous = *a.murphree->N;
        }
    }
}

TEST(Murphree, EveryStageEndsOnThePseudoEquilibriumCurve) {
    const auto table = EthanolWater();
    for (const DenseTables* t : std::initializer_list<const DenseTables*>{nullptr, table.get()}) {
        SCOPED_TRACE(t ? "ethanol-water" : "alpha 2");
        const DesignOutcome o =
            t ? Solve({.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02", .R = "1.5"}, t) : Solve({});
        const double E = 0.6;
        const ColumnAnalysis a = WithMurphree(o, E);
        ASSERT_TRUE(a.murphree && a.murphree->N);
        const std::vector<StairPoint>& s = a.murphree->stairs;
        // Points 2, 4, ... (0-based 1, 3, ...) end the stages; the last point is the drop to the line.
        for (size_t i = 1; i + 1 < s.size(); i += 2) {
            const double x = s[i].x;
            const bool enriching = s[i - 1].x >= o.xq; // the section the stage was stepped in
            const double op = enriching ? o.mE * x + o.bE : o.mS * x + o.bS;
            double curve = o.model.alpha * x / (1 + (o.model.alpha - 1) * x);
            if (t) { // between two thousandths the table's curve is read along the straight piece
                const int k = static_cast<int>(std::floor(x * 1000));
                const double f = x * 1000 - k;
                curve = t->DenseY[k] + f * (t->DenseY[k + 1] - t->DenseY[k]);
            }
            EXPECT_NEAR(s[i].y, op + E * (curve - op), 1e-9) << "stage " << (i + 1) / 2;
        }
        EXPECT_FALSE(a.murphree->curve.empty());
    }
}

TEST(Murphree, OutOfRangeEfficiencyGivesNoCount) {
    const DesignOutcome o = Solve({});
    for (double E : {0.0, -0.5, 1.01}) {
        const ColumnAnalysis a = WithMurphree(o, E);
        ASSERT_TRUE(a.murphree);
        EXPECT_FALSE(a.murphree->N) << "E " << E;
    }
}
