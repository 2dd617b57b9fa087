#include "MainFormFixture.h"
#include "platform/MessageBox.h"
#include "records/EditAddressDlg.h"
#include "records/EditPersDlg.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"

#include <functional>

namespace {

class CommandsFixture : public MainFormFixture {
protected:
    CommandsFixture() {
        friends = Node(kindFolder, "Friends");
        work = Node(kindFolder, "Work");
        ann = Node(kindPerson, "Ann", friends);
        Item(kindPhone, "Home Phone", ann, "555 1234");
        Item(kindEMail, "Mail", friends, "x@example.org");
        Item(kindAddress, "Home", friends);
        form.SelectNode(friends);
    }
    TTreeNode *friends, *work, *ann;
};

TEST_F(CommandsFixture, DeleteOfThreeRowsNamesThemAndStopsUnlessYes) {
    SelectRows({"Ann", "Mail", "Home"});
    svc.Views.Answers = {id::No};
    form.DeleteBtnClick("DeleteBtn");
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Text,
              "Are you sure you want to delete the 3 selected items and all sub-items?");
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Warning");
    EXPECT_EQ(svc.Views.Boxes[0].Type, 35);
    EXPECT_EQ(Captions(), (Strings{"Ann", "Home", "Mail"}));

    svc.Views.Answers = {id::Yes};
    form.DeleteBtnClick("DeleteBtn");
    EXPECT_TRUE(form.MainItems.empty());
    EXPECT_EQ(friends->Count(), 0);
    EXPECT_FALSE(friends->Data()->HasItems());
    EXPECT_EQ(form.StatusPanels[1], "0 item(s)");
}

TEST_F(CommandsFixture, RootIsNeitherDeletedNorRenamed) {
    form.SelectNode(root);
    form.SetActivePane(TPane::Folders);
    form.DeleteBtnClick("DeleteBtn");
    form.ListPaneRenameClick();
    form.FoldersEdited(root, "Mine");
    EXPECT_TRUE(svc.Views.Boxes.empty());
    EXPECT_TRUE(view.EditedNodes.empty());
    EXPECT_EQ(root->Text(), "My Contacts");
    EXPECT_EQ(root->Data()->GetTitle(), "My Contacts");
    EXPECT_EQ(tree.Count(), 4);
}

TEST_F(CommandsFixture, DeletingTheSelectedNodeSelectsItsParent) {
    form.SelectNode(ann);
    form.SetActivePane(TPane::Folders);
    form.DeleteBtnClick("DeleteBtn");
    EXPECT_EQ(svc.Views.Boxes.at(0).Text, "Are you sure you want to delete Ann and all sub-items?");
    EXPECT_EQ(form.Selected, friends);
    EXPECT_EQ(Captions(), (Strings{"Home", "Mail"}));
}

TEST_F(CommandsFixture, CutAsksNothingAndRemovesAfterCopying) {
    SelectRows({"Ann", "Mail", "Home"});
    form.CutBtnClick();
    EXPECT_TRUE(svc.Views.Boxes.empty());
    EXPECT_TRUE(form.MainItems.empty());
    ASSERT_TRUE(svc.Clipboard.Data.Private.has_value());
    const std::string& text = *svc.Clipboard.Data.Private;
    for (const char* t : {"}Ann~~", "}Home Phone~~", "}Mail~~", "}Home~~"})
        EXPECT_NE(text.find(t), std::string::npos) << t;

    // The cut records come back where they are pasted.
    form.SelectNode(work);
    form.PasteBtnClick();
    EXPECT_EQ(Captions(), (Strings{"Ann", "Home", "Mail"}));
    EXPECT_EQ(work->GetFirstChild()->Data()->ItemCount(), 1);
}

