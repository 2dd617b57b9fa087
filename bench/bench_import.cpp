// Importing persons into one folder through ImportColumns, as the import of a
// comma-separated file does: with an update scope the folder is sorted once
// at its end, so the import grows linearly; without one every new title
// sorts all siblings again (shown on smaller counts for comparison).
#include "shell/PlainServices.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kColumns = {"First Name",     "Last Name",   "Address Line 1",
                                           "City",           "Postal Code", "Phone Number",
                                           "E-Mail Address", "Comment"};

// Rows in no particular order of their names, so the sort has work to do.
std::vector<std::vector<std::string>> Rows(int count) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<size_t>(count));
    unsigned x = 12345;
    for (int i = 0; i < count; ++i) {
        x = x * 1103515245u + 12345u;
        const std::string n = std::to_string(x % 1000003u);
        rows.push_back({"Ann" + n, "Lee" + std::to_string(i), n + " High Street", "Leeds",
                        "LS1 4AB", "555 " + n, "ann" + n + "@example.com", "met at the fair"});
    }
    return rows;
}

void Import(benchmark::State& state, bool scoped) {
    static TPlainServices services("");
    const int count = static_cast<int>(state.range(0));
    const auto rows = Rows(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TContactStore>();
        TTreeNode* folder =
            CreateObject(kindFolder, "Imported", "", "", doc->Root(), "{Fold}0", 0).Node;
        auto work = rows;
        state.ResumeTiming();
        {
            std::optional<TContactStore::TUpdate> scope;
            if (scoped) scope.emplace(*doc);
            for (auto& row : work) {
                TCreated c = CreateObject(kindPerson, "", "", "", folder, "", 0);
                if (!c.Object->ImportColumns(row, kColumns)) doc->Tree().Delete(c.Node);
            }
        }
        benchmark::DoNotOptimize(folder->Count());
        state.PauseTiming();
        if (folder->Count() != count) state.SkipWithError("not every row became a person");
        doc.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
    state.counters["per_person"] = benchmark::Counter(
        static_cast<double>(count),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ImportColumnsInOneScope(benchmark::State& state) {
    Import(state, true);
}
BENCHMARK(BM_ImportColumnsInOneScope)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ImportColumnsSortingEveryTitle(benchmark::State& state) {
    Import(state, false);
}
BENCHMARK(BM_ImportColumnsSortingEveryTitle)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
