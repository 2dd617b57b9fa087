#include "comm/BrowserSettings.h"

#include "comm/BrowserDDE.h"
#include "platform/Settings.h"
#include "store/Options.h"

#include <algorithm>
#include <cctype>

namespace {
bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}
} // namespace

TBrowserSettings TBrowserSettings::Read(const ISettings& settings) {
    const TBrowserOptions stored = TBrowserOptions::Read(settings);
    TBrowserSettings s;
    s.Name = NameFromSetting(stored.DDE);
    s.Path = PathFromSetting(stored.Path);
    s.DebugPort = stored.DebugPort;
    return s;
}

std::string TBrowserSettings::NameFromSetting(const std::string& stored) {
    const std::string& fallback = TBrowserDDE::KnownServers().back();
    if (stored.empty()) return fallback;
    for (const char* old : {"NETSCAPE", "IExplore", "Mosaic"})
        if (SameText(stored, old)) return fallback;
    for (const std::string& known : TBrowserDDE::KnownServers())
        if (SameText(stored, known)) return known;
    return stored;
}

std::string TBrowserSettings::PathFromSetting(const std::string& stored) {
    const std::string ext = ".exe";
    if (stored.size() > ext.size() && SameText(stored.substr(stored.size() - ext.size()), ext))
        return stored.substr(0, stored.size() - ext.size());
    return stored;
}

void TBrowserSettings::ApplyTo(IBrowserLink& link) const {
    link.SetDefaultServer(Name);
    link.SetDefaultApp(Path);
}
