// The real main window over real desktop services and a data folder.
#include "shell/ui/MainWindow.h"

#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/DesktopServices.h"
#include "shell/ui/ItemListModel.h"
#include "shell/ui/LogicForm.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/ui/TreeModel.h"
#include "support/TestServices.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::vector<std::string> SectionKeys(const std::string& ini, const std::string& section) {
    std::vector<std::string> keys;
    bool in = false;
    size_t pos = 0;
    while (pos < ini.size()) {
        size_t end = ini.find('\n', pos);
        if (end == std::string::npos) end = ini.size();
        std::string line = ini.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        pos = end + 1;
        if (!line.empty() && line[0] == '[')
            in = line == "[" + section + "]";
        else if (in && line.find('=') != std::string::npos)
            keys.push_back(line.substr(0, line.find('=')));
    }
    return keys;
}

// Closes the next modal message box with its default button.
void DismissNextBox(QString* text = nullptr) {
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (text) *text = box->text();
            box->accept();
        } else {
            DismissNextBox(text);
        }
    });
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { WriteText(home.File("kex.ini"), ""); }

    void Start(const std::string& data = "") {
        if (!data.empty()) WriteText(home.File(kDataFileName), data);
        services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
        host = std::make_unique<TLogicForm>(services->Settings);
        ASSERT_TRUE(host->Create("merrowin"));
        window = &host->Window();
        treeTester = std::make_unique<QAbstractItemModelTester>(
            window->findChild<TTreeModel*>(),
            QAbstractItemModelTester::FailureReportingMode::Fatal);
        listTester = std::make_unique<QAbstractItemModelTester>(
            window->findChild<TItemListModel*>(),
            QAbstractItemModelTester::FailureReportingMode::Fatal);
        host->Start(false);
        Settle();
    }
    ~MainWindowTest() override {
        listTester.reset();
        treeTester.reset();
        host.reset();
        services.reset();
    }

    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void Run(const char* command) {
        QAction* a = window->Command(command);
        ASSERT_NE(a, nullptr) << command;
        a->trigger();
        Settle();
    }
    TMainForm& Form() { return host->Form(); }
    TTreeNode* Root() { return host->Tree().GetFirstNode(); }
    QTreeView* Tree() { return window->findChild<QTreeView*>("Folders"); }
    QAbstractItemView* ShownList() { return window->ActiveListView(); }
    void Drop(QAbstractItemView* view, const QModelIndex& at, QMimeData* data) {
        QPoint p = at.isValid() ? view->visualRect(at).center()
                                : view->viewport()->rect().bottomRight() - QPoint(5, 5);
        QDropEvent drop(p, Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        // A drop follows the drag's entry and moves, as a real one does.
        QDragEnterEvent enter(p, Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(p, Qt::MoveAction | Qt::CopyAction, data, Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QApplication::sendEvent(view->viewport(), &drop);
        Settle();
        delete data;
    }

    TTempDir home;
    std::unique_ptr<TDesktopServices> services;
    std::unique_ptr<TLogicForm> host;
    TMainWindow* window = nullptr;
    std::unique_ptr<QAbstractItemModelTester> treeTester, listTester;
};

TEST_F(MainWindowTest, NewFolderRenamedInPlaceIsSavedWithTheWindowStateOnExit) {
    Start();
    Run("NewFolder");
    auto* editor = Tree()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "the new folder's label is not being edited";
    EXPECT_EQ(editor->text(), "New Folder");
    editor->selectAll();
    QTest::keyClicks(editor, "Friends");
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    ASSERT_EQ(Root()->Count(), 1);
    EXPECT_EQ(Root()->Child(0)->Text(), "Friends");
    EXPECT_EQ(Root()->Child(0)->Data()->GetTitle(), "Friends");

    host->Exit();
    EXPECT_NE(ReadText(home.File(kDataFileName)).find("}Friends~~"), std::string::npos);
    std::vector<std::string> expected = {
        "Norm_Left",   "Norm_Top",    "Norm_Width",   "Norm_Height",  "Norm_Split",
        "Alt_Left",    "Alt_Top",     "Alt_Width",    "Alt_Height",   "Alt_Split",
        "Norm_Style",  "Alt_Style",   "Norm_ColPos1", "Norm_ColPos2", "Norm_ColPos3",
        "Alt_ColPos1", "Alt_ColPos2", "Alt_ColPos3"};
    EXPECT_EQ(SectionKeys(ReadText(home.File("kex.ini")), "WinState"), expected);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, InPlaceEditsLeftUnchangedKeepTheOldFilesBytes) {
    // Windows-1252 titles show decoded; opening their editors and pressing
    // Return without a change must not rewrite them as UTF-8.
    Start("{Params}\r\n{0 11 }My Contacts~~~~~~1\r\n{1 0 }Caf\xe9~~~~~~2\r\n{Fold}0\r\n"
          "{2 3 }M\xfcller~~~~~~3\r\n{Pers}~~~~~~M\xfcller~~~~~~~~~~0\r\n");
    const QModelIndex folder = Tree()->model()->index(0, 0, Tree()->model()->index(0, 0));
    Tree()->setCurrentIndex(folder);
    Settle();
    Tree()->edit(folder);
    auto* editor = Tree()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QString::fromUtf8("Caf\xc3\xa9"));
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    QAbstractItemView* list = ShownList();
    list->edit(list->model()->index(0, 0));
    editor = list->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    host->Exit();
    const std::string saved = ReadText(home.File(kDataFileName));
    EXPECT_NE(saved.find("}Caf\xe9~~"), std::string::npos);
    EXPECT_NE(saved.find("}M\xfcller~~"), std::string::npos);
}

TEST_F(MainWindowTest, RootLabelCannotBeEditedInPlace) {
    Start();
    Tree()->edit(Tree()->model()->index(0, 0));
    Settle();
    EXPECT_EQ(Tree()->findChild<QLineEdit*>(), nullptr);
}

TEST_F(MainWindowTest, ToggleTwiceReturnsToTheFirstSetupAndEachKeepsItsChanges) {
    Start();
    window->resize(700, 500);
    Settle();
    TWinSetup before = window->GetSetup();
    Run("ToggleMainWindow");
    TWinSetup alt = window->GetSetup();
    EXPECT_EQ(alt.Width, 300);
    EXPECT_LE(alt.Split, 1);
    window->resize(320, 400); // a change made while the alternate setup shows
    Settle();
    Run("ToggleMainWindow");
    TWinSetup back = window->GetSetup();
    EXPECT_EQ(back.Width, before.Width);
    EXPECT_EQ(back.Height, before.Height);
    EXPECT_EQ(back.Split, before.Split);
    EXPECT_EQ(back.Style, before.Style);
    Run("ToggleMainWindow");
    EXPECT_EQ(window->GetSetup().Width, 320);
    EXPECT_EQ(window->GetSetup().Height, 400);
}

TEST_F(MainWindowTest, FourViewsSwitchFromMenuAndButtonsAndBothFollow) {
    Start("{Params}\r\n{1 0 }Work~~~~~~5\r\n\r\n");
    struct TCase {
        const char* Command;
        int Style;
        const char* MenuItem;
        const char* Button;
    };
    const TCase cases[] = {{"Details", 4, "Details", "ViewTypeBtn4"},
                           {"ViewTypeBtn2", 2, "SmallIcons", "ViewTypeBtn2"},
                           {"List", 3, "List", "ViewTypeBtn3"},
                           {"ViewTypeBtn1", 1, "LargeIcons", "ViewTypeBtn1"}};
    for (const TCase& c : cases) {
        Run(c.Command);
        EXPECT_EQ(Form().ViewStyle, c.Style) << c.Command;
        EXPECT_TRUE(window->Command(c.MenuItem)->isChecked()) << c.Command;
        EXPECT_TRUE(window->Command(c.Button)->isChecked()) << c.Command;
        QAbstractItemView* shown = ShownList();
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->objectName(), c.Style == 4 ? "MainItemsDetails" : "MainItems");
        EXPECT_EQ(shown->model()->rowCount(), 1);
        if (auto* list = qobject_cast<QListView*>(shown)) {
            EXPECT_EQ(list->viewMode(), c.Style == 1 ? QListView::IconMode : QListView::ListMode);
        }
    }
}

