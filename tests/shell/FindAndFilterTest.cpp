#include "shell/FindAndFilter.h"

#include "PartsFixture.h"

namespace {

class FindAndFilterTest : public PartsFixture {
protected:
    FindAndFilterTest() { find.SetView(&view); }

    std::string panel;
    TFindAndFilter find{doc.Tree(), list, host, panel};
};

TEST_F(FindAndFilterTest, FilterButtonsFormAGroupAndEveryChangeFillsTheListAgain) {
    host.SelectNode(root);
    const struct {
        int Which;
        bool Down;
        bool Btn1, Btn2;
        int Refills;
    } steps[] = {
        {1, true, true, false, 1},   {2, true, false, true, 1},  {1, false, false, true, 1},
        {2, false, false, false, 1}, {0, true, false, false, 0}, {3, true, false, false, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(s.Which) + (s.Down ? " down" : " up"));
        const int refills = host.Refills;
        const int changes = view.FilterChanges;
        find.SetFilterButton(s.Which, s.Down);
        EXPECT_EQ(find.Filter.FilterBtn1Down, s.Btn1);
        EXPECT_EQ(find.Filter.FilterBtn2Down, s.Btn2);
        EXPECT_EQ(host.Refills - refills, s.Refills);
        EXPECT_EQ(view.FilterChanges - changes, s.Refills);
    }
}

TEST_F(FindAndFilterTest, TicksMakeTheMaskOfTheFirst32CategoriesOnly) {
    std::vector<std::string> names(33, "c");
    find.Reset(names);
    const struct {
        std::vector<int> Ticked; // 1-based
        uint32_t Mask;
    } cases[] = {
        {{}, 0},
        {{1}, 1},
        {{1, 32}, 0x80000001u},
        {{33}, 0}, // a 33rd entry (a damaged settings file) has no bit
    };
    for (const auto& c : cases) {
        for (auto& e : find.FilterListBox)
            e.Checked = false;
        for (int t : c.Ticked)
            find.FilterListBox[static_cast<size_t>(t - 1)].Checked = true;
        find.CategoriesTicked();
        EXPECT_EQ(find.Filter.CategoryMask, c.Mask) << c.Ticked.size();
    }
    // New names keep the ticks in their places; a reset clears them.
    find.RenameCategories({"Clients", "Friends"});
    EXPECT_EQ(find.FilterListBox[0].Name, "Clients");
    EXPECT_TRUE(find.FilterListBox[32].Checked);
    find.Reset({"A", "B"});
    EXPECT_EQ(find.CategoryNames(), (Strings{"A", "B"}));
    EXPECT_FALSE(find.FilterListBox[0].Checked);
    EXPECT_EQ(find.Filter.CategoryMask, 0u);
}

TEST_F(FindAndFilterTest, AFindWithNothingSelectedStartsAtTheRoot) {
    TTreeNode* clients = Node(kindFolder, "Clients");
    Node(kindPerson, "Jo Baker", clients);
    ASSERT_EQ(list.Node, nullptr);
    find.EditChanged("baker");
    find.FindNext();
    EXPECT_EQ(list.Node, clients);
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_EQ(host.Pane, TPane::MainItems);
    EXPECT_FALSE(find.Progress.Visible);
    EXPECT_EQ(panel, "");
}

} // namespace
