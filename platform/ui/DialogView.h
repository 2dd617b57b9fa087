#pragma once

#include "platform/FormPresenter.h"

#include <QDialog>
#include <QPointer>

// The common part of a dialog's Qt view: runs the dialog modally, maps its
// outcome to a modal result and closes it when the presenter asks.
// A concrete view fills its widgets from the presenter in Fill(), writes
// every edit back as it happens (or in Store() at the latest, which runs
// before any handler that reads the fields), and calls the presenter's
// handlers from its signals.
class TDialogView : public IFormView {
public:
    TDialogView(TFormPresenter& presenter, QDialog* dialog);
    ~TDialogView() override;

    TModalResult ShowModal() override;
    void Refresh() override;
    void Close(TModalResult result) override;

    QDialog* Dialog() const { return FDialog; }

protected:
    virtual void Fill() = 0;
    virtual void Store() {}
    // The control that has the focus when the dialog opens; by default the
    // first one in the tab order.
    virtual QWidget* FirstFocus() const { return nullptr; }
    // Places the dialog where the presenter asks (tool windows below a picture).
    void ApplyPosition();

private:
    TFormPresenter& FPresenter;
    QPointer<QDialog> FDialog;
    TModalResult FClosing = mrNone;
    bool FFilling = false;

protected:
    bool Filling() const { return FFilling; }
};
