// Laying out a 3,000-entry address book in three columns with fixed font
// metrics, against a baseline that only fills the bands per record (what the
// report form does without any layout).
#include "LayoutBench.h"
#include "SampleAddressBook.h"
#include "report/FixedFontMetrics.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FillRecordsOnly(benchmark::State& state) {
    TSampleAddressBook book;
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
    TSampleAddressBook book;
    TFixedFontMetrics metrics;
    MeasureLayout(state, book.Report, metrics);
}
BENCHMARK(BM_LayoutAddressBook)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
