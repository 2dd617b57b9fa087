// Loading and saving a large data file, against a baseline that only reads
// the same file line by line and splits each line on "~~".
#include "platform/Clock.h"
#include "platform/FileIO.h"
#include "platform/Locale.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
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

constexpr int kFolders = 200;
constexpr int kPersons = 20000;

// 20,000 persons with an address, a phone, an e-mail address and a reminder
// each, in 200 folders: about 100,000 records, 200,000 lines.
std::string GenerateDataFile() {
    std::string s = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n";
    int id = 1;
    auto line = [&](int level, int kind, const std::string& title, const std::string& target,
                    const std::string& comment, const std::string& cls) {
        // Appended piece by piece: long "+" chains trip a false -Wrestrict in GCC 12.
        for (const std::string& piece :
             {std::string("{"), std::to_string(level), std::string(" "), std::to_string(kind),
              std::string(" }"), title, std::string("~~"), target, std::string("~~"), comment,
              std::string("~~"), std::to_string(id++), std::string("\r\n"), cls,
              std::string("\r\n")})
            s.append(piece);
    };
    for (int f = 0; f < kFolders; ++f) {
        line(1, 0, "Folder " + std::to_string(f), "", "", "{Fold}0");
        for (int p = 0; p < kPersons / kFolders; ++p) {
            std::string name = "Person " + std::to_string(f) + "-" + std::to_string(p);
            line(2, 3, name, "Mr. John Doe", "met at the fair",
                 "{Pers}Mr.~~John~~~~Doe~~Home~~Work~~~~Mail~~~~0");
            line(3, 5, "Home", "12 High Street", "",
                 "{Addr}12 High Street~~~~~~Leeds~~~~LS1 4AB~~UK~~0");
            line(3, 6, "Work", "(555)123-4567", "ext. desk", "{Phon}22~~0");
            line(3, 7, "Mail", "john.doe@example.com", "", "{Mail}0");
            line(3, 9, "Birthday", "14/3/98", "", "{Remd}2030,3,14,2~~0");
        }
    }
    return s;
}

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
        fileio::WriteFileReplacing(Path(), GenerateDataFile());
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
