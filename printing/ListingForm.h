#pragma once

#include "printing/ReportFields.h"
#include "printing/TableReport.h"

#include <string>
#include <vector>

class TTreeNodes;
struct TFilterState;

// "People & Organization List": one row per person and organization with
// its address, numbers and addresses on the net.
class TListingForm : public TTableReport {
public:
    struct TEntry {
        std::string Contact, Address, Phone, Fax, EMail, Url;
    };

    TListingForm();

    // The persons and organizations of the range that the filter shows.
    void Init(reportfields::TNodeRange range, const TTreeNodes& tree, const TFilterState& filter);

    std::vector<TEntry> Entries;

protected:
    bool NextRow(std::vector<std::string>& cells) override;
    void Restart() override { FNext = 0; }

private:
    size_t FNext = 0;
};
