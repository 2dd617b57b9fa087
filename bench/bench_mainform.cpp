// The main window's work on a large tree: start-up (load and show the root),
// selecting a folder of 1,000 items, and a find that wraps around the whole
// tree without a match.
#include "BenchData.h"
#include "platform/Clock.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "platform/Locale.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "shell/MainForm.h"
#include "shell/RecordKinds.h"
#include "store/TreeNodes.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class Fixture {
public:
    Fixture() {
        FDir = std::filesystem::temp_directory_path() /
               ("merrowin-bench-form-" + std::to_string(::getpid()));
        std::filesystem::create_directories(FDir);
        FServices.ProgramFolder = FDir.string();
        FServices.Settings = &FSettings;
        FServices.Clock = &FClock;
        FServices.Random = &FRandom;
        FServices.Locale = &FLocale;
        InstallServices(&FServices);
        RegisterRecordKinds();
        fileio::WriteFileReplacing((FDir / "tavi.dat").string(), GenerateBenchDataFile(1000));
    }
    ~Fixture() {
        InstallServices(nullptr);
        std::filesystem::remove_all(FDir);
    }
    TServices& Services() { return FServices; }

private:
    std::filesystem::path FDir;
    TServices FServices;
    TIniFile FSettings;
    TSystemClock FClock;
    TStdRandom FRandom{1};
    TEnglishLocale FLocale;
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_StartUp(benchmark::State& state) {
    TServices& svc = Shared().Services();
    for (auto _ : state) {
        TTreeNodes tree;
        TMainForm form(tree);
        svc.MainWindow = &form;
        form.Create();
        benchmark::DoNotOptimize(form.MainItems.size());
        state.PauseTiming();
        svc.MainWindow = nullptr;
        tree.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

struct Loaded {
    Loaded() : Form(Tree) {
        Shared().Services().MainWindow = &Form;
        Form.Create();
    }
    ~Loaded() { Shared().Services().MainWindow = nullptr; }
    TTreeNodes Tree;
    TMainForm Form;
};

void BM_SelectFolderOf1000Items(benchmark::State& state) {
    Shared();
    Loaded l;
    TTreeNode* big = l.Tree.GetFirstNode()->Child(0);
    TTreeNode* root = l.Tree.GetFirstNode();
    for (auto _ : state) {
        l.Form.FoldersChange(big);
        benchmark::DoNotOptimize(l.Form.MainItems.size());
        state.PauseTiming();
        l.Form.FoldersChange(root);
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(big->Count());
}
BENCHMARK(BM_SelectFolderOf1000Items)->Unit(benchmark::kMillisecond);

void BM_FindWrappingTheWholeTree(benchmark::State& state) {
    Shared();
    Loaded l;
    for (auto _ : state) {
        l.Form.Locate("no such title anywhere");
        benchmark::DoNotOptimize(l.Form.Selected);
    }
    state.counters["nodes"] = static_cast<double>(l.Tree.Count());
}
BENCHMARK(BM_FindWrappingTheWholeTree)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
