#include "records/CategoryPopup.h"
#include "records/DocEditDlg.h"
#include "records/DocObject.h"
#include "records/ToolEdit.h"
#include "records/ToolObject.h"
#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

class DocTool : public ::testing::Test {
protected:
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TKexObject* Make(uint8_t kind, const std::string& target, const std::string& classLine,
                     const std::string& title = "Item") {
        return CreateObject(kind, title, target, "", root, classLine, 5).Object;
    }
    TDocObject* NewDoc(const std::string& target) {
        return dynamic_cast<TDocObject*>(Make(kindDoc, target, "{Docs}0"));
    }
    TToolObject* NewTool(const std::string& target, const std::string& classLine) {
        return dynamic_cast<TToolObject*>(Make(kindTool, target, classLine, "New Editor"));
    }
    static std::string ClassLine(const TKexObject& r) {
        std::string text;
        r.GetSaveText(text, 1);
        return text.substr(text.find("\r\n") + 2);
    }
};

TEST_F(DocTool, ClassLinesReadAndWriteBack) {
    struct Case {
        uint8_t Kind;
        const char* In;
        const char* Out;
        uint32_t Categories;
    };
    const Case cases[] = {
        {kindDoc, "{Docs}3", "{Docs}3", 3},
        {kindDoc, "{Docs}-1", "{Docs}-1", 0xFFFFFFFFu},
        {kindDoc, "", "{Docs}0", 0},
        {kindDoc, "{docs}3", "{Docs}0", 0},
        {kindTool, "{Tool}/usr/bin/prog~~-x~~2", "{Tool}/usr/bin/prog~~-x~~2", 2},
        // As the Tools dialog creates them: no categories yet.
        {kindTool, "{Tool}/usr/bin/prog~~-x", "{Tool}/usr/bin/prog~~-x~~0", 0},
        {kindTool, "{Tool}/usr/bin/prog", "{Tool}/usr/bin/prog~~~~0", 0},
        {kindTool, "{Docs}3", "{Tool}~~~~0", 0},
        {kindTool, "{Tool}/usr/bin/prog~~-x~~y", "{Tool}/usr/bin/prog~~-x~~0", 0},
        // Arguments ending in "~" would join the separator after them.
        {kindTool, "{Tool}/usr/bin/prog~~-x~", "{Tool}/usr/bin/prog~~-x-~~0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.In);
        TKexObject* r = Make(c.Kind, "", c.In);
        EXPECT_EQ(ClassLine(*r), c.Out);
        EXPECT_EQ(r->GetCategories(), c.Categories);
        EXPECT_EQ(ClassLine(*Make(c.Kind, "", ClassLine(*r))), c.Out);
    }
}

TEST_F(DocTool, DataFileWithDocumentsAndToolsSurvivesLoadAndSave) {
    const std::string data = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                             "{1 10 }offer.doc~~/home/u/offer.doc~~draft~~41\r\n{Docs}3\r\n"
                             "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
                             "{2 12 }Edit notes~~/home/u/notes.txt~~~~42\r\n"
                             "{Tool}/usr/bin/editor~~-n --x~~2\r\n";
    WriteText(svc.File("tavi.dat"), data);
    TContactStore loaded;
    TTreeNode* top = loaded.Root();
    loaded.Load();
    ASSERT_NE(dynamic_cast<TDocObject*>(top->Data()->GetItem(0)), nullptr);
    auto* tool = dynamic_cast<TToolObject*>(top->GetFirstChild()->Data()->GetItem(0));
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->ToolArguments(), "-n --x");
    loaded.Save();
    EXPECT_EQ(ReadText(svc.File("tavi.dat")), data);
}

TEST_F(DocTool, IconsComeFromTheFileOrTheConfiguredToolElseGeneric) {
    EXPECT_EQ(NewDoc("")->GetImageIndex(), kGenericDocumentImage);
    EXPECT_TRUE(svc.Images.Added.empty());
    EXPECT_EQ(NewDoc("/home/u/offer.doc")->GetImageIndex(), 14);
    EXPECT_EQ(svc.Images.Added, std::vector<std::string>{"/home/u/offer.doc"});

    svc.MainWindow.ToolImages["/usr/bin/prog"] = 21;
    EXPECT_EQ(NewTool("", "{Tool}/usr/bin/prog~~~~0")->GetImageIndex(), 21);
    EXPECT_EQ(NewTool("", "{Tool}/usr/bin/Prog~~~~0")->GetImageIndex(), kGenericDocumentImage);

    // The command line has neither image lists nor a main window.
    svc.Services.Images = nullptr;
    svc.DetachMainWindow();
    EXPECT_EQ(NewDoc("/home/u/other.doc")->GetImageIndex(), kGenericDocumentImage);
    EXPECT_EQ(NewTool("", "{Tool}/usr/bin/prog~~~~0")->GetImageIndex(), kGenericDocumentImage);
}

