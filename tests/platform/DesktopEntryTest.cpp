#include "platform/DesktopEntry.h"

#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Words = std::vector<std::string>;

TEST(DesktopEntry, ExecLinesSplitAsTheDesktopEntryRulesSayWithFieldCodesDropped) {
    struct Case {
        const char* Exec;
        Words Expected;
    };
    const Case cases[] = {
        {"gimp-2.10 %U", {"gimp-2.10"}},
        {"  editor   --new-window  %F ", {"editor", "--new-window"}},
        {"\"/opt/My App/run\" --file=%f -x", {"/opt/My App/run", "--file=", "-x"}},
        {R"(sh -c "echo \"hi\" \$HOME \`id\` \\")", {"sh", "-c", R"(echo "hi" $HOME `id` \)"}},
        {"app 100%% %i %c %k", {"app", "100%"}},
        {"app \"\" end", {"app", "", "end"}},
        {"app $(touch pwned) ; rm -rf x | y",
         {"app", "$(touch", "pwned)", ";", "rm", "-rf", "x", "|", "y"}},
        {"", {}},
        {"%U", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Exec);
        EXPECT_EQ(TDesktopEntry::ExecWords(c.Exec), c.Expected);
    }
}

TEST(DesktopEntry, ReadsTheFirstEntryGroupWithItsStringEscapes) {
    TTempDir dir;
    WriteText(dir.File("a.desktop"), "# comment\n[Desktop Entry]\nType=Application\n"
                                     "Name[de]=Bildbearbeitung\nName = Image\\sEditor\n"
                                     "Exec=gimp %U\nIcon=gimp\nPath=/srv/work\nName=Second\n"
                                     "[Desktop Action new]\nExec=gimp --new\nName=New\n");
    auto entry = TDesktopEntry::Read(dir.File("a.desktop"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->Name, "Image Editor");
    EXPECT_EQ(entry->Exec, "gimp %U");
    EXPECT_EQ(entry->Icon, "gimp");
    EXPECT_EQ(entry->Path, "/srv/work");

    WriteText(dir.File("b.desktop"), "[Other]\nExec=x\n");
    EXPECT_FALSE(TDesktopEntry::Read(dir.File("b.desktop")));
    EXPECT_FALSE(TDesktopEntry::Read(dir.File("missing.desktop")));
}

TEST(DesktopEntry, OnlyExecutableFilesAndDesktopEntriesThatRunSomethingArePrograms) {
    TTempDir dir;
    auto file = [&](const std::string& name, const std::string& text, int mode) {
        WriteText(dir.File(name), text);
        ::chmod(dir.File(name).c_str(), static_cast<mode_t>(mode));
        return dir.File(name);
    };
    std::filesystem::create_directory(dir.File("folder.exe"));
    struct Case {
        std::string Path;
        bool Program;
        std::string Name;
    };
    const Case cases[] = {
        {file("gimp", "#!/bin/sh\n", 0755), true, "gimp"},
        {file("backup.sh", "#!/bin/sh\n", 0700), true, "backup"},
        {file("group-only", "#!/bin/sh\n", 0710), true, "group-only"},
        {file("notes.txt", "text", 0644), false, "notes"},
        {file("run.bat", "@echo off\r\n", 0644), false, "run"},
        {file("WORD.EXE", "MZ", 0644), false, "WORD"},
        {file("editor.desktop", "[Desktop Entry]\nName=Text Editor\nExec=ed %f\n", 0644), true,
         "Text Editor"},
        {file("Unnamed.Desktop", "[Desktop Entry]\nExec=ed\n", 0644), true, "Unnamed"},
        {file("link.desktop", "[Desktop Entry]\nType=Link\nName=Site\nURL=http://x/\n", 0644),
         false, "Site"},
        {file("field-only.desktop", "[Desktop Entry]\nExec=%U\n", 0644), false, "field-only"},
        {dir.File("folder.exe"), false, "folder"},
        {dir.File("missing"), false, "missing"},
        {file(".hidden", "#!/bin/sh\n", 0755), true, ".hidden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Path);
        EXPECT_EQ(IsProgramFile(c.Path), c.Program);
        EXPECT_EQ(ProgramDisplayName(c.Path), c.Name);
    }
}

} // namespace
