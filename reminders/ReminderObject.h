#pragma once

#include "reminders/RecurringDate.h"
#include "store/KexObject.h"

// A reminder (kind 9): a detail item with a date, possibly recurring. It is
// due when today is on or after its date; a due reminder shows image 11 in
// the list and marks its owner's node and the ancestors below the root.
// The target holds the date text as of the last dialog OK or advance.
class TReminderObject : public TKexObject {
public:
    TReminderObject(uint8_t kind, const std::string& title, const std::string& target,
                    const std::string& comment, int32_t objectId, const std::string& classLine);

    TRecurringDate& Rule() { return FRule; }
    const TRecurringDate& Rule() const { return FRule; }
    // Today is on or after the rule's date.
    bool IsDue() const;
    // Raises or clears the due mark by IsDue.
    void UpdateDue() { SetDue(IsDue() ? 1 : 0); }

    void ListFields(TFieldList& fields) const override;
    int GetImageIndex() const override;
    void ReadClassLine(const std::string& line) override;
    void SetupPopup(TItemPopup& menu) const override;
    bool EditNew(TTreeNode* created) override;
    void DefaultAction() override;
    void EditProperties() override;
    void AdvanceDate() override;

    static constexpr int kDueImage = 11;

protected:
    bool AppendClassLine(std::string& out) const override;

private:
    TRecurringDate FRule;
};
