// Reading a vCard file of 10,000 cards into cards, against a baseline that
// only reads the same file line by line; writing them back; making the cards
// into records (persons with their phones, e-mail addresses and address),
// alone and with the reading.
#include "VCardBenchData.h"
#include "exchange/VCardFile.h"
#include "exchange/jobs/VCardImport.h"
#include "platform/FileIO.h"
#include "shell/PlainServices.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

class Fixture {
public:
    Fixture() {
        FDir = std::filesystem::temp_directory_path() /
               ("merrowin-bench-vcard-" + std::to_string(::getpid()));
        std::filesystem::create_directories(FDir);
        fileio::WriteFileReplacing(Path(), GenerateBenchVCardFile());
    }
    ~Fixture() { std::filesystem::remove_all(FDir); }
    std::string Path() const { return (FDir / "cards.vcf").string(); }

private:
    std::filesystem::path FDir;
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_Baseline_ReadLines(benchmark::State& state) {
    Fixture& fx = Shared();
    for (auto _ : state) {
        std::ifstream in(fx.Path(), std::ios::binary);
        std::string line;
        size_t n = 0;
        while (std::getline(in, line))
            n += line.size();
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(fx.Path())));
}
BENCHMARK(BM_Baseline_ReadLines)->Unit(benchmark::kMillisecond);

void BM_ReadVCardFile(benchmark::State& state) {
    Fixture& fx = Shared();
    for (auto _ : state) {
        auto f = std::make_unique<TVCardFile>();
        f->Filename = fx.Path();
        f->Read();
        benchmark::DoNotOptimize(f->CardCount());
        // Reading is measured, not giving the cards back.
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(fx.Path())));
}
BENCHMARK(BM_ReadVCardFile)->Unit(benchmark::kMillisecond);

// The same with the cards given back each time: the allocator's share.
void BM_ReadAndFreeVCardFile(benchmark::State& state) {
    Fixture& fx = Shared();
    for (auto _ : state) {
        TVCardFile f;
        f.Filename = fx.Path();
        f.Read();
        benchmark::DoNotOptimize(f.CardCount());
    }
}
BENCHMARK(BM_ReadAndFreeVCardFile)->Unit(benchmark::kMillisecond);

void BM_WriteVCardFile(benchmark::State& state) {
    Fixture& fx = Shared();
    TVCardFile f;
    f.Filename = fx.Path();
    f.Read();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.Text().size());
}
BENCHMARK(BM_WriteVCardFile)->Unit(benchmark::kMillisecond);

// Cards to records below one folder, in one update scope (one sort at its
// end); with read, the whole import of the file as the user starts it.
void Import(benchmark::State& state, bool read) {
    static TPlainServices services("");
    Fixture& fx = Shared();
    TVCardFile cards;
    cards.Filename = fx.Path();
    cards.Read();
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TContactStore>();
        TTreeNode* folder =
            CreateObject(kindFolder, "Imported", "", "", doc->Root(), "{Fold}0", 0).Node;
        state.ResumeTiming();
        TVCardImport done = read ? ImportVCardFile(fx.Path(), folder, TCardOrgMode::Person)
                                 : ImportVCardCards(cards, folder, TCardOrgMode::Person);
        benchmark::DoNotOptimize(done.RecordsCreated);
        state.PauseTiming();
        if (folder->Count() != cards.CardCount() ||
            folder->GetFirstChild()->Data()->ItemCount() != 5)
            state.SkipWithError("not every card became a person with its five items");
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["per_card"] = benchmark::Counter(static_cast<double>(cards.CardCount()),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void BM_CardsToRecords(benchmark::State& state) {
    Import(state, false);
}
BENCHMARK(BM_CardsToRecords)->Unit(benchmark::kMillisecond);

void BM_ReadAndImportVCardFile(benchmark::State& state) {
    Import(state, true);
}
BENCHMARK(BM_ReadAndImportVCardFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
