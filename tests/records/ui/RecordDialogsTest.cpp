// The number, person and organization dialogs driven through their real
// widgets, from the record operation that opens them to what it stores.
#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtViewFactory.h"
#include "records/AddressObject.h"
#include "records/CategoryPopup.h"
#include "records/FaxEditDlg.h"
#include "records/FaxObject.h"
#include "records/OrgObject.h"
#include "records/PersonObject.h"
#include "records/PhoneEditDlg.h"
#include "records/PhoneObject.h"
#include "records/ui/MaskEdit.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <set>

// Readable failure messages.
void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

// The Qt views, except for the forms a test scripts (the category popup).
class TMixedViews : public IViewFactory {
public:
    TMixedViews(TScriptedViews& scripted, std::set<std::string> scriptedForms)
        : FScripted(scripted), FForms(std::move(scriptedForms)) {}
    std::unique_ptr<IFormView> CreateView(TFormPresenter& p) override {
        return FForms.count(p.FormName()) ? FScripted.CreateView(p) : FQt.CreateView(p);
    }
    int MessageBox(const std::string& t, const std::string& c, int type) override {
        return FScripted.MessageBox(t, c, type);
    }
    std::optional<std::string> OpenFileName(const std::string& t, const std::string& f,
                                            const std::string& x, bool m) override {
        return FScripted.OpenFileName(t, f, x, m);
    }

private:
    TScriptedViews& FScripted;
    std::set<std::string> FForms;
    TQtViewFactory FQt;
};

struct RecordDialogs : ::testing::Test {
    TTestServices svc;
    TMixedViews views{svc.Views, {"TCategoryPopup"}};
    TTreeNodes tree;
    TTreeNode* root = CreateRoot(tree);

    RecordDialogs() { svc.Services.Views = &views; }

    template <typename R>
    R& Create(uint8_t kind, const std::string& title, const std::string& classLine = "") {
        return dynamic_cast<R&>(*CreateObject(kind, title, "", "", root, classLine, 0).Object);
    }
    static TKexObject* Add(TKexObject& owner, uint8_t kind, const std::string& title,
                           const std::string& target, const std::string& classLine = "") {
        return CreateObject(kind, title, target, "", owner.GetNode(), classLine, 0).Object;
    }

    // Runs act on the dialog once it is shown modally; a dialog that act
    // leaves open is cancelled, so a failing test cannot hang.
    static void WhenShown(std::function<void(QDialog&)> act) {
        QTimer::singleShot(0, [act] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr) << "no modal dialog";
            d->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(d));
            act(*d);
            if (d->isVisible()) d->reject();
        });
    }
};

template <typename W>
W* Child(QDialog& d, const char* name) {
    W* w = d.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void TypeInto(QWidget* w, const char* text) {
    w->setFocus();
    QTest::keyClicks(w, text);
}

void Click(QDialog& d, const char* button) {
    QTest::mouseClick(Child<QPushButton>(d, button), Qt::LeftButton);
}

} // namespace

