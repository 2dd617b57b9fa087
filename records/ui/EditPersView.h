#pragma once

#include "records/ui/PrimaryPagesView.h"

#include <memory>

class TEditPersDlg;
namespace Ui {
class EditPersDlg;
}

// The person dialog's widgets over TEditPersDlg.
class TEditPersView : public TPrimaryPagesView {
public:
    TEditPersView(TEditPersDlg& presenter, QWidget* parent);
    ~TEditPersView() override;

protected:
    void FormatChanged(const std::string& sender) override;

private:
    TEditPersDlg& P;
    std::unique_ptr<Ui::EditPersDlg> U;
};

void RegisterEditPersView();
