#include "reminders/ReminderObject.h"

#include "platform/Errors.h"
#include "reminders/RemdDlg.h"
#include "store/FieldText.h"

TReminderObject::TReminderObject(uint8_t kind, const std::string& title, const std::string& target,
                                 const std::string& comment, int32_t objectId,
                                 const std::string& classLine)
    : TKexObject(kind, title, target, comment, objectId) {
    // The date dialog always opens at the reminder's own date.
    FRule.UseToday = false;
    ReadClassLine(classLine);
}

bool TReminderObject::IsDue() const {
    return FRule.IsValidDate() && TRecurringDate::Today() >= FRule.GetDate();
}

void TReminderObject::ListFields(TFieldList& fields) const {
    fields.emplace_back("Rule", FRule.AsText());
}

// Computed whenever the list is filled, so a date that passed while the
// program ran already shows as due there.
int TReminderObject::GetImageIndex() const {
    return IsDue() ? kDueImage : GetKind();
}

void TReminderObject::ReadClassLine(const std::string& line) {
    std::vector<std::string> fields;
    if (!SplitClassLine(line, "{Remd}", fields)) return;
    try {
        FRule.SetFromText(fields[0]);
    } catch (const EConvertError&) {
        // A damaged rule keeps what was read before the bad item; the record
        // still loads, without a due mark or categories.
        return;
    }
    UpdateDue();
    if (fields.size() > 1) {
        bool ok = false;
        int32_t v = fieldtext::LeadingInt(fields[1], ok);
        if (ok) SetCategories(static_cast<uint32_t>(v));
    }
}

bool TReminderObject::AppendClassLine(std::string& out) const {
    out += "{Remd}";
    out += FRule.AsText();
    out += fieldtext::kSeparator;
    out += fieldtext::CategoriesText(GetCategories());
    return true;
}

void TReminderObject::SetupPopup(TItemPopup& menu) const {
    TKexObject::SetupPopup(menu);
    menu.Hide(peOpen);
    menu.Show(peAdvanceDate);
}

bool TReminderObject::EditNew(TTreeNode* /*created*/) {
    return TRemdDlg::EditNew(*this);
}

void TReminderObject::EditProperties() {
    TRemdDlg::EditRecord(*this);
}

void TReminderObject::DefaultAction() {
    EditProperties();
}

void TReminderObject::AdvanceDate() {
    FRule.Advance();
    SetTarget(FRule.DateText());
    UpdateDue();
}
