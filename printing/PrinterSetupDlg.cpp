#include "printing/PrinterSetupDlg.h"

#include "platform/AskUser.h"
#include "platform/Errors.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/Settings.h"

#include <algorithm>

namespace {
constexpr const char* kSection = "Printer";
}

TPrinterSettings TPrinterSettings::Load(const ISettings& settings) {
    TPrinterSettings s;
    s.PrinterName = settings.ReadString(kSection, "Name", "");
    s.PaperName = settings.ReadString(kSection, "Paper", "");
    s.PaperWidth = std::max(0, settings.ReadInteger(kSection, "PaperWidth", 0));
    s.PaperHeight = std::max(0, settings.ReadInteger(kSection, "PaperHeight", 0));
    s.Landscape = settings.ReadString(kSection, "Orientation", "Portrait") == "Landscape";
    return s;
}

void TPrinterSettings::Save(ISettings& settings) const {
    TSettingsBatch batch(settings);
    settings.WriteString(kSection, "Name", PrinterName);
    settings.WriteString(kSection, "Paper", PaperName);
    settings.WriteInteger(kSection, "PaperWidth", PaperWidth);
    settings.WriteInteger(kSection, "PaperHeight", PaperHeight);
    settings.WriteString(kSection, "Orientation", Landscape ? "Landscape" : "Portrait");
    batch.Commit();
}

bool TPrinterSetupDlg::Execute() {
    Printer = TPrinterSettings::Load(Svc().UseSettings());
    FWasLandscape = Printer.Landscape;
    if (ShowModal() != mrOk) return false;
    try {
        Printer.Save(Svc().UseSettings());
    } catch (const EInOutError& e) {
        AskUser("The printer setup could not be kept for the next start.\n\n" + e.Where(), Caption,
                mb::Ok | mb::IconError);
    }
    return true;
}
