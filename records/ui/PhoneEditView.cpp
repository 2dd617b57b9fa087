#include "records/ui/PhoneEditView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/QtViewFactory.h"
#include "records/PhoneEditDlg.h"
#include "records/ui/RecordPicture.h"
#include "records/ui/ViewFields.h"
#include "ui_PhoneEditDlg.h"

using namespace viewfields;

TPhoneEditView::TPhoneEditView(TPhoneEditDlg& presenter, QWidget* parent)
    : TDialogView(presenter, new QDialog(parent)), P(presenter),
      U(std::make_unique<Ui::PhoneEditDlg>()) {
    QDialog* d = Dialog();
    U->setupUi(d);
    d->layout()->setSizeConstraint(QLayout::SetFixedSize);
    U->Bevel1->setMinimumWidth(440);
    U->Image1->setPixmap(RecordPicture(QStringLiteral("phone"), 32));

    auto edited = [this] {
        if (!Filling()) Store();
    };
    for (QLineEdit* e :
         {U->PhoneTitle, static_cast<QLineEdit*>(U->PhoneNum), U->Extension, U->PhoneComment})
        QObject::connect(e, &QLineEdit::textChanged, d, edited);
    QObject::connect(U->PhoneFmt, &QComboBox::currentIndexChanged, d, [this] {
        if (Filling()) return;
        Store();
        P.PhoneFmtChange();
    });
    QObject::connect(U->PhoneNum, &TMaskEdit::MaskDropped, d, [this] {
        if (Filling()) return;
        Store();
        P.PhoneNumUnfit(Text(U->PhoneNum));
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

TPhoneEditView::~TPhoneEditView() = default;

void TPhoneEditView::Fill() {
    Show(U->PhoneTitle, P.PhoneTitle);
    Show(U->PhoneNum, P.PhoneNumMask, P.PhoneNum);
    Select(U->PhoneFmt, P.PhoneFmt);
    U->PhoneFmt->setVisible(P.PhoneFmtVisible);
    U->PhoneFmtLabel->setVisible(P.PhoneFmtVisible);
    Show(U->Extension, P.Extension);
    Show(U->PhoneComment, P.PhoneComment);
}

void TPhoneEditView::Store() {
    Take(P.PhoneTitle, U->PhoneTitle);
    Take(P.PhoneNum, U->PhoneNum);
    P.PhoneFmt = U->PhoneFmt->currentIndex();
    Take(P.Extension, U->Extension);
    Take(P.PhoneComment, U->PhoneComment);
}

void RegisterPhoneEditView() {
    TQtViewFactory::Register("TPhoneEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TPhoneEditView>(dynamic_cast<TPhoneEditDlg&>(p), parent);
    });
}
