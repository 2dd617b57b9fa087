#include "exchange/CommaItems.h"

namespace {
bool IsBlank(char c) {
    auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}
} // namespace

TCommaItems::TCommaItems(std::string_view text) : FText(text) {
    SkipBlanks();
    FMore = FPos < FText.size();
}

void TCommaItems::SkipBlanks() {
    while (FPos < FText.size() && IsBlank(FText[FPos]))
        ++FPos;
}

bool TCommaItems::Next(std::string& item) {
    if (!FMore) return false;
    item.clear();
    if (FEmptyLast) {
        FMore = false;
        return true;
    }
    const size_t n = FText.size();
    if (FText[FPos] == '"') {
        for (++FPos; FPos < n; ++FPos) {
            if (FText[FPos] != '"') {
                item += FText[FPos];
            } else if (FPos + 1 < n && FText[FPos + 1] == '"') {
                item += '"';
                ++FPos;
            } else {
                ++FPos;
                break;
            }
        }
    } else {
        size_t start = FPos;
        while (FPos<n&& static_cast<unsigned char>(FText[FPos])> 32 && FText[FPos] != ',')
            ++FPos;
        item.assign(FText.substr(start, FPos - start));
    }
    SkipBlanks();
    if (FPos >= n) {
        FMore = false;
    } else if (FText[FPos] == ',') {
        ++FPos;
        SkipBlanks();
        FEmptyLast = FPos >= n; // a final comma ends with an empty item
    } else if (FText[FPos] == '\0') {
        // A NUL ends an unquoted item without a separator: step over it.
        FMore = ++FPos < n;
    }
    return true;
}
