#include "records/ui/RecordViews.h"

#include "records/ui/EditPersView.h"
#include "records/ui/FaxEditView.h"
#include "records/ui/OrgEditView.h"
#include "records/ui/PhoneEditView.h"

// Called by name rather than registered from static initialisers: the linker
// drops objects of a static library that nothing refers to.
void RegisterRecordViews() {
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
    RegisterCategoryPopupView();
}
