#include "shell/ui/DesktopServices.h"

TDesktopServices::TDesktopServices(const std::string& programFolder,
                                   const std::string& settingsFile)
    : Settings(settingsFile), Telephony(&Settings) {
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
    InstallServices(&Services);
}

TDesktopServices::~TDesktopServices() {
    InstallServices(nullptr);
}
