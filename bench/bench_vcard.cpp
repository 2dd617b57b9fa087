// Reading a vCard file of 10,000 cards into cards, against a baseline that
// only reads the same file line by line; writing them back.
#include "VCardBenchData.h"
#include "exchange/VCardFile.h"
#include "platform/FileIO.h"

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

} // namespace

BENCHMARK_MAIN();
