#pragma once

#include "comm/BrowserDDE.h"
#include "platform/Clock.h"
#include "platform/DesktopMailSystem.h"
#include "platform/DevToolsTransport.h"
#include "platform/IniFile.h"
#include "platform/PosixShell.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/ui/DesktopTelephony.h"
#include "platform/ui/QtClipboard.h"
#include "platform/ui/QtImageList.h"
#include "platform/ui/QtLocale.h"
#include "platform/ui/QtViewFactory.h"
#include "platform/ui/ShellWatcher.h"
#include "report/ui/QtReportPrinter.h"

#include <string>

// The desktop program's services: "kex.ini", the system clock, the locale,
// the Qt clipboard and views, the shell, the dialer, the mail composer and
// the browser link (over the remote-debugging port of a Chromium-family
// browser, else the desktop's browser) and the printer. Installed for its
// lifetime.
class TDesktopServices {
public:
    // programFolder: where the data files live; settingsFile: "kex.ini".
    TDesktopServices(const std::string& programFolder, const std::string& settingsFile);
    ~TDesktopServices();
    TDesktopServices(const TDesktopServices&) = delete;
    TDesktopServices& operator=(const TDesktopServices&) = delete;

    TServices Services;
    TIniFile Settings;
    TSystemClock Clock;
    TStdRandom Random;
    TQtLocale Locale;
    TQtViewFactory Views;
    TQtClipboard Clipboard;
    TPosixShell Shell;
    TShellWatcher ShellWatcher{Shell}; // failures of what the shell starts are told
    TDesktopTelephony Telephony;
    TQtImageList Images;
    TDesktopMailSystem Mail;
    TDevToolsTransport BrowserTransport;
    TBrowserDDE Browser;
    TQtReportPrinter Printer; // with the printer setup kept in "kex.ini"
};
