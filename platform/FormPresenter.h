#pragma once

#include <string>

enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

class IFormView;

// A point on the screen, e.g. where a pop-up form opens: the category picker
// opens below the bottom-left corner of the picture that was clicked.
struct TScreenPoint {
    int X = 0;
    int Y = 0;
};

// Base of every form's presenter. A presenter holds the values of the form's
// controls as fields named like the controls and implements its handlers; it
// shows itself through ShowModal, which asks the view factory for a view.
class TFormPresenter {
public:
    TFormPresenter() = default;
    virtual ~TFormPresenter();
    TFormPresenter(const TFormPresenter&) = delete;
    TFormPresenter& operator=(const TFormPresenter&) = delete;

    // The form's class name ("TEditAddressDlg"); the view factory builds by it.
    virtual std::string FormName() const = 0;

    // Shows the form modally and answers how it was closed. Without a view
    // (no desktop) the form counts as cancelled.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    // A handler that closes the form sets its result; an open view closes.
    void SetModalResult(TModalResult result);

    // The presenter changed its fields: the view shows them again.
    void Changed();
    IFormView* View() const { return FView; }

    std::string Caption;
    int HelpContext = 0;
    // Screen position asked for by the caller (used by pop-up tool windows).
    bool HasPosition = false;
    int Left = 0;
    int Top = 0;

private:
    IFormView* FView = nullptr;
    TModalResult FModalResult = mrNone;
};

// A view of one presenter; passive (see DESIGN.md).
class IFormView {
public:
    virtual ~IFormView() = default;
    // Runs the form modally; answers how it closed.
    virtual TModalResult ShowModal() = 0;
    // Shows the presenter's fields again.
    virtual void Refresh() = 0;
    // Closes the running form with this result.
    virtual void Close(TModalResult result) = 0;
};
