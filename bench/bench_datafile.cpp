// Loading and saving a large data file, against a baseline that only reads
// the same file line by line and splits each line on "~~".
#include "BenchData.h"
#include "platform/FileIO.h"
#include "shell/PlainServices.h"
#include "store/ContactStore.h"
#include "store/FieldText.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A temporary program folder holding the generated data file, with the
// plain services installed.
class Fixture {
public:
    Fixture() : FDir(MakeFolder()), FServices(FDir.string()) {
        fileio::WriteFileReplacing(Path(), GenerateBenchDataFile());
    }
    ~Fixture() { std::filesystem::remove_all(FDir); }
    std::string Path() const { return (FDir / "tavi.dat").string(); }

private:
    static std::filesystem::path MakeFolder() {
        auto dir = std::filesystem::temp_directory_path() /
                   ("merrowin-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir;
    }

    std::filesystem::path FDir;
    TPlainServices FServices;
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_Baseline_ReadAndSplitLines(benchmark::State& state) {
    Fixture& fx = Shared();
    std::vector<std::string> fields;
    for (auto _ : state) {
        std::ifstream in(fx.Path(), std::ios::binary);
        std::string line;
        size_t n = 0;
        while (std::getline(in, line)) {
            fields.clear();
            fieldtext::SplitFields(line, fields);
            n += fields.size();
        }
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_Baseline_ReadAndSplitLines)->Unit(benchmark::kMillisecond);

void BM_LoadDataFile(benchmark::State& state) {
    Shared();
    for (auto _ : state) {
        auto doc = std::make_unique<TContactStore>();
        doc->Load();
        benchmark::DoNotOptimize(doc->Tree().Count());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadDataFile)->Unit(benchmark::kMillisecond);

void BM_SaveDataFile(benchmark::State& state) {
    Shared();
    TContactStore doc;
    doc.Load();
    for (auto _ : state)
        doc.Save();
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);

void BM_LoadAndSave(benchmark::State& state) {
    Shared();
    for (auto _ : state) {
        TContactStore doc;
        doc.Load();
        doc.Save();
    }
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
