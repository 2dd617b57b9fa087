#pragma once

#include <array>
#include <string>
#include <vector>

class ISettings;

// The settings of "kex.ini", one struct per section, typed and with their
// defaults, so that no caller spells a key. Read answers the defaults for
// missing keys; Write writes the section within one settings batch (the file
// is written once).

// [Settings]
struct TSettingsOptions {
    // How mail to an Internet address goes: 1 the "mailto:" handler, 2 the
    // mail system, 3 the web browser; 0 (missing) or anything else the mail
    // system, asking first when there are several recipients. The options
    // dialog shows a missing value as 1.
    int INetMail = 0;
    // A program that dials, given the number; empty: the desktop's "tel:".
    std::string Dialer;

    static TSettingsOptions Read(const ISettings& settings);
    void Write(ISettings& settings) const;
};

// [Browser], as stored (TBrowserSettings in comm/ makes sense of the names).
struct TBrowserOptions {
    static constexpr int kDefaultDebugPort = 9222;

    std::string Path; // the browser program; empty: the desktop's default
    std::string DDE;  // the preferred browser's name; empty: none chosen
    // Where a Chromium-family browser answers: 1 to 65535, else the default.
    int DebugPort = kDefaultDebugPort;

    static TBrowserOptions Read(const ISettings& settings);
    void Write(ISettings& settings) const;
};

// [Mail]: the desktop's mail composer and the e-mail-to-fax gateway.
struct TMailOptions {
    std::string Composer = "xdg-email";
    // "%s@fax.example.net": %s stands for the number's digits; empty: no faxes.
    std::string FaxGateway;

    static TMailOptions Read(const ISettings& settings);
    void Write(ISettings& settings) const;
};

// [Categories]: the 32 category names, "Cat1" to "Cat32".
struct TCategoryOptions {
    static constexpr int kCount = 32;
    // Entry n-1 is category n's name; an unnamed one is "User Defined " + n.
    std::array<std::string, kCount> Names;

    TCategoryOptions();
    static TCategoryOptions Read(const ISettings& settings);
    // Erases the section and writes the 32 names.
    void Write(ISettings& settings) const;
    std::vector<std::string> List() const { return {Names.begin(), Names.end()}; }
};

// [Tools]: the configured external programs, "Tool0", "Tool1", ... each the
// comma text of description, program, arguments and "1"/"0" for whether
// address items may be made for it.
struct TToolOption {
    std::string Description;
    std::string FileName;
    std::string Arguments;
    bool AllowAddress = false;

    bool operator==(const TToolOption&) const = default;
};

struct TToolOptions {
    std::vector<TToolOption> Tools;

    // Every key of the section in file order, whatever its name; a value of
    // other than four elements is skipped.
    static TToolOptions Read(const ISettings& settings);
    // Erases the section and writes the tools as "Tool" + index from 0.
    void Write(ISettings& settings) const;
};

// A main window setup: geometry, tree pane width, list view style (1 large
// icons, 2 small icons, 3 list, 4 details) and the list's three column widths.
struct TWinSetup {
    int Left = 0, Top = 0, Width = 640, Height = 480, Split = 201, Style = 1;
    int ColPos[3] = {125, 150, 150};
};

// [WinState]: the normal and the alternate main window setups, eighteen keys.
struct TWinStateOptions {
    TWinSetup Norm;
    TWinSetup Alt = {0, 0, 300, 480, 1, 1, {125, 150, 150}}; // a narrow list-only window

    static TWinStateOptions Read(const ISettings& settings);
    // Writes the eighteen keys in their fixed order.
    void Write(ISettings& settings) const;
};
