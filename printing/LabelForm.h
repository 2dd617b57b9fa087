#pragma once

#include "printing/ReportFields.h"
#include "report/LabelStock.h"
#include "report/Report.h"

#include <cstddef>
#include <string>
#include <vector>

class TTreeNodes;
struct TFilterState;

// "Address Labels": one label per addressee, across the sheet row by row.
class TLabelForm {
public:
    TLabelForm();
    TLabelForm(const TLabelForm&) = delete;
    TLabelForm& operator=(const TLabelForm&) = delete;

    // Persons (by their display name) and organizations that the filter
    // shows, each with its own address; of any other node its address items.
    // In tree order.
    void Init(reportfields::TNodeRange range, const TTreeNodes& tree, const TFilterState& filter);
    // The sheet as set up (it may differ from the stock it was chosen from),
    // the label to start at on the first sheet (from 1) and the font.
    void SetSheet(const TLabelStock& sheet, int startLabel, const TReportFont& font);

    // The label texts, lines separated by "\n".
    std::vector<std::string> Labels;
    TReport Report;

    // The text keeps this far from the label's edges.
    static constexpr double kTextInset = 5;

private:
    size_t FNext = 0;
    TReportText* FText = nullptr;
};
