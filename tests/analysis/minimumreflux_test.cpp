// The true minimum reflux: Underwood's exact result for constant alpha, the tangent pinches of real
// tables, and a brute-force check that the value found is the border between lines that clear the
// equilibrium curve and lines that cross it.
#include <map>

#include "analysisfixture.h"

using namespace analysis_test;

namespace {

struct AlphaCase {
    const char *alpha, *q, *zF, *xD, *xB;
};

// Underwood for a binary at constant alpha: theta between 1 and alpha from
// alpha zF / (alpha - theta) + (1 - zF) / (1 - theta) = 1 - q, then
// Rmin + 1 = alpha xD / (alpha - theta) + (1 - xD) / (1 - theta).
double Underwood(double alpha, double q, double zF, double xD) {
    auto f = [&](double t) { return alpha * zF / (alpha - t) + (1 - zF) / (1 - t) - (1 - q); };
    double lo = 1 + 1e-12, hi = alpha - 1e-12; // f rises from -inf to +inf between the poles
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (f(mid) > 0 ? hi : lo) = mid;
    }
    const double t = (lo + hi) / 2;
    return alpha * xD / (alpha - t) + (1 - xD) / (1 - t) - 1;
}

// Whether the operating lines at R lie on or below the curve between xB and xD: at every point of both
// dense tables in the table model (the stepping reads one, the drawing the other), on a fine grid for
// constant alpha.
bool LinesClearTheCurve(const DesignOutcome& o, double R) {
    const std::optional<OperatingLines> l = OperatingLinesAt(o.inputs, R);
    if (!l) return false;
    const DesignInputs& in = o.inputs;
    auto clears = [&](double x, double y) {
        if (!(x > in.xB && x < in.xD)) return true;
        const double op = x >= l->xq ? l->mE * x + l->bE : l->mS * x + l->bS;
        return op <= y;
    };
    if (o.model.TableMode) {
        for (int k = 0; k <= 1000; ++k) {
            if (!clears(k / 1000.0, o.model.dense->DenseY[k])) return false;
            if (!clears(o.model.dense->DenseX[k], k / 1000.0)) return false;
        }
        return true;
    }
    const double a = o.model.alpha;
    for (int k = 0; k <= 100000; ++k) { // fine enough to catch a crossing 0.1 % below the minimum
        const double x = k / 100000.0;
        if (!clears(x, a * x / (1 + (a - 1) * x))) return false;
    }
    return true;
}

} // namespace

TEST(TrueMinimumReflux, ConstantAlphaIsUnderwoodAndTheDesignsValue) {
    const AlphaCase cases[] = {
        {"2", "1", "0.46", "0.85", "0.17"},    {"2.5", "1", "0.5", "0.95", "0.05"},
        {"1.3", "1", "0.4", "0.9", "0.1"},     {"6", "1", "0.2", "0.99", "0.01"},
        {"2", "0.5", "0.46", "0.85", "0.17"},  {"3", "0", "0.5", "0.9", "0.1"},
        {"2.2", "1.4", "0.35", "0.9", "0.05"}, {"4", "-0.3", "0.6", "0.95", "0.2"},
    };
    for (const AlphaCase& c : cases) {
        SCOPED_TRACE(std::string("alpha ") + c.alpha + ", q " + c.q + ", zF " + c.zF + ", xD " + c.xD);
        const DesignOutcome o =
            Solve({.alpha = c.alpha, .q = c.q, .zF = c.zF, .xD = c.xD, .xB = c.xB, .R = "80"});
        ASSERT_EQ(o.reached, Reached::Complete) << o.error;
        const ColumnAnalysis a = AnalyseColumn(o);
        ASSERT_TRUE(a.minimum.found);
        EXPECT_EQ(a.minimum.kind, PinchKind::QLine);
        EXPECT_EQ(a.minimum.RminTrue, o.Rmin); // exactly the design's Rmin (Text7)
        const DesignInputs& in = o.inputs;
        EXPECT_NEAR(a.minimum.RminTrue, Underwood(in.alpha, in.q, in.zF, in.xD), 1e-9 * o.Rmin);
        if (in.q == 1) { // Underwood's closed form for a saturated liquid feed
            const double closed = (in.xD / in.zF - in.alpha * (1 - in.xD) / (1 - in.zF)) / (in.alpha - 1);
            EXPECT_NEAR(a.minimum.RminTrue, closed, 1e-12 * closed);
        }
    }
}

