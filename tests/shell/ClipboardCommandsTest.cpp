#include "shell/ClipboardCommands.h"

#include "PartsFixture.h"
#include "platform/MessageBox.h"
#include "platform/ViewFactory.h"
#include "records/PersonObject.h"

#include <functional>
#include <optional>

namespace {

// Answers every question, after doing what the automation might do while a
// modal question is open.
class TActingViews : public IViewFactory {
public:
    std::unique_ptr<IFormView> CreateView(TFormPresenter& /*presenter*/) override {
        return nullptr;
    }
    int MessageBox(const std::string& text, const std::string& /*caption*/, int /*type*/) override {
        Asked.push_back(text);
        if (Meanwhile) std::exchange(Meanwhile, nullptr)();
        return Answer;
    }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&,
                                            const std::string&, bool) override {
        return std::nullopt;
    }

    std::function<void()> Meanwhile; // runs at the next question only
    int Answer = id::Yes;
    Strings Asked;
};

class ClipboardTest : public PartsFixture {
protected:
    ClipboardTest() { svc.Services.Views = &views; }
    ~ClipboardTest() override { svc.Services.Views = &svc.Views; }

    // A fresh folder per case, so cases do not see each other's deletions.
    struct TFolder {
        TTreeNode *Folder, *Ann;
        TKexObject* Mail;
    };
    TFolder MakeFolder(const std::string& name) {
        TFolder f;
        f.Folder = Node(kindFolder, name);
        f.Ann = Node(kindPerson, "Ann", f.Folder);
        Node(kindPerson, "Bo", f.Folder);
        f.Mail = Item(kindEMail, "Mail", f.Folder, "x@example.org");
        return f;
    }
    bool Stands(const TTreeNode* folder) const {
        for (TTreeNode* c = root->GetFirstChild(); c; c = c->GetNextSibling())
            if (c == folder) return true;
        return false;
    }

    TActingViews views;
    TClipboardCommands clip{doc.Tree(), list, filter, host};
};

TEST_F(ClipboardTest, DeleteTakesOnlyWhatTheQuestionNamedWhenTheSelectionMovesMeanwhile) {
    TTreeNode* elsewhere = Node(kindFolder, "Elsewhere");
    const struct {
        const char* What;
        TPane Pane;
        std::function<void(const TFolder&)> Meanwhile;
        Strings Left; // the folder's rows afterwards
    } cases[] = {
        {"tree, nothing meanwhile", TPane::Folders, nullptr, {"Bo", "Mail"}},
        // The selection falls back to the folder: it must not go in Ann's place.
        {"tree, the node deleted meanwhile",
         TPane::Folders,
         [&](const TFolder& f) { doc.Tree().Delete(f.Ann); },
         {"Bo", "Mail"}},
        {"tree, another node selected meanwhile",
         TPane::Folders,
         [&](const TFolder&) { host.SelectNode(elsewhere); },
         {"Ann", "Bo", "Mail"}},
        {"list, nothing meanwhile", TPane::MainItems, nullptr, {"Bo"}},
        {"list, a named row's record deleted meanwhile",
         TPane::MainItems,
         [&](const TFolder& f) { DeleteListItem(f.Folder, f.Mail); },
         {"Bo"}},
        {"list, another node shown meanwhile",
         TPane::MainItems,
         [&](const TFolder&) { host.SelectNode(elsewhere); },
         {"Ann", "Bo", "Mail"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const TFolder f = MakeFolder(c.What);
        host.Pane = c.Pane;
        if (c.Pane == TPane::Folders) {
            host.SelectNode(f.Ann);
        } else {
            host.SelectNode(f.Folder);
            Select("Ann");
            Select("Mail");
        }
        if (c.Meanwhile) views.Meanwhile = [&] { c.Meanwhile(f); };
        clip.Delete(true);
        ASSERT_TRUE(Stands(f.Folder));
        host.SelectNode(f.Folder);
        EXPECT_EQ(Captions(), c.Left);
    }
    EXPECT_EQ(views.Asked.size(), std::size(cases));
}

TEST_F(ClipboardTest, ADocumentDropAsksNothingMoreOfATargetThatWentDuringAQuestion) {
    const TFolder f = MakeFolder("Friends");
    Item(kindFax, "Fax", f.Ann, "555 0100");
    Item(kindEMail, "Ann's Mail", f.Ann, "ann@example.org");
    auto* ann = dynamic_cast<TPersonObject*>(f.Ann->Data());
    ann->SetPrimaryFax("Fax");
    ann->SetPrimaryEMail("Ann's Mail");
    Item(kindDoc, "Offer", f.Folder, "/tmp/offer.odt");
    host.Pane = TPane::MainItems;
    views.Answer = id::No;
    for (bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted during the fax question" : "left alone");
        views.Asked.clear();
        host.SelectNode(f.Folder);
        Select("Offer");
        const int annRow = list.Find(f.Ann->Data(), "Ann");
        ASSERT_TRUE(clip.ItemsDragOver(TPane::MainItems, annRow));
        if (deleted) views.Meanwhile = [&] { doc.Tree().Delete(f.Ann); };
        clip.ItemsDragDrop(TPane::MainItems, annRow);
        ASSERT_FALSE(views.Asked.empty());
        EXPECT_EQ(views.Asked[0], "Send document via Fax to Ann?");
        EXPECT_EQ(views.Asked.size(), deleted ? 1u : 2u);
    }
}

} // namespace