TEST_F(CommandsFixture, PasteGoesIntoTheSelectedNodeFromEitherPane) {
    form.SelectNode(ann);
    form.SetActivePane(TPane::Folders);
    form.CopyBtnClick();
    for (TPane pane : {TPane::Folders, TPane::MainItems}) {
        form.SelectNode(work);
        form.SetActivePane(pane);
        if (pane == TPane::MainItems) SelectRows({"Ann"});
        form.PasteBtnClick();
    }
    EXPECT_EQ(ChildTexts(work), (Strings{"Ann", "Ann"}));
    EXPECT_EQ(ChildTexts(friends), (Strings{"Ann"}));
    EXPECT_EQ(form.StatusPanels[1], "2 item(s)");
}

TEST_F(CommandsFixture, RevertCancelledKeepsTheTreeAndOkReloadsTheSavedState) {
    form.Save1Click();
    Node(kindFolder, "Unsaved");
    Item(kindEMail, "Root mail", root); // the root's own items are stored too
    form.Save1Click();
    Node(kindFolder, "Later");

    svc.Views.Answers = {id::Cancel};
    form.Revert1Click();
    EXPECT_EQ(svc.Views.Boxes.at(0).Text,
              "This option will lose all changes made during this session. Are you sure?");
    EXPECT_EQ(svc.Views.Boxes.at(0).Caption, "Revert to Saved");
    EXPECT_EQ(svc.Views.Boxes.at(0).Type, 33);
    EXPECT_EQ(tree.Count(), 6);

    svc.Views.Answers = {id::Ok};
    form.Revert1Click();
    EXPECT_EQ(ChildTexts(root), (Strings{"Friends", "Unsaved", "Work"}));
    EXPECT_EQ(root->Data()->ItemCount(), 1);
    // The user stays at the record that was selected, read anew.
    ASSERT_NE(form.Selected, nullptr);
    EXPECT_EQ(form.Selected->Text(), "Friends");
    EXPECT_EQ(form.Selected->Parent(), root);
    EXPECT_EQ(Captions(), (Strings{"Ann", "Home", "Mail"}));
    form.SelectNode(root);
    EXPECT_EQ(Captions(), (Strings{"Friends", "Unsaved", "Work", "Root mail"}));
}

TEST_F(CommandsFixture, RevertOfADamagedFileRaisesWithTheTreeShown) {
    WriteText(svc.File(kDataFileName), "{Params}\r\n{1 0 }Kept~~~~~~5\r\n\r\n{x");
    svc.Views.Answers = {id::Ok};
    EXPECT_ANY_THROW(form.Revert1Click());
    EXPECT_EQ(form.Selected, root);
    EXPECT_FALSE(tree.Updating());
    EXPECT_EQ(Captions(), (Strings{"Kept"}));
}

TEST_F(CommandsFixture, DroppingThreeFilesCreatesOneDocumentForTheFirst) {
    form.EvDropFiles({"/home/ann/letters/offer.odt", "/tmp/b.txt", "/tmp/c.txt"});
    TKexObject* doc = friends->Data()->Items().back().get();
    EXPECT_EQ(friends->Data()->ItemCount(), 3);
    EXPECT_EQ(doc->GetKind(), kindDoc);
    EXPECT_EQ(doc->GetTitle(), "offer.odt");
    EXPECT_EQ(doc->GetTarget(), "/home/ann/letters/offer.odt");
    EXPECT_EQ(form.MainItems.size(), 4u);
    EXPECT_TRUE(svc.Views.Shown.empty());
}

TEST_F(CommandsFixture, NodeIsNeverDroppedOntoItselfOrItsDescendants) {
    TTreeNode* inner = Node(kindFolder, "Inner", ann);
    form.SelectNode(friends);
    EXPECT_FALSE(form.FoldersDragOver(TPane::Folders, friends));
    EXPECT_FALSE(form.FoldersDragOver(TPane::Folders, inner));
    EXPECT_TRUE(form.FoldersDragOver(TPane::Folders, work));
    form.FoldersDragDrop(TPane::Folders, inner);
    EXPECT_EQ(friends->Parent(), root);

    // The same from the list: Ann cannot go below herself.
    SelectRows({"Ann"});
    EXPECT_FALSE(form.FoldersDragOver(TPane::MainItems, inner));
    form.FoldersDragDrop(TPane::MainItems, inner);
    EXPECT_EQ(ann->Parent(), friends);

    form.SetActivePane(TPane::Folders);
    view.SelectedNodes.clear();
    form.FoldersDragDrop(TPane::Folders, work);
    EXPECT_EQ(friends->Parent(), work);
    EXPECT_EQ(form.TrayToolTip, "[My Contacts/Work/Friends]");
    // The view is told again, so that the tree shows the node at its new place.
    EXPECT_EQ(view.SelectedNodes, (std::vector<TTreeNode*>{friends}));
}

