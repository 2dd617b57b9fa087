#include "platform/IniFile.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "support/TestServices.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(IniFile, ReadsSectionsAndKeysIgnoringCaseWithValuesVerbatim) {
    TTempDir dir;
    WriteText(dir.File("kex.ini"),
              "; comment\r\n[WinState]\r\nNorm_Left=12\r\n  norm_top = 7\r\n"
              "garbage line\r\n[Tools]\r\nTool0=\"My Tool\",/usr/bin/x,, 0 \r\n"
              "Tool0=second\r\n");
    TIniFile ini(dir.File("kex.ini"));
    EXPECT_EQ(ini.ReadInteger("winstate", "NORM_LEFT", 0), 12);
    EXPECT_EQ(ini.ReadInteger("WinState", "Norm_Top", 0), 7);
    EXPECT_EQ(ini.ReadInteger("WinState", "Missing", 640), 640);
    EXPECT_EQ(ini.ReadString("Tools", "tool0", "x"), "\"My Tool\",/usr/bin/x,, 0 ");
    EXPECT_EQ(ini.ReadSection("tools"), std::vector<std::string>{"Tool0"});
    EXPECT_EQ(ini.ReadString("Nowhere", "k", "def"), "def");
}

TEST(IniFile, IntegersFallBackToDefaultOnGarbage) {
    TIniFile ini;
    ini.WriteString("S", "a", "12x");
    ini.WriteString("S", "b", "-5");
    ini.WriteString("S", "c", "$1F");
    ini.WriteString("S", "d", "99999999999");
    EXPECT_EQ(ini.ReadInteger("S", "a", 3), 3);
    EXPECT_EQ(ini.ReadInteger("S", "b", 3), -5);
    EXPECT_EQ(ini.ReadInteger("S", "c", 3), 31);
    EXPECT_EQ(ini.ReadInteger("S", "d", 3), 3);
}

TEST(IniFile, WritesKeepOtherLinesAndOrderAndGoToDiskAtOnce) {
    TTempDir dir;
    std::string path = dir.File("kex.ini");
    WriteText(path, "; keep me\n[A]\nx=1\n\n[B]\ny=2\n");
    TIniFile ini(path);
    ini.WriteString("a", "X", "10");
    ini.WriteString("A", "z", "3");
    ini.WriteString("C", "w", "line\r\nbreak");
    EXPECT_EQ(ReadText(path),
              "; keep me\r\n[A]\r\nX=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=line  break\r\n");
    TIniFile again(path);
    EXPECT_EQ(again.ReadString("A", "x", ""), "10");
}

TEST(IniFile, EraseSectionRemovesItsKeysAndWritingItAgainListsThemInOrder) {
    TIniFile ini;
    for (int i = 0; i < 3; ++i)
        ini.WriteString("Tools", "Tool" + std::to_string(i), "v");
    ini.WriteString("Other", "k", "v");
    ini.EraseSection("TOOLS");
    EXPECT_TRUE(ini.ReadSection("Tools").empty());
    ini.WriteString("Tools", "Tool1", "b");
    ini.WriteString("Tools", "Tool0", "a");
    EXPECT_EQ(ini.ReadSection("Tools"), (std::vector<std::string>{"Tool1", "Tool0"}));
    EXPECT_EQ(ini.ReadString("Other", "k", ""), "v");
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedOnFirstWrite) {
    TTempDir dir;
    TIniFile ini(dir.File("kex.ini"));
    EXPECT_EQ(ini.ReadString("A", "b", "d"), "d");
    EXPECT_EQ(ReadText(dir.File("kex.ini")), "");
    ini.WriteInteger("A", "b", 1);
    EXPECT_EQ(ReadText(dir.File("kex.ini")), "[A]\r\nb=1\r\n");
}

ssize_t FailingRead(int, void*, size_t) {
    errno = EIO;
    return -1;
}

TEST(IniFile, AFileThatCouldNotBeReadGivesDefaultsAndIsNeverOverwritten) {
    TTempDir dir;
    const std::string text = "[WinState]\r\nNorm_Left=12\r\n";
    WriteText(dir.File("kex.ini"), text);
    fileio::testing::SetReadFunction(FailingRead);
    TIniFile ini(dir.File("kex.ini"));
    fileio::testing::SetReadFunction(nullptr);
    EXPECT_EQ(ini.ReadInteger("WinState", "Norm_Left", 0), 0);
    try {
        ini.WriteInteger("WinState", "Norm_Left", 40);
        FAIL() << "no error raised";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Where(), dir.File("kex.ini") + ": Disk read error");
    }
    EXPECT_EQ(ReadText(dir.File("kex.ini")), text);
    // Once it reads again, writing works again.
    ini.Reload();
    ini.WriteInteger("WinState", "Norm_Left", 40);
    EXPECT_EQ(ReadText(dir.File("kex.ini")), "[WinState]\r\nNorm_Left=40\r\n");
}

} // namespace
