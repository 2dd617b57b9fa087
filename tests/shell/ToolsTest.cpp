#include "MainFormFixture.h"
#include "records/ToolEdit.h"
#include "records/ToolObject.h"
#include "shell/ToolItems.h"
#include "shell/ToolsDlg.h"

namespace {

void AddTool(TToolItems& tools, const std::string& description, const std::string& file,
             const std::string& arguments, bool allowAddress) {
    tools.Add(std::make_unique<TToolItem>(description, file, arguments, allowAddress ? "1" : "0"));
}

TEST(ToolItems, FourElementValuesOfAnyKeyLoadInOrderAndSaveAsToolN) {
    TTestServices svc;
    svc.Settings.WriteString("Tools", "Zed", R"("Mail, merge",/usr/bin/merge,"-a b",1)");
    svc.Settings.WriteString("Tools", "Tool7", "Broken,/usr/bin/x");
    svc.Settings.WriteString("Tools", "Tool8", "Too,many,elements,0,1");
    svc.Settings.WriteString("Tools", "Alpha", "Edit,/usr/bin/ed,,0");
    TToolItems tools;
    tools.Load(svc.Settings);
    ASSERT_EQ(tools.Count(), 2);
    EXPECT_EQ(tools.Item(0)->Option(),
              (TToolOption{"Mail, merge", "/usr/bin/merge", "-a b", true}));
    EXPECT_EQ(tools.Item(1)->Option(), (TToolOption{"Edit", "/usr/bin/ed", "", false}));
    EXPECT_EQ(tools.Item(2), nullptr);
    EXPECT_EQ(tools.Item(-1), nullptr);

    tools.Remove(tools.Item(1));
    AddTool(tools, "Say \"hi\", twice", "/opt/My Tools/hi", "--loud", false);
    tools.Save(svc.Settings);
    EXPECT_EQ(svc.Settings.ReadSection("Tools"), (std::vector<std::string>{"Tool0", "Tool1"}));
    TToolItems again;
    again.Load(svc.Settings);
    ASSERT_EQ(again.Count(), 2);
    EXPECT_EQ(again.Item(0)->Option(), tools.Item(0)->Option());
    EXPECT_EQ(again.Item(1)->Option(),
              (TToolOption{"Say \"hi\", twice", "/opt/My Tools/hi", "--loud", false}));
}

TEST(ToolItems, IconTakenOnceThenReplacedInPlace) {
    TTestServices svc;
    TToolItems tools;
    AddTool(tools, "A", "/usr/bin/a", "", false);
    AddTool(tools, "B", "/usr/bin/b", "", false);
    EXPECT_EQ(tools.Item(0)->ImageIndex(), 14);
    EXPECT_EQ(tools.Item(1)->ImageIndex(), 15);
    tools.Item(0)->SetFileName("/usr/bin/c");
    EXPECT_EQ(tools.Item(0)->ImageIndex(), 14);
    EXPECT_EQ(svc.Images.Replaced, (std::vector<std::pair<int, std::string>>{{14, "/usr/bin/c"}}));
    EXPECT_EQ(tools.Find("/usr/bin/c"), tools.Item(0));
    EXPECT_EQ(tools.Find("/usr/bin/C"), nullptr);

    svc.Services.Images = nullptr; // no desktop: the generic image
    AddTool(tools, "D", "/usr/bin/d", "", false);
    EXPECT_EQ(tools.Item(2)->ImageIndex(), 13);
}

TEST(ToolItems, ArgumentsWithOneSpaceFromTheDialogAndNoneFromAMenuInTheProgramsFolder) {
    TTestServices svc;
    TToolItems tools;
    AddTool(tools, "Args", "/opt/kit/run", "-v --x", false);
    AddTool(tools, "Bare", "/opt/kit/bare", "", false);
    tools.Item(0)->Start();
    tools.Item(0)->Start("");
    tools.Item(1)->Start("");
    tools.Item(1)->Start("a@b.org");
    ASSERT_EQ(svc.Shell.Calls.size(), 4u);
    EXPECT_EQ(svc.Shell.Calls[0].Parameters, "");
    EXPECT_EQ(svc.Shell.Calls[1].Parameters, "-v --x ");
    EXPECT_EQ(svc.Shell.Calls[2].Parameters, "");
    EXPECT_EQ(svc.Shell.Calls[3].Parameters, " a@b.org");
    for (const auto& call : svc.Shell.Calls) {
        EXPECT_EQ(call.Directory, "/opt/kit/");
        EXPECT_EQ(call.ShowCmd, 1);
    }
    EXPECT_EQ(svc.Shell.Calls[0].File, "/opt/kit/run");
}

class ToolsDialog : public MainFormFixture {
protected:
    ToolsDialog() {
        AddTool(form.Tools, "Mapper", "/opt/map/mapper", "--pin", true);
        AddTool(form.Tools, "Viewer", "/opt/view/viewer", "", false);
    }
    // The Tools dialog picks tool index for "&New Address...".
    void PickForAddress(int index) {
        svc.Views.On<TToolsDlg>("TToolsDlg", [index](TToolsDlg& d) {
            d.ToolsListClick(index);
            d.AddrBtnClick();
            return d.ModalResult();
        });
    }
};

TEST_F(ToolsDialog, ButtonsFollowTheSelectionAndLaunchPassesTheToolsArguments) {
    TToolsDlg dlg(form.Tools);
    dlg.FormCreate();
    EXPECT_EQ(dlg.ToolsList.size(), 2u);
    EXPECT_FALSE(dlg.LaunchBtnEnabled);
    EXPECT_FALSE(dlg.AddrBtnEnabled);
    dlg.ToolsListClick(1);
    EXPECT_TRUE(dlg.LaunchBtnEnabled);
    EXPECT_FALSE(dlg.AddrBtnEnabled);
    dlg.ToolsListClick(0);
    EXPECT_TRUE(dlg.AddrBtnEnabled);
    dlg.LaunchBtnClick();
    EXPECT_EQ(dlg.ModalResult(), mrCancel);
    ASSERT_EQ(svc.Shell.Calls.size(), 1u);
    EXPECT_EQ(svc.Shell.Calls[0].File, "/opt/map/mapper");
    EXPECT_EQ(svc.Shell.Calls[0].Parameters, "--pin ");

    // From a menu the same tool gets no parameters.
    form.ToolMenuItemClick(0);
    form.ToolMenuItemClick(5); // past the end: nothing
    ASSERT_EQ(svc.Shell.Calls.size(), 2u);
    EXPECT_EQ(svc.Shell.Calls[1].Parameters, "");
}

TEST_F(ToolsDialog, NewAddressMakesAToolItemKeptOnlyWhenItsDialogIsAccepted) {
    TTreeNode* person = Node(kindPerson, "Ann");
    form.SelectNode(person);
    PickForAddress(0);
    svc.Views.On<TToolEdit>("TToolEdit", [](TToolEdit& d) {
        EXPECT_EQ(d.TitleEdit, "New Mapper");
        EXPECT_EQ(d.Image1, 14); // the tool's icon
        d.Address = "12 High St";
        return mrOk;
    });
    form.ToolsBtnClick();
    ASSERT_EQ(person->Data()->ItemCount(), 1);
    auto* item = dynamic_cast<TToolObject*>(person->Data()->Items()[0].get());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetTitle(), "New Mapper");
    EXPECT_EQ(item->GetTarget(), "12 High St");
    EXPECT_EQ(item->ToolFileName(), "/opt/map/mapper");
    EXPECT_EQ(item->ToolArguments(), "--pin");
    EXPECT_EQ(item->IconIndex(), form.ToolImageIndex("/opt/map/mapper"));
    EXPECT_EQ(Captions(), Strings{"New Mapper"});

