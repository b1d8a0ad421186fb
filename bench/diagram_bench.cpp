// Speed of one Calcular with its drawing: on a 1000 x 800 screen diagram and on the 700 x 700 report
// image (goal: at most 2 ms median each).
#include <QApplication>
#include <benchmark/benchmark.h>

#include "diagramview.h"
#include "formmain.h"
#include "imagecanvas.h"
#include "mccabediagram.h"

namespace {

zorvek::FormMain& Window() {
    static zorvek::FormMain* window = [] {
        auto* w = new zorvek::FormMain;
        w->Picture1->resize(1000, 800);
        return w;
    }();
    return *window;
}

void CalcularOnScreenDiagram(benchmark::State& state) {
    zorvek::FormMain& w = Window();
    for (auto _ : state) {
        w.Calcular(zorvek::FormMain::Canvas::Picture1);
        benchmark::DoNotOptimize(w.Picture1->Image().bits());
    }
    state.counters["width"] = w.Picture1->Image().width();
    state.counters["height"] = w.Picture1->Image().height();
}
BENCHMARK(CalcularOnScreenDiagram)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void CalcularOnReportImage(benchmark::State& state) {
    zorvek::FormMain& w = Window();
    for (auto _ : state) {
        w.Calcular(zorvek::FormMain::Canvas::Picture4);
        benchmark::DoNotOptimize(w.Picture4.bits());
    }
}
BENCHMARK(CalcularOnReportImage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The two halves apart: the engine's solution, and the drawing of a solved case.
void EngineOnly(benchmark::State& state) {
    const zorvek::CaseTexts texts;
    const zorvek::CalcSettings settings;
    for (auto _ : state) benchmark::DoNotOptimize(zorvek::Calcular(texts, settings));
}
BENCHMARK(EngineOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void DrawingOnly(benchmark::State& state) {
    zorvek::FormMain& w = Window();
    const zorvek::DesignOutcome outcome = zorvek::Calcular({}, {});
    QImage image(1000, 800, QImage::Format_RGB32);
    zorvek::DiagramOptions options;
    options.AxisTitleX = w.AxisTitleX;
    options.AxisTitleY = w.AxisTitleY;
    for (auto _ : state) {
        zorvek::ImageCanvas canvas(image, zorvek::CanvasIdentity::Picture4, w.Picture1->font());
        zorvek::DrawDiagram(canvas, outcome, options);
    }
}
BENCHMARK(DrawingOnly)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
