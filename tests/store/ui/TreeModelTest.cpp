#include "store/ui/TreeModel.h"

#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <gtest/gtest.h>

namespace {

TEST(TreeModel, FollowsEveryKindOfChangeUnderTheModelTester) {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);
    TTreeModel model(tree);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);

    TTreeNode* b = CreateObject(kindFolder, "b", "", "", root, "", 0).Node;
    TTreeNode* a = CreateObject(kindFolder, "a", "", "", root, "", 0).Node;
    TTreeNode* c = CreateObject(kindTeam, "c", "", "", a, "", 0).Node;
    QPersistentModelIndex pa(model.IndexOf(a));
    root->SortChildren();
    EXPECT_EQ(pa.row(), 0);
    EXPECT_EQ(model.NodeAt(pa), a);

    ASSERT_TRUE(MoveNodeTo(c, b));
    EXPECT_EQ(model.rowCount(model.IndexOf(b)), 1);
    ASSERT_TRUE(MoveNodeTo(c, b)); // already the last child: nothing moves
    a->Data()->SetTitle("z");
    EXPECT_EQ(model.data(pa, Qt::DisplayRole).toString(), "z");

    WriteText(svc.File("tavi.dat"), "{Params}\r\n{1 0 }L~~~~~~1\r\n{Fold}0\r\n");
    LoadDataFile(root, svc.File("tavi.dat"));
    EXPECT_EQ(model.rowCount(model.IndexOf(root)), 3);
    b->Delete();
    EXPECT_EQ(model.rowCount(model.IndexOf(root)), 2);
    root->DeleteChildren();
    EXPECT_EQ(model.rowCount(model.IndexOf(root)), 0);
}

} // namespace
