#include "records/ui/PhoneEditView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/PhoneEditDlg.h"
#include "records/ui/MaskEdit.h"
#include "records/ui/RecordPicture.h"
#include "ui_PhoneEditDlg.h"

TPhoneEditView::TPhoneEditView(TPhoneEditDlg& presenter, QWidget* parent)
    : TDialogView(presenter, new QDialog(parent)), P(presenter),
      U(std::make_unique<Ui::PhoneEditDlg>()) {
    QDialog* d = Dialog();
    U->setupUi(d);
    d->layout()->setSizeConstraint(QLayout::SetFixedSize);
    U->Bevel1->setMinimumWidth(440);
    U->Image1->setPixmap(RecordPicture(QStringLiteral("phone"), 32));

    Fields.Text(U->PhoneTitle, P.PhoneTitle);
    BindMasked(Fields, U->PhoneNum, P.PhoneNumMask, P.PhoneNum);
    Fields.Index(U->PhoneFmt, P.PhoneFmt, [this] { P.PhoneFmtChange(); });
    Fields.Visible({U->PhoneFmt, U->PhoneFmtLabel}, P.PhoneFmtVisible);
    Fields.Text(U->Extension, P.Extension);
    Fields.Text(U->PhoneComment, P.PhoneComment);
    // Text the format cannot hold switches the list to "Free Format".
    QObject::connect(U->PhoneNum, &TMaskEdit::MaskDropped, d,
                     [this] { P.PhoneNumUnfit(ToStored(U->PhoneNum->text())); });
    QObject::connect(U->CatSelect, &TCategoryPicture::Picked, d,
                     [this](const TScreenPoint& at) { P.CatSelectClick(at); });
    QObject::connect(U->OKBtn, &QPushButton::clicked, d, [this] { P.OKBtnClick(); });
    QObject::connect(U->CancelBtn, &QPushButton::clicked, d, [this] { P.CancelBtnClick(); });
    QObject::connect(U->HelpBtn, &QPushButton::clicked, d,
                     [this] { ShowHelpTopic(P.HelpContext, Dialog()); });
}

TPhoneEditView::~TPhoneEditView() = default;

void TPhoneEditView::Fill() {
    Fields.Fill();
}

void RegisterPhoneEditView() {
    TQtViewFactory::Register("TPhoneEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TPhoneEditView>(dynamic_cast<TPhoneEditDlg&>(p), parent);
    });
}
