#include "store/NodeKey.h"

#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

class NodeKeyTest : public ::testing::Test {
protected:
    NodeKeyTest() { root = CreateRoot(tree); }
    TTreeNode* Folder(TTreeNode* parent, const std::string& title, int32_t id) {
        return CreateObject(kindFolder, title, "", "", parent, "", id).Node;
    }
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = nullptr;
};

TEST_F(NodeKeyTest, TheSameNodeWinsAmongSiblingsCarryingOneIdentifier) {
    // A paste of the same records twice gives siblings with equal identifiers.
    TTreeNode* first = Folder(root, "Copy", 7);
    TTreeNode* second = Folder(root, "Copy", 7);
    EXPECT_EQ(TNodeKey(second).Find(tree), second);
    EXPECT_EQ(TNodeKey(first).Find(tree), first);
}

TEST_F(NodeKeyTest, NearestIsTheDeepestAncestorStillThere) {
    struct TCase {
        const char* Removed; // the node deleted before the lookup
        const char* Found;   // what Find gives ("" none)
        const char* Nearest; // what FindNearest gives
    };
    const TCase cases[] = {
        {"", "C", "C"},
        {"C", "", "B"},
        {"B", "", "A"},
        {"A", "", "My Contacts"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Removed);
        root->DeleteChildren();
        TTreeNode* a = Folder(root, "A", 1);
        TTreeNode* b = Folder(a, "B", 2);
        TTreeNode* cNode = Folder(b, "C", 3);
        const TNodeKey key(cNode);
        for (TTreeNode* n : {a, b, cNode})
            if (n->Text() == c.Removed) {
                n->Delete();
                break;
            }
        TTreeNode* found = key.Find(tree);
        EXPECT_EQ(found ? found->Text() : "", c.Found);
        ASSERT_NE(key.FindNearest(tree), nullptr);
        EXPECT_EQ(key.FindNearest(tree)->Text(), c.Nearest);
    }
}

TEST_F(NodeKeyTest, ARecordWithTheSameIdentifierElsewhereIsNotTakenForTheNode) {
    TTreeNode* a = Folder(root, "A", 1);
    TTreeNode* moved = Folder(a, "X", 5);
    const TNodeKey key(moved);
    TTreeNode* b = Folder(root, "B", 2);
    ASSERT_TRUE(moved->MoveTo(b));
    // The path is part of the key: found again only below its old parent.
    EXPECT_EQ(key.Find(tree), nullptr);
    EXPECT_EQ(key.FindNearest(tree), a);
    EXPECT_TRUE(TNodeKey().Empty());
    EXPECT_EQ(TNodeKey().Find(tree), nullptr);
}

} // namespace
