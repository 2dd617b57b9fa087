#include "automation/TaviApp.h"

#include "shell/MainFormFixture.h"
#include "store/ObjectFactory.h"

#include <functional>
#include <memory>

namespace {

// A cursor over the main window's tree: two folders and three detail items
// below the root ("Work" holds "Bob" and "Carla"; "Home" holds nothing).
class TaviAppTest : public MainFormFixture {
protected:
    TaviAppTest() {
        work = Node(kindFolder, "Work");
        bob = Node(kindPerson, "Bob", work);
        carla = Node(kindPerson, "Carla", work);
        home = Node(kindFolder, "Zoo");
        // Ids of their own: the fake random source draws the same id each time.
        phone = CreateObject(kindPhone, "Phone", "", "", root, "", 1001).Object;
        mail = CreateObject(kindEMail, "Mail", "ann@example.org", "", root, "", 1002).Object;
        fax = CreateObject(kindFax, "Fax", "", "", root, "", 1003).Object;
        form.RefreshList();
    }
    std::unique_ptr<TTaviApp> cursor = std::make_unique<TTaviApp>(form);
    TTaviApp& app = *cursor;
    TTreeNode *work, *bob, *carla, *home;
    TKexObject *phone, *mail, *fax;
};

// Runs f and answers the message it raised ("" when it raised nothing).
template <typename F>
std::string Raised(F&& f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

TEST_F(TaviAppTest, FreshCursorStandsOnTheRoot) {
    EXPECT_EQ(app.CurrentItemIndex(), 0);
    EXPECT_EQ(app.taviTitle(), "My Contacts");
    EXPECT_EQ(app.taviID(), kRootObjectId);
    EXPECT_EQ(app.taviClass(), kindRoot);
    EXPECT_EQ(app.ItemCount(), 5); // nodes only: root, Work, Bob, Carla, Zoo
}

TEST_F(TaviAppTest, ChildrenAreTheNodesThenTheDetailItems) {
    ASSERT_TRUE(app.Items(0));
    EXPECT_EQ(app.ChildCount(), 5);
    struct Case {
        int Index;
        bool Answer;
        std::string Title;
    } cases[] = {
        {0, true, "Work"}, {1, true, "Zoo"},   {3, true, "Mail"},  {4, true, "Fax"},
        {5, false, "Fax"}, {-1, false, "Fax"}, {2, true, "Phone"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app.Child(c.Index), c.Answer) << c.Index;
        EXPECT_EQ(app.taviTitle(), c.Title) << c.Index;
        // Child moves the record, never the node.
        EXPECT_EQ(app.CurrentNode(), root) << c.Index;
    }
    // On a child node's record the count is that record's detail items.
    ASSERT_TRUE(app.Child(0));
    Item(kindPhone, "Desk", work);
    EXPECT_EQ(app.ChildCount(), 1);
    ASSERT_TRUE(app.Items(work->AbsoluteIndex()));
    EXPECT_EQ(app.ChildCount(), 3);
}

TEST_F(TaviAppTest, WalksTheTreeByPosition) {
    // Tree order: root 0, Work 1, Bob 2, Carla 3, Zoo 4.
    struct Case {
        int Index;
        std::string Title;
        int Next;
    } cases[] = {
        {0, "My Contacts", 4}, // no sibling: its last child
        {1, "Work", 4},        {2, "Bob", 3},
        {3, "Carla", -1},      {4, "Zoo", -1}, // the last top folder without children
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(app.Items(c.Index)) << c.Index;
        EXPECT_EQ(app.CurrentItemIndex(), c.Index);
        EXPECT_EQ(app.taviTitle(), c.Title);
        EXPECT_EQ(app.NextSiblingIndex(), c.Next) << c.Title;
    }
    Node(kindPerson, "Yolanda", home);
    ASSERT_TRUE(app.Items(4));
    EXPECT_EQ(app.NextSiblingIndex(), 5); // the last folder's last child
    for (int outside : {6, 100, -1}) {
        EXPECT_FALSE(app.Items(outside)) << outside;
        EXPECT_EQ(app.taviTitle(), "Zoo") << outside;
    }
}

TEST_F(TaviAppTest, WritesGoToTheRecordAndTheTreeFollows) {
    ASSERT_TRUE(app.Items(work->AbsoluteIndex()));
    app.SetTaviTitle("Alpha");
    EXPECT_EQ(work->Text(), "Alpha");
    EXPECT_EQ(ChildTexts(root), (Strings{"Alpha", "Zoo"}));
    app.SetTaviTitle("Zzz");
    EXPECT_EQ(ChildTexts(root), (Strings{"Zoo", "Zzz"})); // sorted again
    EXPECT_EQ(app.CurrentItemIndex(), 2);                 // the cursor moved with its node

    ASSERT_TRUE(app.ItemWithId(mail->GetObjectId()));
    app.SetTaviTarget("bob@example.org");
    app.SetTaviComment("at work");
    EXPECT_EQ(mail->GetTarget(), "bob@example.org");
    EXPECT_EQ(app.taviComment(), "at work");
    EXPECT_EQ(app.taviClass(), kindEMail);

    EXPECT_EQ(app.taviField("E-Mail Address"), "\"bob@example.org\",");
    EXPECT_EQ(app.taviField("Business Fax"), "");
    app.SetTaviField("E-Mail Address", "carla@example.org");
    EXPECT_EQ(mail->GetTarget(), "carla@example.org");
    const std::string title = mail->GetTitle();
    app.SetTaviField("Nickname", "Cee"); // a column an e-mail record does not know
    EXPECT_EQ(mail->GetTarget(), "carla@example.org");
    EXPECT_EQ(mail->GetTitle(), title);
}

TEST_F(TaviAppTest, InsertAddsBelowTheCurrentNodeWithoutMoving) {
    ASSERT_TRUE(app.Items(work->AbsoluteIndex()));
    app.Insert(kindPhone, "Desk", "555 0100", "", "");
    ASSERT_EQ(work->Data()->ItemCount(), 1);
    TKexObject* desk = work->Data()->GetItem(0);
    EXPECT_EQ(desk->GetKind(), kindPhone);
    EXPECT_EQ(desk->GetTarget(), "555 0100");
    EXPECT_NE(desk->GetObjectId(), 0);

    app.Insert(kindFolder, "Archive", "", "", "");
    EXPECT_EQ(work->GetLastChild()->Text(), "Archive");
    EXPECT_EQ(app.taviTitle(), "Work");
    EXPECT_EQ(app.ChildCount(), 4);

    EXPECT_EQ(Raised([&] { app.Insert(300, "x", "", "", ""); }), "There is no record kind 300");
}

TEST_F(TaviAppTest, SelectionFollowsTheFocusedPane) {
    form.SelectNode(work);
    form.SetActivePane(TPane::Folders);
    EXPECT_EQ(app.SelectCount(), 1); // even with no row selected
    EXPECT_TRUE(app.UserSelected(7));
    EXPECT_EQ(app.CurrentNode(), work);
    EXPECT_EQ(app.taviTitle(), "Work");

    form.SelectNode(root);
    SelectRows({"Fax", "Zoo"});
    EXPECT_EQ(app.SelectCount(), 2);
    EXPECT_TRUE(app.UserSelected(1)); // the second selected row in list order: Fax
    EXPECT_EQ(app.taviTitle(), "Fax");
    EXPECT_EQ(app.CurrentNode(), root);
    EXPECT_TRUE(app.UserSelected(0));
    EXPECT_EQ(app.CurrentNode(), home);
    EXPECT_EQ(app.taviTitle(), "Zoo");
    EXPECT_FALSE(app.UserSelected(2)); // past the last selected row
    EXPECT_FALSE(app.UserSelected(-1));
    EXPECT_EQ(app.taviTitle(), "Zoo");

    EXPECT_TRUE(app.NextItemWithTitle("carla"));
    EXPECT_EQ(form.Selected, work); // the find shows Carla's row in Work's list
    EXPECT_EQ(app.CurrentNode(), carla);
    EXPECT_EQ(app.taviTitle(), "Carla");
}

TEST_F(TaviAppTest, ItemWithIdPrefersTreeRecordsThenTheLastNodesItem) {
    TKexObject* first = CreateObject(kindPhone, "First", "", "", work, "", 4242).Object;
    TKexObject* last = CreateObject(kindPhone, "Last", "", "", carla, "", 4242).Object;
    CreateObject(kindPhone, "Later on Carla", "", "", carla, "", 4242);
    ASSERT_NE(first, last);
    EXPECT_TRUE(app.ItemWithId(4242));
    EXPECT_EQ(app.CurrentRecord(), last); // Carla's node comes after Work's
    EXPECT_EQ(app.CurrentNode(), carla);

    // A tree record with the id answers at once, whatever items come after.
    TTreeNode* copy = CreateObject(kindPerson, "Copy", "", "", bob, "", 4242).Node;
    ASSERT_LT(copy->AbsoluteIndex(), carla->AbsoluteIndex());
    EXPECT_TRUE(app.ItemWithId(4242));
    EXPECT_EQ(app.CurrentNode(), copy);
    EXPECT_EQ(app.CurrentRecord(), copy->Data());

    EXPECT_FALSE(app.ItemWithId(1));
    EXPECT_EQ(app.CurrentNode(), copy);
}

TEST_F(TaviAppTest, CopiesAndActsOnTheCurrentRecord) {
    ASSERT_TRUE(app.ItemWithId(mail->GetObjectId()));
    app.CopyClipboard();
    std::string expected;
    mail->GetClipboardText(expected);
    EXPECT_EQ(svc.Clipboard.Data.Plain, expected);
    EXPECT_FALSE(svc.Clipboard.Data.Private.has_value());

    // A folder's action opens it in the window.
    ASSERT_TRUE(app.Items(home->AbsoluteIndex()));
    app.DoDefaultAction();
    EXPECT_EQ(form.Selected, home);
}

// What a cursor answers once its record is gone: every reader the empty
// answer, every raising member the same message, until it is positioned.
void ExpectLost(TTaviApp& app) {
    EXPECT_EQ(app.CurrentRecord(), nullptr);
    EXPECT_EQ(app.taviTitle(), "");
    EXPECT_EQ(app.taviTarget(), "");
    EXPECT_EQ(app.taviComment(), "");
    EXPECT_EQ(app.taviID(), 0);
    EXPECT_EQ(app.taviClass(), 0);
    EXPECT_EQ(app.ChildCount(), 0);
    EXPECT_EQ(app.NextSiblingIndex(), 0);
    EXPECT_FALSE(app.Child(0));
    const std::string lost = kRecordDeletedMessage;
    EXPECT_EQ(Raised([&] { app.SetTaviTitle("x"); }), lost);
    EXPECT_EQ(Raised([&] { app.SetTaviTarget("x"); }), lost);
    EXPECT_EQ(Raised([&] { app.SetTaviComment("x"); }), lost);
    EXPECT_EQ(Raised([&] { app.taviField("Title"); }), lost);
    EXPECT_EQ(Raised([&] { app.SetTaviField("Title", "x"); }), lost);
    EXPECT_EQ(Raised([&] { app.Insert(kindPhone, "x", "", "", ""); }), lost);
    EXPECT_EQ(Raised([&] { app.CopyClipboard(); }), lost);
    EXPECT_EQ(Raised([&] { app.DoDefaultAction(); }), lost);
}

TEST_F(TaviAppTest, CursorForgetsWhatTheUserDeletes) {
    TTaviApp other(form);
    struct Case {
        std::string Name;
        std::function<void()> Position;
        std::function<void()> Delete;
    } cases[] = {
        {"detail item", [&] { app.ItemWithId(phone->GetObjectId()); },
         [&] { DeleteListItem(root, phone); }},
        {"item of a deleted node",
         [&] {
             app.ItemWithId(
                 CreateObject(kindPhone, "P", "", "", bob, "", 77).Object->GetObjectId());
         },
         [&] { tree.Delete(bob); }},
        {"child node's record",
         [&] {
             app.Items(0);
             app.Child(1);
         },
         [&] { tree.Delete(home); }},
        {"node below a deleted folder", [&] { app.Items(carla->AbsoluteIndex()); },
         [&] { tree.Delete(work); }},
        {"item moved elsewhere", [&] { app.ItemWithId(fax->GetObjectId()); },
         [&] { MoveItemTo(fax, root->Data(), Node(kindFolder, "Elsewhere")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Position();
        ASSERT_NE(app.CurrentRecord(), nullptr);
        other.Items(0);
        c.Delete();
        ExpectLost(app);
        EXPECT_EQ(other.taviTitle(), "My Contacts"); // other cursors are untouched
        // Positioned again, it works as before.
        EXPECT_TRUE(app.Items(0));
        EXPECT_EQ(app.taviTitle(), "My Contacts");
    }
    // Revert drops every record below the root; the root stays.
    ASSERT_TRUE(app.Items(1));
    doc.Revert();
    ExpectLost(app);
    EXPECT_TRUE(app.UserSelected(0));
    EXPECT_EQ(app.taviTitle(), "My Contacts");
}

TEST_F(TaviAppTest, DeletingWithTheWindowsOwnCommandLeavesTheCursorLost) {
    ASSERT_TRUE(app.Items(bob->AbsoluteIndex()));
    form.SelectNode(work);
    SelectRows({"Bob"});
    form.DeleteBtnClick("CutBtn");
    ASSERT_EQ(ChildTexts(work), (Strings{"Carla"}));
    ExpectLost(app);
    cursor.reset(); // a cursor may go before the document
    form.SelectNode(root);
}

} // namespace
