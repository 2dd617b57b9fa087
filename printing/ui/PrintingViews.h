#pragma once

// Registration of the font dialog and the printer setup (see ViewRegistry.cpp).
void RegisterFontDialogView();
void RegisterPrinterSetupView();
