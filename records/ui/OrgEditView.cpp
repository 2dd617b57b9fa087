#include "records/ui/OrgEditView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtViewFactory.h"
#include "records/OrgEditDlg.h"
#include "records/ui/RecordPicture.h"
#include "ui_OrgEditDlg.h"

TOrgEditView::TOrgEditView(TOrgEditDlg& presenter, QWidget* parent)
    : TPrimaryPagesView(presenter, parent), P(presenter), U(std::make_unique<Ui::OrgEditDlg>()) {
    U->setupUi(Dialog());
    U->Image1->setPixmap(RecordPicture(QStringLiteral("organization"), 32));
    Bind({U->Title, U->Comment, U->Image1, U->CatSelect, U->Pages, U->OKBtn, U->CancelBtn,
          U->HelpBtn},
         {U->Title, U->Comment});
}

TOrgEditView::~TOrgEditView() = default;

void TOrgEditView::FormatChanged(const std::string& sender) {
    P.PhoneFmtChange(sender);
}

void RegisterOrgEditView() {
    TQtViewFactory::Register("TOrgEditDlg", [](TFormPresenter& p, QWidget* parent) {
        return std::make_unique<TOrgEditView>(dynamic_cast<TOrgEditDlg&>(p), parent);
    });
}
