#pragma once

#include <stdexcept>
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

// A required service was not installed: a mistake in wiring the program (or
// a test), raised at the service's first use and naming it.
class EServiceMissing : public std::logic_error {
public:
    explicit EServiceMissing(const std::string& service);
};

// Everything the core reaches outside itself. app/, cli/ or a test fixture
// fills it and installs it; the core never reads the clock, the environment or
// the desktop directly. Three are optional by design: MainWindow (none in the
// command line), Views (no desktop: forms count as cancelled and questions
// as declined) and Images (no icons without a desktop). Every other service
// is reached through its Use... accessor, which raises EServiceMissing when
// it is not installed rather than quietly doing nothing.
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

    ISettings& UseSettings() const;
    IBrowserLink& UseBrowser() const;
    IMailSystem& UseMail() const;
    ITelephony& UseTelephony() const;
    IShell& UseShell() const;
    IClipboard& UseClipboard() const;
    IClock& UseClock() const;
    IRandom& UseRandom() const;
    ILocale& UseLocale() const;
};

// The process-wide services. Installing nullptr restores an empty set.
TServices& Svc();
void InstallServices(TServices* services);
