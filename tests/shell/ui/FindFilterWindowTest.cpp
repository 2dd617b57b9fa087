// The find box and the category filter driven through the real widgets.
#include "MainWindowFixture.h"
#include "platform/ui/QtText.h"
#include "store/KexObject.h"

#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTest>

namespace {

class FindFilterWindowTest : public MainWindowFixture {
protected:
    std::string CurrentTreeTitle() {
        const QModelIndex at = Tree()->currentIndex();
        return at.isValid() ? ToStored(at.data().toString()) : std::string();
    }
    // The captions of the rows the list view shows selected.
    std::vector<std::string> SelectedInView() {
        std::vector<std::string> out;
        QAbstractItemView* list = window->ActiveListView();
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (list->selectionModel()->isRowSelected(row, {}))
                out.push_back(ToStored(list->model()->index(row, 0).data().toString()));
        return out;
    }
    std::vector<std::string> RowsInView() {
        std::vector<std::string> out;
        QAbstractItemModel* model = window->ActiveListView()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            out.push_back(ToStored(model->index(row, 0).data().toString()));
        return out;
    }
};

TEST_F(FindFilterWindowTest, TypedTextIsFoundAfterThePauseAndAFilterKeepsTheHitSelected) {
    Start("{Params}\r\n" + FolderLines(1, "Clients", 10) + FolderLines(2, "Ann Oakley", 11) +
          FolderLines(2, "Jo Baker", 12) + FolderLines(2, "Sam Reed", 13) +
          FolderLines(1, "Suppliers", 20));
    At("Clients/Jo Baker")->Data()->SetCategories(1u << 0);
    At("Clients/Sam Reed")->Data()->SetCategories(1u << 0);
    window->resize(640, 400);
    Settle();

    auto* find = window->findChild<QLineEdit*>("FindEditBox");
    ASSERT_NE(find, nullptr);
    QTest::keyClicks(find, "bak");
    EXPECT_EQ(CurrentTreeTitle(), "My Contacts") << "nothing before the pause";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Form().SearchTimeEnabled; }, 3000));
    Settle();
    EXPECT_EQ(CurrentTreeTitle(), "Clients");
    EXPECT_EQ(SelectedInView(), (std::vector<std::string>{"Jo Baker"}));

    // ANY with the first category: Ann goes, Jo stays the selected row.
    auto* categories = window->findChild<QListWidget*>("FilterListBox");
    ASSERT_NE(categories, nullptr);
    Run("FilterBtn1");
    ASSERT_TRUE(Form().Filter.FilterMode());
    categories->item(0)->setCheckState(Qt::Checked);
    Settle();
    EXPECT_EQ(RowsInView(), (std::vector<std::string>{"Jo Baker", "Sam Reed"}));
    EXPECT_EQ(SelectedInView(), (std::vector<std::string>{"Jo Baker"}));
    EXPECT_TRUE(categories->isVisible());
    EXPECT_FALSE(Tree()->isVisible()) << "the category list takes the tree's place";

    const QString shotDir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
    if (!shotDir.isEmpty()) window->grab().save(shotDir + "/main-window-find-filter.png");

    // A search that finds nothing says so in the status bar, and the filter
    // stays in force.
    find->clear();
    QTest::keyClicks(find, "zebra");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Form().SearchTimeEnabled; }, 3000));
    Settle();
    EXPECT_EQ(Form().StatusPanels[0], "No match for 'zebra'");
    EXPECT_EQ(RowsInView(), (std::vector<std::string>{"Jo Baker", "Sam Reed"}));
}

} // namespace
