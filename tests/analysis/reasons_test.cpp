// A reason for every case the design rejects, in both languages, next to the unchanged error line:
// the reflux below a tangent pinch, specifications beyond an azeotrope, the feed outside the column.
#include <map>

#include "analysisfixture.h"
#include "reasons.h"

using namespace analysis_test;

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

TEST(Reasons, EthanolWaterAtRefluxOneIsBelowTheTangentPinch) {
    const auto table = EthanolWater();
    const DesignOutcome o =
        Solve({.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02", .R = "1.0"}, table.get());
    // The error line keeps the design's own message.
    EXPECT_EQ(o.error, "ERROR: Unable to calculate the number of theoretical plates");
    const ColumnAnalysis a = AnalyseColumn(o);
    EXPECT_TRUE(Has(a.reasonENG, "below the true minimum reflux ratio 1.07")) << a.reasonENG;
    EXPECT_TRUE(Has(a.reasonENG, "tangent pinch of the enriching operating line at x = 0.6")) << a.reasonENG;
    EXPECT_TRUE(Has(a.reasonENG, "crosses the equilibrium curve at x = ")) << a.reasonENG;
    EXPECT_TRUE(Has(a.reasonESP, "menor que la relación de reflujo mínima real 1.07")) << a.reasonESP;
    EXPECT_TRUE(Has(a.reasonESP, "corta la curva de equilibrio")) << a.reasonESP;
    EXPECT_EQ(a.noteENG, "");
    // The numbers follow the decimal symbol.
    const ColumnAnalysis comma = AnalyseColumn(
        o, {.rnCurve = false, .rnPoints = 100, .drawing = false, .murphreeE = {}, .DecimalSymbol = ","});
    EXPECT_TRUE(Has(comma.reasonENG, "ratio 1,07")) << comma.reasonENG;
}

TEST(Reasons, SpecificationsBeyondAnAzeotrope) {
    const auto azeotrope = AzeotropeTable();
    const auto ethanolWater = EthanolWater();
    // The azeotrope table mirrored (x, y) -> (1 - y, 1 - x): its azeotrope at 0.11, below the feed.
    std::map<double, double> mirrored;
    for (double x : Grid(0.05, 0.97, 0.02)) mirrored[1 - AzeotropeAt089(x)] = 1 - x;
    std::vector<double> xs;
    for (const auto& point : mirrored) xs.push_back(point.first);
    const auto low = DenseOf(xs, [&](double x) { return mirrored.at(x); });
    struct Case {
        CaseTexts fields;
        const DenseTables* table;
        std::string eng, esp;
    };
    const Case cases[] = {
        {{.q = "1", .zF = "0.5", .xD = "0.95", .xB = "0.05", .R = "3"},
         azeotrope.get(),
         "The distillate specification xD = 0.95 lies beyond the azeotrope of the table at x = 0.89",
         "La especificación del destilado xD = 0.95 queda más allá del azeótropo de la tabla en x = 0.89"},
        {{.q = "1", .zF = "0.89", .xD = "0.95", .xB = "0.05", .R = "3"},
         azeotrope.get(),
         "beyond the azeotrope of the table at x = 0.89",
         "más allá del azeótropo de la tabla en x = 0.89"},
        {{.q = "1", .zF = "0.3", .xD = "0.95", .xB = "0.02", .R = "5"},
         ethanolWater.get(),
         "The distillate specification xD = 0.95 lies beyond the azeotrope of the table at x = 0.8",
         "La especificación del destilado xD = 0.95 queda más allá del azeótropo"},
        {{.q = "1", .zF = "0.5", .xD = "0.95", .xB = "0.05", .R = "3"},
         low.get(),
         "The bottoms specification xB = 0.05 lies beyond the azeotrope of the table at x = 0.11",
         "La especificación de fondos xB = 0.05 queda más allá del azeótropo de la tabla en x = 0.11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("zF " + c.fields.zF + ", xD " + c.fields.xD);
        const DesignOutcome o = Solve(c.fields, c.table);
        ASSERT_EQ(o.reached, Reached::Curve) << o.error;
        const ColumnAnalysis a = AnalyseColumn(o);
        ASSERT_FALSE(a.azeotropes.empty());
        EXPECT_TRUE(Has(a.reasonENG, c.eng)) << a.reasonENG;
        EXPECT_TRUE(Has(a.reasonESP, c.esp)) << a.reasonESP;
        EXPECT_FALSE(a.minimum.found); // no reflux ratio reaches past an azeotrope
    }
    EXPECT_NEAR(FindAzeotropes(Solve({}, azeotrope.get()).model).at(0), 0.89, 1e-12);
    EXPECT_TRUE(FindAzeotropes(Solve({}).model).empty()); // constant alpha above 1 has none
}

TEST(Reasons, EveryStepOfTheDesignThatRejectsACaseIsExplained) {
    const auto startUpTable = DenseOf(Grid(0.05, 0.95, 0.05), [](double x) { return 2 * x / (1 + x); });
    const auto ethanolWater = EthanolWater();
    struct Case {
        CaseTexts fields;
        const DenseTables* table;
        StopStep step;
        MessageId message; // the error line's message (unused for an arithmetic failure)
        std::string eng;   // a part of the English reason
        std::string esp;   // a part of the Spanish reason
    };
    using M = MessageId;
    using S = StopStep;
    const Case cases[] = {
        {{.R = "0"},
         nullptr,
         S::InputCheck,
         M::NegativeReflux,
         "must be greater than 0. The true minimum "
         "reflux ratio is 1.7882",
         "debe ser mayor que 0. La relación de reflujo mínima real es 1.7882"},
        {{.zF = "1.2"},
         nullptr,
         S::InputCheck,
         M::FeedOutOfRange,
         "zF = 1.2 must lie strictly between 0 and 1",
         "zF = 1.2 debe estar estrictamente entre 0 y 1"},
        {{.xD = "1"},
         nullptr,
         S::InputCheck,
         M::DistillateOutOfRange,
         "xD = 1 must lie",
         "xD = 1 debe estar"},
        {{.xB = "-0.1"},
         nullptr,
         S::InputCheck,
         M::BottomsOutOfRange,
         "xB = -0.1 must lie",
         "xB = -0.1 debe"},
        {{.alpha = "1"},
         nullptr,
         S::InputCheck,
         M::VolatilityOutOfRange,
         "alpha = 1 must be greater than 1",
         "alfa = 1 debe ser mayor que 1"},
        {{.alpha = "0.8"},
         startUpTable.get(),
         S::InputCheck,
         M::VolatilityOutOfRange,
         "hidden relative volatility field holds alpha = 0.8",
         "campo oculto de la volatilidad relativa"},
        {{.xB = "0.5"},
         nullptr,
         S::InputCheck,
         M::BottomsAboveFeed,
         "The feed lies outside the column's range",
         "La alimentación queda fuera del intervalo de la columna"},
        {{.zF = "0.9"},
         nullptr,
         S::InputCheck,
         M::FeedAboveDistillate,
         "feed composition zF = 0.9 must be below",
         "zF = 0.9 debe ser menor"},
        {{.E = "1.5"},
         nullptr,
         S::InputCheck,
         M::EfficiencyOutOfRange,
         "E = 1.5 must lie in 0 < E ≤ 1",
         "E = 1.5 debe cumplir 0 < E ≤ 1"},
        {{.q = "-3"},
         nullptr,
         S::NoQPoint,
         M::UnknownError,
         "runs parallel to the enriching operating line",
         "es paralela a la recta operativa de enriquecimiento"},
        {{.q = "-1", .R = "1.5"},
         nullptr,
         S::LinesCrossBelowBottoms,
         M::LinesCrossBelowBottoms,
         "R = 1.5 is too small. The true minimum reflux ratio is 3.9575",
         "R = 1.5 es demasiado pequeña"},
        {{.q = "1e-17"}, nullptr, S::NoQLinePinch, M::MinRefluxQuadratic, "Enter q = 0", "Escriba q = 0"},
        {{.R = "1.5"},
         nullptr,
         S::RefluxBelowMinimum,
         M::RefluxBelowMinimum,
         "R = 1.5 is not above the minimum of the q-line pinch, Rmin = 1.7882",
         "Rmin = 1.7882"},
        {{.q = "1", .xD = "0.5"},
         nullptr,
         S::NegativeMinimum,
         M::NegativeMinimumReflux,
         "already at least as rich as the distillate xD = 0.5",
         "ya es al menos tan rico como el destilado"},
        {{.q = "1", .zF = "0.3", .xD = "0.8", .xB = "0.02", .R = "1.075"},
         ethanolWater.get(),
         S::StageLimit,
         M::TooManyPlates,
         "the stages stop moving",
         "los escalones dejan de avanzar"},
        {{.q = "2", .zF = "0.98", .xD = "0.999", .xB = "0.5", .R = "100"},
         startUpTable.get(),
         S::ArithmeticFailure,
         M::InvalidData,
         "looked the table up beyond x = 1",
         "más allá de x = 1"},
    };
    for (const Case& c : cases) {
        for (const std::string lang : {"ENG", "ESP"}) {
            SCOPED_TRACE(lang + ": " + c.eng);
            const DesignOutcome o = Solve(c.fields, c.table, lang);
            const DesignStop stop = StopOf(o);
            EXPECT_EQ(stop.step, c.step);
            if (c.step == S::ArithmeticFailure)
                EXPECT_TRUE(Has(o.error, "ERROR: N")) << o.error;
            else
                EXPECT_EQ(o.error, Message(c.message, lang)); // found from the outcome, as the design said
            const ColumnAnalysis a = AnalyseColumn(o);
            EXPECT_TRUE(Has(a.reasonENG, c.eng)) << a.reasonENG;
            EXPECT_TRUE(Has(a.reasonESP, c.esp)) << a.reasonESP;
            EXPECT_EQ(a.noteENG, "");
        }
    }
}

TEST(Reasons, ASolvedCaseHasNoReason) {
    const ColumnAnalysis a = AnalyseColumn(Solve({}));
    EXPECT_EQ(a.reasonENG, "");
    EXPECT_EQ(a.reasonESP, "");
    EXPECT_EQ(a.noteENG, "");
    EXPECT_EQ(a.noteESP, "");
}
