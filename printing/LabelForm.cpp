#include "printing/LabelForm.h"

#include "store/FilterState.h"
#include "store/KexObject.h"

#include <algorithm>

namespace {
std::string LabelText(const std::string& name, const TKexObject& r) {
    std::vector<std::string> lines{name};
    for (std::string& line : reportfields::PostalLines(reportfields::AddressFields(r)))
        lines.push_back(std::move(line));
    return reportfields::JoinLines(lines);
}
} // namespace

TLabelForm::TLabelForm() {
    FText = &Report.Detail.AddText({kTextInset, kTextInset, 0, 0}, {});
    FText->WordWrap = true;
    Report.OnStart = [this] { FNext = 0; };
    Report.OnNeedData = [this] {
        if (FNext >= Labels.size()) return false;
        FText->Text = Labels[FNext++];
        return true;
    };
    TReportFont font;
    font.Size = 10;
    SetSheet(labelstock::Stocks().front(), 1, font);
}

void TLabelForm::Init(reportfields::TNodeRange range, const TTreeNodes& tree,
                      const TFilterState& filter) {
    Labels.clear();
    reportfields::ForEachRecord(tree, range, [&](const TKexObject& r) {
        const uint8_t kind = r.GetKind();
        if (kind == kindPerson || kind == kindOrg) {
            if (!filter.IsFilteredOut(r.GetCategories()))
                Labels.push_back(LabelText(kind == kindPerson ? r.GetTarget() : r.GetTitle(), r));
            return;
        }
        for (const auto& item : r.Items())
            if (item->GetKind() == kindAddress && !filter.IsFilteredOut(item->GetCategories()))
                Labels.push_back(LabelText(item->GetTitle(), *item));
    });
}

void TLabelForm::SetSheet(const TLabelStock& sheet, int startLabel, const TReportFont& font) {
    labelstock::SetupReport(Report, sheet, startLabel);
    FText->Font = font;
    FText->Box.Width = std::max(1.0, sheet.Width - 2 * kTextInset);
    FText->Box.Height = std::max(1.0, sheet.Height - 2 * kTextInset);
}
