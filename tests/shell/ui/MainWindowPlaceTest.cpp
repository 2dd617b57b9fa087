// The main window keeps the user's place in the tree and the list across
// every command, and answers the keyboard as a desktop user expects.
#include "MainWindowFixture.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "support/ui/ModalDriver.h"

#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <functional>

namespace {

// My Contacts: A (A1, A2), B (B1, B2), C, then thirty more folders, so that
// the tree scrolls in a small window.
std::string PlaceData() {
    std::string data = "{Params}\r\n" + FolderLines(1, "A", 10) + FolderLines(2, "A1", 11) +
                       FolderLines(2, "A2", 12) + FolderLines(1, "B", 20) +
                       FolderLines(2, "B1", 21) + FolderLines(2, "B2", 22) +
                       FolderLines(1, "C", 30);
    for (int i = 0; i < 30; ++i)
        data += FolderLines(1, "F" + std::to_string(10 + i), 100 + i);
    return data;
}

// Runs action on the modal window once one opens (within two seconds).
void WhenModalOpens(std::function<void(QWidget*)> action, int tries = 200) {
    QTimer::singleShot(10, [action, tries] {
        if (QWidget* modal = QApplication::activeModalWidget())
            action(modal);
        else if (tries > 0)
            WhenModalOpens(action, tries - 1);
    });
}

class PlaceTest : public MainWindowFixture {
protected:
    // A small window, A and B expanded, the tree scrolled so that A is the
    // top row, the node at path selected and the tree focused.
    void StartAt(const std::string& path) {
        Start(PlaceData());
        window->resize(420, 320);
        Settle();
        Tree()->expand(IndexAt("A"));
        Tree()->expand(IndexAt("B"));
        Form().SelectNode(At(path));
        Tree()->setFocus();
        Form().SetActivePane(TPane::Folders);
        Tree()->scrollTo(IndexAt("A"), QAbstractItemView::PositionAtTop);
        Settle();
        ASSERT_EQ(TopRow(), "A");
    }
    std::string TopRow() { return Tree()->indexAt(QPoint(1, 1)).data().toString().toStdString(); }
    std::string SelectedTitle() { return Form().Selected ? Form().Selected->Text() : ""; }

    // What a user sees after a command: the node still marked, the branches
    // still open, the same top row; Down goes on from the node and the Menu
    // key opens its popup.
    void ExpectPlaceKept(const std::string& selected, const std::string& next) {
        EXPECT_EQ(SelectedTitle(), selected);
        const QModelIndex current = Tree()->currentIndex();
        EXPECT_EQ(current.data().toString().toStdString(), selected);
        EXPECT_TRUE(Tree()->selectionModel()->isSelected(current));
        EXPECT_TRUE(Tree()->isExpanded(IndexAt("A")));
        EXPECT_TRUE(Tree()->isExpanded(IndexAt("B")));
        EXPECT_EQ(TopRow(), "A");

        QTest::keyClick(Tree(), Qt::Key_Down);
        Settle();
        EXPECT_EQ(SelectedTitle(), next);
        QTest::keyClick(Tree(), Qt::Key_Menu);
        Settle();
        EXPECT_TRUE(window->ListPopup()->isVisible());
        EXPECT_EQ(SelectedTitle(), next);
        window->ListPopup()->hide();
    }

