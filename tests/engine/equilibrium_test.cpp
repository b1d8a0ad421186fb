// Both equilibrium models, the dense build and its failure paths.
#include <gtest/gtest.h>

#include <cmath>

#include "equilibrium.h"

using namespace zorvek;

namespace {

EquilibriumTable MakeTable(std::initializer_list<std::pair<double, double>> points) {
    EquilibriumTable t;
    int i = 0;
    for (auto [x, y] : points) {
        t.x[i] = x;
        t.y[i] = y;
        ++i;
    }
    t.LastPointIndex = i - 1;
    return t;
}

} // namespace

TEST(Equilibrium, ConstantVolatilityFormulas) {
    FailureRecord f;
    const EquilibriumModel m{false, 2.0, nullptr};
    EXPECT_DOUBLE_EQ(m.EquilibriumY(0.5, f), 2.0 / 3);
    EXPECT_DOUBLE_EQ(m.EquilibriumX(2.0 / 3, f), 0.5);
    EXPECT_EQ(m.EquilibriumY(0, f), 0);
    EXPECT_EQ(m.EquilibriumY(1, f), 1);
    EXPECT_FALSE(f.Failed());
    // y = alpha / (alpha - 1) makes the denominator of x(y) zero: the value stays as it was.
    EXPECT_EQ(m.EquilibriumX(2, f, 0.7), 0.7);
    EXPECT_EQ(f.First().number, kDivisionByZero);
}

TEST(Equilibrium, DenseIndexRoundsHalfToEven) {
    EXPECT_EQ(DenseIndex(0.0125), 12);
    EXPECT_EQ(DenseIndex(0.0135), 14);
    EXPECT_EQ(DenseIndex(0.5), 500);
    EXPECT_EQ(DenseIndex(-0.0004), 0);
}

TEST(Equilibrium, SingleInteriorPointGivesConstantVolatility) {
    DenseTables d;
    FailureRecord f;
    ASSERT_TRUE(CrearSuperTABLA_ELV(MakeTable({{0, 0}, {0.5, 0.7}, {1, 1}}), d, f));
    EXPECT_FALSE(f.Failed());
    EXPECT_NEAR(d.DenseY[250], 0.4375, 1e-12);
    const double alpha = 0.7 * 0.5 / (0.5 * 0.3);
    for (int k = 0; k <= 1000; k += 37) {
        const double v = k / 1000.0;
        EXPECT_NEAR(d.DenseY[k], v * alpha / (v * (alpha - 1) + 1), 1e-12) << k;
        EXPECT_NEAR(d.DenseX[k], v / (alpha + v * (1 - alpha)), 1e-12) << k;
    }
    EXPECT_EQ(d.DenseY[0], 0);
    EXPECT_EQ(d.DenseX[0], 0);
    EXPECT_EQ(d.DenseY[1000], 1);
    EXPECT_EQ(d.DenseX[1000], 1);
}

TEST(Equilibrium, DefaultTableReproducesAlphaTwo) {
    EquilibriumTable t = DefaultEquilibriumTable();
    EXPECT_EQ(t.LastPointIndex, -1);
    EXPECT_EQ(t.x[20], 1);
    EXPECT_NEAR(t.y[1], 0.0952380952380952, 1e-15);
    EXPECT_EQ(t.x[21], -1);
    t.LastPointIndex = 20;
    DenseTables d;
    FailureRecord f;
    ASSERT_TRUE(CrearSuperTABLA_ELV(t, d, f));
    const EquilibriumModel table{true, 0, &d}, formula{false, 2, nullptr};
    for (int k = 0; k <= 1000; ++k) {
        const double v = k / 1000.0;
        ASSERT_NEAR(d.DenseY[k], formula.EquilibriumY(v, f), 1e-12) << k;
        ASSERT_NEAR(d.DenseX[k], formula.EquilibriumX(v, f), 1e-12) << k;
    }
    EXPECT_EQ(table.EquilibriumY(0.0125, f), d.DenseY[12]);
    EXPECT_EQ(table.EquilibriumX(0.0135, f), d.DenseX[14]);
    EXPECT_FALSE(f.Failed());
}

