#pragma once

#include "printing/ReportFields.h"
#include "printing/TableReport.h"

#include <string>
#include <vector>

class TTreeNodes;
struct TFilterState;

// "Simple List": every record of the range with its detail items, by title,
// target and comment.
class TSimpleForm : public TTableReport {
public:
    struct TEntry {
        std::string Title, Target, Comment;
    };

    TSimpleForm();

    // Each node's record and then its detail items, in their order, that the
    // filter shows.
    void Init(reportfields::TNodeRange range, const TTreeNodes& tree, const TFilterState& filter);

    std::vector<TEntry> Entries;

protected:
    bool NextRow(std::vector<std::string>& cells) override;
    void Restart() override { FNext = 0; }

private:
    size_t FNext = 0;
};
