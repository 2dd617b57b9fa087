#include "records/ui/FaxEditView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/QtText.h"
#include "platform/ui/QtViewFactory.h"
#include "records/FaxEditDlg.h"
#include "records/ui/MaskEdit.h"
#include "records/ui/RecordPicture.h"
#include "ui_FaxEditDlg.h"

TFaxEditView::TFaxEditView(TFaxEditDlg& presenter, QWidget* parent)
    : TDialogView(presenter, new QDialog(parent)), P(presenter),
      U(std::make_unique<Ui::FaxEditDlg>()) {
    QDialog* d = Dialog();
    U->setupUi(d);
    d->layout()->setSizeConstraint(QLayout::SetFixedSize);
    U->Bevel1->setMinimumWidth(440);
    U->Image1->setPixmap(RecordPicture(QStringLiteral("fax"), 32));

    Fields.Text(U->FaxTitle, P.FaxTitle);
    BindMasked(Fields, U->FaxNum, P.FaxNumMask, P.FaxNum);
    Fields.Index(U->FaxFmt, P.FaxFmt, [this] { P.FaxFmtChange(); });
    Fields.Visible({U->FaxFmt, U->FaxFmtLabel}, P.FaxFmtVisible);
    Fields.Text(U->FaxComment, P.FaxComment);
    // Text the format cannot hold switches the list to "Free Format".
    QObject::connect(U->FaxNum, &TMaskEdit::MaskDropped, d,
                     [this] { P.FaxNumUnfit(ToStored(U->FaxNum->text())); });
    QObject::connect(U->CatSelect, &TCategoryPicture::Picked, d,
                     [this](const TScreenPoint& at) { P.CatSelectClick(at); });
    QObject::connect(U->OKBtn, &QPushButton::clicked, d, [this] { P.OKBtnClick(); });
    QObject::connect(U->CancelBtn, &QPushButton::clicked, d, [this] { P.CancelBtnClick(); });
    QObject::connect(U->HelpBtn, &QPushButton::clicked, d,
                     [this] { ShowHelpTopic(P.HelpContext, Dialog()); });
}

TFaxEditView::~TFaxEditView() = default;

void TFaxEditView::Fill() {
    Fields.Fill();
}

void RegisterFaxEditView() {
    TQtViewFactory::Register("TFaxEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TFaxEditView>(dynamic_cast<TFaxEditDlg&>(p), parent);
    });
}
