#include "printing/ListingForm.h"

#include "store/FilterState.h"
#include "store/KexObject.h"

TListingForm::TListingForm()
    : TTableReport({{"Contact", 0.17},
                    {"Address", 0.24},
                    {"Phone Number", 0.12},
                    {"FAX Number", 0.12},
                    {"E-Mail", 0.18},
                    {"URL", 0.17}}) {}

void TListingForm::Init(reportfields::TNodeRange range, const TTreeNodes& tree,
                        const TFilterState& filter) {
    Entries.clear();
    reportfields::ForEachRecord(tree, range, [&](const TKexObject& r) {
        if (r.GetKind() != kindPerson && r.GetKind() != kindOrg) return;
        if (filter.IsFilteredOut(r.GetCategories())) return;
        std::vector<std::string> e =
            reportfields::Fields(r, {"Title", "Address Line 1", "Address Line 2", "Address Line 3",
                                     "City", "State/Province", "Postal Code", "Country",
                                     "Phone Number", "Fax Number", "E-Mail Address", "Website"});
        std::vector<std::string> address{e[0]};
        for (size_t i = 1; i <= 3; ++i)
            if (!e[i].empty()) address.push_back(e[i]);
        address.push_back(e[4] + ", " + e[5]);
        address.push_back(e[6] + " " + e[7]);
        Entries.push_back({e[0], reportfields::JoinLines(address), e[8], e[9], e[10], e[11]});
    });
}

bool TListingForm::NextRow(std::vector<std::string>& cells) {
    if (FNext >= Entries.size()) return false;
    const TEntry& e = Entries[FNext++];
    cells = {e.Contact, e.Address, e.Phone, e.Fax, e.EMail, e.Url};
    return true;
}
