#include "records/ui/OKBottomView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/ItemImages.h"
#include "records/OKBottomDlg.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

QWidget* DialogParent(QWidget* parent) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent;
}

TOKBottomView::TOKBottomView(TOKBottomDlg& presenter, QDialog* dialog)
    : TDialogView(presenter, dialog), FOwner(presenter) {}

void TOKBottomView::SetUpCommon(int imageIndex, const char* themeIcon,
                                QStyle::StandardPixmap fallback) {
    QDialog* dlg = Dialog();
    TOKBottomDlg& owner = FOwner;
    if (auto* ok = dlg->findChild<QPushButton*>("OKBtn")) {
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, dlg, [&owner] { owner.OKBtnClick(); });
    }
    if (auto* cancel = dlg->findChild<QPushButton*>("CancelBtn"))
        QObject::connect(cancel, &QPushButton::clicked, dlg, [&owner] { owner.CancelBtnClick(); });
    if (auto* help = dlg->findChild<QPushButton*>("HelpBtn"))
        QObject::connect(help, &QPushButton::clicked, dlg,
                         [&owner, dlg] { ShowHelpTopic(owner.HelpContext, dlg); });
    if (auto* cat = dlg->findChild<TCategoryPicture*>("CatSelect"))
        cat->OnPick = [&owner](const TScreenPoint& p) { owner.CatSelectClick(p); };
    if (auto* image = dlg->findChild<QLabel*>("Image1")) {
        QIcon icon = ItemImage(imageIndex);
        if (icon.isNull())
            icon = QIcon::fromTheme(QString::fromLatin1(themeIcon),
                                    dlg->style()->standardIcon(fallback));
        QPixmap picture = icon.pixmap(32, 32);
        // Some style pictures come only small; a blurred picture beats a tiny one.
        if (!picture.isNull() && picture.width() < 32)
            picture = picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        image->setPixmap(picture);
    }
    // Fixed border: the dialog keeps the size its layout asks for.
    if (dlg->layout()) dlg->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TOKBottomView::Fill() {
    Fields.Fill();
}
