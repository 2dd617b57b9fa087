// The main window's work on a large tree: start-up (load and show the root),
// selecting a folder of 1,000 items, and a find that wraps around the whole
// tree without a match.
#include "BenchData.h"
#include "platform/FileIO.h"
#include "platform/Services.h"
#include "shell/MainForm.h"
#include "shell/PlainServices.h"
#include "store/ContactStore.h"
#include "store/TreeNodes.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// A temporary program folder holding a data file whose first folder has
// 1,000 persons, with the plain services installed.
class Fixture {
public:
    Fixture() : FDir(MakeFolder()), FServices(FDir.string()) {
        fileio::WriteFileReplacing((FDir / "tavi.dat").string(), GenerateBenchDataFile(1000));
    }
    ~Fixture() { std::filesystem::remove_all(FDir); }
    TServices& Services() { return FServices.Services; }

private:
    static std::filesystem::path MakeFolder() {
        auto dir = std::filesystem::temp_directory_path() /
                   ("merrowin-bench-form-" + std::to_string(::getpid()));
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

void BM_StartUp(benchmark::State& state) {
    TServices& svc = Shared().Services();
    for (auto _ : state) {
        auto doc = std::make_unique<TContactStore>();
        auto form = std::make_unique<TMainForm>(*doc);
        svc.MainWindow = form.get();
        form->Create();
        benchmark::DoNotOptimize(form->MainItems.size());
        state.PauseTiming();
        svc.MainWindow = nullptr;
        form.reset();
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

struct Loaded {
    Loaded() : Form(Document) {
        Shared().Services().MainWindow = &Form;
        Form.Create();
    }
    ~Loaded() { Shared().Services().MainWindow = nullptr; }
    TContactStore Document;
    TTreeNodes& Tree = Document.Tree();
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
