// Publishing 20,000 persons in 200 folders: the framed site with a transfer
// file and a vCard per person, and the comma-separated form of the same tree.
// The budgets: under 2 s for the site, under 0.3 s for the CSV file.
#include "BenchData.h"
#include "exchange/jobs/PublishJob.h"
#include "exchange/jobs/WebArt.h"
#include "platform/FileIO.h"
#include "shell/PlainServices.h"
#include "store/ContactStore.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class Fixture {
public:
    Fixture() : FDir(MakeFolder()), FServices(FDir.string()) {
        fileio::WriteFileReplacing((FDir / "tavi.dat").string(), GenerateBenchDataFile());
        FDocument.Load();
        std::filesystem::create_directories(FDir / "site");
    }
    ~Fixture() { std::filesystem::remove_all(FDir); }
    TTreeNode* Root() { return FDocument.Root(); }
    std::string Out(const std::string& name) const { return (FDir / "site" / name).string(); }
    size_t FilesWritten() const {
        size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(FDir / "site"))
            ++n;
        return n;
    }

private:
    static std::filesystem::path MakeFolder() {
        auto dir = std::filesystem::temp_directory_path() /
                   ("merrowin-bench-publish-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir;
    }

    std::filesystem::path FDir;
    TPlainServices FServices;
    TContactStore FDocument;
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_PublishFramedSiteWithVCards(benchmark::State& state) {
    Fixture& fx = Shared();
    TPublishOptions o;
    o.Title = "My Contacts";
    o.IconsDir = webart::IconsDir();
    for (auto _ : state)
        TPublishJob(o).PublishHtml(fx.Root(), fx.Out("index.htm"));
    state.counters["files"] = static_cast<double>(fx.FilesWritten());
}
BENCHMARK(BM_PublishFramedSiteWithVCards)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PublishCsvOfEveryPerson(benchmark::State& state) {
    Fixture& fx = Shared();
    for (auto _ : state)
        PublishCsv(fx.Root(), fx.Out("people.csv"), 3,
                   {"Title", "First Name", "Last Name", "Address Line 1", "City", "Postal Code",
                    "Phone Number", "E-Mail Address"},
                   true);
}
BENCHMARK(BM_PublishCsvOfEveryPerson)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
