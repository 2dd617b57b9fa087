#pragma once

#include "records/ui/PrimaryPagesView.h"

#include <memory>

class TOrgEditDlg;
namespace Ui {
class OrgEditDlg;
}

// The organization dialog's widgets over TOrgEditDlg.
class TOrgEditView : public TPrimaryPagesView {
public:
    TOrgEditView(TOrgEditDlg& presenter, QWidget* parent);
    ~TOrgEditView() override;

protected:
    void FormatChanged(const std::string& sender) override;

private:
    TOrgEditDlg& P;
    std::unique_ptr<Ui::OrgEditDlg> U;
};

void RegisterOrgEditView();
