#pragma once

#include "platform/FormPresenter.h"

#include <string>

class ISettings;

// The printer, paper and orientation that prints go to, kept in "kex.ini"
// [Printer]. Paper sizes are hundredths of an inch, standing upright.
struct TPrinterSettings {
    std::string PrinterName; // "" for the desktop's default printer
    std::string PaperName;   // the paper's key ("Letter", "A4"); "" for the printer's own
    int PaperWidth = 0;
    int PaperHeight = 0;
    bool Landscape = false;

    static TPrinterSettings Load(const ISettings& settings);
    // Raises EInOutError when "kex.ini" cannot be written.
    void Save(ISettings& settings) const;

    bool operator==(const TPrinterSettings&) const = default;
};

// File > "Printer Setup...": the desktop's dialog for the printer, its paper
// and the orientation. Its view works on the printer that reports print on
// and leaves what was chosen in Printer.
class TPrinterSetupDlg : public TFormPresenter {
public:
    TPrinterSetupDlg() { Caption = "Printer Setup"; }
    std::string FormName() const override { return "TPrinterSetupDlg"; }

    TPrinterSettings Printer;

    // Shows the dialog; on OK keeps the choice in the settings (a write
    // failure is shown, the choice still holds for this run). True on OK.
    bool Execute();
    // The dialog turned the paper.
    bool OrientationChanged() const { return Printer.Landscape != FWasLandscape; }

private:
    bool FWasLandscape = false;
};
