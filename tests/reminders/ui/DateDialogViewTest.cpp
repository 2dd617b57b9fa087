#include "platform/ui/QtViewFactory.h"
#include "reminders/RecurringDate.h"
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

} // namespace
