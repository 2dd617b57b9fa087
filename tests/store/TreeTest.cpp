#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeCompare.h"
#include "store/TreeNodes.h"
#include "store/TreeObserver.h"
#include "store/TreePath.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

class TreeTest : public ::testing::Test {
protected:
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    TTreeNode* Node(TTreeNode* parent, uint8_t kind, const std::string& title) {
        return CreateObject(kind, title, "", "", parent, "", 0).Node;
    }
};

TEST_F(TreeTest, RootRecordAndImages) {
    EXPECT_EQ(root->Text(), "My Contacts");
    EXPECT_EQ(root->Data()->GetKind(), kindRoot);
    EXPECT_EQ(root->Data()->GetObjectId(), 32892645);
    EXPECT_EQ(root->ImageIndex(), 12);
    EXPECT_EQ(root->SelectedIndex(), 12);
    EXPECT_EQ(root->Data()->GetNode(), nullptr);
    TTreeNode* f = Node(root, kindFolder, "F");
    EXPECT_EQ(f->ImageIndex(), 0);
    EXPECT_EQ(f->SelectedIndex(), 10);
    TTreeNode* t = Node(root, kindTeam, "T");
    EXPECT_EQ(t->SelectedIndex(), 2);
}

TEST_F(TreeTest, FoldersSortFirstThenTitlesIgnoringCase) {
    Node(root, kindTeam, "alpha");
    Node(root, kindFolder, "zeta");
    Node(root, kindTeam, "Beta");
    Node(root, kindFolder, "_under");
    root->SortChildren();
    std::vector<std::string> order;
    for (int i = 0; i < root->Count(); ++i)
        order.push_back(root->Child(i)->Text());
    // Letters fold to upper case, so "_" sorts after them.
    EXPECT_EQ(order, (std::vector<std::string>{"zeta", "_under", "alpha", "Beta"}));
    EXPECT_EQ(FoldersCompare(Node(root, kindTeam, "abc"), Node(root, kindTeam, "ABC")), 0);
}

TEST_F(TreeTest, SetTitleRenamesLabelAndResortsSiblingsUnlessLabelWasEdited) {
    TTreeNode* a = Node(root, kindTeam, "A");
    TTreeNode* b = Node(root, kindTeam, "B");
    a->Data()->SetTitle("C");
    EXPECT_EQ(a->Text(), "C");
    EXPECT_EQ(root->Child(0), b);
    // A label edited in place no longer follows the title.
    b->SetText("Edited");
    b->Data()->SetTitle("Z");
    EXPECT_EQ(b->Text(), "Edited");
    EXPECT_EQ(root->Child(1), b);
}

TEST_F(TreeTest, DetailItemTitledLikeItsOwnerDoesNotRenameTheOwner) {
    TTreeNode* p = Node(root, kindTeam, "Bob");
    TKexObject* item = CreateObject(20, "Bob", "", "", p, "", 0).Object;
    item->SetTitle("Robert");
    EXPECT_EQ(p->Text(), "Bob");
}

TEST_F(TreeTest, AbsoluteIndexFollowsStructuralChanges) {
    TTreeNode* a = Node(root, kindFolder, "a");
    TTreeNode* a1 = Node(a, kindFolder, "a1");
    TTreeNode* b = Node(root, kindFolder, "b");
    EXPECT_EQ(a1->AbsoluteIndex(), 2);
    EXPECT_EQ(b->AbsoluteIndex(), 3);
    EXPECT_EQ(tree.Item(3), b);
    EXPECT_EQ(tree.Item(4), nullptr);
    ASSERT_TRUE(MoveNodeTo(a, b));
    EXPECT_EQ(b->AbsoluteIndex(), 1);
    EXPECT_EQ(a1->AbsoluteIndex(), 3);
    EXPECT_EQ(a1->Level(), 3);
    a->Delete();
    EXPECT_EQ(tree.Count(), 2);
}

TEST_F(TreeTest, NodeCannotMoveBelowItself) {
    TTreeNode* a = Node(root, kindFolder, "a");
    TTreeNode* a1 = Node(a, kindFolder, "a1");
    EXPECT_FALSE(MoveNodeTo(a, a));
    EXPECT_FALSE(MoveNodeTo(a, a1));
    EXPECT_EQ(a->Parent(), root);
}

TEST_F(TreeTest, DeepNestingIsDestroyedWithoutRecursion) {
    TTreeNode* n = root;
    for (int i = 0; i < 200000; ++i)
        n = tree.AddChildObject(n, "x", nullptr);
    EXPECT_EQ(tree.Count(), 200001);
    root->DeleteChildren();
    EXPECT_EQ(tree.Count(), 1);
}

TEST_F(TreeTest, PathsNameNodesFromTheRootDown) {
    TTreeNode* f = Node(root, kindFolder, "Friends");
    TTreeNode* s = Node(f, kindFolder, "A/B");
    EXPECT_EQ(NodePath(s), "My Contacts/Friends/A/B");
    EXPECT_EQ(FindNodeByPath(tree, "My Contacts/Friends"), f);
    EXPECT_EQ(FindNodeByPath(tree, "My Contacts/Friends/A/B"), s);
    EXPECT_EQ(FindNodeByPath(tree, "My Contacts"), root);
    EXPECT_EQ(FindNodeByPath(tree, "My Contacts/Nobody"), nullptr);
}

struct RecordingObserver : ITreeObserver {
    std::vector<std::string> Events;
    void NodeInserting(TTreeNode*, int i) override {
        Events.push_back("inserting " + std::to_string(i));
    }
    void NodeInserted(TTreeNode* n) override { Events.push_back("inserted " + n->Text()); }
    void NodeRemoving(TTreeNode* n) override { Events.push_back("removing " + n->Text()); }
    void NodeRemoved(TTreeNode*, int i) override {
        Events.push_back("removed " + std::to_string(i));
    }
    void ChildrenSorted(TTreeNode*) override { Events.push_back("sorted"); }
    void NodeChanged(TTreeNode* n) override { Events.push_back("changed " + n->Text()); }
    void UpdateBegun() override { Events.push_back("begin"); }
    void UpdateEnded() override { Events.push_back("end"); }
};

TEST_F(TreeTest, ObserversHearChangesButOnlyTheResetDuringAnUpdate) {
    RecordingObserver obs;
    tree.AddObserver(&obs);
    TTreeNode* b = Node(root, kindFolder, "b");
    Node(root, kindFolder, "a");
    root->SortChildren();
    b->SetText("bb");
    b->Delete();
    tree.BeginUpdate();
    Node(root, kindFolder, "quiet");
    tree.EndUpdate();
    tree.RemoveObserver(&obs);
    EXPECT_EQ(obs.Events, (std::vector<std::string>{
                              "inserting 0", "inserted b", "changed b", "changed b", "inserting 1",
                              "inserted a", "changed a", "changed a", "sorted", "changed bb",
                              "removing bb", "removed 1", "begin", "end"}));
}

} // namespace
