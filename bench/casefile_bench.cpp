// Case files and the table editor: composing and reading a whole *.mct case, and refreshing the
// editor's 12 rows as a scroll or wheel step does. Each should stay far below what a user can notice.
#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include "casefile.h"
#include "formxyinput.h"

using namespace zorvek;

namespace {

EquilibriumTable FullTable() {
    EquilibriumTable t;
    for (int i = 0; i < kTableSlots; ++i) {
        t.x[i] = i / 99.0;
        t.y[i] = 2.5 * t.x[i] / (1 + 1.5 * t.x[i]);
    }
    t.LastPointIndex = kTableSlots - 1;
    return t;
}

CaseFieldTexts Fields() {
    // In CaseField order: A, B, ALPHA, Q, ZF, XB, XD, R, E.
    return {"Metanol", "Agua", "2", "0.5", "0.46", "0.17", "0.85", "3", "1.0"};
}

void BM_CaseFileText(benchmark::State& state) {
    const EquilibriumTable table = FullTable();
    const CaseFieldTexts fields = Fields();
    for (auto _ : state) benchmark::DoNotOptimize(CaseFileText(fields, CaseModel::Table, table));
}
BENCHMARK(BM_CaseFileText);

void BM_ReadCaseText(benchmark::State& state) {
    const std::string text = CaseFileText(Fields(), CaseModel::Table, FullTable());
    for (auto _ : state) benchmark::DoNotOptimize(ReadCaseText(text, "ENG"));
}
BENCHMARK(BM_ReadCaseText);

void BM_EditorScrollStep(benchmark::State& state) {
    FormXYinput editor;
    editor.Load(FullTable(), "Metanol", "Agua");
    int value = 0;
    for (auto _ : state) {
        value = (value + 1) % 88;
        editor.VScroll1->setValue(value); // refreshes the 12 rows
    }
}
BENCHMARK(BM_EditorScrollStep);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
