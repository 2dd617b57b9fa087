#include "printing/SimpleForm.h"

#include "store/FilterState.h"
#include "store/KexObject.h"

TSimpleForm::TSimpleForm() : TTableReport({{"Title", 0.3}, {"Target", 0.35}, {"Comment", 0.35}}) {}

void TSimpleForm::Init(reportfields::TNodeRange range, const TTreeNodes& tree,
                       const TFilterState& filter) {
    Entries.clear();
    auto add = [&](const TKexObject& r) {
        if (!filter.IsFilteredOut(r.GetCategories()))
            Entries.push_back({r.GetTitle(), r.GetTarget(), r.GetComment()});
    };
    reportfields::ForEachRecord(tree, range, [&](const TKexObject& r) {
        add(r);
        for (const auto& item : r.Items())
            add(*item);
    });
}

bool TSimpleForm::NextRow(std::vector<std::string>& cells) {
    if (FNext >= Entries.size()) return false;
    const TEntry& e = Entries[FNext++];
    cells = {e.Title, e.Target, e.Comment};
    return true;
}
