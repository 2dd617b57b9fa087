#include "exchange/ui/VCImportView.h"
#include "platform/ui/PlainDialogViews.h"
#include "platform/ui/QtViewFactory.h"
#include "printing/ui/PrintingViews.h"
#include "printing/ui/ReportFormView.h"
#include "records/ui/EditPersView.h"
#include "records/ui/FaxEditView.h"
#include "records/ui/OrgEditView.h"
#include "records/ui/PhoneEditView.h"

// Each view file defines its Register...View function; the list below makes
// the static library keep them (self-registration would be dropped by the linker).

void RegisterAllViews() {
    RegisterPhoneEditView();
    RegisterFaxEditView();
    RegisterEditPersView();
    RegisterOrgEditView();
    RegisterFolderEditView();
    RegisterTeamEditView();
    RegisterEditAddressView();
    RegisterEMailEditView();
    RegisterWebSiteView();
    RegisterDocEditView();
    RegisterToolEditView();
    RegisterRemdView();
    RegisterRecurringDateView();
    RegisterCategoryPopupView();
    RegisterVCImportView();
    RegisterReportFormView();
    RegisterFontDialogView();
    RegisterPrinterSetupView();
}
