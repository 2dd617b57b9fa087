#include "platform/ui/QtViewFactory.h"
#include "records/CategoryPopup.h"
#include "records/DocEditDlg.h"
#include "records/EMailEditDlg.h"
#include "records/EditAddressDlg.h"
#include "records/FolderEditDlg.h"
#include "records/TeamEditDlg.h"
#include "records/ToolEdit.h"
#include "records/WebSiteDlg.h"
#include "reminders/RecurringDateDlg.h"
#include "reminders/RemdDlg.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <functional>
#include <memory>

namespace {

// Every control of a dialog at its opening size lies inside the dialog and
// gets at least the width its text needs (no clipped labels or buttons).
void ExpectNothingClipped(QWidget* dlg) {
    const QRect inside = dlg->rect();
    for (QWidget* w : dlg->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        const QRect r(w->mapTo(dlg, QPoint(0, 0)), w->size());
        EXPECT_TRUE(inside.contains(r)) << w->objectName().toStdString() << " leaves the dialog";
        const bool hasText = (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->wordWrap() &&
                              !qobject_cast<QLabel*>(w)->text().isEmpty()) ||
                             (qobject_cast<QAbstractButton*>(w) &&
                              !qobject_cast<QAbstractButton*>(w)->text().isEmpty()) ||
                             qobject_cast<QComboBox*>(w);
        if (hasText) {
            EXPECT_GE(w->width(), w->minimumSizeHint().width())
                << w->objectName().toStdString() << " is cut";
        }
    }
}

struct Shot {
    std::string File;
    std::function<std::unique_ptr<TFormPresenter>()> Make;
};

template <typename P, typename F>
std::function<std::unique_ptr<TFormPresenter>()> Make(F fill) {
    return [fill] {
        auto p = std::make_unique<P>();
        fill(*p);
        return std::unique_ptr<TFormPresenter>(std::move(p));
    };
}

TEST(DialogLayout, EveryDialogOpensWithAllItsControlsUncut) {
    TTestServices svc;
    TQtViewFactory views;
    svc.Services.Views = &views;
    TModalWatchdog watchdog;
    const std::vector<Shot> shots = {
        {"folder-dialog", Make<TFolderEditDlg>([](TFolderEditDlg& d) {
             d.FolderTitle = "Family";
             d.FolderComment = "Relatives and in-laws";
         })},
        {"team-dialog", Make<TTeamEditDlg>([](TTeamEditDlg& d) { d.TeamTitle = "Sales"; })},
        {"address-dialog", Make<TEditAddressDlg>([](TEditAddressDlg& d) {
             d.AddrTitle = "Home";
             d.Addr = "12 High St\r\nFlat 2";
             d.City = "Leeds";
             d.State = "West Yorkshire";
             d.PostCode = "LS1 4AB";
             d.Country = "UK";
         })},
        {"email-dialog", Make<TEMailEditDlg>([](TEMailEditDlg& d) {
             d.EMailTitle = "Work";
             d.EMailAddr = "jane.doe@example.com";
         })},
        {"website-dialog", Make<TWebSiteDlg>([](TWebSiteDlg& d) {
             d.WebTitle = "Library";
             d.Web = "http://www.example.org/";
         })},
        {"document-dialog", Make<TDocEditDlg>([](TDocEditDlg& d) {
             d.TitleEdit = "offer.odt";
             d.FilenameEdit = "/home/jane/Letters/offer.odt";
         })},
        {"tool-dialog", Make<TToolEdit>([](TToolEdit& d) {
             d.TitleEdit = "Map of the office";
             d.Address = "https://maps.example.org/?q=LS1";
             d.Image1 = 13;
         })},
        {"reminder-dialog", Make<TRemdDlg>([](TRemdDlg& d) {
             d.TitleEdit = "Dentist";
             d.TargetDateLabel = "14/3/98 and every following 2nd Sat of the month";
         })},
        {"date-dialog", Make<TRecurringDateDlg>([](TRecurringDateDlg& d) {
             d.UseToday = false;
             d.StartDate = TDate{1998, 3, 14};
             d.RecurMode = 5;
             d.Caption = "Select a date";
         })},
        {"category-popup", Make<TCategoryPopup>([&svc](TCategoryPopup& d) {
             d.SetCategories(svc.MainWindow.Names, 0x25);
         })},
    };
    // MERROWIN_SCREENSHOT_DIR keeps a picture of each dialog as it opens.
    const QString shotDir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.File);
        std::unique_ptr<TFormPresenter> presenter = shot.Make();
        OnNextModal([&](QWidget* dlg) {
            ExpectNothingClipped(dlg);
            if (!shotDir.isEmpty())
                dlg->grab().save(
                    QDir(shotDir).filePath(QString::fromStdString(shot.File) + ".png"));
            dlg->close();
        });
        EXPECT_EQ(presenter->ShowModal(), mrCancel);
    }
}

} // namespace
