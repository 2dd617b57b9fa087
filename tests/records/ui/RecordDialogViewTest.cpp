#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtViewFactory.h"
#include "records/AddressObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The test services with the real dialogs in place of scripted views.
struct TQtDialogs {
    TTestServices Svc;
    TQtViewFactory Views;
    TTreeNodes Tree;
    TTreeNode* Root;
    TModalWatchdog Watchdog;
    TQtDialogs() : Root(CreateRoot(Tree)) { Svc.Services.Views = &Views; }

    TAddressObject* Address(const std::string& title, const std::string& classLine) {
        return dynamic_cast<TAddressObject*>(
            CreateObject(kindAddress, title, "", "", Root, classLine, 0).Object);
    }
};

template <typename W>
W* Child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST(RecordDialogView, NewAddressTypedIntoTheWidgetsIsStoredWithItsLines) {
    TQtDialogs app;
    TAddressObject* address = app.Address("New Address", "");
    OnNextModal([](QWidget* dlg) {
        auto* title = Child<QLineEdit>(dlg, "AddrTitle");
        EXPECT_EQ(title->text(), "New Address");
        title->selectAll();
        QTest::keyClicks(title, "Office");
        auto* addr = Child<QPlainTextEdit>(dlg, "Addr");
        QTest::keyClicks(addr, "12 High St");
        QTest::keyClick(addr, Qt::Key_Return);
        QTest::keyClicks(addr, "Floor 2");
        QTest::keyClicks(Child<QLineEdit>(dlg, "City"), "Leeds");
        auto* postCode = Child<QLineEdit>(dlg, "PostCode");
        QTest::keyClicks(postCode, "LS1 4AB 12345"); // three characters too many
        // Return in a one-line box presses the default button, OK.
        QTest::keyClick(postCode, Qt::Key_Return);
    });
    ASSERT_TRUE(address->EditNew(nullptr));
    EXPECT_EQ(address->GetTitle(), "Office");
    EXPECT_EQ(address->GetTarget(), "12 High St");
    EXPECT_EQ(address->AddressLines(), (std::vector<std::string>{"12 High St", "Floor 2", ""}));
    EXPECT_EQ(address->City(), "Leeds");
    EXPECT_EQ(address->PostCode(), "LS1 4AB 12");
}

TEST(RecordDialogView, UntouchedFieldsKeepTheirBytesAndLengthOnOk) {
    TQtDialogs app;
    // Longer than the box's limit, and Windows-1252 text from an old file.
    const std::string title(52, 'T');
    TAddressObject* address = app.Address(title, "{Addr}Caf\xe9 Row~~~~~~K\xf6ln~~~~~~~~0");
    OnNextModal([](QWidget* dlg) {
        EXPECT_EQ(Child<QLineEdit>(dlg, "City")->text(), QString::fromUtf8("K\xc3\xb6ln"));
        Child<QPushButton>(dlg, "OKBtn")->click();
    });
    address->EditProperties();
    EXPECT_EQ(address->GetTitle(), title);
    EXPECT_EQ(address->City(), "K\xf6ln");
    EXPECT_EQ(address->AddressLines()[0], "Caf\xe9 Row");
}

TEST(RecordDialogView, CategoriesTickedBelowThePictureStayWhenTheDialogIsCancelled) {
    TQtDialogs app;
    TAddressObject* address = app.Address("Home", "{Addr}1 Road~~~~~~Leeds~~~~~~~~1");
    OnNextModal([](QWidget* dlg) {
        auto* picture = Child<TCategoryPicture>(dlg, "CatSelect");
        EXPECT_EQ(picture->toolTip(), "Click to set categories");
        Child<QLineEdit>(dlg, "AddrTitle")->setText("Changed");
        const QPoint below = picture->mapToGlobal(QPoint(0, picture->height()));
        OnNextModal([below](QWidget* popup) {
            EXPECT_EQ(popup->windowTitle(), "Select Categories");
            EXPECT_EQ(popup->pos(), below);
            auto* list = Child<QListWidget>(popup, "CheckListBox1");
            if (list && list->count() == 32) {
                EXPECT_EQ(list->item(0)->text(), "Cat 1");
                EXPECT_EQ(list->item(0)->checkState(), Qt::Checked);
                list->item(0)->setCheckState(Qt::Unchecked);
                list->item(4)->setCheckState(Qt::Checked);
                list->item(31)->setCheckState(Qt::Checked);
            } else {
                ADD_FAILURE() << "the popup lists " << (list ? list->count() : -1) << " entries";
            }
            QTest::keyClick(popup, Qt::Key_Escape);
        });
        picture->click();
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    address->EditProperties();
    EXPECT_EQ(address->GetCategories(), (1u << 4) | (1u << 31));
    EXPECT_EQ(address->GetTitle(), "Home");
}

} // namespace
