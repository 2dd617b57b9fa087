#pragma once

#include "records/OKBottomDlg.h"

#include <string>

class TFaxObject;

// The fax dialog ("Fax"). FaxNum is the number field as displayed; its input
// mask is FaxNumMask ("" = free text). The format list FaxFmt shows unless the
// edit operation hides it.
class TFaxEditDlg : public TOKBottomDlg {
public:
    TFaxEditDlg() { Caption = "Fax"; }
    std::string FormName() const override { return "TFaxEditDlg"; }

    std::string FaxTitle;
    std::string FaxNum;
    std::string FaxNumMask;
    int FaxFmt = -1; // index in the format list, -1 = none selected
    bool FaxFmtVisible = true;
    std::string FaxComment;

    static constexpr int kTitleMax = 40;
    static constexpr int kCommentMax = 255;

    // Handlers.
    void FaxFmtChange();
    // The number field took text its format cannot hold: the field keeps it
    // as typed and the list switches to "Free Format".
    void FaxNumUnfit(const std::string& text);

    // Gives FaxNum another mask; the digits entered so far are kept.
    void SetFaxNumMask(const std::string& mask);
    std::string NumberText() const;
    bool HasNumber() const;

    // A new fax: true when it stays (OK with a title and a number).
    static bool EditNew(TFaxObject& fax);
    // An existing fax: shown unmasked; an OK without a title changes nothing,
    // an empty number is accepted.
    static void EditProperties(TFaxObject& fax);

private:
    void Store(TFaxObject& fax) const;
};