TEST(Equilibrium, CloseTablePointsShareIndicesAndLaterSegmentWins) {
    DenseTables a, b;
    FailureRecord f;
    // Points 0.5 and 0.5003 both round to index 500 (half up at the segment ends).
    ASSERT_TRUE(CrearSuperTABLA_ELV(MakeTable({{0, 0}, {0.5, 0.6}, {0.5003, 0.7}, {1, 1}}), a, f));
    ASSERT_TRUE(CrearSuperTABLA_ELV(MakeTable({{0, 0}, {0.5003, 0.7}, {1, 1}}), b, f));
    EXPECT_EQ(a.DenseY[500], b.DenseY[500]);
}

TEST(Equilibrium, TableLookupOutsideTheDenseRangeFails) {
    DenseTables d;
    d.DenseY.fill(0.25);
    const EquilibriumModel m{true, 0, &d};
    const struct {
        double arg;
        int failure;
    } cases[] = {
        {1.0005, 0}, {1.0006, kSubscriptOutOfRange}, {-0.0006, kSubscriptOutOfRange}, {1e300, kOverflow}};
    for (const auto& c : cases) {
        FailureRecord f;
        EXPECT_EQ(m.EquilibriumY(c.arg, f, -7), c.failure ? -7 : 0.25) << c.arg;
        EXPECT_EQ(f.First().number, c.failure) << c.arg;
    }
}

TEST(Equilibrium, BuildOfOnlyEndPointsIsRefusedAndLeavesTablesUntouched) {
    DenseTables d;
    d.DenseY.fill(0.125);
    d.DenseX.fill(0.125);
    const DenseTables before = d;
    FailureRecord f;
    EXPECT_FALSE(CrearSuperTABLA_ELV(MakeTable({{0, 0}, {1, 1}}), d, f));
    EXPECT_TRUE(f.Failed());
    EXPECT_EQ(d.DenseY, before.DenseY);
    EXPECT_EQ(d.DenseX, before.DenseX);
}

TEST(Equilibrium, BuildStopsAtAFailingOperationKeepingWrittenEntries) {
    DenseTables d;
    d.DenseY.fill(-5);
    FailureRecord f;
    // Equal x in two points: the interpolation divides by zero in the second segment.
    EXPECT_FALSE(CrearSuperTABLA_ELV(MakeTable({{0, 0}, {0.3, 0.4}, {0.3, 0.5}, {1, 1}}), d, f));
    EXPECT_EQ(f.First().number, kDivisionByZero);
    EXPECT_NE(d.DenseY[100], -5); // first segment written
    EXPECT_EQ(d.DenseY[700], -5); // never reached
}

TEST(FailureRecord, CheckedOperationsKeepTheTarget) {
    FailureRecord f;
    double v = 3;
    EXPECT_FALSE(f.Divide(v, 1, 0));
    EXPECT_FALSE(f.Assign(v, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(f.SquareRoot(v, -1));
    EXPECT_EQ(v, 3);
    EXPECT_EQ(f.First().number, kDivisionByZero); // the first failure is kept
    FailureRecord g;
    EXPECT_FALSE(g.Divide(v, 1e308, 1e-308));
    EXPECT_EQ(g.First().number, kOverflow);
    EXPECT_TRUE(g.SquareRoot(v, 6.25));
    EXPECT_EQ(v, 2.5);
}

TEST(FailureRecord, MessageInBothLanguages) {
    EXPECT_EQ(FailureMessage({11}, "ENG"), "ERROR: Nº =  11 - Division by zero");
    EXPECT_EQ(FailureMessage({11}, "ESP"), "ERROR: Nº =  11 - División por cero");
    EXPECT_EQ(FailureMessage({9}, "ENG"), "ERROR: Nº =  9 - Subscript out of range");
    EXPECT_EQ(FailureMessage({6}, "ESP"), "ERROR: Nº =  6 - Desbordamiento");
    EXPECT_EQ(FailureMessage({5}, "ENG"), "ERROR: Nº =  5 - Invalid procedure call or argument");
    EXPECT_EQ(FailureDescription(11, "FRA"), "");
}
