#include "MainFormFixture.h"
#include "exchange/jobs/ExportWizard.h"

TEST_F(MainFormFixture, PublishOpensTheWizardForTheSelectedNode) {
    TTreeNode* friends = Node(kindFolder, "Friends");
    Node(kindPerson, "Ann", friends);
    form.SelectNode(friends);
    std::string shownFor;
    std::string page;
    svc.Views.On<TExportWizard>("TExportWizard", [&](TExportWizard& w) {
        shownFor = w.Label4;
        page = w.ActivePage;
        return mrCancel;
    });
    form.PublishBtnClick();
    EXPECT_EQ(shownFor, "My Contacts/Friends");
    EXPECT_EQ(page, "TabSheet1");
    // Cancelled: nothing is written anywhere.
    EXPECT_TRUE(svc.Views.Boxes.empty());
}
