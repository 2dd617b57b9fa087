// The whole import as the wizard and "merrowin-cli import" run it: a CSV of
// persons with address, phone and e-mail columns (its header choosing the
// fields) into one folder, and a bookmark page into its folder, at 5,000 and
// 20,000 lines or anchors. The complexity fit shows the growth; compare with
// bench_import_read for what the reading alone costs.
#include "ImportBenchData.h"
#include "exchange/jobs/ImportJob.h"
#include "shell/PlainServices.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

void Import(benchmark::State& state, TImportType type, const std::string& kind) {
    static TPlainServices services("");
    const int n = static_cast<int>(state.range(0));
    const std::string& path = ImportBenchFile(kind, n);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TContactStore>();
        TImportRequest r;
        r.Type = type;
        r.Path = path;
        r.Parent = CreateObject(kindFolder, "Imported", "", "", doc->Root(), "", 0).Node;
        r.Csv.Options.HeaderLine = true;
        state.ResumeTiming();
        TImportResult done = TImportJob(*doc).Run(r);
        state.PauseTiming();
        if (!done.Error.empty() || done.Created != n)
            state.SkipWithError("not every line imported");
        doc.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
    state.counters["per_line"] = benchmark::Counter(
        n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ImportJob_CsvPersons(benchmark::State& state) {
    Import(state, TImportType::Csv, "csv");
}
BENCHMARK(BM_ImportJob_CsvPersons)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_ImportJob_Bookmarks(benchmark::State& state) {
    Import(state, TImportType::Bookmarks, "bookmarks");
}
BENCHMARK(BM_ImportJob_Bookmarks)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