TEST_F(DocTool, LaunchHandsTheShellTheExactRequest) {
    struct Case {
        const char* Target;
        const char* ClassLine; // "" for a document
        TRecordingShell::Call Expected;
    };
    const Case cases[] = {
        {"/home/u/offer.doc", "", {"/home/u/offer.doc", "", "", 1}},
        {"", "{Tool}/opt/tools/prog~~~~0", {"/opt/tools/prog", "", "/opt/tools/", 1}},
        {"", "{Tool}/opt/tools/prog~~-x~~0", {"/opt/tools/prog", " -x", "/opt/tools/", 1}},
        {"mailto:a@b.org", "{Tool}/opt/prog~~~~0", {"/opt/prog", "mailto:a@b.org ", "/opt/", 1}},
        {"http://x.org/",
         "{Tool}/opt/prog~~--new~~0",
         {"/opt/prog", "http://x.org/ --new", "/opt/", 1}},
        {"a", "{Tool}prog~~~~0", {"prog", "a ", "", 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ClassLine);
        svc.Shell.Calls.clear();
        TKexObject* r = *c.ClassLine ? Make(kindTool, c.Target, c.ClassLine) : NewDoc(c.Target);
        r->Launch();
        r->DefaultAction(); // a double click launches as well
        ASSERT_EQ(svc.Shell.Calls.size(), 2u);
        for (const auto& call : svc.Shell.Calls) {
            EXPECT_EQ(call.File, c.Expected.File);
            EXPECT_EQ(call.Parameters, c.Expected.Parameters);
            EXPECT_EQ(call.Directory, c.Expected.Directory);
            EXPECT_EQ(call.ShowCmd, c.Expected.ShowCmd);
        }
    }
}

TEST_F(DocTool, PopupOffersLaunchInsteadOfOpenAndOnlyToolsArePublished) {
    TKexObject* records[] = {NewDoc("/home/u/a.doc"), NewTool("addr", "{Tool}/bin/prog~~~~0")};
    for (TKexObject* r : records) {
        TItemPopup menu;
        menu.Visible.fill(true);
        r->SetupPopup(menu);
        for (int e = 0; e < pePopupEntryCount; ++e)
            EXPECT_EQ(menu.IsVisible(static_cast<TPopupEntry>(e)), e == peLaunch) << e;
    }
    TTextWriter doc, tool;
    records[0]->WriteHtmlContent(doc, true);
    records[1]->WriteHtmlContent(tool, true);
    EXPECT_EQ(doc.Text(), "");
    EXPECT_EQ(tool.Text(), "<em><strong>New Editor</strong></em> addr<br>\r\n");
}

TEST_F(DocTool, BrowsingToAFileSetsTitleAndPath) {
    TDocEditDlg dlg;
    dlg.TitleEdit = "Old";
    dlg.FilenameEdit = "/home/u/Letters/old.doc";
    svc.Views.FileNames = {std::string("/home/u/Letters/offer.doc"), std::nullopt};

    dlg.BrowseBtnClick();
    ASSERT_EQ(svc.Views.FileDialogs.size(), 1u);
    EXPECT_EQ(svc.Views.FileDialogs[0].InitialFolder, "/home/u/Letters/");
    EXPECT_TRUE(svc.Views.FileDialogs[0].MustExist);
    EXPECT_EQ(dlg.TitleEdit, "offer.doc");
    EXPECT_EQ(dlg.FilenameEdit, "/home/u/Letters/offer.doc");

    dlg.BrowseBtnClick(); // cancelled: nothing changes
    EXPECT_EQ(dlg.TitleEdit, "offer.doc");
    EXPECT_EQ(dlg.FilenameEdit, "/home/u/Letters/offer.doc");
}

struct DialogCase {
    const char* Title;
    const char* File; // the file name, or the tool's address
    TModalResult Result;
    bool Accepted;
};

TEST_F(DocTool, NewDocumentNeedsOKWithTitleAndFileName) {
    const DialogCase cases[] = {
        {"Offer", "/home/u/offer.doc", mrOk, true},
        {"Offer", "/home/u/offer.doc", mrCancel, false},
        {"", "/home/u/offer.doc", mrOk, false},
        {"Offer", "", mrOk, false},
    };
    // One script serves every case (a script stays registered once shown).
    const DialogCase* current = nullptr;
    svc.Views.On<TDocEditDlg>("TDocEditDlg", [&](TDocEditDlg& d) {
        EXPECT_EQ(d.TitleEdit, "New Document");
        EXPECT_EQ(d.Caption, "Document");
        d.TitleEdit = current->Title;
        d.FilenameEdit = current->File;
        d.CommentEdit = "draft";
        return current->Result;
    });
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(std::string(c.Title) + "|" + c.File);
        current = &c;
        svc.Images.Added.clear();
        TDocObject* doc = NewDoc("");
        EXPECT_EQ(doc->EditNew(nullptr), c.Accepted);
        if (!c.Accepted) {
            EXPECT_TRUE(svc.Images.Added.empty());
            continue;
        }
        EXPECT_EQ(doc->GetTitle() + "|" + doc->GetTarget() + "|" + doc->GetComment(),
                  "Offer|/home/u/offer.doc|draft");
        EXPECT_EQ(svc.Images.Added, std::vector<std::string>{"/home/u/offer.doc"});
        EXPECT_EQ(doc->GetImageIndex(), svc.Images.Next - 1);
    }
}

