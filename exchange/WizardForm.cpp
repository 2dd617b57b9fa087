#include "exchange/WizardForm.h"

TWizardForm::TWizardForm(std::vector<std::string> pageNames) : FAllPages(std::move(pageNames)) {
    Caption = "Wizard";
    ShowAllSheets();
    SetPage(0);
}

void TWizardForm::ShowAllSheets() {
    Pages = FAllPages;
}

void TWizardForm::Show(int index) {
    CurPage = index;
    ActivePage = Pages[static_cast<size_t>(index)];
    Changed();
}

void TWizardForm::SetPage(int index) {
    if (index >= 0 && index < static_cast<int>(Pages.size())) Show(index);
}

void TWizardForm::NextPage() {
    if (CurPage + 1 < static_cast<int>(Pages.size())) Show(CurPage + 1);
}

void TWizardForm::PrevPage() {
    if (CurPage > 0 && CurPage - 1 < static_cast<int>(Pages.size())) Show(CurPage - 1);
}

void TWizardForm::NextBtnClick() {
    // The button's result at the time of the press closes the dialog; the
    // press that reaches the last page only gives the button its result.
    TModalResult pressed = NextBtnModalResult;
    if (pressed == mrNone && !OnLastPage()) NextPage();
    if (OnLastPage()) {
        NextBtnCaption = "Finish";
        NextBtnModalResult = mrOk;
    } else {
        NextBtnCaption = "Next >>";
        NextBtnModalResult = mrNone;
    }
    Changed();
    if (pressed != mrNone) SetModalResult(pressed);
}

void TWizardForm::PrevBtnClick() {
    if (CurPage <= 0) return;
    PrevPage();
    NextBtnCaption = "Next >>";
    NextBtnModalResult = mrNone;
    Changed();
}

void TWizardForm::Button1Click() {
    SetModalResult(mrCancel);
}
