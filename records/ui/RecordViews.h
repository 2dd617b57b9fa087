#pragma once

// The Qt views of the record layer's dialogs, entered in the view factory's
// registry by RegisterRecordViews (the composition root calls it once).
void RegisterRecordViews();

// One per view file (the phone, fax, person and organization views declare
// theirs in their own headers).
void RegisterFolderEditView();
void RegisterTeamEditView();
void RegisterEditAddressView();
void RegisterEMailEditView();
void RegisterWebSiteView();
void RegisterDocEditView();
void RegisterToolEditView();
void RegisterCategoryPopupView();