TEST_F(RecordDialogs, NewPersonFilledOnEveryPageCreatesItsFivePrimaryItems) {
    auto& p = Create<TPersonObject>(kindPerson, "New Person");
    WhenShown([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Person");
        auto* pages = Child<QTabWidget>(d, "PageControl1");
        EXPECT_EQ(pages->currentWidget()->objectName(), "PriAddressSheet");

        // Leaving the title fills the names.
        auto* title = Child<QLineEdit>(d, "Title");
        title->selectAll();
        TypeInto(title, "Mary Ann Smith");
        QTest::keyClick(title, Qt::Key_Tab);
        EXPECT_EQ(Child<QLineEdit>(d, "FName")->text(), "Mary");
        EXPECT_EQ(Child<QLineEdit>(d, "MName")->text(), "Ann");
        EXPECT_EQ(Child<QLineEdit>(d, "LName")->text(), "Smith");
        TypeInto(Child<QComboBox>(d, "Salutation")->lineEdit(), "Ms.");
        TypeInto(Child<QLineEdit>(d, "Comment"), "met at the fair");

        auto* lines = Child<QPlainTextEdit>(d, "Addr");
        TypeInto(lines, "1 Main St");
        QTest::keyClick(lines, Qt::Key_Return);
        QTest::keyClicks(lines, "Floor 2");
        TypeInto(Child<QLineEdit>(d, "City"), "Leeds");

        pages->setCurrentIndex(1);
        auto* phone = Child<TMaskEdit>(d, "PhoneNum");
        EXPECT_EQ(phone->text(), "(___)___-____");
        TypeInto(phone, "5551234567");
        TypeInto(Child<QLineEdit>(d, "Extension"), "22");

        pages->setCurrentIndex(2);
        Child<QComboBox>(d, "FaxFmt")->setCurrentIndex(1); // Free Format
        auto* fax = Child<TMaskEdit>(d, "FaxNum");
        EXPECT_EQ(fax->text(), "");
        TypeInto(fax, "+44 1632 960000");

        pages->setCurrentIndex(3);
        TypeInto(Child<QLineEdit>(d, "EMailAddr"), "mary@example.org");

        pages->setCurrentIndex(4);
        auto* web = Child<QComboBox>(d, "Web");
        EXPECT_EQ(web->currentText(), "http://");
        EXPECT_EQ(web->count(), 8);
        TypeInto(web->lineEdit(), "example.org");
        Click(d, "OKBtn");
    });
    ASSERT_TRUE(p.EditNew(p.GetNode()));

    EXPECT_EQ(p.GetTitle(), "Mary Ann Smith");
    EXPECT_EQ(p.Salutation() + "|" + p.FirstName() + "|" + p.MiddleName() + "|" + p.LastName(),
              "Ms.|Mary|Ann|Smith");
    EXPECT_EQ(p.GetComment(), "met at the fair");
    auto* addr = dynamic_cast<TAddressObject*>(p.FindItem(p.PrimaryAddress(), kindAddress));
    ASSERT_NE(addr, nullptr);
    EXPECT_EQ(addr->Line(0) + "|" + addr->Line(1), "1 Main St|Floor 2");
    EXPECT_EQ(addr->City(), "Leeds");
    auto* phone = dynamic_cast<TPhoneObject*>(p.FindItem(p.PrimaryPhone(), kindPhone));
    ASSERT_NE(phone, nullptr);
    EXPECT_EQ(phone->GetTarget(), "(555)123-4567");
    EXPECT_EQ(phone->Extension(), "22");
    ASSERT_NE(p.FindItem(p.PrimaryFax(), kindFax), nullptr);
    EXPECT_EQ(p.FindItem(p.PrimaryFax(), kindFax)->GetTarget(), "+44 1632 960000");
    ASSERT_NE(p.FindItem(p.PrimaryEMail(), kindEMail), nullptr);
    EXPECT_EQ(p.FindItem(p.PrimaryEMail(), kindEMail)->GetTarget(), "mary@example.org");
    EXPECT_EQ(p.ItemCount(), 4);
    ASSERT_EQ(p.GetNode()->Count(), 1); // the website is a child node
    EXPECT_EQ(p.GetNode()->Child(0)->Data()->GetTarget(), "http://example.org");
    EXPECT_EQ(p.PrimaryWeb(), p.GetNode()->Child(0)->Data()->GetTitle());
}

