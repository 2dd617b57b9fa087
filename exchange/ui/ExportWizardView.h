#pragma once

// Enters the "Publishing Wizard" view in the view factory's registry.
void RegisterExportWizardView();
