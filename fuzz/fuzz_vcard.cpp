// Feeds arbitrary bytes to the vCard reader. What it read is written; reading
// that and writing it again must give the very same bytes and cards.
#include "exchange/VCardFile.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TVCardFile f;
    f.ReadText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const TCard& card : f.Cards()) {
        CardDisplayName(card);
        for (const TCardProperty& p : card.Properties()) {
            p.ParamDescription();
            p.GetText();
        }
    }
    std::string first = f.Text();
    TVCardFile again;
    again.ReadText(first);
    std::string second = again.Text();
    if (first != second || again.CardCount() != f.CardCount()) {
        std::fprintf(stderr, "round trip differs:\n--- first\n%s\n--- second\n%s\n", first.c_str(),
                     second.c_str());
        std::abort();
    }
    return 0;
}
