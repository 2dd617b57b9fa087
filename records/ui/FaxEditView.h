#pragma once

#include "platform/ui/DialogView.h"
#include "platform/ui/FieldBinder.h"

#include <memory>

class TFaxEditDlg;
namespace Ui {
class FaxEditDlg;
}

// The fax dialog's widgets over TFaxEditDlg.
class TFaxEditView : public TDialogView {
public:
    TFaxEditView(TFaxEditDlg& presenter, QWidget* parent);
    ~TFaxEditView() override;

protected:
    void Fill() override;

private:
    TFaxEditDlg& P;
    std::unique_ptr<Ui::FaxEditDlg> U;
    TFieldBinder Fields;
};

void RegisterFaxEditView();
