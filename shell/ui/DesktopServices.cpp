#include "shell/ui/DesktopServices.h"

#include "comm/BrowserSettings.h"
#include "printing/ui/PrinterSettingsQt.h"
#include "shell/RecordKinds.h"

TDesktopServices::TDesktopServices(const std::string& programFolder,
                                   const std::string& settingsFile)
    : Settings(settingsFile), Telephony(&Settings, Shell), Mail(Shell, Settings),
      BrowserTransport(Shell, TBrowserSettings::Read(Settings).DebugPort),
      Browser(BrowserTransport, Shell) {
    Services.ProgramFolder = programFolder;
    Services.Settings = &Settings;
    Services.Clock = &Clock;
    Services.Random = &Random;
    Services.Locale = &Locale;
    Services.Views = &Views;
    Services.Clipboard = &Clipboard;
    Services.Shell = &Shell;
    Services.Telephony = &Telephony;
    Services.Images = &Images;
    Services.Mail = &Mail;
    Services.Browser = &Browser;
    TBrowserSettings::Read(Settings).ApplyTo(Browser);
    Services.Printer = &Printer;
    printersettings::Apply(Printer.Printer(), TPrinterSettings::Load(Settings));
    InstallServices(&Services);
    RegisterRecordKinds();
}

TDesktopServices::~TDesktopServices() {
    InstallServices(nullptr);
}
