#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The artwork and styles a published site can use: the pictures copied beside
// every site, the backgrounds and the colour names. The pictures ship with
// the program in its data folder ("web/", backgrounds in "web/backgrounds/"),
// never in the current folder.
namespace webart {

// "folder.gif", "org.gif", "person.gif", "team.gif", "web.gif",
// "tavibtn.gif", "kex_16.gif", "vcard.gif".
const std::vector<std::string>& Pictures();

// "No background" first, then the 27 backgrounds by name ("beads" ...
// "weave"). Each name has STEM.gif for the pages and STEM.png for the
// preview, STEM being BackgroundStem(name).
const std::vector<std::string>& Backgrounds();
// The file name, without its extension, of the background shown as name:
// the name itself, but for the few whose files are named otherwise.
std::string BackgroundStem(const std::string& name);
inline constexpr const char* kNoBackground = "No background";

struct TColor {
    std::string Name; // written into the pages
    uint32_t Rgb;     // drawn in the preview, 0xRRGGBB
};
// The 15 colour names from "Aqua" to "Yellow", in list order.
const std::vector<TColor>& Colors();
inline constexpr int kDefaultTextColor = 1; // "Black"
inline constexpr int kDefaultLinkColor = 7; // "Navy"
// The colour of entry index (black for an index outside the list).
uint32_t ColorOfIndex(int index);
// The entry whose name is name (any case), or -1.
int ColorIndex(const std::string& name);

// The folders of the pictures and of the backgrounds, with a trailing "/";
// "" when the program has no data folder.
std::string IconsDir();
std::string BackgroundsDir();

} // namespace webart
