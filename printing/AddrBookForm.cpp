#include "printing/AddrBookForm.h"

#include "store/FieldText.h"
#include "store/FilterState.h"
#include "store/KexObject.h"

#include <algorithm>

namespace {

constexpr double kGroupHeight = 26;
constexpr double kDetailHeight = 14;
constexpr double kPhoneShare = 0.4; // of the column, when the entry has a phone

std::string Address(const TKexObject& r) {
    std::vector<std::string> fields = reportfields::AddressFields(r);
    if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return f.empty(); }))
        return {};
    return reportfields::JoinLines(reportfields::PostalLines(fields));
}

// "Last, First Middle", leaving out the parts a person lacks; without any
// name, the person's title.
std::string BookName(const TKexObject& person) {
    std::vector<std::string> n =
        reportfields::Fields(person, {"Last Name", "First Name", "Middle Name"});
    std::string given = n[1];
    if (!n[2].empty()) given += (given.empty() ? "" : " ") + n[2];
    std::string name = n[0];
    if (!name.empty() && !given.empty())
        name += ", " + given;
    else if (name.empty())
        name = given;
    return name.empty() ? person.GetTitle() : name;
}

std::string Phone(const TKexObject& r) {
    return reportfields::Fields(r, {"Phone Number"})[0];
}

} // namespace

TAddrBookForm::TAddrBookForm() {
    TReportBand& group = Report.AddGroupHeader(kGroupHeight, [this] { return FLetter; });
    group.AddShape(TReportShape::TKind::Fill, {0, 3, 0, kGroupHeight - 4}).StretchWidth = true;
    FLetterText = &group.AddText({6, 3, 80, kGroupHeight - 4}, {});

    Report.Detail.Height = kDetailHeight;
    FName = &Report.Detail.AddText({0, 0, 0, kDetailHeight}, {});
    FPhone = &Report.Detail.AddText({0, 0, 0, kDetailHeight}, {});
    FPhone->Alignment = TAlignment::Right;
    Report.Detail.BeforePrint = [this](TReportBand&) { Arrange(); };

    TReportBand& address = Report.AddChild(kAddressBandHeight);
    FAddress = &address.AddText({10, 0, 0, kAddressBandHeight - 4}, {});
    FAddress->StretchWidth = true;
    FAddress->WordWrap = true;
    address.BeforePrint = [this](TReportBand& band) { AddressBandBeforePrint(band); };

    Report.Flow = TColumnFlow::DownThenAcross;
    Report.OnStart = [this] { FNext = 0; };
    Report.OnNeedData = [this] { return NeedData(); };
    SetPage(1, 10, {});
}

void TAddrBookForm::SetPage(int columns, double gutter, const TPageSetup& page) {
    ApplyPageSetup(Report, page);
    Report.Columns = std::clamp(columns, 1, 4);
    Report.ColumnSpace = std::max(0.0, gutter);
    TReportFont font;
    font.Family = page.Face;
    font.Size = 8;
    FAddress->Font = FPhone->Font = font;
    FName->Font = font;
    FName->Font.Bold = true;
    FLetterText->Font = font;
    FLetterText->Font.Size = 14;
    FLetterText->Font.Color = 0xFFFFFF;
}

void TAddrBookForm::Init(reportfields::TNodeRange range, const TTreeNodes& tree,
                         const TFilterState& filter) {
    Entries.clear();
    reportfields::ForEachRecord(tree, range, [&](const TKexObject& r) {
        const uint8_t kind = r.GetKind();
        if (kind == kindPerson || kind == kindOrg) {
            if (filter.IsFilteredOut(r.GetCategories())) return;
            Entries.push_back(
                {kind == kindPerson ? BookName(r) : r.GetTitle(), Phone(r), Address(r)});
            return;
        }
        for (const auto& item : r.Items()) {
            if (filter.IsFilteredOut(item->GetCategories())) continue;
            if (item->GetKind() == kindAddress)
                Entries.push_back({item->GetTitle(), {}, Address(*item)});
            else if (item->GetKind() == kindPhone)
                Entries.push_back({item->GetTitle(), item->GetTarget(), {}});
        }
    });
    std::stable_sort(Entries.begin(), Entries.end(), [](const TEntry& a, const TEntry& b) {
        return fieldtext::CompareTextFolded(a.Name, b.Name) < 0;
    });
}

bool TAddrBookForm::NeedData() {
    if (FNext >= Entries.size()) return false;
    const TEntry& e = Entries[FNext++];
    FLetter = reportfields::FirstCharacter(e.Name);
    FLetterText->Text = FLetter;
    FName->Text = e.Name;
    FPhone->Text = e.Phone;
    FAddress->Text = e.Address;
    return true;
}

void TAddrBookForm::Arrange() const {
    const double width = Report.EffectiveColumnWidth();
    const double nameWidth = FPhone->Text.empty() ? width : width * (1 - kPhoneShare) - 4;
    FName->Box = {0, 0, std::max(1.0, nameWidth), kDetailHeight};
    FPhone->Box = {width * (1 - kPhoneShare), 0, width * kPhoneShare, kDetailHeight};
}

void TAddrBookForm::AddressBandBeforePrint(TReportBand& band) const {
    band.Height = FAddress->Text.empty() ? 0 : kAddressBandHeight;
}
