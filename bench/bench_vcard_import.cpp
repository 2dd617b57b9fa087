// Importing a vCard file of 10,000 cards into a tree: reading the file line
// by line (the floor), reading it into cards, making the cards into records
// (persons with their phones, e-mail addresses and address), and both.
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
    Fixture() : FServices("") {
        FDir = std::filesystem::temp_directory_path() /
               ("merrowin-bench-vcard-import-" + std::to_string(::getpid()));
        std::filesystem::create_directories(FDir);
        fileio::WriteFileReplacing(Path(), GenerateBenchVCardFile());
        Cards.Filename = Path();
        Cards.Read();
    }
    ~Fixture() { std::filesystem::remove_all(FDir); }
    std::string Path() const { return (FDir / "cards.vcf").string(); }
    int64_t Bytes() const { return static_cast<int64_t>(std::filesystem::file_size(Path())); }

    TVCardFile Cards;

private:
    TPlainServices FServices;
    std::filesystem::path FDir;
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_Floor_ReadLines(benchmark::State& state) {
    Fixture& fx = Shared();
    for (auto _ : state) {
        std::ifstream in(fx.Path(), std::ios::binary);
        std::string line;
        size_t n = 0;
        while (std::getline(in, line))
            n += line.size();
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(state.iterations() * fx.Bytes());
}
BENCHMARK(BM_Floor_ReadLines)->Unit(benchmark::kMillisecond);

void BM_ReadCards(benchmark::State& state) {
    Fixture& fx = Shared();
    for (auto _ : state) {
        auto f = std::make_unique<TVCardFile>();
        f->Filename = fx.Path();
        f->Read();
        benchmark::DoNotOptimize(f->CardCount());
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * fx.Bytes());
}
BENCHMARK(BM_ReadCards)->Unit(benchmark::kMillisecond);

// Cards to records below one folder, in one update scope (one sort at its end).
// With read: the whole import of a file as the user starts it.
void Import(benchmark::State& state, bool read) {
    Fixture& fx = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<TContactStore>();
        TTreeNode* folder =
            CreateObject(kindFolder, "Imported", "", "", doc->Root(), "{Fold}0", 0).Node;
        state.ResumeTiming();
        TVCardImport done = read ? ImportVCardFile(fx.Path(), folder, TCardOrgMode::Person)
                                 : ImportVCardCards(fx.Cards, folder, TCardOrgMode::Person);
        benchmark::DoNotOptimize(done.RecordsCreated);
        state.PauseTiming();
        if (folder->Count() != fx.Cards.CardCount() ||
            folder->GetFirstChild()->Data()->ItemCount() != 5)
            state.SkipWithError("not every card became a person with its five items");
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["per_card"] = benchmark::Counter(static_cast<double>(fx.Cards.CardCount()),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

void BM_CardsToRecords(benchmark::State& state) {
    Import(state, false);
}
BENCHMARK(BM_CardsToRecords)->Unit(benchmark::kMillisecond);

void BM_ReadAndImportFile(benchmark::State& state) {
    Import(state, true);
}
BENCHMARK(BM_ReadAndImportFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
