#pragma once

#include "report/Report.h"

#include <algorithm>
#include <string>
#include <vector>

// An address book in three columns on letter paper, as the address book
// report prints it: a white letter on a black box when the first character
// changes, the bold name with the phone at the right, the address below
// (left out when empty). The benchmarks and the PDF tests print it.
class TSampleAddressBook {
public:
    struct TEntry {
        std::string Name, Phone, Address;
    };

    // 3,000 generated persons, nine in ten with a two- or three-line
    // address, sorted: about 100 pages.
    static std::vector<TEntry> Generated() {
        constexpr int kEntries = 3000;
        std::vector<TEntry> entries;
        const char* surnames[] = {"Abbott", "Baker",  "Carter", "Dunn",  "Evans",  "Fisher",
                                  "Green",  "Harris", "Irwin",  "Jones", "Kelly",  "Lewis",
                                  "Morgan", "Nash",   "Owen",   "Price", "Quinn",  "Reed",
                                  "Smith",  "Turner", "Upton",  "Vance", "Walker", "Young"};
        const char* firsts[] = {"Ann", "Bob", "Carol", "David", "Emma", "Frank", "Grace"};
        for (int i = 0; i < kEntries; ++i) {
            TEntry e;
            e.Name = std::string(surnames[i % 24]) + std::to_string(i / 24) + ", " + firsts[i % 7] +
                     " " + static_cast<char>('A' + i % 26) + ".";
            e.Phone = "(555) " + std::to_string(100 + i % 900) + "-" + std::to_string(1000 + i);
            if (i % 10 != 9)
                e.Address = std::to_string(i + 1) + " High Street\n" +
                            (i % 3 ? "" : "Flat " + std::to_string(i % 40) + "\n") +
                            "Springfield, IL 627" + std::to_string(10 + i % 90) + "\nUSA";
            entries.push_back(std::move(e));
        }
        std::sort(entries.begin(), entries.end(),
                  [](const TEntry& a, const TEntry& b) { return a.Name < b.Name; });
        return entries;
    }

    explicit TSampleAddressBook(std::vector<TEntry> entries = Generated())
        : Entries(std::move(entries)) {

        TReportFont font; // the default sans at 8 points
        TReportFont bold = font;
        bold.Bold = true;
        TReportFont letter = bold;
        letter.Size = 14;
        letter.Color = 0xFFFFFF;

        Report.PaperFromPrinter = false;
        Report.Margins = {50, 50, 50, 50};
        Report.Columns = 3;
        Report.ColumnSpace = 20;
        TReportBand& group = Report.AddGroupHeader(24, [this] { return Letter; });
        group.AddShape(TReportShape::TKind::Fill, {0, 2, 0, 20}).StretchWidth = true;
        LetterText = &group.AddText({4, 2, 40, 20}, letter);
        Report.Detail.Height = 14;
        Name = &Report.Detail.AddText({0, 0, 0, 14}, bold);
        Name->StretchWidth = true;
        Phone = &Report.Detail.AddText({0, 0, 0, 14}, font);
        Phone->StretchWidth = true;
        Phone->Alignment = TAlignment::Right;
        TReportBand& address = Report.AddChild(89);
        AddressText = &address.AddText({10, 0, 0, 80}, font);
        AddressText->StretchWidth = true;
        address.BeforePrint = [this](TReportBand& band) {
            band.Height = AddressText->Text.empty() ? 0 : 89;
        };
        Report.OnStart = [this] { Next = 0; };
        Report.OnNeedData = [this] { return NeedData(); };
    }

    // What a report form does per record, without the layout.
    bool NeedData() {
        if (Next >= Entries.size()) return false;
        const TEntry& e = Entries[Next++];
        Name->Text = e.Name;
        Phone->Text = e.Phone;
        AddressText->Text = e.Address;
        Letter = e.Name.substr(0, 1);
        LetterText->Text = Letter;
        return true;
    }

    TReport Report;
    std::vector<TEntry> Entries;
    size_t Next = 0;
    std::string Letter;
    TReportText *LetterText, *Name, *Phone, *AddressText;
};
