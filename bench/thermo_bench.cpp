// The equilibrium from components: one generated 41-point table with its T-x-y curve and azeotrope scan
// (what the components dialog computes on every change and zorvek-cli --system on every run), for NRTL
// and UNIFAC; the pickers' filter on one keystroke; reading the data file.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "lookup.h"
#include "thermodata.h"
#include "vle.h"

using namespace zorvek::thermo;

namespace {

const ThermoData& Data() {
    static const DataReadResult read = ReadThermoDataFile(ZORVEK_THERMO_DATA_FILE);
    return *read.data;
}

void Table41(benchmark::State& state, const char* a, const char* b, ModelChoice model, int curvePoints) {
    VleRequest request;
    request.first = FindComponent(Data(), a).index;
    request.second = FindComponent(Data(), b).index;
    request.model = model;
    request.tablePoints = 41;
    request.curvePoints = curvePoints;
    for (auto _ : state) {
        VleResult r = SolveVle(Data(), request);
        if (r.status != VleStatus::Ok || r.table.size() != 41) state.SkipWithError("no table");
        benchmark::DoNotOptimize(r);
    }
}

} // namespace

// The dialog's and the CLI's work: 41 table points, a 101-point T-x-y scan and the azeotrope refinement.
BENCHMARK_CAPTURE(Table41, NrtlEthanolWater, "ethanol", "water", ModelChoice::Nrtl, 101)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Table41, UnifacEthanolWater, "ethanol", "water", ModelChoice::Unifac, 101)
    ->Unit(benchmark::kMicrosecond);
// Six distinct subgroups: among the larger UNIFAC pairs of the library.
BENCHMARK_CAPTURE(Table41, UnifacTolueneAniline, "toluene", "aniline", ModelChoice::Unifac, 101)
    ->Unit(benchmark::kMicrosecond);
// The table alone with the coarsest azeotrope scan (11 points).
BENCHMARK_CAPTURE(Table41, NrtlEthanolWaterCoarseScan, "ethanol", "water", ModelChoice::Nrtl, 11)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Table41, UnifacEthanolWaterCoarseScan, "ethanol", "water", ModelChoice::Unifac, 11)
    ->Unit(benchmark::kMicrosecond);

static void BM_SearchOneKeystroke(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(SearchComponents(Data(), "eta", "ESP"));
}
BENCHMARK(BM_SearchOneKeystroke)->Unit(benchmark::kMicrosecond);

static void BM_ParseDataFile(benchmark::State& state) {
    std::ifstream in(ZORVEK_THERMO_DATA_FILE, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : state) benchmark::DoNotOptimize(ParseThermoData(text));
}
BENCHMARK(BM_ParseDataFile)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
