// Speed of the worked-solution report: from "Ver informe" to the viewer process started (diagram on the
// report image, bitmap, JPEG, document, process start), and markview from opening a report to its
// first painted page.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <memory>

#include "appstate.h"
#include "files.h"
#include "formmain.h"
#include "reportfields.h"
#include "reportfiles.h"
#include "seams.h"
#include "viewertexts.h"
#include "viewerwindow.h"

namespace {

// The command as the button runs it; the viewer started is /bin/true, so the process start is counted
// but no window opens.
void ViewReportCommand(benchmark::State& state) {
    zorvek::appState().UiLanguage = "ENG";
    zorvek::FormMain form;
    form.show();
    form.Calcular();
    zorvek::seams().startDetached = [](const QString&, const QStringList&) {
        return QProcess::startDetached("/bin/true", {});
    };
    for (auto _ : state) form.CrearINFORME_HTFC();
    QDir(zorvek::TempFolder()).removeRecursively();
}
BENCHMARK(ViewReportCommand)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// markview: a new window opens the start-up report and paints its first page (offscreen).
void MarkviewFirstPage(benchmark::State& state) {
    zorvek::CalcSettings settings;
    const zorvek::DesignOutcome outcome = zorvek::Calcular(zorvek::CaseTexts{}, settings);
    const zorvek::ReportFields fields =
        zorvek::ReportFieldsFromOutcome(zorvek::CaseTexts{}, "Benzene", "Toluene", outcome, settings, -1);
    QImage diagram(700, 700, QImage::Format_RGB32);
    diagram.fill(Qt::white);
    const QString folder = QDir::tempPath() + "/zorvek_report_bench";
    const zorvek::ReportFilesResult files = zorvek::WriteReportFiles(folder, diagram, fields);
    if (!files.ok) {
        state.SkipWithError("report files not written");
        return;
    }
    for (auto _ : state) {
        markview::ViewerWindow window("ENG");
        QEventLoop loop;
        QObject::connect(&window, &markview::ViewerWindow::firstPagePainted, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        window.show();
        window.OpenReport(files.document);
        loop.exec();
    }
    QDir(folder).removeRecursively();
}
BENCHMARK(MarkviewFirstPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zorvek::installRealSeams();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
