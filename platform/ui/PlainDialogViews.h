#pragma once

// Registration of the record dialogs' views without masked edits, the
// reminder and date dialogs and the category picker (see ViewRegistry.cpp).
void RegisterFolderEditView();
void RegisterTeamEditView();
void RegisterEditAddressView();
void RegisterEMailEditView();
void RegisterWebSiteView();
void RegisterDocEditView();
void RegisterToolEditView();
void RegisterRemdView();
void RegisterRecurringDateView();
void RegisterCategoryPopupView();
