// Reading the files an import takes: a CSV of persons at 5,000 and 20,000
// lines (each row mapped onto a person's fields through its header), and a
// bookmark page of 5,000 and 20,000 anchors. Each against a baseline that
// only splits the same file into lines, so the figures read as ratios; the
// complexity fit shows the growth.
#include "ImportBenchData.h"
#include "exchange/BookmarkPage.h"
#include "exchange/CsvColumns.h"
#include "exchange/CsvReader.h"
#include "platform/FileIO.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Baseline_SplitLines(benchmark::State& state, const std::string& kind) {
    const std::string& path = ImportBenchFile(kind, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string text = fileio::ReadFile(path);
        size_t lines = 0;
        for (size_t pos = 0; pos < text.size();) {
            size_t end = text.find('\n', pos);
            std::string line = text.substr(pos, end == std::string::npos ? end : end - pos);
            lines += !line.empty();
            pos = end == std::string::npos ? text.size() : end + 1;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetComplexityN(state.range(0));
}

void BM_ReadCsvPersons(benchmark::State& state) {
    const std::string& path = ImportBenchFile("csv", static_cast<int>(state.range(0)));
    const auto& fields = CsvRecordTypes()[0].Fields;
    for (auto _ : state) {
        TCsvReader csv = TCsvReader::Open(path, {TSeparator::Comma, "", true});
        TCsvColumnMap map(csv.Header(), fields);
        const auto chosen = map.Fields();
        std::vector<std::string> values, names;
        size_t rows = 0;
        for (TCsvRow row; csv.Next(row); ++rows)
            map.Select(row.Values, chosen, values, names);
        if (rows != static_cast<size_t>(state.range(0))) state.SkipWithError("rows lost");
    }
    state.SetComplexityN(state.range(0));
}

void BM_ReadBookmarkPage(benchmark::State& state) {
    const std::string& path = ImportBenchFile("bookmarks", static_cast<int>(state.range(0)));
    for (auto _ : state) {
        TBookmarkPage page = ReadBookmarkPage(path);
        if (page.Anchors().size() != static_cast<size_t>(state.range(0)))
            state.SkipWithError("anchors lost");
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK_CAPTURE(BM_Baseline_SplitLines, csv, std::string("csv"))
    ->Arg(5000)
    ->Arg(20000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCsvPersons)
    ->Arg(5000)
    ->Arg(20000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Baseline_SplitLines, bookmarks, std::string("bookmarks"))
    ->Arg(5000)
    ->Arg(20000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadBookmarkPage)
    ->Arg(5000)
    ->Arg(20000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
