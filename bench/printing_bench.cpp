// Speed of the printed pages: the start-up case's two pages written as a PDF into memory, and a job
// of many collated copies (each copy repeats both pages, so the time per page is what counts).
#include <QBuffer>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "casepages.h"
#include "pdfexport.h"

namespace {

void PdfPages(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    const zorvek::PageSource source = zorvek::CasePageSource(zorvek::PrintableCase{});
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            const auto device = zorvek::PdfPageDevice(&buffer, "bench");
            benchmark::DoNotOptimize(zorvek::PrintPages(*device, source, copies, true));
        }
        bytes = buffer.size();
    }
    state.counters["pages"] = 2.0 * copies;
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(PdfPages)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
