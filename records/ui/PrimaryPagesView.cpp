#include "records/ui/PrimaryPagesView.h"

#include "platform/ui/CategoryPicture.h"
#include "platform/ui/HelpLauncher.h"
#include "records/PrimaryPagesDlg.h"
#include "records/ui/PrimaryPagesWidget.h"
#include "records/ui/ViewFields.h"
#include "ui_PrimaryPages.h"

#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>

using namespace viewfields;

TPrimaryPagesView::TPrimaryPagesView(TPrimaryPagesDlg& presenter, QWidget* parent)
    : TDialogView(presenter, new QDialog(parent)), P(presenter) {}

void TPrimaryPagesView::Edited() {
    if (!Filling()) Store();
}

void TPrimaryPagesView::Bind(const TShared& shared, const std::vector<QWidget*>& upper) {
    W = shared;
    QDialog* d = Dialog();
    Ui::PrimaryPages& u = W.Pages->Pages();
    d->layout()->setSizeConstraint(QLayout::SetFixedSize);
    // Every page caption shows without scroll arrows.
    W.Pages->setMinimumWidth(std::max(480, u.PageControl1->tabBar()->sizeHint().width() + 16));

    for (QLineEdit* e : {W.Title, W.Comment, u.City, u.State, u.PostCode, u.Country, u.AddrComment,
                         static_cast<QLineEdit*>(u.PhoneNum), u.Extension, u.PhoneComment,
                         static_cast<QLineEdit*>(u.FaxNum), u.FaxComment, u.EMailAddr,
                         u.EMailComment, u.WebComment})
        QObject::connect(e, &QLineEdit::textChanged, d, [this] { Edited(); });
    QObject::connect(u.Addr, &QPlainTextEdit::textChanged, d, [this, &u] {
        if (Filling()) return;
        LimitLines(u.Addr, TPrimaryPagesDlg::kAddrMax);
        Store();
    });
    for (QComboBox* c : {u.AddrTitle, u.PhoneTitle, u.FaxTitle, u.EMailTitle, u.WebTitle, u.Web})
        QObject::connect(c, &QComboBox::editTextChanged, d, [this] { Edited(); });

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
        QObject::connect(t.Box, &QComboBox::activated, d, [this, click] {
            if (Filling()) return;
            Store();
            (P.*click)();
        });
    }
    for (QComboBox* f : {u.PhoneFmt, u.FaxFmt}) {
        std::string sender = ToStored(f->objectName());
        QObject::connect(f, &QComboBox::currentIndexChanged, d, [this, sender] {
            if (Filling()) return;
            Store();
            FormatChanged(sender);
        });
    }
    // Text the format cannot hold switches the page to "Free Format".
    QObject::connect(u.PhoneNum, &TMaskEdit::MaskDropped, d, [this, &u] {
        if (Filling()) return;
        Store();
        P.PhoneNumUnfit(Text(u.PhoneNum));
    });
    QObject::connect(u.FaxNum, &TMaskEdit::MaskDropped, d, [this, &u] {
        if (Filling()) return;
        Store();
        P.FaxNumUnfit(Text(u.FaxNum));
    });

    QObject::connect(W.CatSelect, &TCategoryPicture::Picked, d, [this](const TScreenPoint& at) {
        Store();
        P.CatSelectClick(at);
    });
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
    Ui::PrimaryPages& u = W.Pages->Pages();
    Show(W.Title, P.Title);
    Show(W.Comment, P.Comment);

    Show(u.AddrTitle, P.AddrTitleItems, P.AddrTitle);
    Show(u.Addr, P.Addr);
    Show(u.City, P.City);
    Show(u.State, P.State);
    Show(u.PostCode, P.PostCode);
    Show(u.Country, P.Country);
    Show(u.AddrComment, P.AddrComment);

    Show(u.PhoneTitle, P.PhoneTitleItems, P.PhoneTitle);
    Show(u.PhoneNum, P.PhoneNumMask, P.PhoneNum);
    Show(u.Extension, P.Extension);
    Select(u.PhoneFmt, P.PhoneFmt);
    u.PhoneFmt->setVisible(P.PhoneFmtVisible);
    u.PhoneFmtLabel->setVisible(P.PhoneFmtVisible);
    Show(u.PhoneComment, P.PhoneComment);

    Show(u.FaxTitle, P.FaxTitleItems, P.FaxTitle);
    Show(u.FaxNum, P.FaxNumMask, P.FaxNum);
    Select(u.FaxFmt, P.FaxFmt);
    u.FaxFmt->setVisible(P.FaxFmtVisible);
    u.FaxFmtLabel->setVisible(P.FaxFmtVisible);
    Show(u.FaxComment, P.FaxComment);

    Show(u.EMailTitle, P.EMailTitleItems, P.EMailTitle);
    Show(u.EMailAddr, P.EMailAddr);
    Show(u.EMailComment, P.EMailComment);

    Show(u.WebTitle, P.WebTitleItems, P.WebTitle);
    Show(u.Web, P.WebItems, P.Web);
    Show(u.WebComment, P.WebComment);
}

void TPrimaryPagesView::Store() {
    Ui::PrimaryPages& u = W.Pages->Pages();
    Take(P.Title, W.Title);
    Take(P.Comment, W.Comment);

    Take(P.AddrTitle, u.AddrTitle);
    Take(P.Addr, u.Addr);
    Take(P.City, u.City);
    Take(P.State, u.State);
    Take(P.PostCode, u.PostCode);
    Take(P.Country, u.Country);
    Take(P.AddrComment, u.AddrComment);

    Take(P.PhoneTitle, u.PhoneTitle);
    Take(P.PhoneNum, u.PhoneNum);
    Take(P.Extension, u.Extension);
    P.PhoneFmt = u.PhoneFmt->currentIndex();
    Take(P.PhoneComment, u.PhoneComment);

    Take(P.FaxTitle, u.FaxTitle);
    Take(P.FaxNum, u.FaxNum);
    P.FaxFmt = u.FaxFmt->currentIndex();
    Take(P.FaxComment, u.FaxComment);

    Take(P.EMailTitle, u.EMailTitle);
    Take(P.EMailAddr, u.EMailAddr);
    Take(P.EMailComment, u.EMailComment);

    Take(P.WebTitle, u.WebTitle);
    Take(P.Web, u.Web);
    Take(P.WebComment, u.WebComment);
}
