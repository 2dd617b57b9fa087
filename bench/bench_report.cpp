// Laying out a 3,000-entry address book in three columns with fixed font
// metrics, against a baseline that only fills the bands per record (what the
// report form does without any layout).
#include "ReportBenchData.h"
#include "report/FixedFontMetrics.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

void BM_FillRecordsOnly(benchmark::State& state) {
    TBenchAddressBook book;
    for (auto _ : state) {
        book.Next = 0;
        int records = 0;
        while (book.NeedData())
            ++records;
        benchmark::DoNotOptimize(records);
    }
}
BENCHMARK(BM_FillRecordsOnly)->Unit(benchmark::kMillisecond);

void BM_LayoutAddressBook(benchmark::State& state) {
    TBenchAddressBook book;
    TFixedFontMetrics metrics;
    size_t pages = 0;
    for (auto _ : state) {
        auto laidOut = book.Report.Layout(metrics);
        pages = laidOut.size();
        benchmark::DoNotOptimize(laidOut.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
    // Time per page: the iteration time divided by the pages.
    state.counters["per_page"] =
        benchmark::Counter(static_cast<double>(pages) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LayoutAddressBook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
