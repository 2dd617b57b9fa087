#include "MainFormFixture.h"
#include "exchange/VCImportDlg.h"
#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "shell/CommandLine.h"
#include "shell/MainWinState.h"
#include "shell/ProgressForm.h"
#include "shell/TipList.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"

namespace {

TEST(MainWinState, EighteenKeysAreWrittenInTheirFixedOrderWithTheirDefaults) {
    TTestServices svc;
    TMainWinState state;
    state.Save(svc.Settings);
    const Strings order = {"Norm_Left",    "Norm_Top",     "Norm_Width",   "Norm_Height",
                           "Norm_Split",   "Alt_Left",     "Alt_Top",      "Alt_Width",
                           "Alt_Height",   "Alt_Split",    "Norm_Style",   "Alt_Style",
                           "Norm_ColPos1", "Norm_ColPos2", "Norm_ColPos3", "Alt_ColPos1",
                           "Alt_ColPos2",  "Alt_ColPos3"};
    EXPECT_EQ(svc.Settings.ReadSection("WinState"), order);
    const int values[] = {0, 0, 640, 480, 201, 0,   0,   300, 480,
                          1, 1, 1,   125, 150, 150, 125, 150, 150};
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(svc.Settings.ReadInteger("WinState", order[i], -9), values[i]) << order[i];
}

TEST(MainWinState, RestoreReadsEachKeyAndDefaultsTheMissing) {
    TTestServices svc;
    svc.Settings.WriteInteger("WinState", "Alt_ColPos3", 77);
    svc.Settings.WriteInteger("WinState", "Norm_Style", 4);
    TMainWinState state;
    state.Restore(svc.Settings);
    EXPECT_EQ(state.Alt.ColPos[2], 77);
    EXPECT_EQ(state.Norm.Style, 4);
    EXPECT_EQ(state.Alt.Width, 300);
    EXPECT_EQ(state.Norm.Split, 201);
    EXPECT_FALSE(state.UseAlt);
}

TEST_F(MainFormFixture, ToggleTwiceReturnsTheGeometryAndEachSetupKeepsItsChanges) {
    view.Window = {10, 20, 800, 600, 250, 4, {90, 91, 92}};
    form.ToggleMainWindowClick();
    EXPECT_EQ(view.Window.Width, 300);
    EXPECT_EQ(view.Window.Split, 1);
    view.Window.Height = 700; // the user resizes the narrow window
    form.ToggleMainWindowClick();
    EXPECT_EQ(view.Window.Left, 10);
    EXPECT_EQ(view.Window.Width, 800);
    EXPECT_EQ(view.Window.ColPos[2], 92);
    EXPECT_EQ(form.ViewStyle, 4);
    EXPECT_EQ(form.FoldersWidth, 250);
    form.ToggleMainWindowClick();
    EXPECT_EQ(view.Window.Height, 700);

    form.Destroy(false);
    EXPECT_EQ(svc.Settings.ReadInteger("WinState", "Alt_Height", 0), 700);
    EXPECT_EQ(svc.Settings.ReadInteger("WinState", "Norm_Style", 0), 4);
}

TEST_F(MainFormFixture, DestroyWritesTheSettingsFileOnceForAllEighteenValues) {
    TIniFile file(svc.File("kex.ini"));
    int writes = 0;
    file.Writer = [&](const std::string&, const std::string&) { ++writes; };
    svc.Services.Settings = &file;
    form.Destroy(false);
    svc.Services.Settings = &svc.Settings;
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(file.ReadSection("WinState").size(), 18u);
}

TEST_F(MainFormFixture, DestroySavesTheDataOnlyWhenAsked) {
    Node(kindFolder, "Kept");
    form.Destroy(false);
    EXPECT_EQ(ReadText(svc.File(kDataFileName)), "");
    form.Destroy(true);
    EXPECT_NE(ReadText(svc.File(kDataFileName)).find("}Kept~~"), std::string::npos);
}

TEST(MainFormCreate, TreeOfAnUnsortedDataFileIsShownSortedAtEveryLevel) {
    // Files written elsewhere (a command-line import, another program) need
    // not be in tree order.
    TTestServices svc;
    WriteText(svc.File(kDataFileName), "{Params}\r\n{1 3 }Zed~~~~~~1\r\n\r\n"
                                       "{1 0 }Work~~~~~~2\r\n\r\n{2 3 }Tom~~~~~~3\r\n\r\n"
                                       "{2 3 }ann~~~~~~4\r\n\r\n{1 0 }Clubs~~~~~~5\r\n\r\n");
    TContactStore doc;
    TMainForm form(doc);
    form.Create();
    TTreeNode* root = doc.Root();
    std::vector<std::string> top, work;
    for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
        top.push_back(c->Text());
    for (TTreeNode* c = root->Child(1)->GetFirstChild(); c; c = c->GetNextSibling())
        work.push_back(c->Text());
    EXPECT_EQ(top, (std::vector<std::string>{"Clubs", "Work", "Zed"}));
    EXPECT_EQ(work, (std::vector<std::string>{"ann", "Tom"}));
}

TEST(MainFormCreate, DamagedDataFileRaisesAfterTheRootIsSelected) {
    TTestServices svc;
    WriteText(svc.File(kDataFileName), "{Params}\r\n{1 0 }Kept~~~~~~5\r\n\r\n{x");
    TContactStore doc;
    TRecordingMainView view;
    TMainForm form(doc);
    form.SetView(&view);
    EXPECT_THROW(form.Create(), EInOutError);
    EXPECT_EQ(form.Selected, doc.Root());
    EXPECT_EQ(form.MainItems.size(), 1u);
    EXPECT_EQ(view.Applied, 1);
    EXPECT_TRUE(doc.Incomplete());
}

TEST(CommandLine, BlanksOutsideQuotesSeparateTokens) {
    const struct {
        const char* Text;
        Strings Tokens;
    } cases[] = {
        {"merrowin a.tvd", {"merrowin", "a.tvd"}},
        {"\"/opt/my apps/merrowin\" \"/home/a b/x.tvd\"  y.vcf",
         {"/opt/my apps/merrowin", "/home/a b/x.tvd", "y.vcf"}},
        {"prog a,b.tvd", {"prog", "a,b.tvd"}},
        {"prog \"\" z", {"prog", "", "z"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.Text), c.Tokens) << c.Text;
        EXPECT_EQ(SplitCommandLine(JoinCommandLine(c.Tokens)), c.Tokens) << c.Text;
    }
}

TEST(CommandLine, HideWinIsMatchedExactly) {
    EXPECT_TRUE(HasHideWin({"prog", "HIDEWIN"}));
    EXPECT_TRUE(HasHideWin({"HIDEWIN"}));
    EXPECT_FALSE(HasHideWin({"prog", "/HIDEWIN", "hidewin", "-HIDEWIN"}));
}

TEST_F(MainFormFixture, CommandLineLoadsLowerCaseTransferFilesBelowTheRoot) {
    const std::string a = svc.File("first file.tvd"), b = svc.File("b.tvd"),
                      upper = svc.File("c.TVD"), backup = svc.File("d.tvd.bak");
    WriteText(a, "{1 0 }Zeta~~~~~~11\r\n\r\n");
    WriteText(b, "{1 0 }Alpha~~~~~~12\r\n\r\n");
    WriteText(upper, "{1 0 }Upper~~~~~~13\r\n\r\n");
    WriteText(backup, "{1 0 }Backup~~~~~~14\r\n\r\n");
    TTreeNode* sub = Node(kindFolder, "Sub");
    form.SelectNode(sub);
    form.OpenCommandLine("\"" + a + "\" \"" + a + "\" " + b + " " + upper + " " + backup +
                         " card.VCF other.txt");
    EXPECT_EQ(view.Shown, 1);
    EXPECT_EQ(ChildTexts(root), (Strings{"Alpha", "Sub", "Zeta"}));
    EXPECT_EQ(form.Selected, sub);

    form.OpenCommandLine("");
    EXPECT_EQ(view.Shown, 2);
}

TEST_F(MainFormFixture, CommandLineImportsVCardsBelowTheRootAskingPerOrganization) {
    const std::string cards = svc.File("three cards.vcf");
    WriteText(cards, "BEGIN:VCARD\r\nN:Public;Jane\r\nTEL:555 0100\r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nN:Smith;John\r\nORG:Acme\r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nFN:Bo\r\nEND:VCARD\r\n");
    std::vector<std::string> asked;
    svc.Views.On<TVCImportDlg>("TVCImportDlg", [&](TVCImportDlg& d) {
        asked.push_back(d.Name + "/" + d.Org);
        d.OrgBtnClick();
        return mrNone;
    });
    TTreeNode* sub = Node(kindFolder, "Sub");
    form.SelectNode(sub);
    // As a second copy hands its command line over.
    form.OpenCommandLine("merrowin \"" + cards + "\"");
    EXPECT_EQ(asked, Strings{"John Smith/Acme"});
    EXPECT_EQ(ChildTexts(root), (Strings{"Sub", "Acme", "Bo", "Jane Public"}));
    EXPECT_EQ(root->Child(1)->Data()->GetKind(), kindOrg);
    EXPECT_EQ(form.Selected, sub);
    EXPECT_EQ(form.StatusPanels[0], "3 cards read, 3 records created (1 organization), 0 skipped");

    // A file that is not there is an error, and nothing comes of it.
    EXPECT_THROW(form.OpenCommandLine("merrowin " + svc.File("gone.vcf")), EInOutError);
    EXPECT_EQ(root->Count(), 4);
}

TEST(TipBar, StartsAtARandomTipBeforeTheLastAndStopsAtTheEnds) {
    TTestServices svc;
    ASSERT_EQ(TipList().size(), 44u);
    svc.Random.Values = {41};
    TTipBar bar;
    bar.Start();
    EXPECT_EQ(svc.Random.Calls.back(), 43);
    EXPECT_EQ(bar.Index(), 41);
    EXPECT_EQ(bar.HelpContext(), 1032);
    EXPECT_TRUE(bar.BulbEnabled());
    bar.Next();
    bar.Next();
    bar.Next();
    EXPECT_EQ(bar.Index(), 43);
    EXPECT_FALSE(bar.BulbEnabled()); // the last tip has no help topic
    EXPECT_EQ(bar.Text().substr(0, 26), "To make changes to a conta");
    bar.Show(-3);
    bar.Previous();
    EXPECT_EQ(bar.Index(), 0);
}

TEST(ProgressForm, PercentIsPositionOverMaximumAndFullWithoutMaximum) {
    TProgressForm p;
    p.SetMax(3);
    p.SetPosition(2);
    EXPECT_EQ(p.PercentText(), "66%");
    p.SetMax(0);
    EXPECT_EQ(p.PercentText(), "100%");
    p.SetMax(40000000); // the product overflows 32 bits
    p.SetPosition(30000000);
    EXPECT_EQ(p.PercentText(), "75%");
}

} // namespace