TEST_F(DocTool, DocumentPropertiesReplaceTheIconInPlaceOrIgnoreAnIncompleteOK) {
    const DialogCase cases[] = {
        {"", "/home/u/sheet.ods", mrOk, false},
        {"Sheet", "", mrOk, false},
        {"Sheet", "/home/u/sheet.ods", mrCancel, false},
        {"Sheet", "/home/u/sheet.ods", mrOk, true},
    };
    const DialogCase* current = nullptr;
    std::string shown;
    svc.Views.On<TDocEditDlg>("TDocEditDlg", [&](TDocEditDlg& d) {
        shown = d.TitleEdit + "|" + d.FilenameEdit;
        d.TitleEdit = current->Title;
        d.FilenameEdit = current->File;
        return current->Result;
    });
    TDocObject* doc = NewDoc("/home/u/offer.doc");
    ASSERT_EQ(doc->GetImageIndex(), 14);
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(std::string(c.Title) + "|" + c.File);
        current = &c;
        doc->EditProperties();
        EXPECT_EQ(shown, "Item|/home/u/offer.doc");
        EXPECT_EQ(doc->GetTarget(), c.Accepted ? c.File : "/home/u/offer.doc");
        EXPECT_EQ(svc.Images.Replaced.size(), c.Accepted ? 1u : 0u);
    }
    ASSERT_EQ(svc.Images.Replaced.size(), 1u);
    EXPECT_EQ(svc.Images.Replaced[0], (std::pair<int, std::string>{14, "/home/u/sheet.ods"}));
    EXPECT_EQ(doc->GetImageIndex(), 14);
    EXPECT_EQ(svc.Images.Added.size(), 1u);

    // A document still on the generic image gets an icon of its own.
    const DialogCase named{"Offer", "/home/u/offer.doc", mrOk, true};
    current = &named;
    TDocObject* blank = NewDoc("");
    blank->EditProperties();
    EXPECT_EQ(blank->GetImageIndex(), 15);
}

TEST_F(DocTool, NewToolItemOpensWithItsTitleAndNeedsOnlyATitle) {
    svc.MainWindow.ToolImages["/usr/bin/editor"] = 21;
    const DialogCase cases[] = {
        {"Notes", "", mrOk, true},
        {"Notes", "/home/u/notes.txt", mrOk, true},
        {"", "/home/u/notes.txt", mrOk, false},
        {"Notes", "/home/u/notes.txt", mrCancel, false},
    };
    const DialogCase* current = nullptr;
    svc.Views.On<TToolEdit>("TToolEdit", [&](TToolEdit& d) {
        EXPECT_EQ(d.TitleEdit, "New Editor");
        EXPECT_EQ(d.Caption, "Custom Tool");
        EXPECT_EQ(d.Image1, 21);
        d.TitleEdit = current->Title;
        d.Address = current->File;
        return current->Result;
    });
    for (const DialogCase& c : cases) {
        SCOPED_TRACE(std::string(c.Title) + "|" + c.File);
        current = &c;
        TToolObject* tool = NewTool("", "{Tool}/usr/bin/editor~~-n");
        EXPECT_EQ(tool->EditNew(nullptr), c.Accepted);
        if (c.Accepted) {
            EXPECT_EQ(tool->GetTitle() + "|" + tool->GetTarget(),
                      std::string(c.Title) + "|" + c.File);
        }
    }
}

TEST_F(DocTool, ToolPropertiesIgnoreAnEmptyTitleButKeepChosenCategories) {
    TToolObject* tool = NewTool("old", "{Tool}/usr/bin/editor~~~~0");
    svc.Views.On<TCategoryPopup>("TCategoryPopup", [](TCategoryPopup& p) {
        p.CheckListBox1[1].Checked = true;
        return mrOk;
    });
    // Scripts run in turn.
    svc.Views.On<TToolEdit>("TToolEdit", [](TToolEdit& d) {
        d.CatSelectClick({10, 20});
        d.TitleEdit = "";
        d.Address = "new";
        return mrOk;
    });
    svc.Views.On<TToolEdit>("TToolEdit", [](TToolEdit& d) {
        d.TitleEdit = "Renamed";
        d.Address = "new";
        return mrOk;
    });
    tool->EditProperties();
    EXPECT_EQ(tool->GetTitle() + "|" + tool->GetTarget(), "New Editor|old");
    EXPECT_EQ(tool->GetCategories(), 2u);
    tool->EditProperties();
    EXPECT_EQ(tool->GetTitle() + "|" + tool->GetTarget(), "Renamed|new");
}

} // namespace
