#pragma once

#include <array>

// The first seven entries of the item popup menu, which each record shows or
// hides for itself (SetupPopup).
enum TPopupEntry {
    peOpen = 0,
    peSendMail,
    peSendFax,
    peDial,
    peBrowse,
    peAdvanceDate,
    peLaunch,
    pePopupEntryCount
};

struct TItemPopup {
    std::array<bool, pePopupEntryCount> Visible{};

    void Show(TPopupEntry e, bool visible = true) { Visible[e] = visible; }
    void Hide(TPopupEntry e) { Visible[e] = false; }
    bool IsVisible(TPopupEntry e) const { return Visible[e]; }
};
