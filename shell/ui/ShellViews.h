#pragma once

// The Qt views of the shell layer's dialogs, entered in the view factory's
// registry by RegisterShellViews (the composition root calls it once).
void RegisterShellViews();

void RegisterOptionPagesView();
void RegisterToolsDlgView();
