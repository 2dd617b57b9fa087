// Keyboard use of the record dialogs: where Tab goes, what Space on the
// category picture and F1 open.
#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtViewFactory.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QAbstractButton>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

// The controls Tab visits from the dialog's first focus, in order, as the
// focus chain gives them (hidden page widgets are skipped like Tab does).
QStringList TabStops(QWidget* dlg) {
    QStringList out;
    QWidget* first = dlg->focusWidget();
    QWidget* w = first;
    while (w && out.size() < 60) {
        out << w->objectName();
        do
            w = w->nextInFocusChain();
        while (w != first && !((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(dlg) &&
                               w->isEnabled() && w->window() == dlg));
        if (w == first) break;
    }
    return out;
}

TEST(DialogKeyboard, TabReachesTheCategoryPictureJustBeforeOkInEveryRecordDialog) {
    TTestServices svc;
    TQtViewFactory views;
    svc.Services.Views = &views;
    TModalWatchdog watchdog;
    TTreeNodes tree;
    TTreeNode* folder = CreateObject(kindFolder, "F", "", "", CreateRoot(tree), "", 0).Node;
    for (int kind : {kindFolder, kindPerson, kindAddress, kindPhone, kindReminder, kindTool}) {
        SCOPED_TRACE(kind);
        TKexObject* record =
            CreateObject(static_cast<uint8_t>(kind), "T", "", "", folder, "", 0).Object;
        OnNextModal([](QWidget* dlg) {
            QStringList stops = TabStops(dlg);
            qsizetype cat = stops.indexOf("CatSelect");
            EXPECT_GT(cat, 0) << stops.join(' ').toStdString();
            EXPECT_EQ(stops.value(cat + 1), "OKBtn") << stops.join(' ').toStdString();
            dlg->close();
        });
        record->EditProperties();
    }
}

TEST(DialogKeyboard, ReminderTabFollowsTheRowsAndTheCategoryPickerWorksFromTheKeyboard) {
    TTestServices svc;
    TQtViewFactory views;
    svc.Services.Views = &views;
    TModalWatchdog watchdog;
    TTreeNodes tree;
    TKexObject* reminder =
        CreateObject(kindReminder, "Call", "", "", CreateRoot(tree), "{Remd}1998,3,14,0~~0", 0)
            .Object;
    bool picked = false;
    OnNextModal([&picked](QWidget* dlg) {
        EXPECT_EQ(TabStops(dlg).join(' '), "TitleEdit SetDateBtn AdvanceBtn RemdComment CatSelect "
                                           "OKBtn CancelBtn HelpBtn");
        OnNextModal([&picked](QWidget* popup) {
            picked = popup->windowTitle() == "Select Categories";
            // The list has the focus: Space ticks the first category.
            if (QWidget* list = popup->focusWidget()) QTest::keyClick(list, Qt::Key_Space);
            QTest::keyClick(popup, Qt::Key_Escape);
        });
        QTest::keyClick(dlg->findChild<TCategoryPicture*>("CatSelect"), Qt::Key_Space);
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    reminder->EditProperties();
    EXPECT_TRUE(picked);
    EXPECT_EQ(reminder->GetCategories(), 1u);
}

TEST(DialogKeyboard, F1InARecordDialogShowsItsHelpTopic) {
    TTestServices svc;
    TQtViewFactory views;
    svc.Services.Views = &views;
    TModalWatchdog watchdog;
    TTreeNodes tree;
    TKexObject* address = CreateObject(kindAddress, "Home", "", "", CreateRoot(tree), "", 0).Object;
    QString shown;
    OnNextModal([&shown](QWidget* dlg) {
        dlg->activateWindow();
        if (!QTest::qWaitForWindowActive(dlg)) ADD_FAILURE() << "dialog not active";
        QTest::keyClick(dlg->focusWidget(), Qt::Key_F1);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == "Merrowin Help")
                if (auto* b = w->findChild<QTextBrowser*>()) shown = b->source().fileName();
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    address->EditProperties();
    EXPECT_EQ(shown, "1039.html");
}

} // namespace
