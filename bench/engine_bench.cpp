// Speed of the engine: the whole solve of the start-up case with its four listings in both models, and
// the dense build of the default 21-point table.
#include <benchmark/benchmark.h>

#include "design.h"
#include "equilibrium.h"
#include "tabletext.h"

using namespace zorvek;

namespace {

EquilibriumTable AcceptedDefaultTable() {
    return AcceptTable(DefaultEquilibriumTable(), "ENG").table;
}

void BM_SolveStartUpCaseAlpha(benchmark::State& state) {
    CalcSettings settings;
    settings.DecimalSymbol = ",";
    const CaseTexts fields;
    for (auto _ : state) {
        DesignOutcome o = Calcular(fields, settings);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_SolveStartUpCaseAlpha);

void BM_SolveStartUpCaseTable21(benchmark::State& state) {
    static DenseTables dense;
    FailureRecord failures;
    CrearSuperTABLA_ELV(AcceptedDefaultTable(), dense, failures);
    CalcSettings settings;
    settings.DecimalSymbol = ",";
    settings.TableMode = true;
    settings.dense = &dense;
    const CaseTexts fields;
    for (auto _ : state) {
        DesignOutcome o = Calcular(fields, settings);
        benchmark::DoNotOptimize(o);
    }
}
BENCHMARK(BM_SolveStartUpCaseTable21);

void BM_CrearSuperTABLA_ELV(benchmark::State& state) {
    static DenseTables dense;
    const EquilibriumTable table = AcceptedDefaultTable();
    for (auto _ : state) {
        FailureRecord failures;
        benchmark::DoNotOptimize(CrearSuperTABLA_ELV(table, dense, failures));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CrearSuperTABLA_ELV);

} // namespace

BENCHMARK_MAIN();
