// Speed of the column analysis: the whole analysis of the start-up case with a 100-point R-N curve,
// Murphree stepping and the overlay data (what the analysis window and the overlays need on every
// recomputation), the same in the table model, and the reason alone for a rejected case (what the error
// line's tooltip needs while the window is closed). Goal: the whole analysis within 300 us.
#include <benchmark/benchmark.h>

#include "columnanalysis.h"
#include "design.h"
#include "equilibrium.h"
#include "tabletext.h"

using namespace zorvek;

namespace {

const AnalysisOptions kWindowOpen{.rnCurve = true, .rnPoints = 100, .drawing = true, .murphreeE = 0.7};

void BM_AnalyseStartUpCaseAlpha(benchmark::State& state) {
    const DesignOutcome o = Calcular({}, CalcSettings{});
    for (auto _ : state) {
        ColumnAnalysis a = AnalyseColumn(o, kWindowOpen);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_AnalyseStartUpCaseAlpha)->Unit(benchmark::kMicrosecond);

void BM_AnalyseStartUpCaseTable21(benchmark::State& state) {
    static DenseTables dense;
    FailureRecord failures;
    CrearSuperTABLA_ELV(AcceptTable(DefaultEquilibriumTable(), "ENG").table, dense, failures);
    CalcSettings settings;
    settings.TableMode = true;
    settings.dense = &dense;
    const DesignOutcome o = Calcular({}, settings);
    for (auto _ : state) {
        ColumnAnalysis a = AnalyseColumn(o, kWindowOpen);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_AnalyseStartUpCaseTable21)->Unit(benchmark::kMicrosecond);

void BM_ReasonOfARejectedCase(benchmark::State& state) {
    CaseTexts fields;
    fields.R = "1.5"; // below the minimum
    const DesignOutcome o = Calcular(fields, CalcSettings{});
    const AnalysisOptions reasonOnly{.rnCurve = false, .rnPoints = 0, .drawing = false, .murphreeE = {}};
    for (auto _ : state) {
        ColumnAnalysis a = AnalyseColumn(o, reasonOnly);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_ReasonOfARejectedCase)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
