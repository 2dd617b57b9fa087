#include "shell/OptionPages.h"

#include "MainFormFixture.h"
#include "platform/MessageBox.h"

#include <sys/stat.h>

namespace {

class OptionsDialog : public MainFormFixture {
protected:
    // An executable program in the test's folder.
    std::string Program(const std::string& name) {
        std::string path = svc.File(name);
        WriteText(path, "#!/bin/sh\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    // Runs the dialog with script as the user.
    void Options(std::function<TModalResult(TOptionPages&)> script) {
        svc.Views.On<TOptionPages>("TOptionPages", std::move(script));
        form.OptionsItemClick();
    }
    std::string Ini(const std::string& section, const std::string& key) {
        return svc.Settings.ReadString(section, key, "<none>");
    }
};

TEST_F(OptionsDialog, ShowsTheStoredSettingsWithOlderBrowserNamesAsTheDefaultBrowser) {
    struct Case {
        const char* DDE;
        int INetMail; // -1: not stored
        const char* Shown;
        int Checked;
    };
    const Case cases[] = {
        {"NETSCAPE", 2, "Default browser", 2},
        {"iexplore", 1, "Default browser", 1},
        {"", -1, "Default browser", 0},
        {"chromium", 3, "Chromium", 3},
        {"Opera", 7, "Opera", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.DDE);
        svc.Settings.EraseSection("Settings");
        svc.Settings.WriteString("Browser", "DDE", c.DDE);
        svc.Settings.WriteString("Browser", "Path", "C:\\Program Files\\Web\\web.exe");
        if (c.INetMail >= 0) svc.Settings.WriteInteger("Settings", "INetMail", c.INetMail);
        Options([&](TOptionPages& d) {
            EXPECT_EQ(d.Caption, "Options");
            EXPECT_EQ(d.HelpContext, 1040);
            EXPECT_EQ(d.DDE, c.Shown);
            EXPECT_EQ(d.DDEItems, (Strings{"Chromium", "Chrome", "Firefox", "Default browser"}));
            EXPECT_EQ(d.Path, "C:\\Program Files\\Web\\web.exe");
            EXPECT_EQ(d.DebugPort, 9222);
            EXPECT_EQ(d.EMailOpt, c.Checked);
            EXPECT_EQ(d.CatList.size(), 32u);
            EXPECT_EQ(d.CatList[0], "User Defined 1");
            return mrCancel;
        });
    }
}

TEST_F(OptionsDialog, OkWritesBrowserMailAndNamesAndTheProgramFollowsAtOnce) {
    form.FilterListBox[2].Checked = true;
    Options([](TOptionPages& d) {
        d.DDE = "Chrome";
        d.Path = "/opt/google/chrome/chrome.exe";
        d.DebugPort = 9333;
        d.EMailOpt = 2;
        d.CatListClick(2);
        EXPECT_EQ(d.CatName, "User Defined 3");
        EXPECT_EQ(d.FocusControl, "CatName");
        d.CatName = "Clients";
        d.CatNameExit();
        d.CatListClick(4);
        d.CatName = ""; // an empty name leaves the name
        d.CatNameExit();
        d.OKBtnClick();
        return d.ModalResult();
    });
    EXPECT_EQ(Ini("Browser", "DDE"), "Chrome");
    EXPECT_EQ(Ini("Browser", "Path"), "/opt/google/chrome/chrome.exe");
    EXPECT_EQ(Ini("Browser", "DebugPort"), "9333");
    EXPECT_EQ(Ini("Settings", "INetMail"), "2");
    EXPECT_EQ(Ini("Categories", "Cat3"), "Clients");
    EXPECT_EQ(Ini("Categories", "Cat5"), "User Defined 5");
    EXPECT_EQ(svc.Browser.DefaultServer(), "Chrome");
    EXPECT_EQ(svc.Browser.DefaultApp(), "/opt/google/chrome/chrome"); // only ".exe" dropped
    EXPECT_EQ(form.CategoryNames()[2], "Clients");
    EXPECT_TRUE(form.FilterListBox[2].Checked); // the filter in force stays shown
    EXPECT_EQ(view.NameChanges, 1);
    EXPECT_EQ(view.ToolMenuBuilds, 1);
}

TEST_F(OptionsDialog, ACategoryNameBeingEditedIsCommittedByOkButNotByCancel) {
    for (TModalResult result : {mrCancel, mrOk}) {
        Options([result](TOptionPages& d) {
            d.CatListClick(0);
            d.CatName = "Family";
            d.ActiveControl = "CatName"; // the focus is still in the edit
            return result;
        });
        EXPECT_EQ(form.CategoryNames()[0], result == mrOk ? "Family" : "User Defined 1");
        EXPECT_EQ(Ini("Categories", "Cat1"), result == mrOk ? "Family" : "<none>");
    }
}

TEST_F(OptionsDialog, NoMailChoiceMadeKeepsTheStoredRoute) {
    // Nothing stored: mail goes through the mail system, asking first; an OK
    // that did not touch the choice must not turn that into "mailto".
    Options([](TOptionPages& d) { return d.EMailOpt == 0 ? mrOk : mrCancel; });
    EXPECT_EQ(Ini("Settings", "INetMail"), "<none>");
    EXPECT_EQ(Ini("Browser", "DDE"), "Default browser");
}

TEST_F(OptionsDialog, CancelKeepsAnAddedToolButNothingElse) {
    const std::string gimp = Program("gimp");
    svc.Views.FileNames = {gimp};
    Options([](TOptionPages& d) {
        d.NewToolBtnClick();
        EXPECT_EQ(d.ToolsList.size(), 1u);
        EXPECT_EQ(d.ToolsListIndex, 0);
        EXPECT_EQ(d.Description, "gimp");
        EXPECT_FALSE(d.AddressCheckBox);
        d.DDE = "Firefox";
        d.EMailOpt = 3;
        d.CatListClick(1);
        d.CatName = "Lost";
        d.CatNameExit();
        return mrCancel;
    });
    ASSERT_EQ(form.Tools.Count(), 1);
    EXPECT_EQ(form.Tools.Item(0)->Option(), (TToolOption{"gimp", gimp, "", false}));
    EXPECT_EQ(view.ToolMenuBuilds, 1); // both Tools menus show it
    EXPECT_EQ(Ini("Tools", "Tool0"), "gimp," + gimp + ",,0");
    EXPECT_EQ(Ini("Browser", "DDE"), "<none>");
    EXPECT_EQ(Ini("Settings", "INetMail"), "<none>");
    EXPECT_EQ(form.CategoryNames()[1], "User Defined 2");
    EXPECT_EQ(svc.Browser.DefaultServer(), "");
}

TEST_F(OptionsDialog, OnlyProgramsBecomeToolsNamedAfterTheirEntryOrFile) {
    const std::string entry = svc.File("org.example.Draw.desktop");
    WriteText(entry, "[Desktop Entry]\nName=Draw, Paint & Print\nExec=draw %U\nIcon=draw\n");
    const std::string text = svc.File("notes.exe");
    WriteText(text, "not a program");
    const std::string script = Program("backup.sh");
    svc.Views.FileNames = {text, entry, script, std::nullopt};
    Options([](TOptionPages& d) {
        for (int i = 0; i < 4; ++i)
            d.NewToolBtnClick();
        return mrOk;
    });
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Invalid File Type");
    EXPECT_EQ(svc.Views.Boxes[0].Text,
              "Only programs (executable files or desktop entries) may be used as Tools");
    EXPECT_EQ(svc.Views.Boxes[0].Type, mb::Ok | mb::IconError);
    ASSERT_EQ(form.Tools.Count(), 2);
    EXPECT_EQ(form.Tools.Item(0)->Description, "Draw, Paint & Print");
    EXPECT_EQ(form.Tools.Item(1)->Description, "backup");

    // The comma in the name survives the round trip through "kex.ini".
    TToolItems reread;
    reread.Load(svc.Settings);
    ASSERT_EQ(reread.Count(), 2);
    EXPECT_EQ(reread.Item(0)->Option(), form.Tools.Item(0)->Option());
}

TEST_F(OptionsDialog, AttributesGoIntoTheSelectedToolAtOnceAndDeleteRemovesIt) {
    const std::string a = Program("a");
    const std::string b = Program("b");
    svc.Views.FileNames = {a, b};
    Options([&](TOptionPages& d) {
        d.NewToolBtnClick();
        d.NewToolBtnClick();
        d.ToolsListClick(0);
        EXPECT_EQ(d.FilenameEdit, a);
        d.Description = "Alpha";
        d.AttributesChange("Description");
        d.Arguments = "--go";
        d.AttributesChange("Arguments");
        d.AddressCheckBox = true;
        d.AttributesChange("AddressCheckBox");
        d.FilenameEdit = b;
        d.AttributesChange("FilenameEdit");
        d.ToolsListClick(1);
        EXPECT_EQ(d.Description, "b");
        d.DelToolBtnClick();
        EXPECT_EQ(d.ToolsListIndex, -1);
        EXPECT_EQ(d.Description, "");
        d.AttributesChange("Description"); // nothing selected: nothing changes
        return mrCancel;
    });
    ASSERT_EQ(form.Tools.Count(), 1);
    EXPECT_EQ(form.Tools.Item(0)->Option(), (TToolOption{"Alpha", b, "--go", true}));
    // The new program's icon replaced the old one at the same place.
    EXPECT_EQ(form.Tools.Item(0)->ImageIndex(), 14);
    EXPECT_EQ(svc.Images.Replaced, (std::vector<std::pair<int, std::string>>{{14, b}}));
}

TEST_F(OptionsDialog, AFailedWriteIsReportedAfterTheChangesTookEffect) {
    // "kex.ini" cannot be written: its name is taken by a folder.
    TTempDir locked;
    ::mkdir(locked.File("kex.ini").c_str(), 0700);
    TIniFile ini(locked.File("kex.ini"));
    svc.Services.Settings = &ini;
    EXPECT_ANY_THROW(Options([](TOptionPages& d) {
        d.DDE = "Chromium";
        d.OKBtnClick();
        return d.ModalResult();
    }));
    EXPECT_EQ(svc.Browser.DefaultServer(), "Chromium");
    EXPECT_EQ(view.ToolMenuBuilds, 1);
    svc.Services.Settings = &svc.Settings;
}

} // namespace
