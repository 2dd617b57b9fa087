// The main window's work on a large tree: start-up (load and show the root),
// selecting a folder of 1,000 items, and a find that wraps around the whole
// tree without a match.
#include "platform/Clock.h"
#include "platform/FileIO.h"
#include "platform/IniFile.h"
#include "platform/Locale.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "shell/MainForm.h"
#include "store/TreeNodes.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// 200 folders, 20,000 persons with an address, a phone, an e-mail address and
// a reminder each; the first folder holds 1,000 of them.
std::string GenerateDataFile() {
    std::string s = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n";
    int id = 1;
    auto line = [&](int level, int kind, const std::string& title, const std::string& target,
                    const std::string& cls) {
        for (const std::string& piece :
             {std::string("{"), std::to_string(level), std::string(" "), std::to_string(kind),
              std::string(" }"), title, std::string("~~"), target, std::string("~~~~"),
              std::to_string(id++), std::string("\r\n"), cls, std::string("\r\n")})
            s.append(piece);
    };
    int person = 0;
    for (int f = 0; f < 200; ++f) {
        line(1, 0, "Folder " + std::to_string(f), "", "{Fold}0");
        // 1,000 in the first folder, the other 19,000 spread over 199 folders.
        int count = f == 0 ? 1000 : 19000 * f / 199 - 19000 * (f - 1) / 199;
        for (int p = 0; p < count && person < 20000; ++p, ++person) {
            line(2, 3, "Person " + std::to_string(person), "Mr. John Doe",
                 "{Pers}Mr.~~John~~~~Doe~~Home~~Work~~~~Mail~~~~0");
            line(3, 5, "Home", "12 High Street", "{Addr}12 High Street~~~~~~Leeds~~~~LS1~~UK~~0");
            line(3, 6, "Work", "(555)123-4567", "{Phon}22~~0");
            line(3, 7, "Mail", "john.doe@example.com", "{Mail}0");
            line(3, 9, "Birthday", "14/3/98", "{Remd}2030,3,14,2~~0");
        }
    }
    return s;
}

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
        fileio::WriteFileReplacing((FDir / "tavi.dat").string(), GenerateDataFile());
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