TEST_F(RecordDialogs, ExistingOrganizationShowsNumbersAsStoredAndLoadsAPickedTitle) {
    auto& o = Create<TOrgObject>(kindOrg, "Acme", "{Orgn}~~Desk~~~~~~~~0");
    Add(o, kindPhone, "Desk", "555 0100", "{Phon}~~0");
    Add(o, kindPhone, "Mobile", "07700 900123", "{Phon}9~~0");
    WhenShown([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Organization");
        for (const char* hidden : {"PhoneFmt", "PhoneFmtLabel", "FaxFmt", "FaxFmtLabel"})
            EXPECT_TRUE(Child<QWidget>(d, hidden)->isHidden()) << hidden;
        auto* number = Child<TMaskEdit>(d, "PhoneNum");
        EXPECT_EQ(number->text(), "555 0100");
        auto* titles = Child<QComboBox>(d, "PhoneTitle");
        ASSERT_EQ(titles->count(), 2);
        titles->setCurrentIndex(1);
        emit titles->activated(1);
        EXPECT_EQ(number->text(), "07700 900123");
        EXPECT_EQ(Child<QLineEdit>(d, "Extension")->text(), "9");
        TypeInto(number, " ask for Bob"); // no mask: any text
        EXPECT_EQ(number->text(), "07700 900123 ask for Bob");
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    o.EditProperties();
    EXPECT_EQ(o.FindItem("Mobile", kindPhone)->GetTarget(), "07700 900123");
    EXPECT_EQ(o.FindItem("Desk", kindPhone)->GetTarget(), "555 0100");
}

TEST_F(RecordDialogs, NewPhoneTypedIntoTheUsaFormatStoresTheFormattedNumber) {
    auto& owner = Create<TKexObject>(kindFolder, "Friends");
    auto& phone = dynamic_cast<TPhoneObject&>(*Add(owner, kindPhone, "New Phone", ""));
    WhenShown([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Phone");
        EXPECT_FALSE(Child<QWidget>(d, "PhoneFmt")->isHidden());
        EXPECT_EQ(Child<QComboBox>(d, "PhoneFmt")->currentText(), "USA");
        EXPECT_EQ(Child<QLineEdit>(d, "PhoneTitle")->text(), "New Phone");
        EXPECT_EQ(Child<QLineEdit>(d, "Extension")->maxLength(), 6);
        TypeInto(Child<TMaskEdit>(d, "PhoneNum"), "5551234567");
        TypeInto(Child<QLineEdit>(d, "Extension"), "22");
        Click(d, "OKBtn");
    });
    ASSERT_TRUE(TPhoneEditDlg::EditNew(phone));
    EXPECT_EQ(phone.GetTarget(), "(555)123-4567");
    EXPECT_EQ(phone.Extension(), "22");
    EXPECT_EQ(phone.GetTitle(), "New Phone");
}

TEST_F(RecordDialogs, CancelledNewPhoneStoresNothing) {
    auto& owner = Create<TKexObject>(kindFolder, "Friends");
    auto& phone = dynamic_cast<TPhoneObject&>(*Add(owner, kindPhone, "New Phone", ""));
    WhenShown([](QDialog& d) {
        TypeInto(Child<TMaskEdit>(d, "PhoneNum"), "5551234567");
        TypeInto(Child<QLineEdit>(d, "Extension"), "22");
        Click(d, "CancelBtn");
    });
    EXPECT_FALSE(TPhoneEditDlg::EditNew(phone));
    EXPECT_EQ(phone.GetTarget(), "");
    EXPECT_EQ(phone.Extension(), "");
    // The caller drops the record a cancelled dialog leaves.
    DeleteListItem(owner.GetNode(), &phone);
    EXPECT_EQ(owner.ItemCount(), 0);
}

TEST_F(RecordDialogs, ExistingPhoneOpensUnmaskedAsStored) {
    auto& owner = Create<TKexObject>(kindFolder, "Friends");
    auto& phone =
        dynamic_cast<TPhoneObject&>(*Add(owner, kindPhone, "Home", "(555)12_-____", "{Phon}7~~0"));
    WhenShown([](QDialog& d) {
        EXPECT_TRUE(Child<QWidget>(d, "PhoneFmt")->isHidden());
        EXPECT_TRUE(Child<QWidget>(d, "PhoneFmtLabel")->isHidden());
        auto* number = Child<TMaskEdit>(d, "PhoneNum");
        EXPECT_EQ(number->text(), "(555)12_-____");
        EXPECT_EQ(Child<QLineEdit>(d, "Extension")->text(), "7");
        number->selectAll();
        TypeInto(number, "+1 555 0100");
        Click(d, "OKBtn");
    });
    TPhoneEditDlg::EditProperties(phone);
    EXPECT_EQ(phone.GetTarget(), "+1 555 0100");
}

TEST_F(RecordDialogs, FaxCategoriesOpenBelowThePictureAndStayWhenCancelled) {
    auto& owner = Create<TKexObject>(kindFolder, "Friends");
    auto& fax = dynamic_cast<TFaxObject&>(*Add(owner, kindFax, "Office", "555 0199", "{Faxs}0"));
    TScreenPoint expected{-1, -1};
    TScreenPoint asked{-2, -2};
    svc.Views.On<TCategoryPopup>("TCategoryPopup", [&](TCategoryPopup& pop) {
        EXPECT_TRUE(pop.HasPosition);
        asked = {pop.Left, pop.Top};
        pop.CheckListBox1.at(2).Checked = true;
        return mrOk;
    });
    WhenShown([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Fax");
        EXPECT_TRUE(Child<QWidget>(d, "FaxFmt")->isHidden());
        auto* pic = Child<TCategoryPicture>(d, "CatSelect");
        EXPECT_EQ(pic->toolTip(), "Click to set categories");
        QPoint corner = pic->mapToGlobal(QPoint(0, pic->height()));
        expected = {corner.x(), corner.y()};
        QTest::mouseClick(pic, Qt::LeftButton);
        Click(d, "CancelBtn");
    });
    TFaxEditDlg::EditProperties(fax);
    EXPECT_EQ(asked.X, expected.X);
    EXPECT_EQ(asked.Y, expected.Y);
    EXPECT_EQ(fax.GetCategories(), 4u);
    EXPECT_EQ(fax.GetTarget(), "555 0199");
}

TEST_F(RecordDialogs, NumbersStartOnTheDesktopCountryAndKeepWhatTheFormatCannotHold) {
    svc.Locale.CountryCode = "DE";
    auto& owner = Create<TKexObject>(kindFolder, "Friends");
    auto& phone = dynamic_cast<TPhoneObject&>(*Add(owner, kindPhone, "New Phone", ""));
    WhenShown([](QDialog& d) {
        auto* format = Child<QComboBox>(d, "PhoneFmt");
        EXPECT_EQ(format->currentText(), "Germany");
        auto* number = Child<TMaskEdit>(d, "PhoneNum");
        EXPECT_EQ(number->text(), "(___ __) _____");
        QApplication::clipboard()->setText("+49 30 1234567");
        number->setFocus();
        QTest::keyClick(number, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(number->text(), "+49 30 1234567");
        EXPECT_EQ(format->currentText(), "Free Format");
        Click(d, "OKBtn");
    });
    ASSERT_TRUE(TPhoneEditDlg::EditNew(phone));
    EXPECT_EQ(phone.GetTarget(), "+49 30 1234567");

    auto& fax = dynamic_cast<TFaxObject&>(*Add(owner, kindFax, "New Fax", ""));
    WhenShown([](QDialog& d) {
        auto* format = Child<QComboBox>(d, "FaxFmt");
        EXPECT_EQ(format->currentText(), "Germany");
        TypeInto(Child<TMaskEdit>(d, "FaxNum"), "+49 30 7654321");
        EXPECT_EQ(format->currentText(), "Free Format");
        Click(d, "OKBtn");
    });
    ASSERT_TRUE(TFaxEditDlg::EditNew(fax));
    EXPECT_EQ(fax.GetTarget(), "+49 30 7654321");

    // A Polish desktop has no format of its own: the pages start free.
    svc.Locale.CountryCode = "PL";
    auto& p = Create<TPersonObject>(kindPerson, "New Person");
    WhenShown([](QDialog& d) {
        EXPECT_EQ(Child<QComboBox>(d, "PhoneFmt")->currentText(), "Free Format");
        EXPECT_EQ(Child<QComboBox>(d, "FaxFmt")->currentText(), "Free Format");
        Child<QTabWidget>(d, "PageControl1")->setCurrentIndex(1);
        TypeInto(Child<TMaskEdit>(d, "PhoneNum"), "+48 22 123 45 67");
        // A format that cannot hold the number leaves it as it is.
        auto* phoneFmt = Child<QComboBox>(d, "PhoneFmt");
        phoneFmt->setCurrentIndex(phoneFmt->findText("Germany"));
        EXPECT_EQ(phoneFmt->currentText(), "Free Format");
        EXPECT_EQ(Child<TMaskEdit>(d, "PhoneNum")->text(), "+48 22 123 45 67");
        // Chosen by hand, the USA format still gives way to a longer number.
        Child<QTabWidget>(d, "PageControl1")->setCurrentIndex(2);
        Child<QComboBox>(d, "FaxFmt")->setCurrentIndex(0);
        TypeInto(Child<TMaskEdit>(d, "FaxNum"), "004822123456");
        EXPECT_EQ(Child<QComboBox>(d, "FaxFmt")->currentText(), "Free Format");
        Click(d, "OKBtn");
    });
    ASSERT_TRUE(p.EditNew(p.GetNode()));
    EXPECT_EQ(p.FindItem("Primary Phone", kindPhone)->GetTarget(), "+48 22 123 45 67");
    EXPECT_EQ(p.FindItem("Primary FAX", kindFax)->GetTarget(), "004822123456");
}
