#pragma once

#include <string>
#include <vector>

// The tip bar's tips: a text and the help context its bulb opens (0: none).
struct TTip {
    std::string Text;
    int HelpContext = 0;
};

// The 44 tips, in order.
const std::vector<TTip>& TipList();

// The tip bar: which tip shows, and whether the bulb is enabled.
class TTipBar {
public:
    // Starts at a random tip in 0 .. count - 2 (from the random service).
    void Start();
    void Show(int index);
    void Next();
    void Previous();
    int Index() const { return FIndex; }
    const std::string& Text() const;
    bool BulbEnabled() const;
    int HelpContext() const;

private:
    int FIndex = 0;
};
