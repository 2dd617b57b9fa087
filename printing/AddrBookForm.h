#pragma once

#include "printing/PageSetup.h"
#include "printing/ReportFields.h"
#include "report/Report.h"

#include <cstddef>
#include <string>
#include <vector>

class TTreeNodes;
struct TFilterState;

// "Address & Phone Book": names in alphabetical order in columns, each with
// its phone number and address, and a letter heading each new first
// character.
class TAddrBookForm {
public:
    struct TEntry {
        std::string Name;
        std::string Phone;
        std::string Address; // lines separated by "\n"; "" for none
    };

    TAddrBookForm();
    TAddrBookForm(const TAddrBookForm&) = delete;
    TAddrBookForm& operator=(const TAddrBookForm&) = delete;

    // Persons ("Last, First Middle") and organizations that the filter
    // shows; of any other node its address and phone items. Sorted by name
    // without regard to case.
    void Init(reportfields::TNodeRange range, const TTreeNodes& tree, const TFilterState& filter);
    // columns: 1 to 4; gutter: the space between columns.
    void SetPage(int columns, double gutter, const TPageSetup& page);

    // The address band is left out when the entry has no address.
    void AddressBandBeforePrint(TReportBand& band) const;

    static constexpr double kAddressBandHeight = 89;

    std::vector<TEntry> Entries;
    TReport Report;

private:
    bool NeedData();
    // The name and the phone share the line.
    void Arrange() const;

    size_t FNext = 0;
    std::string FLetter;
    TReportText* FLetterText = nullptr;
    TReportText* FName = nullptr;
    TReportText* FPhone = nullptr;
    TReportText* FAddress = nullptr;
};