    // Cancelled: the item goes again.
    PickForAddress(0);
    svc.Views.On<TToolEdit>("TToolEdit", [](TToolEdit&) { return mrCancel; });
    form.ToolsBtnClick();
    EXPECT_EQ(person->Data()->ItemCount(), 1);

    // Closed, or "&New Address..." with nothing selected: nothing made.
    svc.Views.On<TToolsDlg>("TToolsDlg", [](TToolsDlg& d) {
        d.CloseBtnClick();
        return d.ModalResult();
    });
    form.ToolsBtnClick();
    PickForAddress(-1);
    form.ToolsBtnClick();
    EXPECT_EQ(person->Data()->ItemCount(), 1);
    EXPECT_EQ(form.ToolImageIndex("/opt/unknown"), 13);
}

TEST_F(ToolsDialog, NewAddressWithNoNodeSelectedGoesBelowTheRoot) {
    form.Selected = nullptr;
    PickForAddress(1);
    svc.Views.On<TToolEdit>("TToolEdit", [](TToolEdit&) { return mrOk; });
    form.ToolsBtnClick();
    ASSERT_EQ(root->Data()->ItemCount(), 1);
    EXPECT_EQ(root->Data()->Items()[0]->GetTitle(), "New Viewer");
}

TEST_F(ToolsDialog, ToolsAreWrittenAtTheEndAndReadAtTheStart) {
    form.Destroy(false);
    TContactStore doc2;
    TMainForm again(doc2);
    again.Create();
    ASSERT_EQ(again.Tools.Count(), 2);
    EXPECT_EQ(again.Tools.Item(0)->Option(),
              (TToolOption{"Mapper", "/opt/map/mapper", "--pin", true}));
}

} // namespace
