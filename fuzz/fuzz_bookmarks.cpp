// Feeds arbitrary bytes to the bookmark-page reader. Every bookmark it gives
// must have an address without line ends, lines must not go back, and the
// address book must give one entry per bookmark.
#include "exchange/BookmarkPage.h"
#include "exchange/ImportError.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        TBookmarkPage page = ParseBookmarkPage(bytes, "fuzz.htm");
        auto anchors = page.Anchors();
        int lastLine = 0;
        // Every line end takes at least one byte, whatever the encoding.
        const auto lines = static_cast<int>(bytes.size()) + 1;
        for (const TBookmark* b : anchors) {
            if (b->Address.empty() || b->Address.find_first_of("\r\n") != std::string::npos)
                std::abort();
            if (b->Line < lastLine || b->Line < 1 || b->Line > lines) std::abort();
            lastLine = b->Line;
        }
        if (AddressBookEntries(page).size() != anchors.size()) std::abort();
        std::string title, url;
        if (GetAnchorInfo(bytes, title, url) && url.empty()) std::abort();
    } catch (const EImportError&) {
        // a NUL byte: no text file
    }
    return 0;
}
