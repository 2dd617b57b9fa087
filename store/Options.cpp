#include "store/Options.h"

#include "exchange/CommaText.h"
#include "platform/Settings.h"

namespace {
// The nine values of a setup in their stored order after the set's prefix.
template <typename S>
auto Fields(S& s) {
    return std::array{&s.Left,  &s.Top,       &s.Width,     &s.Height,   &s.Split,
                      &s.Style, &s.ColPos[0], &s.ColPos[1], &s.ColPos[2]};
}

const std::array<const char*, 9> kSetupNames = {"Left",  "Top",     "Width",   "Height", "Split",
                                                "Style", "ColPos1", "ColPos2", "ColPos3"};
} // namespace

// --- [Settings] ------------------------------------------------------------------

TSettingsOptions TSettingsOptions::Read(const ISettings& settings) {
    TSettingsOptions o;
    o.INetMail = settings.ReadInteger("Settings", "INetMail", o.INetMail);
    o.Dialer = settings.ReadString("Settings", "Dialer", o.Dialer);
    return o;
}

void TSettingsOptions::Write(ISettings& settings) const {
    TSettingsBatch batch(settings);
    settings.WriteInteger("Settings", "INetMail", INetMail);
    settings.WriteString("Settings", "Dialer", Dialer);
    batch.Commit();
}

// --- [Browser] -------------------------------------------------------------------

TBrowserOptions TBrowserOptions::Read(const ISettings& settings) {
    TBrowserOptions o;
    o.Path = settings.ReadString("Browser", "Path", o.Path);
    o.DDE = settings.ReadString("Browser", "DDE", o.DDE);
    const int port = settings.ReadInteger("Browser", "DebugPort", o.DebugPort);
    if (port > 0 && port <= 65535) o.DebugPort = port;
    return o;
}

void TBrowserOptions::Write(ISettings& settings) const {
    TSettingsBatch batch(settings);
    settings.WriteString("Browser", "Path", Path);
    settings.WriteString("Browser", "DDE", DDE);
    settings.WriteInteger("Browser", "DebugPort", DebugPort);
    batch.Commit();
}

// --- [Mail] ----------------------------------------------------------------------

TMailOptions TMailOptions::Read(const ISettings& settings) {
    TMailOptions o;
    o.Composer = settings.ReadString("Mail", "Composer", o.Composer);
    o.FaxGateway = settings.ReadString("Mail", "FaxGateway", o.FaxGateway);
    return o;
}

void TMailOptions::Write(ISettings& settings) const {
    TSettingsBatch batch(settings);
    settings.WriteString("Mail", "Composer", Composer);
    settings.WriteString("Mail", "FaxGateway", FaxGateway);
    batch.Commit();
}

// --- [Categories] ------------------------------------------------------------------

TCategoryOptions::TCategoryOptions() {
    for (int n = 1; n <= kCount; ++n)
        Names[static_cast<size_t>(n - 1)] = "User Defined " + std::to_string(n);
}

TCategoryOptions TCategoryOptions::Read(const ISettings& settings) {
    TCategoryOptions o;
    for (int n = 1; n <= kCount; ++n) {
        std::string v = settings.ReadString("Categories", "Cat" + std::to_string(n), "");
        if (!v.empty()) o.Names[static_cast<size_t>(n - 1)] = v;
    }
    return o;
}

void TCategoryOptions::Write(ISettings& settings) const {
    TSettingsBatch batch(settings);
    settings.EraseSection("Categories");
    for (int n = 1; n <= kCount; ++n)
        settings.WriteString("Categories", "Cat" + std::to_string(n),
                             Names[static_cast<size_t>(n - 1)]);
    batch.Commit();
}

// --- [Tools] -------------------------------------------------------------------------

TToolOptions TToolOptions::Read(const ISettings& settings) {
    TToolOptions o;
    for (const std::string& key : settings.ReadSection("Tools")) {
        std::vector<std::string> v =
            commatext::SplitCommaText(settings.ReadString("Tools", key, ""));
        if (v.size() != 4) continue;
        o.Tools.push_back({v[0], v[1], v[2], v[3] == "1"});
    }
    return o;
}

void TToolOptions::Write(ISettings& settings) const {
    TSettingsBatch batch(settings);
    settings.EraseSection("Tools");
    for (size_t i = 0; i < Tools.size(); ++i) {
        const TToolOption& t = Tools[i];
        settings.WriteString("Tools", "Tool" + std::to_string(i),
                             commatext::CommaText({t.Description, t.FileName, t.Arguments,
                                                   t.AllowAddress ? "1" : "0"}));
    }
    batch.Commit();
}

// --- [WinState] -----------------------------------------------------------------------

TWinStateOptions TWinStateOptions::Read(const ISettings& settings) {
    TWinStateOptions o;
    for (auto [set, prefix] : {std::pair{&o.Norm, "Norm_"}, std::pair{&o.Alt, "Alt_"}}) {
        auto fields = Fields(*set);
        for (size_t i = 0; i < fields.size(); ++i)
            *fields[i] =
                settings.ReadInteger("WinState", std::string(prefix) + kSetupNames[i], *fields[i]);
    }
    return o;
}

void TWinStateOptions::Write(ISettings& settings) const {
    TSettingsBatch batch(settings);
    auto n = Fields(Norm);
    auto a = Fields(Alt);
    auto write = [&](const char* prefix, size_t i, const int* value) {
        settings.WriteInteger("WinState", std::string(prefix) + kSetupNames[i], *value);
    };
    // The order of the keys in the file is fixed: geometry and split of both
    // sets, then the styles, then the column widths.
    for (size_t i = 0; i < 5; ++i)
        write("Norm_", i, n[i]);
    for (size_t i = 0; i < 5; ++i)
        write("Alt_", i, a[i]);
    write("Norm_", 5, n[5]);
    write("Alt_", 5, a[5]);
    for (size_t i = 6; i < 9; ++i)
        write("Norm_", i, n[i]);
    for (size_t i = 6; i < 9; ++i)
        write("Alt_", i, a[i]);
    batch.Commit();
}
