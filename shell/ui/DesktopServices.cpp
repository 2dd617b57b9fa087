#include "shell/ui/DesktopServices.h"

#include "printing/ui/PrinterSettingsQt.h"

TDesktopServices::TDesktopServices(const std::string& programFolder,
                                   const std::string& settingsFile)
    : Settings(settingsFile), Telephony(&Settings), Mail(Shell, Settings), Browser(Shell) {
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
    Services.Printer = &Printer;
    printersettings::Apply(Printer.Printer(), TPrinterSettings::Load(Settings));
    // The preferred browser of the settings; a program path is used as it
    // stands (a name ending in ".exe" from an older settings file loses it).
    Browser.SetDefaultServer(Settings.ReadString("Browser", "DDE", "IExplore"));
    std::string path = Settings.ReadString("Browser", "Path", "");
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".exe") == 0)
        path.resize(path.size() - 4);
    Browser.SetDefaultApp(path);
    InstallServices(&Services);
}

TDesktopServices::~TDesktopServices() {
    InstallServices(nullptr);
}
