#include "platform/ui/QtViewFactory.h"
#include "reminders/RecurringDate.h"
#include "reminders/ReminderObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QTableWidgetItem* CellWithText(QTableWidget* grid, const QString& text) {
    for (int r = 1; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (grid->item(r, c)->text() == text) return grid->item(r, c);
    return nullptr;
}

TEST(DateDialogView, FebruaryFromTheMonthListCutsThe31stAndAClickedCellBecomesTheDay) {
    struct Case {
        int Year, LastDay;
    };
    for (Case c : {Case{1999, 28}, Case{2000, 29}}) {
        SCOPED_TRACE(c.Year);
        TTestServices svc;
        TQtViewFactory views;
        svc.Services.Views = &views;
        TModalWatchdog watchdog;
        TRecurringDate rule;
        rule.UseToday = false;
        rule.Year = c.Year;
        rule.Month = 1;
        rule.Day = 31;
        OnNextModal([c](QWidget* dlg) {
            auto* grid = dlg->findChild<QTableWidget*>("MonthGrid");
            auto* months = dlg->findChild<QComboBox*>("MonthSelector");
            auto* ok = dlg->findChild<QPushButton*>("OKButton");
            if (!grid || !months || !ok) {
                ADD_FAILURE() << "date dialog controls missing";
                dlg->close();
                return;
            }
            EXPECT_EQ(grid->item(0, 0)->text(), "Sun");
            EXPECT_EQ(grid->currentItem()->text(), "31");
            months->setCurrentIndex(1);
            EXPECT_EQ(grid->currentItem()->text(), QString::number(c.LastDay));
            EXPECT_TRUE(dlg->findChild<QLabel*>("DateLabel")->text().contains("February"));
            // Pick the 15th with the mouse: its cell depends on the weekday
            // the month starts on, so a crossed column and row shows here.
            QTableWidgetItem* fifteenth = CellWithText(grid, "15");
            if (fifteenth)
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualItemRect(fifteenth).center());
            EXPECT_EQ(grid->currentItem()->text(), "15");
            ok->click();
        });
        ASSERT_TRUE(rule.Execute());
        EXPECT_EQ(rule.Year, c.Year);
        EXPECT_EQ(rule.Month, 2);
        EXPECT_EQ(rule.Day, 15);
    }
}

TEST(DateDialogView, SetDateInTheReminderDialogShowsTheNewWordsAndOnlyOkKeepsTheRule) {
    TTestServices svc;
    TQtViewFactory views;
    svc.Services.Views = &views;
    TModalWatchdog watchdog;
    TTreeNodes tree;
    auto* reminder =
        dynamic_cast<TReminderObject*>(CreateObject(kindReminder, "Dentist", "14/3/98", "",
                                                    CreateRoot(tree), "{Remd}1998,3,14,0", 0)
                                           .Object);
    ASSERT_NE(reminder, nullptr);
    OnNextModal([](QWidget* dlg) {
        auto* words = dlg->findChild<QLabel*>("TargetDateLabel");
        auto* setDate = dlg->findChild<QPushButton*>("SetDateBtn");
        if (!words || !setDate) {
            ADD_FAILURE() << "reminder dialog controls missing";
            dlg->close();
            return;
        }
        EXPECT_EQ(words->text(), "14/3/98");
        OnNextModal([](QWidget* date) {
            date->findChild<QComboBox*>("MonthSelector")->setCurrentIndex(4);
            date->findChild<QPushButton*>("OKButton")->click();
        });
        setDate->click();
        EXPECT_EQ(words->text(), "14/5/98");
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    reminder->EditProperties();
    EXPECT_EQ(reminder->Rule().AsText(), "1998,3,14,0");
    EXPECT_EQ(reminder->GetTarget(), "14/3/98");

    OnNextModal([](QWidget* dlg) {
        OnNextModal([](QWidget* date) {
            date->findChild<QComboBox*>("MonthSelector")->setCurrentIndex(4);
            date->findChild<QPushButton*>("OKButton")->click();
        });
        dlg->findChild<QPushButton*>("SetDateBtn")->click();
        dlg->findChild<QPushButton*>("OKBtn")->click();
    });
    reminder->EditProperties();
    EXPECT_EQ(reminder->Rule().AsText(), "1998,5,14,0");
    EXPECT_EQ(reminder->GetTarget(), "14/5/98");
}

TEST(DateDialogView, OpensOnTheDaysSoArrowsPickADayAndReturnAccepts) {
    TTestServices svc;
    TQtViewFactory views;
    svc.Services.Views = &views;
    TModalWatchdog watchdog;
    TRecurringDate rule;
    rule.UseToday = false;
    rule.Year = 1998;
    rule.Month = 3;
    rule.Day = 14;
    OnNextModal([](QWidget* dlg) {
        QWidget* focus = dlg->focusWidget();
        EXPECT_EQ(focus ? focus->objectName() : QString(), "MonthGrid");
        if (!focus) {
            dlg->close();
            return;
        }
        QTest::keyClick(focus, Qt::Key_Left); // Friday the 13th
        QTest::keyClick(focus, Qt::Key_Down); // the 20th
        QTest::keyClick(focus, Qt::Key_Return);
    });
    ASSERT_TRUE(rule.Execute());
    EXPECT_EQ(rule.AsText(), "1998,3,20,0");
}

} // namespace
