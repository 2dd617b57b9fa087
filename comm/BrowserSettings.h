#pragma once

#include "store/Options.h"

#include <string>

class ISettings;
class IBrowserLink;

// The [Browser] keys of "kex.ini" as the browser link takes them: the
// preferred browser ("DDE"), its program ("Path") and the port on which a
// Chromium-family browser answers ("DebugPort").
struct TBrowserSettings {
    static constexpr int kDefaultDebugPort = TBrowserOptions::kDefaultDebugPort;

    std::string Name;
    std::string Path;
    int DebugPort = kDefaultDebugPort;

    static TBrowserSettings Read(const ISettings& settings);
    // A stored browser name: one of the known browsers in its own spelling;
    // the names of older settings files, or none, are the default browser;
    // anything else is kept as the user wrote it.
    static std::string NameFromSetting(const std::string& stored);
    // A stored program path, kept whole but for a trailing ".exe".
    static std::string PathFromSetting(const std::string& stored);

    // Makes these the link's preferred browser and program.
    void ApplyTo(IBrowserLink& link) const;
};
