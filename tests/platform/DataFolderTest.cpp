// The data folder found from where the executable lies: an install, a
// portable folder, a build tree and its test programs.
#include "platform/ProgramFolder.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TLayout {
    const char* Name;
    // Made below a scratch root: names ending in "/" are folders, others files.
    std::vector<std::string> Entries;
    std::vector<std::pair<std::string, std::string>> Links; // link, target
    std::string Executable;
    std::string Expected; // "" for none
};

void Make(const std::string& root, const TLayout& layout) {
    std::vector<std::string> entries = layout.Entries;
    entries.push_back(layout.Executable);
    for (const std::string& e : entries) {
        fs::path path = root + "/" + e;
        fs::create_directories(e.ends_with("/") ? path : path.parent_path());
        if (!e.ends_with("/")) WriteText(path.string(), "<title>x</title>");
    }
    for (const auto& [link, target] : layout.Links)
        fs::create_directory_symlink(root + "/" + target, root + "/" + link);
}

TEST(DataFolder, IsFoundFromTheExecutablesPlace) {
    const std::string index = "help/index.html";
    const TLayout layouts[] = {
        {"installed",
         {"usr/share/merrowin/" + index},
         {},
         "usr/bin/merrowin",
         "usr/share/merrowin/"},
        {"installed, a program's folder named help in bin",
         {"usr/bin/help/", "usr/share/merrowin/" + index},
         {},
         "usr/bin/merrowin",
         "usr/share/merrowin/"},
        {"portable", {"apps/merrowin/" + index}, {}, "apps/merrowin/merrowin", "apps/merrowin/"},
        {"portable beside a share folder",
         {"apps/" + index, "share/merrowin/" + index},
         {},
         "apps/merrowin",
         "apps/"},
        {"build tree",
         {"src/resources/" + index, "src/build/"},
         {{"src/build/resources", "src/resources"}},
         "src/build/merrowin",
         "src/build/resources/"},
        {"test program in a build tree",
         {"src/resources/" + index, "src/build/"},
         {{"src/build/resources", "src/resources"}},
         "src/build/tests/platform/test_platform",
         "src/build/resources/"},
        {"build tree whose link points nowhere",
         {"src/build/"},
         {{"src/build/resources", "src/resources"}},
         "src/build/merrowin",
         ""},
        {"help without its contents page",
         {"usr/share/merrowin/help/"},
         {},
         "usr/bin/merrowin",
         ""},
        {"data of another program", {"usr/share/other/" + index}, {}, "usr/bin/merrowin", ""},
    };
    for (const TLayout& layout : layouts) {
        TTempDir root;
        Make(root.Path(), layout);
        const std::string expected = layout.Expected.empty() ? "" : root.File(layout.Expected);
        EXPECT_EQ(programfolder::DataFolder(root.File(layout.Executable)), expected) << layout.Name;
    }
}

TEST(DataFolder, NoFolderForAnExecutableWithoutAPath) {
    for (const char* path : {"", "merrowin"})
        EXPECT_EQ(programfolder::DataFolder(path), "") << path;
}

} // namespace
