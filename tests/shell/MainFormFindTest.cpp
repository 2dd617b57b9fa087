#include "MainFormFixture.h"

namespace {

class FindFixture : public MainFormFixture {
protected:
    FindFixture() {
        clients = Node(kindFolder, "Clients");
        jo = Node(kindPerson, "Jo Baker", clients);
        Node(kindPerson, "Bakers Guild", clients);
        Node(kindPerson, "Sam Oakbaker", clients);
        other = Node(kindFolder, "Other");
        Item(kindPhone, "Baker Street", other);
        form.SelectNode(root);
        form.SetActivePane(TPane::Folders);
    }
    // F3 with the find box holding text: where it lands.
    std::string Next() {
        form.FindItemClick();
        TKexObject* r = form.SelectedRowObject();
        return r ? r->GetTitle() : "(tree) " + form.Selected->Text();
    }
    TTreeNode *clients, *jo, *other;
};

TEST_F(FindFixture, WordStartsMatchAndRepeatedSearchesWrapAround) {
    form.FindEditBoxChange("BAKER");
    EXPECT_TRUE(form.SearchTimeEnabled);
    form.SearchTimeTimer();
    EXPECT_FALSE(form.SearchTimeEnabled);
    EXPECT_EQ(form.SelectedRowObject(), jo->Data());
    EXPECT_EQ(form.Selected, clients);
    EXPECT_EQ(form.ActivePaneName(), "MainItems");
    // "Oakbaker" holds the text inside a word only; the phone under the
    // non-matching "Other" is found through its owner.
    EXPECT_EQ(Next(), "Bakers Guild");
    EXPECT_EQ(Next(), "Baker Street");
    EXPECT_EQ(form.Selected, other);
    EXPECT_EQ(Next(), "Jo Baker");
    EXPECT_FALSE(form.Progress.Visible);
}

TEST_F(FindFixture, SearchWithoutMatchChangesNothingButTheListSelection) {
    form.SelectNode(clients);
    SelectRows({"Jo Baker"});
    form.FindEditBoxChange("zz");
    form.FindItemClick();
    EXPECT_EQ(form.Selected, clients);
    EXPECT_EQ(form.SelectedRowCount(), 0);
    // Every node was visited once: the progress ran to the end and closed.
    EXPECT_EQ(form.Progress.Position, tree.Count());
    EXPECT_EQ(form.Progress.Max, tree.Count() - 1);
    EXPECT_EQ(form.Progress.Action, "Searching...");
    EXPECT_FALSE(form.Progress.Visible);
    EXPECT_GT(view.ProgressChanges, 2);
}

TEST_F(FindFixture, StartNodeIsTestedLastAndTheRootSelectsItself) {
    form.FindEditBoxChange("my");
    form.FindItemClick();
    EXPECT_EQ(form.Selected, root);
    EXPECT_EQ(view.Focused.back(), TPane::Folders);
}

TEST_F(FindFixture, SiblingsWithOneTitleAreFoundInTurn) {
    TTreeNode* second = Node(kindPerson, "Jo Baker", clients);
    form.FindEditBoxChange("jo");
    std::vector<TKexObject*> hits;
    for (int i = 0; i < 3; ++i) {
        form.FindItemClick();
        hits.push_back(form.SelectedRowObject());
    }
    EXPECT_EQ(hits, (std::vector<TKexObject*>{jo->Data(), second->Data(), jo->Data()}));
}

class FilterFixture : public MainFormFixture {
protected:
    FilterFixture() {
        Item(kindPhone, "None", root)->SetCategories(0);
        Item(kindPhone, "One", root)->SetCategories(1u << 0);
        Item(kindPhone, "OneTwo", root)->SetCategories((1u << 0) | (1u << 1));
        Node(kindFolder, "Last")->Data()->SetCategories(1u << 31);
    }
    Strings Shown(int button, std::vector<int> checked) {
        for (auto& e : form.FilterListBox)
            e.Checked = false;
        for (int c : checked)
            form.FilterListBox[static_cast<size_t>(c - 1)].Checked = true;
        form.FilterListBoxClick();
        form.FilterBtn1Click(button, true);
        return Captions();
    }
};

TEST_F(FilterFixture, AnyAndAllFiltersShowWhatCarriesTheCheckedCategories) {
    const struct {
        int Button;
        std::vector<int> Checked;
        Strings Expected;
    } cases[] = {
        {1, {}, {"Last", "None", "One", "OneTwo"}},
        {2, {}, {"Last", "None", "One", "OneTwo"}},
        {1, {32}, {"Last"}},
        {1, {2, 32}, {"Last", "OneTwo"}},
        {2, {1}, {"One", "OneTwo"}},
        {2, {1, 2}, {"OneTwo"}},
        {2, {1, 32}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.Button, c.Checked), c.Expected) << c.Button << " " << c.Checked.size();
    form.FilterBtn1Click(2, false);
    EXPECT_FALSE(form.Filter.FilterMode());
    EXPECT_EQ(Captions(), (Strings{"Last", "None", "One", "OneTwo"}));
}

TEST_F(FilterFixture, TreeComesBackAtTheWidthTheCategoryListHad) {
    form.FoldersWidth = 180;
    form.FilterBtn1Click(1, true);
    EXPECT_EQ(form.FilterListWidth, 180);
    form.FilterListWidth = 250; // the splitter moved while filtering
    form.FilterBtn1Click(2, true);
    EXPECT_FALSE(form.Filter.FilterBtn1Down);
    EXPECT_EQ(form.FilterListWidth, 250);
    form.FilterBtn1Click(2, false);
    EXPECT_EQ(form.FoldersWidth, 250);
    EXPECT_EQ(view.FilterChanges, 3);
}

TEST_F(FindFixture, ASearchThatWrapsWithoutAMatchSaysSoAndTheNextFindClearsIt) {
    struct TCase {
        const char* Text;
        const char* PanelBefore; // nullptr: as the previous search left it
        const char* PanelAfter;
    };
    const TCase cases[] = {
        {"Zora", "", "No match for 'Zora'"},
        {"baker", nullptr, ""}, // found: the old message goes
        {"ZZ top", "Some hint", "No match for 'ZZ top'"},
        {"jo", "Some hint", "Some hint"}, // found: a hint is not the find's to clear
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        if (c.PanelBefore) form.StatusPanels[0] = c.PanelBefore;
        const std::string before = form.StatusPanels[0];
        const int changes = view.StatusChanges;
        form.FindEditBoxChange(c.Text);
        form.FindItemClick();
        EXPECT_EQ(form.StatusPanels[0], c.PanelAfter);
        // The view shows what changed.
        if (form.StatusPanels[0] != before) {
            EXPECT_GT(view.StatusChanges, changes);
        }
    }
}

} // namespace
