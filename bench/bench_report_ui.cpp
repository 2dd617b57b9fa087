// The address book of bench_report with the desktop's fonts: laid out with
// Qt's font metrics, drawn into a PDF, and both together (what the user waits
// for), against drawing already laid-out pages.
#include "LayoutBench.h"
#include "SampleAddressBook.h"
#include "report/ui/QtFontMetrics.h"
#include "report/ui/QtReportPrinter.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_LayoutWithQtMetrics(benchmark::State& state) {
    TSampleAddressBook book;
    TQtFontMetrics metrics;
    MeasureLayout(state, book.Report, metrics);
}
BENCHMARK(BM_LayoutWithQtMetrics)->Unit(benchmark::kMillisecond);

void BM_DrawLaidOutPagesToPdf(benchmark::State& state) {
    TSampleAddressBook book;
    TQtFontMetrics metrics;
    auto pages = book.Report.Layout(metrics);
    for (auto _ : state)
        benchmark::DoNotOptimize(TQtReportPrinter::DrawPdf(book.Report, pages).size());
}
BENCHMARK(BM_DrawLaidOutPagesToPdf)->Unit(benchmark::kMillisecond);

void BM_AddressBookToPdf(benchmark::State& state) {
    TSampleAddressBook book;
    TQtReportPrinter printer;
    qsizetype size = 0;
    for (auto _ : state)
        size = printer.PdfDocument(book.Report).size();
    state.counters["pdf_kb"] = static_cast<double>(size) / 1024;
}
BENCHMARK(BM_AddressBookToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