TEST_F(MainWindowTest, ListSelectionReachesThePresenterAndComesBack) {
    Start("{Params}\r\n{1 0 }A~~~~~~5\r\n\r\n{1 0 }B~~~~~~6\r\n\r\n{1 0 }C~~~~~~7\r\n\r\n");
    QAbstractItemView* list = ShownList();
    list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
    EXPECT_EQ(Form().SelectedRowCount(), 1);
    EXPECT_EQ(Form().FirstSelectedRow(), 2);
    Run("SelectAll1");
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 3);
}

TEST_F(MainWindowTest, TreeKeepsTheSelectedNodeMarkedAfterAClickOnItsEmptySpace) {
    Start("{Params}\r\n{1 0 }Archive~~~~~~5\r\n\r\n");
    window->show();
    Settle();
    QModelIndex archive = Tree()->model()->index(0, 0, Tree()->model()->index(0, 0));
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualRect(archive).center());
    Settle();
    ASSERT_EQ(Form().Selected, Root()->Child(0));
    QPoint empty = Tree()->viewport()->rect().bottomLeft() + QPoint(5, -5);
    ASSERT_FALSE(Tree()->indexAt(empty).isValid());
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, empty);
    Settle();
    EXPECT_EQ(Form().Selected, Root()->Child(0));
    EXPECT_TRUE(Tree()->selectionModel()->isSelected(archive));
}

