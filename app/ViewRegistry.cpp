#include "app/ViewRegistry.h"

#include "exchange/ui/ExportWizardView.h"
#include "exchange/ui/ImportWizardView.h"
#include "exchange/ui/VCImportView.h"
#include "printing/ui/PrintingViews.h"
#include "printing/ui/ReportFormView.h"
#include "records/ui/RecordViews.h"
#include "reminders/ui/ReminderViews.h"
#include "shell/ui/ShellViews.h"

#include <mutex>

void RegisterAllViews() {
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterRecordViews();
        RegisterReminderViews();
        RegisterShellViews();
        RegisterVCImportView();
        RegisterExportWizardView();
        RegisterImportWizardView();
        RegisterReportFormView();
        RegisterFontDialogView();
        RegisterPrinterSetupView();
    });
}
