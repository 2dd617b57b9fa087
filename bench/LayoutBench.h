#pragma once

#include "report/Report.h"

#include <benchmark/benchmark.h>

// Lays the report out once per iteration; counts its pages and the time per
// page ("per_page", the iteration time divided by the pages).
inline void MeasureLayout(benchmark::State& state, TReport& report, const IFontMetrics& metrics) {
    size_t pages = 0;
    for (auto _ : state) {
        auto laidOut = report.Layout(metrics);
        pages = laidOut.size();
        benchmark::DoNotOptimize(laidOut.data());
    }
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["per_page"] =
        benchmark::Counter(static_cast<double>(pages) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
