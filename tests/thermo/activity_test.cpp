// The activity models obey the Gibbs-Duhem equation, x1 dln(gamma1) + x2 dln(gamma2) = 0 at constant T
// (checked numerically), reach the right limits at the ends, and do not depend on the order of the pair.
#include <gtest/gtest.h>

#include <cmath>

#include "activity.h"
#include "library.h"

namespace zorvek::thermo {

namespace {

ActivityModel ModelOf(ModelKind kind, const Component& a, const Component& b) {
    ActivityModel m;
    m.kind = kind;
    if (kind == ModelKind::Nrtl) m.nrtl = NrtlFor(Library(), a, b).value();
    if (kind == ModelKind::Unifac) m.unifac = UnifacFor(Library(), a, b).value();
    return m;
}

struct PairCase {
    const char* a;
    const char* b;
    ModelKind kind;
};

const PairCase kPairs[] = {
    {"ethanol", "water", ModelKind::Nrtl},        {"acetone", "chloroform", ModelKind::Nrtl},
    {"methanol", "benzene", ModelKind::Nrtl},     {"ethanol", "water", ModelKind::Unifac},
    {"acetone", "chloroform", ModelKind::Unifac}, {"n-hexane", "ethanol", ModelKind::Unifac},
    {"toluene", "aniline", ModelKind::Unifac},    {"acetic acid", "water", ModelKind::Unifac},
};

} // namespace

TEST(ActivityModels, ObeyGibbsDuhem) {
    for (const PairCase& c : kPairs) {
        const Component& a = Library().components[Index(c.a)];
        const Component& b = Library().components[Index(c.b)];
        const ActivityModel m = ModelOf(c.kind, a, b);
        for (double T : {300.0, 350.0, 400.0}) {
            for (double x : {0.05, 0.2, 0.5, 0.8, 0.95}) {
                const double h = 1e-5;
                double p1, p2, q1, q2, g1, g2;
                m.LnGamma(T, x + h, p1, p2);
                m.LnGamma(T, x - h, q1, q2);
                m.LnGamma(T, x, g1, g2);
                const double d1 = (p1 - q1) / (2 * h), d2 = (p2 - q2) / (2 * h);
                // Relative to the size of the slopes, so that steep and flat pairs are judged alike.
                const double scale = std::abs(x * d1) + std::abs((1 - x) * d2) + 1e-3;
                EXPECT_LT(std::abs(x * d1 + (1 - x) * d2) / scale, 1e-6)
                    << c.a << "/" << c.b << " T " << T << " x " << x;
                EXPECT_TRUE(std::isfinite(g1) && std::isfinite(g2));
            }
        }
    }
}

TEST(ActivityModels, PureLiquidIsIdealAndPairOrderDoesNotMatter) {
    for (const PairCase& c : kPairs) {
        const Component& a = Library().components[Index(c.a)];
        const Component& b = Library().components[Index(c.b)];
        const ActivityModel ab = ModelOf(c.kind, a, b), ba = ModelOf(c.kind, b, a);
        for (double x : {0.0, 0.3, 1.0}) {
            double g1, g2, r1, r2;
            ab.LnGamma(340, x, g1, g2);
            ba.LnGamma(340, 1 - x, r2, r1);
            EXPECT_NEAR(g1, r1, 1e-12) << c.a << "/" << c.b;
            EXPECT_NEAR(g2, r2, 1e-12) << c.a << "/" << c.b;
            if (x == 1.0) {
                EXPECT_NEAR(g1, 0, 1e-12) << c.a << "/" << c.b;
            }
            if (x == 0.0) {
                EXPECT_NEAR(g2, 0, 1e-12) << c.a << "/" << c.b;
            }
        }
    }
}

TEST(ActivityModels, IdealIsZeroAndNrtlFollowsItsDefinition) {
    ActivityModel ideal;
    double g1 = 1, g2 = 1;
    ideal.LnGamma(350, 0.4, g1, g2);
    EXPECT_EQ(g1, 0);
    EXPECT_EQ(g2, 0);
    // Infinite dilution of NRTL: ln gamma1 = tau21 + tau12 exp(-alpha tau12).
    ActivityModel nrtl;
    nrtl.kind = ModelKind::Nrtl;
    nrtl.nrtl = {500, 800, 0.3};
    const double T = 350, tau12 = 500 / (kGasConstantCal * T), tau21 = 800 / (kGasConstantCal * T);
    nrtl.LnGamma(T, 0.0, g1, g2);
    EXPECT_NEAR(g1, tau21 + tau12 * std::exp(-0.3 * tau12), 1e-12);
    EXPECT_EQ(g2, 0);
}

} // namespace zorvek::thermo
