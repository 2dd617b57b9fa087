#pragma once

#include "platform/ui/DialogView.h"
#include "platform/ui/FieldBinder.h"

#include <memory>

class TPhoneEditDlg;
namespace Ui {
class PhoneEditDlg;
}

// The phone dialog's widgets over TPhoneEditDlg.
class TPhoneEditView : public TDialogView {
public:
    TPhoneEditView(TPhoneEditDlg& presenter, QWidget* parent);
    ~TPhoneEditView() override;

protected:
    void Fill() override;

private:
    TPhoneEditDlg& P;
    std::unique_ptr<Ui::PhoneEditDlg> U;
    TFieldBinder Fields;
};

void RegisterPhoneEditView();
