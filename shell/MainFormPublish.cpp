#include "exchange/jobs/ExportWizard.h"
#include "shell/MainForm.h"

void TMainForm::PublishBtnClick() {
    if (!Selected) return;
    TExportWizard wizard;
    wizard.SetParent(Selected);
    wizard.FormShow();
    wizard.ShowModal();
}
