#pragma once

#include <string>

class ISettings;
class IBrowserLink;
class IMailSystem;
class ITelephony;
class IShell;
class IClipboard;
class IViewFactory;
class IMainWindow;
class IClock;
class IRandom;
class ILocale;
class IImageList;
class IReportPrinter;

// Everything the core reaches outside itself. app/, cli/ or a test fixture
// fills it and installs it; the core never reads the clock, the environment or
// the desktop directly. MainWindow is null where there is no main window.
struct TServices {
    ISettings* Settings = nullptr;
    IBrowserLink* Browser = nullptr;
    IMailSystem* Mail = nullptr;
    ITelephony* Telephony = nullptr;
    IShell* Shell = nullptr;
    IClipboard* Clipboard = nullptr;
    IViewFactory* Views = nullptr;
    IMainWindow* MainWindow = nullptr;
    IClock* Clock = nullptr;
    IRandom* Random = nullptr;
    ILocale* Locale = nullptr;
    IImageList* Images = nullptr;
    IReportPrinter* Printer = nullptr; // where reports print, preview and go to PDF
    // The program's folder: relative data file names ("tavi.dat",
    // "clipdata.dat", "ret_addr.dat") resolve here.
    std::string ProgramFolder;

    // A relative file name resolved in the program's folder.
    std::string ProgramFile(const std::string& name) const;
};

// The process-wide services. Installing nullptr restores an empty set.
TServices& Svc();
void InstallServices(TServices* services);