TEST(TrueMinimumReflux, EthanolWaterHasATangentPinchOfTheEnrichingLine) {
    const auto table = EthanolWater();
    const DesignOutcome o =
        Solve({.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02", .R = "1.2"}, table.get());
    ASSERT_EQ(o.reached, Reached::Complete) << o.error;
    EXPECT_EQ(o.texts[kText7Rmin], "0.75827"); // the q-line pinch the design shows
    const ColumnAnalysis a = AnalyseColumn(o);
    ASSERT_TRUE(a.minimum.found);
    EXPECT_EQ(a.minimum.kind, PinchKind::TangentEnriching);
    EXPECT_NEAR(a.minimum.x, 0.65, 0.02);
    EXPECT_NEAR(a.minimum.RminTrue, 1.07, 0.05);
    EXPECT_EQ(a.minimum.RminQLine, o.Rmin);
}

TEST(TrueMinimumReflux, TheMirroredTableHasATangentPinchOfTheExhaustingLine) {
    // Ethanol-water mirrored in the line x + y = 1, each point (x, y) going to (1 - y, 1 - x): the bend
    // of the curve near the top becomes one near the bottom, and the case is mirrored with it.
    std::vector<double> original = {0.002, 0.005, 0.01};
    for (double x : Grid(0.02, 0.85, 0.02)) original.push_back(x);
    std::map<double, double> mirrored;
    for (double x : original) mirrored[1 - EthanolWaterY(x)] = 1 - x;
    std::vector<double> xs;
    for (const auto& point : mirrored) xs.push_back(point.first);
    const auto table = DenseOf(xs, [&](double x) { return mirrored.at(x); });
    const DesignOutcome o = Solve({.q = "0", .zF = "0.7", .xD = "0.98", .xB = "0.2", .R = "20"}, table.get());
    ASSERT_EQ(o.reached, Reached::Complete) << o.error;
    const ColumnAnalysis a = AnalyseColumn(o);
    ASSERT_TRUE(a.minimum.found);
    EXPECT_EQ(a.minimum.kind, PinchKind::TangentExhausting);
    EXPECT_NEAR(a.minimum.x, 1 - 0.722, 0.02); // the mirror of the enriching tangent point
    EXPECT_GT(a.minimum.RminTrue, a.minimum.RminQLine);
}

TEST(TrueMinimumReflux, IsTheBorderBetweenClearAndCrossingLines) {
    const auto ethanolWater = EthanolWater();
    const auto azeotrope = AzeotropeTable();
    const auto startUpTable = DenseOf(Grid(0.05, 0.95, 0.05), [](double x) { return 2 * x / (1 + x); });
    struct Case {
        CaseTexts fields;
        const DenseTables* table;
    };
    const Case cases[] = {
        {{}, nullptr},
        {{.alpha = "1.5", .q = "1.3", .zF = "0.4", .xD = "0.9", .xB = "0.1"}, nullptr},
        {{}, startUpTable.get()},
        {{.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02"}, ethanolWater.get()},
        {{.q = "0.5", .zF = "0.2", .xD = "0.84", .xB = "0.01"}, ethanolWater.get()},
        {{.q = "1.2", .zF = "0.1", .xD = "0.75", .xB = "0.01"}, ethanolWater.get()},
        {{.q = "0", .zF = "0.4", .xD = "0.85", .xB = "0.05"}, azeotrope.get()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("q " + c.fields.q + ", zF " + c.fields.zF + ", xD " + c.fields.xD +
                     (c.table ? ", table" : ", alpha"));
        const DesignOutcome o = Solve(c.fields, c.table);
        ASSERT_NE(o.reached, Reached::StreamPoints) << o.error;
        const ColumnAnalysis a = AnalyseColumn(o, {.rnCurve = false, .murphreeE = {}});
        ASSERT_TRUE(a.minimum.found);
        EXPECT_GE(a.minimum.RminTrue, a.minimum.RminQLine); // never below the q-line pinch
        EXPECT_TRUE(LinesClearTheCurve(o, a.minimum.RminTrue * 1.001));
        EXPECT_FALSE(LinesClearTheCurve(o, a.minimum.RminTrue * 0.999));
    }
}

TEST(TrueMinimumReflux, ForARejectedCaseTheQLinePinchIsFoundAsTheDesignFindsIt) {
    const auto table = EthanolWater();
    struct Case {
        CaseTexts fields;
        const DenseTables* table;
    };
    const Case cases[] = {
        {{}, nullptr},
        {{.q = "1"}, nullptr},
        {{.q = "0"}, nullptr},
        {{.q = "1.5", .zF = "0.3"}, nullptr},
        {{.q = "0.6", .zF = "0.3", .xD = "0.8", .xB = "0.02"}, table.get()},
        {{.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02"}, table.get()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("q " + c.fields.q + (c.table ? ", table" : ", alpha"));
        const DesignOutcome o = Solve(c.fields, c.table);
        ASSERT_TRUE(o.slopeComputed);
        const std::optional<QLinePinch> p = FindQLinePinch(o.inputs, o.model);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->xm, o.xm);
        EXPECT_EQ(p->ym, o.ym);
        EXPECT_EQ(p->s, o.MinRefluxSlope);
        // The same case rejected at its first check (R = 0) gets the same true minimum.
        CaseTexts rejected = c.fields;
        rejected.R = "0";
        const ColumnAnalysis before =
            AnalyseColumn(Solve(rejected, c.table), {.rnCurve = false, .murphreeE = {}});
        const ColumnAnalysis after = AnalyseColumn(o, {.rnCurve = false, .murphreeE = {}});
        ASSERT_TRUE(before.computable);
        EXPECT_EQ(before.minimum.RminTrue, after.minimum.RminTrue);
    }
}