TEST_F(CommandsFixture, DoubleClickActsOnTheClickedRowNotTheFirstSelected) {
    SelectRows({"Home", "Mail"});
    int annRow = -1;
    for (size_t i = 0; i < form.MainItems.size(); ++i)
        if (form.MainItems[i].Caption == "Ann") annRow = static_cast<int>(i);
    ASSERT_GE(annRow, 0);
    form.MainItemsDblClick(annRow); // a container's default action opens it
    EXPECT_EQ(form.Selected, ann);

    form.SelectNode(friends);
    SelectRows({"Ann"});
    form.MainItemsDblClick(); // no row given: the selected one
    EXPECT_EQ(form.Selected, ann);
}

TEST_F(CommandsFixture, DropFromTheListMovesNodesAndItemsToTheTarget) {
    SelectRows({"Ann", "Mail"});
    form.FoldersDragDrop(TPane::MainItems, work);
    EXPECT_EQ(ann->Parent(), work);
    ASSERT_EQ(work->Data()->ItemCount(), 1);
    EXPECT_EQ(work->Data()->GetItem(0)->GetNode(), work);
    EXPECT_EQ(Captions(), (Strings{"Home"}));
}

TEST_F(CommandsFixture, DocumentDropsOnlyOnItemsThatMailOrFax) {
    Item(kindDoc, "Offer", friends, "/tmp/offer.odt");
    form.RefreshList();
    SelectRows({"Offer"});
    auto row = [&](const std::string& caption) {
        for (size_t i = 0; i < form.MainItems.size(); ++i)
            if (form.MainItems[i].Caption == caption) return static_cast<int>(i);
        return -1;
    };
    EXPECT_FALSE(form.MainItemsDragOver(TPane::MainItems, row("Home")));
    EXPECT_FALSE(form.MainItemsDragOver(TPane::Folders, row("Mail")));
    ASSERT_TRUE(form.MainItemsDragOver(TPane::MainItems, row("Mail")));
    form.MainItemsDragDrop(TPane::MainItems, row("Mail"));
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Text, "Send document as an E-Mail attachment to Mail?");
}

TEST_F(CommandsFixture, NewPersonCancelledIsRemovedAndAcceptedIsListed) {
    form.OnNewPerson();
    EXPECT_EQ(ChildTexts(friends), (Strings{"Ann"}));
    svc.Views.On<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        d.FormShow();
        d.Title = "Bob";
        return mrOk;
    });
    form.OnNewPerson();
    EXPECT_EQ(ChildTexts(friends), (Strings{"Ann", "Bob"}));
    EXPECT_EQ(Captions(), (Strings{"Ann", "Bob", "Home", "Mail"}));
}

TEST_F(CommandsFixture, AcceptedNewRecordBecomesTheOnlySelectedRowInView) {
    svc.Views.On<TEditPersDlg>("TEditPersDlg", [](TEditPersDlg& d) {
        d.FormShow();
        d.Title = "Bob";
        return mrOk;
    });
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg& d) {
        d.AddrTitle = "Work";
        d.Addr = "1 A St";
        return mrOk;
    });
    auto selected = [&] {
        Strings out;
        for (const auto& r : form.MainItems)
            if (r.Selected) out.push_back(r.Caption);
        return out;
    };
    SelectRows({"Mail"});
    form.OnNewPerson();
    EXPECT_EQ(selected(), (Strings{"Bob"}));
    ASSERT_FALSE(view.Scrolled.empty());
    EXPECT_EQ(form.MainItems[static_cast<size_t>(view.Scrolled.back())].Caption, "Bob");

    form.OnNewAddr();
    EXPECT_EQ(selected(), (Strings{"Work"}));
    EXPECT_EQ(form.MainItems[static_cast<size_t>(view.Scrolled.back())].Caption, "Work");

    // A cancelled one leaves the selection as it was.
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg&) { return mrCancel; });
    form.OnNewAddr();
    EXPECT_EQ(selected(), (Strings{"Work"}));
}

