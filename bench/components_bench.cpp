// The components dialog's live preview: one keystroke in the pressure field (equilibrium, texts and
// both pictures redrawn) on the real widgets, offscreen.
#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

#include "formcomponents.h"
#include "thermodata.h"

using namespace zorvek;

static void PreviewOneKeystroke(benchmark::State& state, const char* a, const char* b) {
    const thermo::DataReadResult read = thermo::ReadThermoDataFile(ZORVEK_THERMO_DATA_FILE);
    FormComponents dialog(read.data);
    dialog.PickByNames(a, b);
    dialog.show();
    int n = 0;
    for (auto _ : state) {
        dialog.TextPressure->setText(++n % 2 ? "1.1" : "1"); // recomputes and redraws
        if (!dialog.Result().table.size()) state.SkipWithError("no table");
    }
}
BENCHMARK_CAPTURE(PreviewOneKeystroke, NrtlEthanolWater, "ethanol", "water")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PreviewOneKeystroke, UnifacTolueneAniline, "toluene", "aniline")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
