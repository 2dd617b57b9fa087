// Loading and saving a large data file, against a baseline that only reads
// the same file line by line and splits each line on "~~".
#include "BenchData.h"
#include "platform/Clock.h"
#include "platform/FileIO.h"
#include "platform/Locale.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "shell/RecordKinds.h"
#include "store/DataFile.h"
#include "store/FieldText.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class Fixture {
public:
    Fixture() {
        FDir = std::filesystem::temp_directory_path() /
               ("merrowin-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(FDir);
        FServices.ProgramFolder = FDir.string();
        FServices.Clock = &FClock;
        FServices.Random = &FRandom;
        FServices.Locale = &FLocale;
        InstallServices(&FServices);
        RegisterRecordKinds();
        fileio::WriteFileReplacing(Path(), GenerateBenchDataFile());
    }
    ~Fixture() {
        InstallServices(nullptr);
        std::filesystem::remove_all(FDir);
    }
    std::string Path() const { return (FDir / "tavi.dat").string(); }

private:
    std::filesystem::path FDir;
    TServices FServices;
    TSystemClock FClock;
    TStdRandom FRandom{1};
    TEnglishLocale FLocale;
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
        TTreeNodes tree;
        LoadDataFile(CreateRoot(tree));
        benchmark::DoNotOptimize(tree.Count());
        state.PauseTiming();
        tree.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadDataFile)->Unit(benchmark::kMillisecond);

void BM_SaveDataFile(benchmark::State& state) {
    Shared();
    TTreeNodes tree;
    LoadDataFile(CreateRoot(tree));
    for (auto _ : state)
        SaveDataFile(tree);
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);

void BM_LoadAndSave(benchmark::State& state) {
    Shared();
    for (auto _ : state) {
        TTreeNodes tree;
        LoadDataFile(CreateRoot(tree));
        SaveDataFile(tree);
    }
}
BENCHMARK(BM_LoadAndSave)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
