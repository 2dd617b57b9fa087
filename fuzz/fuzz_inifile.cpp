// Feeds arbitrary bytes to the settings-file reader, then writes a key and
// reads the text back: what was written must read back, and everything else
// must read as before.
#include "platform/IniFile.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    TIniFile ini;
    ini.Parse(text);
    std::vector<std::pair<std::string, std::string>> before;
    for (const char* section : {"WinState", "Tools", "Categories", "Browser"})
        for (const auto& key : ini.ReadSection(section))
            before.push_back({section, key});
    std::vector<std::string> values;
    for (const auto& [s, k] : before)
        values.push_back(ini.ReadString(s, k, "\x01"));

    ini.WriteString("Fuzz", "Key", text.substr(0, 40));
    ini.EraseSection("Browser");
    TIniFile reread;
    reread.Parse(ini.Text());
    std::string expect = text.substr(0, 40);
    for (char& c : expect)
        if (c == '\r' || c == '\n') c = ' ';
    if (reread.ReadString("Fuzz", "Key", "\x01") != expect) std::abort();
    for (size_t i = 0; i < before.size(); ++i) {
        const auto& [s, k] = before[i];
        if (s == std::string("Browser")) continue;
        if (reread.ReadString(s, k, "\x01") != values[i]) std::abort();
    }
    return 0;
}
