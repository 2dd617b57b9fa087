#pragma once

#include "platform/FormPresenter.h"
#include "store/KexObject.h"

#include <functional>

// The OK/Cancel base of the record dialogs: a "&Help" button on topic 1039
// and the category picture CatSelect, whose click the record binds to its
// EditCategories.
class TOKBottomDlg : public TFormPresenter {
public:
    TOKBottomDlg();

    // Handlers. A dialog whose input cannot be taken refuses OK, says why
    // and stays open.
    virtual void OKBtnClick() { SetModalResult(mrOk); }
    void CancelBtnClick() { SetModalResult(mrCancel); }
    // sender: the screen position of the picture's bottom-left corner.
    void CatSelectClick(const TScreenPoint& sender) {
        if (OnCatSelect) OnCatSelect(sender);
    }

    std::function<void(const TScreenPoint&)> OnCatSelect;
    // Binds CatSelect to the record's EditCategories.
    void BindCategories(TKexObject& record);

    static constexpr int kHelpContext = 1039;
};
