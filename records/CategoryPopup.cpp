#include "records/CategoryPopup.h"

#include "platform/MainWindow.h"
#include "platform/Services.h"
#include "store/KexObject.h"
#include "store/Options.h"

TCategoryPopup::TCategoryPopup() {
    Caption = "Select Categories";
}

void TCategoryPopup::SetCategories(const std::vector<std::string>& names, uint32_t set) {
    CheckListBox1.clear();
    for (size_t i = 0; i < 32 && i < names.size(); ++i)
        CheckListBox1.push_back({names[i], (set >> i & 1u) != 0});
    uint32_t listed = CheckListBox1.size() >= 32 ? 0xFFFFFFFFu : (1u << CheckListBox1.size()) - 1;
    FUnlisted = set & ~listed;
}

uint32_t TCategoryPopup::GetCategories() const {
    uint32_t set = FUnlisted;
    for (size_t i = 0; i < CheckListBox1.size() && i < 32; ++i)
        if (CheckListBox1[i].Checked) set |= 1u << i;
    return set;
}

void TCategoryPopup::EditCategories(TKexObject& record, const TScreenPoint& at) {
    TCategoryPopup popup;
    popup.HasPosition = true;
    popup.Left = at.X;
    popup.Top = at.Y;
    std::vector<std::string> names;
    if (const IMainWindow* mw = Svc().MainWindow)
        names = mw->CategoryNames();
    else
        names = TCategoryOptions::Read(Svc().UseSettings()).List();
    popup.SetCategories(names, record.GetCategories());
    popup.ShowModal();
    record.SetCategories(popup.GetCategories());
}