TEST_F(MainWindowTest, PopupShowsOnlyTheEntriesTheTargetSupports) {
    Start();
    TTreeNode* person = CreateObject(kindPerson, "Ann", "", "", Root(), "", 0).Node;
    CreateObject(kindPhone, "Home", "555 1234", "", person, "", 0);
    Form().SelectNode(person);
    Settle();
    Form().SetActivePane(TPane::MainItems);
    QAbstractItemView* list = ShownList();
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    window->PreparePopup();
    std::map<std::string, bool> expected = {{"ListPaneOpen", false},   {"ListPaneMail", false},
                                            {"ListPaneFax", false},    {"ListPaneDial", true},
                                            {"ListPaneBrowse", false}, {"ListPaneAdvance", false},
                                            {"ListPaneLaunch", false}, {"ListPaneProps", true}};
    for (const auto& [name, visible] : expected)
        EXPECT_EQ(window->Command(name)->isVisible(), visible) << name;

    Form().SetActivePane(TPane::Folders);
    window->PreparePopup();
    EXPECT_TRUE(window->Command("ListPaneOpen")->isVisible());
    EXPECT_FALSE(window->Command("ListPaneDial")->isVisible());
}

TEST_F(MainWindowTest, RowsDroppedOnAFolderMoveThereAndAFileDroppedOnTheListBecomesADocument) {
    Start("{Params}\r\n{1 0 }Archive~~~~~~5\r\n\r\n{1 3 }Bob~~~~~~6\r\n\r\n");
    QAbstractItemView* list = ShownList();
    int bobRow = Form().MainItems[0].Caption == "Bob" ? 0 : 1;
    list->selectionModel()->select(list->model()->index(bobRow, 0), QItemSelectionModel::Select);
    Form().SetActivePane(TPane::MainItems);
    auto* pane = new QMimeData;
    pane->setData("application/x-merrowin-pane", "MainItems");
    QModelIndex archive = Tree()->model()->index(0, 0, Tree()->model()->index(0, 0));
    ASSERT_EQ(archive.data().toString(), "Archive");
    Drop(Tree(), archive, pane);
    ASSERT_EQ(Root()->Count(), 1);
    ASSERT_EQ(Root()->Child(0)->Count(), 1);
    EXPECT_EQ(Root()->Child(0)->Child(0)->Text(), "Bob");

    auto* files = new QMimeData;
    files->setUrls(
        {QUrl::fromLocalFile("/srv/docs/letter.odt"), QUrl::fromLocalFile("/srv/docs/second.odt")});
    Drop(ShownList(), QModelIndex(), files);
    auto it = std::find_if(Form().MainItems.begin(), Form().MainItems.end(),
                           [](const TListRow& r) { return r.Caption == "letter.odt"; });
    ASSERT_NE(it, Form().MainItems.end());
    EXPECT_EQ(it->Target, "/srv/docs/letter.odt");
    EXPECT_EQ(Form().MainItems.size(), 2u); // the folder and one document
}

TEST_F(MainWindowTest, ClosingOnlyHidesAndTheTrayRestoresAndExits) {
    Start();
    bool finished = false;
    QObject::connect(host.get(), &TLogicForm::Finished, [&] { finished = true; });
    window->close();
    Settle();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(host->Ended());
    host->TrayPopup()->findChild<QAction*>("Restore1")->trigger();
    EXPECT_TRUE(window->isVisible());
    host->TrayPopup()->findChild<QAction*>("Exit1")->trigger();
    EXPECT_TRUE(finished);
    EXPECT_TRUE(host->Ended());
    EXPECT_TRUE(QFile::exists(FromStored(home.File(kDataFileName))));
}

TEST_F(MainWindowTest, ToolbarPlacesAreKeptAcrossRuns) {
    Start();
    auto* bar = window->findChild<QToolBar*>("TipBar1");
    ASSERT_NE(bar, nullptr);
    Run("TipBar2"); // View > Tip Bar hides it
    EXPECT_TRUE(bar->isHidden());
    host->Exit();
    host.reset();
    services.reset();
    Start();
    EXPECT_TRUE(window->findChild<QToolBar*>("TipBar1")->isHidden());
    EXPECT_FALSE(window->Command("TipBar2")->isChecked());
    EXPECT_FALSE(window->findChild<QToolBar*>("FindPanel")->isHidden());
}

TEST_F(MainWindowTest, DamagedDataFileIsReportedAndNotOverwritten) {
    const std::string damaged = "{Params}\r\n{1 0 }Kept~~~~~~5\r\n\r\n{x";
    WriteText(home.File(kDataFileName), damaged);
    services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
    host = std::make_unique<TLogicForm>(services->Settings);
    QString shown;
    DismissNextBox(&shown);
    EXPECT_FALSE(host->Create("merrowin"));
    EXPECT_TRUE(shown.endsWith('.')) << shown.toStdString();
    host->Exit(); // a later end must not save either
    host.reset();
    EXPECT_EQ(ReadText(home.File(kDataFileName)), damaged);
}

} // namespace
