#include "MainFormFixture.h"
#include "records/PersonObject.h"

namespace {

using Popup = std::array<bool, pePopupEntryCount>;

TEST_F(MainFormFixture, ListPutsFoldersFirstThenTitlesWithoutCase) {
    Node(kindPerson, "anna");
    Node(kindFolder, "zebras");
    Node(kindOrg, "Bolts");
    Item(kindPhone, "ANNE", root);
    Node(kindFolder, "Apples");
    form.RefreshList();
    EXPECT_EQ(Captions(), (Strings{"Apples", "zebras", "anna", "ANNE", "Bolts"}));
    EXPECT_EQ(form.StatusPanels[1], "5 item(s)");
    EXPECT_EQ(form.StatusPanels[2], "My Contacts");
}

TEST_F(MainFormFixture, TrayToolTipIsThePathCutTo62Characters) {
    TTreeNode* a = Node(kindFolder, "Family");
    TTreeNode* b = Node(kindFolder, "Cousins", a);
    form.SelectNode(b);
    EXPECT_EQ(form.TrayToolTip, "[My Contacts/Family/Cousins]");
    TTreeNode* c = Node(kindFolder, std::string(40, 'x'), b);
    form.SelectNode(c);
    std::string full = "[My Contacts/Family/Cousins/" + std::string(40, 'x') + "]";
    EXPECT_EQ(form.TrayToolTip, full.substr(0, 62));
    EXPECT_GT(view.StatusChanges, 0);
}

TEST_F(MainFormFixture, TrayToolTipCutsLettersNotBytes) {
    // "[My Contacts/" and 47 more make 60 characters: the "ü" of "Müller"
    // is then the 62nd, the last one kept.
    const std::string filler(47, 'x');
    struct Case {
        std::string Label;
        std::string Shown; // after "[My Contacts/" + filler
    } cases[] = {
        {"M\xC3\xBCller", "M\xC3\xBC"}, // UTF-8: the two bytes of the ü stay together
        {"M\xFCller", "M\xC3\xBC"},     // Windows-1252: shown as the same letters
    };
    for (const Case& c : cases) {
        TTreeNode* n = Node(kindFolder, filler + c.Label);
        form.SelectNode(n);
        EXPECT_EQ(form.TrayToolTip, "[My Contacts/" + filler + c.Shown) << c.Label;
    }
    // Labels of both kinds in one path each show as themselves.
    TTreeNode* old = Node(kindFolder, "J\xFCrgen");
    TTreeNode* now = Node(kindFolder, "G\xC3\xBCnter", old);
    form.SelectNode(now);
    EXPECT_EQ(form.TrayToolTip, "[My Contacts/J\xC3\xBCrgen/G\xC3\xBCnter]");
}

TEST_F(MainFormFixture, PopupShowsTheEntriesOfTheTargetsKind) {
    TTreeNode* person = Node(kindPerson, "Ann");
    static_cast<TPersonObject*>(person->Data())->SetPrimaryEMail("Primary E-Mail");
    Node(kindWeb, "Site");
    for (uint8_t k : {kindAddress, kindPhone, kindFax, kindEMail, kindReminder, kindDoc, kindTool})
        Item(k, "Item " + std::to_string(k), root);
    form.RefreshList();
    //                         Open   Mail   Fax    Dial   Browse Adv    Launch
    const struct {
        const char* Caption;
        Popup Visible;
    } cases[] = {
        {"Ann", {true, true, false, false, false, false, false}},
        {"Site", {true, false, false, false, true, false, false}},
        {"Item 5", {false, false, false, false, false, false, false}},
        {"Item 6", {false, false, false, true, false, false, false}},
        {"Item 8", {false, false, true, true, false, false, false}},
        {"Item 7", {false, true, false, false, false, false, false}},
        {"Item 9", {false, false, false, false, false, true, false}},
        {"Item 10", {false, false, false, false, false, false, true}},
        {"Item 12", {false, false, false, false, false, false, true}},
    };
    for (const auto& c : cases) {
        SelectRows({c.Caption});
        EXPECT_TRUE(form.MainItemsRightClick()) << c.Caption;
        EXPECT_EQ(form.ListPopupPopup().Visible, c.Visible) << c.Caption;
    }
    // Nothing selected in the list: the popup is the tree node's, and the list
    // does not open it.
    form.ClearListSelection();
    EXPECT_FALSE(form.MainItemsRightClick());
    EXPECT_EQ(form.ListPopupPopup().Visible,
              (Popup{true, false, false, false, false, false, false}));
}

TEST_F(MainFormFixture, RightClickOnTheTreeSelectsTheNodeUnderTheCursor) {
    TTreeNode* a = Node(kindFolder, "A");
    EXPECT_FALSE(form.FoldersRightClick(nullptr));
    EXPECT_EQ(form.Selected, root);
    EXPECT_TRUE(form.FoldersRightClick(a));
    EXPECT_EQ(form.Selected, a);
    EXPECT_EQ(view.SelectedNodes.back(), a);
}

TEST_F(MainFormFixture, OpenAndUpOneLevelMoveTheSelection) {
    TTreeNode* a = Node(kindFolder, "A");
    form.RefreshList();
    SelectRows({"A"});
    form.ListPaneOpenClick();
    EXPECT_EQ(form.Selected, a);
    form.UpOneBtnClick();
    EXPECT_EQ(form.Selected, root);
    form.UpOneBtnClick();
    EXPECT_EQ(form.Selected, root);
}

TEST_F(MainFormFixture, ItemActionsGoToTheSelectedRowsRecord) {
    Item(kindPhone, "Office", root, "555 0100");
    form.RefreshList();
    SelectRows({"Office"});
    form.ListPaneDialClick();
    ASSERT_EQ(svc.Telephony.Calls.size(), 1u);
    EXPECT_EQ(svc.Telephony.Calls[0].Dest, "555 0100");
    // In the tree pane the root is the target, which does not dial.
    form.SetActivePane(TPane::Folders);
    form.ListPaneDialClick();
    EXPECT_EQ(svc.Telephony.Calls.size(), 1u);
}

TEST_F(MainFormFixture, RemovedSelectedNodeLeavesTheSelectionOnItsParent) {
    TTreeNode* a = Node(kindFolder, "A");
    TTreeNode* b = Node(kindFolder, "B", a);
    form.SelectNode(b);
    tree.Delete(a); // as automation may do
    EXPECT_EQ(form.Selected, root);
    form.RefreshList();
    EXPECT_TRUE(form.MainItems.empty());
}

} // namespace
