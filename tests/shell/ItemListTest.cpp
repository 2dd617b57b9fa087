#include "PartsFixture.h"

namespace {

class ItemListTest : public PartsFixture {
protected:
    ItemListTest() {
        friends = Node(kindFolder, "Friends");
        work = Node(kindFolder, "Work");
        bob = Node(kindPerson, "Bob", friends);
        Node(kindPerson, "Cy", friends);
        phone = Item(kindPhone, "Home Phone", friends, "555 1234");
        host.SelectNode(friends);
    }
    TTreeNode *friends, *work, *bob;
    TKexObject* phone;
};

TEST_F(ItemListTest, ARefillKeepsTheSelectedRecordsWhereverTheirRowsMoved) {
    Select("Bob");
    Select("Home Phone");
    bob->Data()->SetTitle("Zed"); // its own scope: the list follows at once
    bob->SetText("Zed");
    friends->SortChildren();
    EXPECT_EQ(host.Refills, 1);
    EXPECT_EQ(Captions(), (Strings{"Cy", "Home Phone", "Zed"}));
    EXPECT_EQ(SelectedCaptions(), (Strings{"Home Phone", "Zed"}));
    // Another node starts without a selection, and coming back does not
    // bring the old one back.
    host.SelectNode(work);
    host.SelectNode(friends);
    EXPECT_TRUE(SelectedCaptions().empty());
}

TEST_F(ItemListTest, ARecordGoingInAScopeLosesItsRowAtOnceAndTheListIsFilledOnceAtTheEnd) {
    Select("Home Phone");
    {
        TContactStore::TUpdate scope(doc);
        DeleteListItem(friends, phone);
        // No row may point at the deleted record while the scope runs.
        for (const TListRow& row : list.Rows)
            EXPECT_NE(row.Data, phone);
        EXPECT_EQ(list.SelectedCount(), 0);
        EXPECT_EQ(list.SelectedObject(), nullptr);
        Item(kindPhone, "Second Phone", friends);
        bob->Data()->SetComment("met at the fair");
        EXPECT_EQ(host.Refills, 0);
    }
    EXPECT_EQ(host.Refills, 1);
    EXPECT_EQ(Captions(), (Strings{"Bob", "Cy", "Second Phone"}));
}

TEST_F(ItemListTest, ChangesOutsideWhatTheListShowsDoNotRefillIt) {
    TTreeNode* nested = Node(kindPerson, "Nested", bob);
    host.Refills = 0;
    const struct {
        const char* What;
        std::function<void()> Change;
        int Refills;
    } cases[] = {
        {"a record in another folder", [&] { Node(kindPerson, "Di", work); }, 0},
        {"a grandchild", [&] { nested->Data()->SetComment("x"); }, 0},
        {"the shown node's own record", [&] { friends->Data()->SetComment("x"); }, 1},
        {"a child's record", [&] { bob->Data()->SetTarget("bob@example.org"); }, 1},
        {"an item of the shown node", [&] { phone->SetTarget("555 9999"); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const int before = host.Refills;
        c.Change();
        EXPECT_EQ(host.Refills - before, c.Refills);
    }
}

TEST_F(ItemListTest, RemovingTheShownNodeOrAnAncestorFallsBackToTheRemovedNodesParent) {
    TTreeNode* outer = Node(kindFolder, "Outer");
    TTreeNode* deep = Node(kindPerson, "Deep", Node(kindFolder, "Mid", outer));
    Item(kindPhone, "Deep Phone", deep);
    TTreeNode* inner = Node(kindFolder, "Inner", friends);
    TTreeNode* innermost = Node(kindPerson, "Innermost", inner);
    Item(kindPhone, "Innermost Phone", innermost);
    // Each removal is its own scope: the rows that may show removed records
    // go at once, and the list is filled again for where the user now is.
    const struct {
        const char* What;
        TTreeNode* Shown;
        TTreeNode* Removed;
        TTreeNode* NodeAfter;
        Strings RowsAfter;
    } cases[] = {
        {"its grandparent", deep, outer, root, {"Friends", "Work"}},
        {"a node elsewhere", friends, work, friends, {"Inner", "Bob", "Cy", "Home Phone"}},
        {"a row's node", friends, bob, friends, {"Inner", "Cy", "Home Phone"}},
        {"the shown node", innermost, innermost, inner, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        host.SelectNode(c.Shown);
        ASSERT_FALSE(list.Rows.empty());
        doc.Tree().Delete(c.Removed);
        EXPECT_EQ(list.Node, c.NodeAfter);
        EXPECT_EQ(Captions(), c.RowsAfter);
    }
}

TEST_F(ItemListTest, ANewRecordIsTheOnlySelectedRowUnlessTheFilterHidesIt) {
    Select("Bob");
    TKexObject* di = Node(kindPerson, "Di", friends)->Data();
    host.RefreshList(); // as the New command does
    EXPECT_EQ(SelectedCaptions(), (Strings{"Bob"})) << "filled again, the selection kept";
    list.SelectNew(di);
    EXPECT_EQ(SelectedCaptions(), (Strings{"Di"}));
    EXPECT_EQ(view.Scrolled, (std::vector<int>{list.Find(di, "")}));

    filter.FilterBtn1Down = true;
    filter.CategoryMask = 1;
    TKexObject* eve = Node(kindPerson, "Eve", friends)->Data();
    host.RefreshList();
    ASSERT_EQ(list.Find(eve, "Eve"), -1);
    list.SelectNew(eve);
    EXPECT_TRUE(SelectedCaptions().empty()) << "Di is filtered out too";
    EXPECT_EQ(view.Scrolled.size(), 1u);
}

TEST_F(ItemListTest, RowsOutOfRangeAnswerNothing) {
    const int n = static_cast<int>(list.Rows.size());
    for (int row : {-1, n, n + 5}) {
        list.SetRowSelected(row, true);
        EXPECT_EQ(list.RowObject(row), nullptr) << row;
    }
    EXPECT_EQ(list.SelectedCount(), 0);
    EXPECT_EQ(list.FirstSelected(), -1);
}

} // namespace
