// The address book and the labels built from a tree of 3,000 persons (each
// with an address and a phone, in 30 folders): the entries alone and the
// entries laid out with fixed metrics, against a baseline that only walks
// the same nodes and reads each record's title.
#include "LayoutBench.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "printing/AddrBookForm.h"
#include "printing/LabelForm.h"
#include "records/AddressObject.h"
#include "records/PersonObject.h"
#include "report/FixedFontMetrics.h"
#include "store/FilterState.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

class Contacts {
public:
    Contacts() {
        FServices.Random = &FRandom;
        InstallServices(&FServices);
        TTreeNode* root = CreateRoot(Tree);
        for (int f = 0; f < 30; ++f) {
            TTreeNode* folder =
                CreateObject(kindFolder, "Folder " + std::to_string(f), "", "", root, "", 0).Node;
            for (int p = 0; p < 100; ++p) {
                const std::string n = std::to_string(f * 100 + p);
                auto& person = dynamic_cast<TPersonObject&>(
                    *CreateObject(kindPerson, "Person " + n, "Ann Person" + n, "", folder, "", 0)
                         .Object);
                person.SetFirstName("Ann");
                person.SetLastName(std::string(1, static_cast<char>('A' + p % 26)) + "son" + n);
                auto& home = dynamic_cast<TAddressObject&>(
                    *CreateObject(kindAddress, "Home", "", "", person.GetNode(), "", 0).Object);
                home.ClearAddressLines();
                home.SetAddressText(n + " High Street\r\nFlat " + std::to_string(p % 9));
                home.SetCity("Springfield");
                home.SetState("IL");
                home.SetPostCode("627" + std::to_string(10 + p % 90));
                home.SetCountry("USA");
                person.SetPrimaryAddress("Home");
                CreateObject(kindPhone, "Phone", "(555) 010-" + n, "", person.GetNode(), "", 0);
                person.SetPrimaryPhone("Phone");
            }
        }
        Range = reportfields::NodeRange(*root);
    }
    ~Contacts() {
        Tree.Clear();
        InstallServices(nullptr);
    }

    TTreeNodes Tree;
    reportfields::TNodeRange Range;
    TFilterState Filter;

private:
    TServices FServices;
    TStdRandom FRandom{1};
};

Contacts& Shared() {
    static Contacts c;
    return c;
}

void BM_Baseline_WalkTitles(benchmark::State& state) {
    Contacts& c = Shared();
    for (auto _ : state) {
        size_t length = 0;
        reportfields::ForEachRecord(c.Tree, c.Range,
                                    [&](const TKexObject& r) { length += r.GetTitle().size(); });
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_Baseline_WalkTitles)->Unit(benchmark::kMillisecond);

void BM_AddressBookEntries(benchmark::State& state) {
    Contacts& c = Shared();
    TAddrBookForm book;
    for (auto _ : state) {
        book.Init(c.Range, c.Tree, c.Filter);
        benchmark::DoNotOptimize(book.Entries.data());
    }
}
BENCHMARK(BM_AddressBookEntries)->Unit(benchmark::kMillisecond);

void BM_AddressBookThreeColumns(benchmark::State& state) {
    Contacts& c = Shared();
    TAddrBookForm book;
    book.Init(c.Range, c.Tree, c.Filter);
    book.SetPage(3, 10, {});
    MeasureLayout(state, book.Report, TFixedFontMetrics());
}
BENCHMARK(BM_AddressBookThreeColumns)->Unit(benchmark::kMillisecond);

void BM_LabelsAvery5160(benchmark::State& state) {
    Contacts& c = Shared();
    TLabelForm labels;
    labels.Init(c.Range, c.Tree, c.Filter);
    TReportFont font;
    font.Size = 10;
    labels.SetSheet(*labelstock::Find("Avery 5160-Address"), 1, font);
    MeasureLayout(state, labels.Report, TFixedFontMetrics());
}
BENCHMARK(BM_LabelsAvery5160)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
