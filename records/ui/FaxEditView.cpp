#include "records/ui/FaxEditView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/QtViewFactory.h"
#include "records/FaxEditDlg.h"
#include "records/ui/RecordPicture.h"
#include "records/ui/ViewFields.h"
#include "ui_FaxEditDlg.h"

using namespace viewfields;

TFaxEditView::TFaxEditView(TFaxEditDlg& presenter, QWidget* parent)
    : TDialogView(presenter, new QDialog(parent)), P(presenter),
      U(std::make_unique<Ui::FaxEditDlg>()) {
    QDialog* d = Dialog();
    U->setupUi(d);
    d->layout()->setSizeConstraint(QLayout::SetFixedSize);
    U->Bevel1->setMinimumWidth(440);
    U->Image1->setPixmap(RecordPicture(QStringLiteral("fax"), 32));

    auto edited = [this] {
        if (!Filling()) Store();
    };
    for (QLineEdit* e : {U->FaxTitle, static_cast<QLineEdit*>(U->FaxNum), U->FaxComment})
        QObject::connect(e, &QLineEdit::textChanged, d, edited);
    QObject::connect(U->FaxFmt, &QComboBox::currentIndexChanged, d, [this] {
        if (Filling()) return;
        Store();
        P.FaxFmtChange();
    });
    QObject::connect(U->FaxNum, &TMaskEdit::MaskDropped, d, [this] {
        if (Filling()) return;
        Store();
        P.FaxNumUnfit(Text(U->FaxNum));
    });
    QObject::connect(U->CatSelect, &TCategoryPicture::Picked, d, [this](const TScreenPoint& at) {
        Store();
        P.CatSelectClick(at);
    });
    QObject::connect(U->OKBtn, &QPushButton::clicked, d, [this] { P.OKBtnClick(); });
    QObject::connect(U->CancelBtn, &QPushButton::clicked, d, [this] { P.CancelBtnClick(); });
    QObject::connect(U->HelpBtn, &QPushButton::clicked, d,
                     [this] { ShowHelpTopic(P.HelpContext, Dialog()); });
}

TFaxEditView::~TFaxEditView() = default;

void TFaxEditView::Fill() {
    Show(U->FaxTitle, P.FaxTitle);
    Show(U->FaxNum, P.FaxNumMask, P.FaxNum);
    Select(U->FaxFmt, P.FaxFmt);
    U->FaxFmt->setVisible(P.FaxFmtVisible);
    U->FaxFmtLabel->setVisible(P.FaxFmtVisible);
    Show(U->FaxComment, P.FaxComment);
}

void TFaxEditView::Store() {
    Take(P.FaxTitle, U->FaxTitle);
    Take(P.FaxNum, U->FaxNum);
    P.FaxFmt = U->FaxFmt->currentIndex();
    Take(P.FaxComment, U->FaxComment);
}

void RegisterFaxEditView() {
    TQtViewFactory::Register("TFaxEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TFaxEditView>(dynamic_cast<TFaxEditDlg&>(p), parent);
    });
}
