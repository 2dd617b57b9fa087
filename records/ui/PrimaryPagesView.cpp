#include "records/ui/PrimaryPagesView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/HelpLauncher.h"
#include "platform/ui/QtText.h"
#include "records/PrimaryPagesDlg.h"
#include "records/ui/MaskEdit.h"
#include "records/ui/PrimaryPagesWidget.h"
#include "ui_PrimaryPages.h"

#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>

TPrimaryPagesView::TPrimaryPagesView(TPrimaryPagesDlg& presenter, QWidget* parent)
    : TDialogView(presenter, new QDialog(parent)), P(presenter) {}

void TPrimaryPagesView::Bind(const TShared& shared, const std::vector<QWidget*>& upper) {
    W = shared;
    QDialog* d = Dialog();
    Ui::PrimaryPages& u = W.Pages->Pages();
    d->layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Every page caption shows without scroll arrows.
    W.Pages->setMinimumWidth(std::max(480, u.PageControl1->tabBar()->sizeHint().width() + 16));

    TPrimaryPagesDlg& p = P;
    Fields.Text(W.Title, p.Title);
    Fields.Text(W.Comment, p.Comment);

    Fields.Combo(u.AddrTitle, p.AddrTitle, p.AddrTitleItems);
    Fields.Lines(u.Addr, p.Addr, TPrimaryPagesDlg::kAddrMax);
    Fields.Text(u.City, p.City);
    Fields.Text(u.State, p.State);
    Fields.Text(u.PostCode, p.PostCode);
    Fields.Text(u.Country, p.Country);
    Fields.Text(u.AddrComment, p.AddrComment);

    Fields.Combo(u.PhoneTitle, p.PhoneTitle, p.PhoneTitleItems);
    BindMasked(Fields, u.PhoneNum, p.PhoneNumMask, p.PhoneNum);
    Fields.Text(u.Extension, p.Extension);
    Fields.Index(u.PhoneFmt, p.PhoneFmt, [this] { FormatChanged("PhoneFmt"); });
    Fields.Visible({u.PhoneFmt, u.PhoneFmtLabel}, p.PhoneFmtVisible);
    Fields.Text(u.PhoneComment, p.PhoneComment);

    Fields.Combo(u.FaxTitle, p.FaxTitle, p.FaxTitleItems);
    BindMasked(Fields, u.FaxNum, p.FaxNumMask, p.FaxNum);
    Fields.Index(u.FaxFmt, p.FaxFmt, [this] { FormatChanged("FaxFmt"); });
    Fields.Visible({u.FaxFmt, u.FaxFmtLabel}, p.FaxFmtVisible);
    Fields.Text(u.FaxComment, p.FaxComment);

    Fields.Combo(u.EMailTitle, p.EMailTitle, p.EMailTitleItems);
    Fields.Text(u.EMailAddr, p.EMailAddr);
    Fields.Text(u.EMailComment, p.EMailComment);

    Fields.Combo(u.WebTitle, p.WebTitle, p.WebTitleItems);
    Fields.Combo(u.Web, p.Web, p.WebItems);
    Fields.Text(u.WebComment, p.WebComment);

    // Picking an entry of a page's title list loads that item into the page;
    // typing a title does not.
    struct TitleList {
        QComboBox* Box;
        void (TPrimaryPagesDlg::*Click)();
    };
    for (const TitleList& t : {TitleList{u.AddrTitle, &TPrimaryPagesDlg::AddrTitleClick},
                               TitleList{u.PhoneTitle, &TPrimaryPagesDlg::PhoneTitleClick},
                               TitleList{u.FaxTitle, &TPrimaryPagesDlg::FaxTitleClick},
                               TitleList{u.EMailTitle, &TPrimaryPagesDlg::EMailTitleClick},
                               TitleList{u.WebTitle, &TPrimaryPagesDlg::WebTitleClick}}) {
        auto click = t.Click;
        QObject::connect(t.Box, &QComboBox::activated, d, [this, click] { (P.*click)(); });
    }
    // Text the format cannot hold switches the page to "Free Format".
    QObject::connect(u.PhoneNum, &TMaskEdit::MaskDropped, d,
                     [this, &u] { P.PhoneNumUnfit(ToStored(u.PhoneNum->text())); });
    QObject::connect(u.FaxNum, &TMaskEdit::MaskDropped, d,
                     [this, &u] { P.FaxNumUnfit(ToStored(u.FaxNum->text())); });

    QObject::connect(W.CatSelect, &TCategoryPicture::Picked, d,
                     [this](const TScreenPoint& at) { P.CatSelectClick(at); });
    QObject::connect(W.OKBtn, &QPushButton::clicked, d, [this] { P.OKBtnClick(); });
    QObject::connect(W.CancelBtn, &QPushButton::clicked, d, [this] { P.CancelBtnClick(); });
    if (!P.OnHelp) {
        // The presenter may outlive the dialog: the help window then has no parent.
        QPointer<QDialog> owner(d);
        P.OnHelp = [owner](int context) { ShowHelpTopic(context, owner.data()); };
    }
    QObject::connect(W.HelpBtn, &QPushButton::clicked, d, [this] { P.HelpBtnClick(); });

    // One focus chain through the upper panel, every page and the buttons;
    // the widgets of hidden pages are skipped by the tab key.
    std::vector<QWidget*> chain = upper;
    chain.push_back(u.PageControl1);
    for (QWidget* w : std::initializer_list<QWidget*>{
             u.AddrTitle,  u.Addr,         u.City,       u.State,        u.PostCode,
             u.Country,    u.AddrComment,  u.PhoneTitle, u.PhoneNum,     u.Extension,
             u.PhoneFmt,   u.PhoneComment, u.FaxTitle,   u.FaxNum,       u.FaxFmt,
             u.FaxComment, u.EMailTitle,   u.EMailAddr,  u.EMailComment, u.WebTitle,
             u.Web,        u.WebComment,   W.OKBtn,      W.CancelBtn,    W.HelpBtn})
        chain.push_back(w);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

TModalResult TPrimaryPagesView::ShowModal() {
    W.Pages->Pages().PageControl1->setCurrentIndex(0);
    P.FormShow();
    return TDialogView::ShowModal();
}

void TPrimaryPagesView::Fill() {
    Fields.Fill();
}
