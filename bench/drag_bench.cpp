// Speed of one drag step on the real window (offscreen): a mouse move on a point marker or a slider
// cursor that rewrites a field, recomputes the design and repaints a 1000 x 800 diagram. A drag keeps
// up with a 120 Hz pointer when a step takes at most 5 ms. The same with the analysis window open (the
// whole analysis recomputed, its fields and 100-point R-N chart repainted), and with the three diagram
// overlays on as well.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

#include "appstate.h"
#include "diagramview.h"
#include "formanalysis.h"
#include "formmain.h"

using namespace zorvek;

namespace {

std::unique_ptr<FormMain> DiagramOf1000x800() {
    auto form = std::make_unique<FormMain>();
    form->show();
    for (int n = 0; n < 3 && form->Picture1->size() != QSize(1000, 800); ++n) {
        form->resize(form->width() + 1000 - form->Picture1->width(),
                     form->height() + 800 - form->Picture1->height());
        QCoreApplication::processEvents();
    }
    return form;
}

void Send(QWidget* control, QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, control->mapFromGlobal(QPointF(global)), QPointF(global), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
}

enum class Beside { Nothing, Analysis, AnalysisAndOverlays };

// Drags `control` back and forth by `step` pixels horizontally, one move per iteration, each followed
// by a synchronous repaint of the diagram (and of the analysis window when it is open).
void DragSteps(benchmark::State& state, QWidget* (*controlOf)(FormMain&), int step,
               Beside beside = Beside::Nothing) {
    auto form = DiagramOf1000x800();
    if (form->Picture1->size() != QSize(1000, 800)) {
        state.SkipWithError("the diagram could not be sized 1000 x 800");
        return;
    }
    FormAnalysis* analysis = nullptr;
    if (beside != Beside::Nothing) {
        form->mnu_Analisis_VENTANA->trigger();
        analysis = form->frmAnalisis;
        analysis->resize(1120, 580);
    }
    if (beside == Beside::AnalysisAndOverlays)
        for (QAction* a : {form->mnu_Ver_PINCH, form->mnu_Ver_TOTAL, form->mnu_Ver_MURPHREE}) a->trigger();
    QCoreApplication::processEvents();
    QWidget* control = controlOf(*form);
    const QPoint start = control->mapToGlobal(control->rect().center());
    Send(control, QEvent::MouseButtonPress, start, Qt::LeftButton);
    static constexpr int pattern[8] = {1, 2, 3, 4, 3, 2, 1, 0};
    int n = 0;
    for (auto _ : state) {
        const int offset = pattern[n++ % 8] * step;
        Send(control, QEvent::MouseMove, start + QPoint(offset, -offset / 2), Qt::LeftButton);
        form->Picture1->repaint();
        if (analysis) analysis->repaint(); // painted now rather than at the next event loop
    }
    Send(control, QEvent::MouseButtonRelease, start, Qt::NoButton);
    state.counters["diagram_px"] = form->Picture1->width() * form->Picture1->height();
}

void BM_DragFeedMarker(benchmark::State& state) {
    DragSteps(
        state, [](FormMain& f) -> QWidget* { return f.Label2[3]; }, 6);
}
BENCHMARK(BM_DragFeedMarker)->Unit(benchmark::kMillisecond);

void BM_DragQPointMarker(benchmark::State& state) {
    DragSteps(
        state, [](FormMain& f) -> QWidget* { return f.Label2[1]; }, 6);
}
BENCHMARK(BM_DragQPointMarker)->Unit(benchmark::kMillisecond);

void BM_DragRefluxSlider(benchmark::State& state) {
    DragSteps(
        state, [](FormMain& f) -> QWidget* { return f.Image2[4]; }, 3);
}
BENCHMARK(BM_DragRefluxSlider)->Unit(benchmark::kMillisecond);

void BM_DragFeedMarkerAnalysisOpen(benchmark::State& state) {
    DragSteps(
        state, [](FormMain& f) -> QWidget* { return f.Label2[3]; }, 6, Beside::Analysis);
}
BENCHMARK(BM_DragFeedMarkerAnalysisOpen)->Unit(benchmark::kMillisecond);

void BM_DragRefluxSliderAnalysisOpen(benchmark::State& state) {
    DragSteps(
        state, [](FormMain& f) -> QWidget* { return f.Image2[4]; }, 3, Beside::Analysis);
}
BENCHMARK(BM_DragRefluxSliderAnalysisOpen)->Unit(benchmark::kMillisecond);

void BM_DragRefluxSliderAnalysisAndOverlays(benchmark::State& state) {
    DragSteps(
        state, [](FormMain& f) -> QWidget* { return f.Image2[4]; }, 3, Beside::AnalysisAndOverlays);
}
BENCHMARK(BM_DragRefluxSliderAnalysisAndOverlays)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    appState().UiLanguage = "ENG";
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
