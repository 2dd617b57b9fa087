// The address book of bench_report with the desktop's fonts: laid out with
// Qt's font metrics, drawn into a PDF, and both together (what the user waits
// for), against drawing already laid-out pages.
#include "ReportBenchData.h"
#include "report/ui/QtFontMetrics.h"
#include "report/ui/QtReportPrinter.h"
#include "report/ui/ReportPainter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

void BM_LayoutWithQtMetrics(benchmark::State& state) {
    TBenchAddressBook book;
    TQtFontMetrics metrics;
    size_t pages = 0;
    for (auto _ : state) {
        auto laidOut = book.Report.Layout(metrics);
        pages = laidOut.size();
        benchmark::DoNotOptimize(laidOut.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["per_page"] =
        benchmark::Counter(static_cast<double>(pages) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LayoutWithQtMetrics)->Unit(benchmark::kMillisecond);

void BM_DrawLaidOutPagesToPdf(benchmark::State& state) {
    TBenchAddressBook book;
    TQtFontMetrics metrics;
    auto pages = book.Report.Layout(metrics);
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setResolution(TQtFontMetrics::kResolution);
            writer.setPageLayout(TQtReportPrinter::PageLayoutOf(book.Report));
            QPainter painter(&writer);
            for (size_t i = 0; i < pages.size(); ++i) {
                if (i > 0) writer.newPage();
                TReportPainter::Paint(painter, pages[i]);
            }
        }
        benchmark::DoNotOptimize(bytes.size());
    }
}
BENCHMARK(BM_DrawLaidOutPagesToPdf)->Unit(benchmark::kMillisecond);

void BM_AddressBookToPdf(benchmark::State& state) {
    TBenchAddressBook book;
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
