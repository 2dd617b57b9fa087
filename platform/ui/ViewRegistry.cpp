#include "platform/ui/PlainDialogViews.h"
#include "platform/ui/QtViewFactory.h"

// Each view file defines its Register...View function; the list below makes
// the static library keep them (self-registration would be dropped by the linker).

void RegisterAllViews() {
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
}
