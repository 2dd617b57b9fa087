// Publishing 20,000 persons in 200 folders: the framed site with a transfer
// file and a vCard per person, and the comma-separated form of the same tree.
// The budgets: under 2 s for the site, under 0.3 s for the CSV file. The site
// is measured published again over itself (the usual case), into an empty
// folder, and over cards that all differ from what it writes.
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
        std::filesystem::create_directories(Site());
    }
    ~Fixture() { std::filesystem::remove_all(FDir); }
    // Moves on to a folder of its own. The folders published before stay until
    // the end: on some file systems, files made just after thousands were
    // deleted take far longer, which would measure the cleaning up instead.
    void NewSite() {
        ++FSite;
        std::filesystem::create_directories(Site());
    }
    // Every card published before is cut short, so that none matches any more.
    void SpoilCards() {
        for (const auto& e : std::filesystem::directory_iterator(Site()))
            if (e.path().extension() == ".vcf") std::filesystem::resize_file(e.path(), 1);
    }
    TTreeNode* Root() { return FDocument.Root(); }
    std::string Out(const std::string& name) const { return (Site() / name).string(); }
    size_t FilesWritten() const {
        size_t n = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(Site()))
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
    int FSite = 0;

    std::filesystem::path Site() const { return FDir / ("site" + std::to_string(FSite)); }
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

TPublishOptions SiteOptions() {
    TPublishOptions o;
    o.Title = "My Contacts";
    o.IconsDir = webart::IconsDir();
    return o;
}

// prepare runs before each publish, outside the time measured.
template <typename F>
void PublishSite(benchmark::State& state, F&& prepare) {
    Fixture& fx = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        prepare(fx);
        state.ResumeTiming();
        TPublishJob(SiteOptions()).PublishHtml(fx.Root(), fx.Out("index.htm"));
    }
    state.counters["files"] = static_cast<double>(fx.FilesWritten());
}

void BM_PublishFramedSiteWithVCards(benchmark::State& state) {
    PublishSite(state, [](Fixture&) {});
}
BENCHMARK(BM_PublishFramedSiteWithVCards)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PublishFramedSiteIntoEmptyFolder(benchmark::State& state) {
    PublishSite(state, [](Fixture& fx) { fx.NewSite(); });
}
BENCHMARK(BM_PublishFramedSiteIntoEmptyFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PublishFramedSiteOverChangedCards(benchmark::State& state) {
    PublishSite(state, [](Fixture& fx) {
        fx.NewSite();
        TPublishJob(SiteOptions()).PublishHtml(fx.Root(), fx.Out("index.htm"));
        fx.SpoilCards();
    });
}
BENCHMARK(BM_PublishFramedSiteOverChangedCards)->Unit(benchmark::kMillisecond)->Iterations(3);

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
