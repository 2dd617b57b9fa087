// Feeds arbitrary bytes to the shortcut reader, as a ".url" file and as a
// ".desktop" file. A ".url" address never holds a line end, and reading the
// same bytes twice gives the same shortcut.
#include "exchange/IShortCut.h"
#include "exchange/ImportError.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    for (bool url : {true, false}) {
        const char* name = url ? "/fuzz/a.url" : "/fuzz/a.desktop";
        TIShortCut s;
        s.SetFileName(name);
        try {
            s.LoadText(bytes);
        } catch (const EImportError&) {
            continue; // a NUL byte: no text file
        }
        if (url && s.URL.find_first_of("\r\n") != std::string::npos) std::abort();
        (void)HotKeyText(s.HotKey);
        TIShortCut again;
        again.SetFileName(name);
        again.LoadText(bytes);
        if (again.URL != s.URL || again.Title() != s.Title() || again.HotKey != s.HotKey ||
            again.IsLink != s.IsLink)
            std::abort();
    }
    return 0;
}
