#pragma once

#include <string>
#include <string_view>

// The items of comma text one at a time, exactly as SplitCommaText splits
// them, so a reader can stop after the items it needs: a line of a million
// items is never held at once.
class TCommaItems {
public:
    explicit TCommaItems(std::string_view text);
    // The next item; false when there is none.
    bool Next(std::string& item);
    // Where the next item begins in the text.
    size_t Pos() const { return FPos; }

private:
    void SkipBlanks();

    std::string_view FText;
    size_t FPos = 0;
    bool FMore = false;
    bool FEmptyLast = false;
};
