#include "store/Options.h"

#include "platform/IniFile.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

TEST(Options, MissingKeysReadAsTheirDefaults) {
    TIniFile empty;
    EXPECT_EQ(TSettingsOptions::Read(empty).INetMail, 0);
    EXPECT_EQ(TSettingsOptions::Read(empty).Dialer, "");
    EXPECT_EQ(TBrowserOptions::Read(empty).DDE, "");
    EXPECT_EQ(TBrowserOptions::Read(empty).DebugPort, 9222);
    EXPECT_EQ(TBrowserOptions::Read(empty).Path, "");
    EXPECT_EQ(TMailOptions::Read(empty).Composer, "xdg-email");
    const auto cats = TCategoryOptions::Read(empty);
    EXPECT_EQ(cats.Names[0], "User Defined 1");
    EXPECT_EQ(cats.Names[31], "User Defined 32");
    EXPECT_TRUE(TToolOptions::Read(empty).Tools.empty());
    const auto win = TWinStateOptions::Read(empty);
    EXPECT_EQ(win.Norm.Width, 640);
    EXPECT_EQ(win.Norm.Split, 201);
    EXPECT_EQ(win.Alt.Width, 300);
    EXPECT_EQ(win.Alt.Split, 1);
    EXPECT_EQ(win.Alt.ColPos[2], 150);
}

TEST(Options, StoredValuesAreReadFromTheirKeys) {
    TIniFile ini;
    ini.Parse("[Settings]\r\nINetMail=3\r\nDialer=/usr/bin/dial\r\n"
              "[Browser]\r\nPath=/usr/bin/chromium\r\nDDE=Chromium\r\nDebugPort=9333\r\n"
              "[Mail]\r\nFaxGateway=%s@fax.example.net\r\n"
              "[Categories]\r\nCat1=Family\r\nCat32=Last\r\nCat2=\r\n"
              "[WinState]\r\nNorm_Left=40\r\nAlt_ColPos3=99\r\n");
    EXPECT_EQ(TSettingsOptions::Read(ini).INetMail, 3);
    EXPECT_EQ(TSettingsOptions::Read(ini).Dialer, "/usr/bin/dial");
    EXPECT_EQ(TBrowserOptions::Read(ini).Path, "/usr/bin/chromium");
    EXPECT_EQ(TBrowserOptions::Read(ini).DDE, "Chromium");
    EXPECT_EQ(TBrowserOptions::Read(ini).DebugPort, 9333);
    EXPECT_EQ(TMailOptions::Read(ini).FaxGateway, "%s@fax.example.net");
    const auto cats = TCategoryOptions::Read(ini);
    EXPECT_EQ(cats.Names[0], "Family");
    EXPECT_EQ(cats.Names[1], "User Defined 2"); // empty reads as unnamed
    EXPECT_EQ(cats.Names[31], "Last");
    EXPECT_EQ(TWinStateOptions::Read(ini).Norm.Left, 40);
    EXPECT_EQ(TWinStateOptions::Read(ini).Alt.ColPos[2], 99);
}

TEST(Options, ToolsKeepCommasAndSkipValuesOfOtherThanFourElements) {
    TIniFile ini;
    ini.Parse("[Tools]\r\nTool0=Edit,/usr/bin/ed,-n,1\r\nBroken=only,three,parts\r\n"
              "Whatever=\"Mail, merge\",/opt/mm,\"--to x\",0\r\n");
    const auto read = TToolOptions::Read(ini);
    ASSERT_EQ(read.Tools.size(), 2u);
    EXPECT_EQ(read.Tools[0], (TToolOption{"Edit", "/usr/bin/ed", "-n", true}));
    EXPECT_EQ(read.Tools[1], (TToolOption{"Mail, merge", "/opt/mm", "--to x", false}));

    // Written back as Tool0, Tool1 ...; the broken entry is gone and the
    // description with a comma survives another read.
    read.Write(ini);
    EXPECT_EQ(ini.ReadSection("Tools"), (std::vector<std::string>{"Tool0", "Tool1"}));
    EXPECT_EQ(TToolOptions::Read(ini).Tools, read.Tools);
}

TEST(Options, CategoriesAreErasedAndRewrittenWhole) {
    TIniFile ini;
    ini.Parse("[Categories]\r\nStray=x\r\nCat1=Old\r\n");
    TCategoryOptions cats;
    cats.Names[0] = "Family";
    cats.Write(ini);
    const auto keys = ini.ReadSection("Categories");
    ASSERT_EQ(keys.size(), 32u);
    EXPECT_EQ(keys[0], "Cat1");
    EXPECT_EQ(ini.ReadString("Categories", "Cat1", ""), "Family");
    EXPECT_EQ(ini.ReadString("Categories", "Stray", "gone"), "gone");
}

TEST(Options, WindowStateIsWrittenInOneGoInItsFixedKeyOrder) {
    TTempDir dir;
    TIniFile ini(dir.File("kex.ini"));
    int writes = 0;
    ini.Writer = [&](const std::string&, const std::string&) { ++writes; };
    TWinStateOptions win;
    win.Norm.Left = 7;
    win.Write(ini);
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(ini.ReadSection("WinState"),
              (std::vector<std::string>{"Norm_Left", "Norm_Top", "Norm_Width", "Norm_Height",
                                        "Norm_Split", "Alt_Left", "Alt_Top", "Alt_Width",
                                        "Alt_Height", "Alt_Split", "Norm_Style", "Alt_Style",
                                        "Norm_ColPos1", "Norm_ColPos2", "Norm_ColPos3",
                                        "Alt_ColPos1", "Alt_ColPos2", "Alt_ColPos3"}));
    EXPECT_EQ(TWinStateOptions::Read(ini).Norm.Left, 7);
}

} // namespace
