#pragma once

#include "platform/FormPresenter.h"

#include <string>
#include <vector>

// A dialog that shows one page at a time: Cancel, "<< Back" and "Next >>",
// which becomes "Finish" on the last page. Pages holds the names of the
// pages of the current sequence (a derived wizard removes the ones its
// choice does not use); the view shows the page named ActivePage.
//
// The view calls the handlers for the three buttons and shows the button
// fields after every Refresh. Pressing "Finish" closes the dialog with OK:
// as with a button that carries a modal result, the press that reaches the
// last page only changes the caption, the next press closes. The base has no
// view of its own: each wizard names its form and has its view.
class TWizardForm : public TFormPresenter {
public:
    // pageNames: every page of the dialog, in order.
    explicit TWizardForm(std::vector<std::string> pageNames);

    // Pages becomes every page of the dialog, in order.
    void ShowAllSheets();
    // Ignored unless 0 <= index < Pages.size(): shows Pages[index].
    void SetPage(int index);
    void NextPage();
    void PrevPage();

    virtual void NextBtnClick();
    virtual void PrevBtnClick();
    void Button1Click(); // Cancel

    bool OnLastPage() const { return CurPage == static_cast<int>(Pages.size()) - 1; }

    std::vector<std::string> Pages;
    int CurPage = 0;
    std::string ActivePage; // the page shown

    std::string NextBtnCaption = "Next >>";
    TModalResult NextBtnModalResult = mrNone;
    bool NextBtnEnabled = true;

    const std::vector<std::string>& AllPages() const { return FAllPages; }

private:
    void Show(int index);
    std::vector<std::string> FAllPages;
};