TEST_F(CommandsFixture, NewDetailItemCancelledIsRemoved) {
    form.OnNewAddr();
    EXPECT_EQ(friends->Data()->ItemCount(), 2);
    svc.Views.On<TEditAddressDlg>("TEditAddressDlg", [](TEditAddressDlg& d) {
        d.Addr = "1 A St";
        return mrOk;
    });
    form.OnNewAddr();
    EXPECT_EQ(friends->Data()->ItemCount(), 3);
    EXPECT_EQ(Captions(), (Strings{"Ann", "Home", "Mail", "New Address"}));
}

TEST_F(CommandsFixture, NewFolderAndTeamKeepTheirTitleAndStartLabelEditing) {
    form.OnNewFolder();
    form.OnNewTeam();
    ASSERT_EQ(view.EditedNodes.size(), 2u);
    EXPECT_EQ(view.EditedNodes[0]->Text(), "New Folder");
    EXPECT_EQ(view.EditedNodes[1]->Text(), "New Team");
    EXPECT_EQ(form.Selected, friends);

    form.FoldersEdited(view.EditedNodes[0], "Aardvarks");
    EXPECT_EQ(view.EditedNodes[0]->Data()->GetTitle(), "Aardvarks");
    EXPECT_EQ(ChildTexts(friends), (Strings{"Aardvarks", "Ann", "New Team"}));
}

TEST_F(CommandsFixture, NewRecordWithNothingSelectedGoesBelowTheRoot) {
    TContactStore other;
    TMainForm bare(other);
    svc.Services.MainWindow = &bare;
    bare.OnNewFolder(); // no view, no selection
    EXPECT_EQ(bare.Selected, other.Root());
    EXPECT_EQ(ChildTexts(other.Root()), (Strings{"New Folder"}));
    svc.Services.MainWindow = &form;
}

TEST_F(CommandsFixture, RenamingARowRetitlesTheNodeAndResorts) {
    Node(kindPerson, "Bea", friends);
    form.RefreshList();
    SelectRows({"Ann"});
    form.ListPaneRenameClick();
    ASSERT_EQ(view.EditedRows.size(), 1u);
    form.MainItemsEdited(view.EditedRows[0], "Zoe");
    EXPECT_EQ(ChildTexts(friends), (Strings{"Bea", "Zoe"}));
    EXPECT_EQ(Captions(), (Strings{"Bea", "Home", "Mail", "Zoe"}));
    EXPECT_EQ(form.SelectedListObjects(), std::vector<TKexObject*>{ann->Data()});
}

TEST_F(CommandsFixture, BrowserPageBecomesAWebsiteWithoutAutoLoad) {
    svc.Browser.PageAddress = "https://example.org/";
    svc.Browser.PageTitle = "Example";
    form.GetUrlBtnClick();
    EXPECT_FALSE(svc.Browser.AutoLoad());
    EXPECT_EQ(ChildTexts(friends), (Strings{"Ann", "Example"}));
    EXPECT_EQ(friends->GetLastChild()->Data()->GetTarget(), "https://example.org/");

    svc.Browser.PageAddress = "";
    form.GetUrlBtnClick();
    EXPECT_EQ(friends->Count(), 2);
    EXPECT_TRUE(svc.Views.Boxes.empty()) << "a link with nothing to say stays silent";

    // Nothing captured: the link's advice on reading pages is shown instead.
    svc.Browser.Hint = "Start a browser with its port.";
    form.GetUrlBtnClick();
    EXPECT_EQ(friends->Count(), 2);
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Text, "Start a browser with its port.");
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Get Browser URL");
    EXPECT_EQ(svc.Views.Boxes[0].Type, mb::Ok | mb::IconInformation);
}

} // namespace