    std::string TransferFile(const std::string& title) {
        const std::string path = home.File(title + ".tvd");
        WriteText(path, FolderLines(1, title, 900));
        return path;
    }
};

TEST_F(PlaceTest, EveryCommandKeepsTheSelectedNodeTheOpenBranchesAndTheTopRow) {
    struct TCase {
        const char* Command;
        const char* SelectFirst; // the node selected before the command
        std::function<void()> Run;
        const char* Selected; // the node selected after it
        const char* Next;     // the node Down moves to
    };
    const TCase cases[] = {
        {"paste", "B/B1",
         [this] {
             Run("CopyBtn");
             Run("PasteBtn"); // a copy of B1 below B1
         },
         "B1", "B2"},
        {"drop from the list on the tree", "A",
         [this] {
             QAbstractItemView* list = window->ActiveListView();
             int row = Form().MainItems[0].Caption == "A2" ? 0 : 1;
             list->selectionModel()->select(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect);
             Form().SetActivePane(TPane::MainItems);
             auto* data = new QMimeData;
             data->setData("application/x-merrowin-pane", "MainItems");
             const QModelIndex target = IndexAt("C");
             const QPoint p = Tree()->visualRect(target).center();
             QDragEnterEvent enter(p, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(Tree()->viewport(), &enter);
             QDropEvent drop(p, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(Tree()->viewport(), &drop);
             Settle();
             delete data;
             ASSERT_NE(At("C/A2"), nullptr);
             Tree()->setFocus();
         },
         "A", "A1"},
        {"a transfer file on the command line", "B/B1",
         [this] { Form().OpenCommandLine("merrowin " + TransferFile("Added")); }, "B1", "B2"},
        {"a hand-over from a second copy", "B/B1",
         [this] { host->OpenCommandLine("merrowin " + TransferFile("Handed")); }, "B1", "B2"},
        {"new person", "B",
         [this] {
             OnNextModal([](QWidget* dlg) { dlg->findChild<QPushButton*>("OKBtn")->click(); });
             Run("NewPerson");
             ASSERT_EQ(At("B")->Count(), 3);
             Tree()->setFocus();
         },
         "B", "B1"},
        {"delete", "B/B1",
         [this] {
             AnswerNextBox(QMessageBox::Yes);
             Run("DeleteBtn");
             ASSERT_EQ(At("B/B1"), nullptr);
         },
         "B", "B2"},
        {"rename", "B/B1",
         [this] {
             Tree()->edit(Tree()->currentIndex());
             auto* editor = Tree()->findChild<QLineEdit*>();
             ASSERT_NE(editor, nullptr);
             editor->setText("Zed"); // sorts after B2
             QTest::keyClick(editor, Qt::Key_Return);
             Settle();
         },
         "Zed", "C"},
        {"revert", "B/B1",
         [this] {
             Run("Save1");
             AnswerNextBox(QMessageBox::Ok);
             Run("Revert1");
         },
         "B1", "B2"},
        {"import of a transfer file", "B/B1",
         [this] {
             // What the import wizard does with a transfer file.
             LoadTransferFile(Form().Selected, TransferFile("Imported"));
             host->Tree().SortAll();
             Form().RefreshFolderTitles();
             Form().RefreshList();
             Settle();
         },
         "B1", "B2"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Command);
        StartAt(c.SelectFirst);
        c.Run();
        Settle();
        ExpectPlaceKept(c.Selected, c.Next);
        Stop();
    }
}

TEST_F(PlaceTest, ARevertKeepsTheRecordSelectedWhenTheFileStillHasIt) {
    StartAt("B/B1");
    Run("Save1");
    TTreeNode* added = CreateObject(kindFolder, "Unsaved", "", "", At("B/B1"), "", 0).Node;
    Form().SelectNode(added);
    Settle();
    AnswerNextBox(QMessageBox::Ok);
    Run("Revert1");
    // The folder made since the save is gone: its parent is selected.
    EXPECT_EQ(SelectedTitle(), "B1");
    EXPECT_EQ(Tree()->currentIndex().data().toString().toStdString(), "B1");
}

TEST_F(PlaceTest, TheListKeepsItsSelectionAndScrollWhenRefilledInPlace) {
    Start(PlaceData());
    window->resize(420, 320);
    Run("Details");
    QAbstractItemView* list = window->ActiveListView();
    ASSERT_GT(list->verticalScrollBar()->maximum(), 5);
    auto rowOf = [this](const TKexObject* r) {
        for (size_t i = 0; i < Form().MainItems.size(); ++i)
            if (Form().MainItems[i].Data == r) return static_cast<int>(i);
        return -1;
    };
    TKexObject* f30 = At("F30")->Data();
    const QModelIndex at = list->model()->index(rowOf(f30), 0);
    list->selectionModel()->select(at,
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(at, QAbstractItemView::PositionAtTop);
    Form().SetActivePane(TPane::MainItems);
    Settle();
    const int scrolled = list->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);

    struct TCase {
        const char* Refill;
        std::function<void()> Run;
    };
    const TCase cases[] = {
        {"rename of another row",
         [&] { Form().MainItemsEdited(rowOf(At("F11")->Data()), "F11 renamed"); }},
        {"a transfer file loaded below the node",
         [&] {
             WriteText(home.File("more.tvd"), FolderLines(1, "Added", 900));
             Form().OpenCommandLine("merrowin " + home.File("more.tvd"));
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Refill);
        c.Run();
        Settle();
        EXPECT_EQ(Form().SelectedListObjects(), std::vector<TKexObject*>{f30});
        EXPECT_TRUE(list->selectionModel()->isRowSelected(rowOf(f30), {}));
        EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
    }

    // Another node's rows start at the top, with nothing selected.
    Form().SelectNode(At("A"));
    Form().SelectNode(Root());
    Settle();
    EXPECT_EQ(list->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(Form().SelectedListObjects().empty());
}

// --- keyboard -------------------------------------------------------------------------

TEST_F(PlaceTest, MenuKeyAndShiftF10OpenThePopupOfTheNodeOrTheSelectedRows) {
    StartAt("B/B1");
    struct TCase {
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
    };
    for (TCase c : {TCase{Qt::Key_Menu, Qt::NoModifier}, TCase{Qt::Key_F10, Qt::ShiftModifier}}) {
        SCOPED_TRACE(c.Key);
        QTest::keyClick(Tree(), c.Key, c.Modifiers);
        Settle();
        EXPECT_TRUE(window->ListPopup()->isVisible());
        // It opens beside the node, not in a corner of the screen.
        const QRect node = Tree()->visualRect(Tree()->currentIndex());
        EXPECT_LT((window->ListPopup()->pos() - Tree()->viewport()->mapToGlobal(node.center()))
                      .manhattanLength(),
                  80);
        window->ListPopup()->hide();
    }
    // In the list the popup opens only while a row is selected.
    QAbstractItemView* list = window->ActiveListView();
    list->setFocus();
    Form().SelectNode(At("B"));
    Settle();
    QTest::keyClick(list, Qt::Key_Menu);
    EXPECT_FALSE(window->ListPopup()->isVisible());
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    QTest::keyClick(list, Qt::Key_Menu);
    Settle();
    EXPECT_TRUE(window->ListPopup()->isVisible());
    window->ListPopup()->hide();
}

TEST_F(PlaceTest, AltEnterOpensThePropertiesOfTheNode) {
    StartAt("B/B1");
    QString caption;
    OnNextModal([&caption](QWidget* dlg) {
        caption = dlg->windowTitle();
        dlg->close();
    });
    QTest::keyClick(Tree(), Qt::Key_Return, Qt::AltModifier);
    Settle();
    EXPECT_EQ(caption, "Folder");
}

TEST_F(PlaceTest, DeleteKeyDeletesAsShiftDelDoesButNotWhileALabelIsEdited) {
    StartAt("B/B1");
    // While the label is edited, Delete is the editor's.
    Tree()->edit(Tree()->currentIndex());
    auto* editor = Tree()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setCursorPosition(0);
    QTest::keyClick(editor, Qt::Key_Delete);
    EXPECT_EQ(editor->text(), "1");
    QTest::keyClick(editor, Qt::Key_Escape);
    Settle();
    ASSERT_NE(At("B/B1"), nullptr);

    struct TCase {
        QMessageBox::StandardButton Answer;
        bool Deleted;
    };
    for (TCase c : {TCase{QMessageBox::No, false}, TCase{QMessageBox::Yes, true}}) {
        QString question;
        AnswerNextBox(c.Answer, &question);
        Tree()->setFocus();
        QTest::keyClick(Tree(), Qt::Key_Delete);
        Settle();
        EXPECT_EQ(question, "Are you sure you want to delete B1 and all sub-items?");
        EXPECT_EQ(At("B/B1") == nullptr, c.Deleted);
    }

    // In the list, the selected rows.
    QAbstractItemView* list = window->ActiveListView();
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    list->setFocus();
    AnswerNextBox(QMessageBox::Yes);
    QTest::keyClick(list, Qt::Key_Delete);
    Settle();
    EXPECT_EQ(At("B/B2"), nullptr);
}

TEST_F(PlaceTest, NewItemBarButtonsUnderlineTheirAccessKeysAndAnswerThem) {
    StartAt("B/B1");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    struct TCase {
        const char* Button;
        const char* Text;
        Qt::Key Key;
    };
    const TCase cases[] = {
        {"NewFolderBtn", "Fo&lder", Qt::Key_L}, {"NewOrgBtn", "&Org", Qt::Key_O},
        {"NewTeamBtn", "&Team", Qt::Key_T},     {"NewPersonBtn", "&Person", Qt::Key_P},
        {"NewWebBtn", "&Web", Qt::Key_W},       {"NewAddrBtn", "&Addr", Qt::Key_A},
        {"NewPhoneBtn", "Pho&ne", Qt::Key_N},   {"NewEMailBtn", "E-&mail", Qt::Key_M},
        {"NewFaxBtn", "Fa&x", Qt::Key_X},       {"NewDateBtn", "Remin&d", Qt::Key_D},
    };
    auto* bar = window->findChild<QToolBar*>("NewItemPanel");
    ASSERT_NE(bar, nullptr);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Button);
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(window->Command(c.Button)));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), c.Text);
    }
    // Alt+L makes a folder below the selected node, its label open for a
    // name (a button pressed by its key clicks after a short animation).
    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return At("B/B1/New Folder") != nullptr; }, 2000));
    QTest::keyClick(Tree()->findChild<QLineEdit*>(), Qt::Key_Escape);
    // Alt+N asks for a new phone number of the selected node's record.
    QString caption;
    WhenModalOpens([&caption](QWidget* dlg) {
        caption = dlg->windowTitle();
        dlg->close();
    });
    QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&caption] { return !caption.isEmpty(); }, 2000));
    EXPECT_EQ(caption, "Phone");
}

} // namespace
