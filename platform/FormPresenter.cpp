#include "platform/FormPresenter.h"

#include "platform/Services.h"
#include "platform/ViewFactory.h"

TFormPresenter::~TFormPresenter() = default;

TModalResult TFormPresenter::ShowModal() {
    FModalResult = mrNone;
    IViewFactory* factory = Svc().Views;
    std::unique_ptr<IFormView> view = factory ? factory->CreateView(*this) : nullptr;
    if (!view) {
        FModalResult = mrCancel;
        return FModalResult;
    }
    FView = view.get();
    struct Reset {
        IFormView*& v;
        ~Reset() { v = nullptr; }
    } reset{FView};
    TModalResult r = view->ShowModal();
    if (r != mrNone) FModalResult = r;
    if (FModalResult == mrNone) FModalResult = mrCancel;
    return FModalResult;
}

void TFormPresenter::SetModalResult(TModalResult result) {
    FModalResult = result;
    if (FView && result != mrNone) FView->Close(result);
}

void TFormPresenter::Changed() {
    if (FView) FView->Refresh();
}
