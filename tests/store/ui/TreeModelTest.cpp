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

TEST(TreeModel, BulkUpdatesKeepHeldIndexesOnTheSameRecordsNodes) {
    TTestServices svc;
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);
    TTreeModel model(tree);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::string file = "{Params}\r\n{1 0 }Friends~~~~~~11\r\n{Fold}0\r\n"
                             "{2 0 }Anna~~~~~~12\r\n{Fold}0\r\n"
                             "{1 0 }Work~~~~~~13\r\n{Fold}0\r\n";
    WriteText(svc.File("tavi.dat"), file);
    LoadDataFile(root, svc.File("tavi.dat"));
    TTreeNode* friends = root->Child(0);
    TTreeNode* anna = friends->Child(0);
    QPersistentModelIndex heldAnna(model.IndexOf(anna));
    QPersistentModelIndex heldWork(model.IndexOf(root->Child(1)));
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });

    // A load that adds above the held nodes: same nodes, new rows.
    WriteText(svc.File("more.tvd"), "{1 0 }Archive~~~~~~14\r\n{Fold}0\r\n");
    LoadTransferFile(root, "more.tvd");
    tree.SortAll();
    EXPECT_EQ(model.NodeAt(heldAnna), anna);
    EXPECT_EQ(heldWork.row(), 2);
    EXPECT_EQ(heldWork.data().toString(), "Work");

    // A revert: every node is made anew; the held indexes follow the records.
    tree.BeginUpdate();
    root->DeleteChildren();
    WriteText(svc.File("tavi.dat"), file);
    LoadDataFile(root, svc.File("tavi.dat"));
    tree.EndUpdate();
    ASSERT_TRUE(heldAnna.isValid());
    EXPECT_EQ(model.NodeAt(heldAnna), root->Child(0)->Child(0));
    EXPECT_EQ(heldAnna.data().toString(), "Anna");
    EXPECT_EQ(heldWork.data().toString(), "Work");

    // A record the file no longer has leaves nothing held.
    tree.BeginUpdate();
    root->Child(0)->DeleteChildren();
    tree.EndUpdate();
    EXPECT_FALSE(heldAnna.isValid());
    EXPECT_EQ(resets, 0);
}

} // namespace
