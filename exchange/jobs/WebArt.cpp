#include "exchange/jobs/WebArt.h"

#include "platform/FileIO.h"
#include "platform/ProgramFolder.h"
#include "store/FieldText.h"

namespace webart {

const std::vector<std::string>& Pictures() {
    static const std::vector<std::string> names = {"folder.gif", "org.gif",  "person.gif",
                                                   "team.gif",   "web.gif",  "tavibtn.gif",
                                                   "kex_16.gif", "vcard.gif"};
    return names;
}

const std::vector<std::string>& Backgrounds() {
    static const std::vector<std::string> names = {
        kNoBackground, "beads",  "chalk",     "cloud1",   "cloud2",   "cloud3", "cloud4",
        "concrete",    "fire",   "floortile", "flower",   "foam",     "grid",   "lace",
        "letters",     "marble", "nova",      "sand",     "smear1",   "smear2", "soil",
        "speckle",     "stone",  "terrain1",  "terrain2", "terrain3", "vines",  "weave"};
    return names;
}

std::string BackgroundStem(const std::string& name) {
    return name == "speckle" ? "flecks" : name;
}

const std::vector<TColor>& Colors() {
    static const std::vector<TColor> colors = {
        {"Aqua", 0x00FFFF},  {"Black", 0x000000},  {"Fuchsia", 0xFF00FF}, {"Gray", 0x808080},
        {"Green", 0x008000}, {"Lime", 0x00FF00},   {"Maroon", 0x800000},  {"Navy", 0x000080},
        {"Olive", 0x808000}, {"Purple", 0x800080}, {"Red", 0xFF0000},     {"Silver", 0xC0C0C0},
        {"Teal", 0x008080},  {"White", 0xFFFFFF},  {"Yellow", 0xFFFF00}};
    return colors;
}

uint32_t ColorOfIndex(int index) {
    const auto& c = Colors();
    return index >= 0 && index < static_cast<int>(c.size()) ? c[static_cast<size_t>(index)].Rgb : 0;
}

int ColorIndex(const std::string& name) {
    const auto& c = Colors();
    for (size_t i = 0; i < c.size(); ++i)
        if (fieldtext::SameTextFolded(c[i].Name, name)) return static_cast<int>(i);
    return -1;
}

std::string IconsDir() {
    std::string data = programfolder::DataFolder(programfolder::ExecutablePath());
    return data.empty() ? std::string() : fileio::JoinPath(data, "web/");
}

std::string BackgroundsDir() {
    std::string icons = IconsDir();
    return icons.empty() ? std::string() : icons + "backgrounds/";
}

} // namespace webart
