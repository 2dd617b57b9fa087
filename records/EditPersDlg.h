#pragma once

#include "records/PrimaryPagesDlg.h"

#include <string>
#include <string_view>
#include <vector>

class TPersonObject;

// The person dialog ("Person"): the names in the upper panel and the five
// pages of the person's primary items.
class TEditPersDlg : public TPrimaryPagesDlg {
public:
    TEditPersDlg();
    std::string FormName() const override { return "TEditPersDlg"; }

    std::string Salutation;
    std::vector<std::string> SalutationItems;
    std::string FName;
    std::string MName;
    std::string LName;

    static constexpr int kTitleMax = 40;
    static constexpr int kCommentMax = 255;
    static constexpr int kFNameMax = 20;
    static constexpr int kMNameMax = 20;
    static constexpr int kLNameMax = 25;

    // Fills the dialog from the person and remembers it.
    void SetPerson(TPersonObject& person);

    // Handlers.
    // sender: the name of the format list that changed ("PhoneFmt" or "FaxFmt").
    void OnPhoneFmtChg(const std::string& sender) { FormatChange(sender); }
    // Leaving the title box: a title of two or more words (comma text, a
    // quoted part counts as one) fills the name boxes, but only when it
    // differs from the title the dialog was filled with or last split.
    // "Last, First [Middle]" (a comma right after the first word) is read
    // last name first.
    void TitleExit();

    // The title's first word is followed by a comma ("Keller, Anna").
    static bool LastNameFirst(std::string_view title);

private:
    std::string FSplitTitle;
};
