#pragma once

// Registers the view of the import wizard (TImportWizard) with the Qt view
// factory.
void RegisterImportWizardView();
