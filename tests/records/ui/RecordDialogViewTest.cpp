#include "platform/ui/CategoryPicture.h"
#include "platform/ui/QtViewFactory.h"
#include "records/AddressObject.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TextWriter.h"
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

// Texts longer than any box of the dialogs takes, in Windows-1252 as an old
// file holds them; the three differ so that each can be found in a line.
std::string Long(const std::string& word) {
    std::string text;
    while (text.size() < 300)
        text += word + " ";
    return text;
}
const std::string kTitle = Long("Gr\xfc\xdf"
                                "e");
const std::string kTarget = Long("Stra\xdf"
                                 "e");
const std::string kComment = Long("Caf\xe9");

std::string StoredText(const TKexObject& record) {
    TTextWriter out;
    record.WriteObject(out, 1);
    return out.Text();
}

// Every kind with a properties dialog, from a record an old file or an import
// made: a person and an organization with a primary item their pages show.
struct TDialogCase {
    uint8_t Kind;
    std::string ClassLine;
    const char* CommentBox;
    uint8_t ItemKind = 0; // a detail item below the record, when not 0
    std::string ItemTitle = {};
    std::string ItemClassLine = {};
    std::string Target = kTarget;
};

const TDialogCase kDialogCases[] = {
    {kindFolder, "{Fold}0", "FolderComment"},
    {kindOrg, "{Orgn}Heim~~~~~~~~~~0", "Comment", kindAddress, "Heim",
     "{Addr}" + kTarget + "~~~~~~" + kTitle + "~~~~~~~~0"},
    {kindTeam, "{Team}0", "TeamComment"},
    {kindPerson, "{Pers}Herr~~" + kTitle + "~~~~" + kTarget + "~~~~B\xfcro~~~~~~~~5", "Comment",
     kindPhone, "B\xfcro", "{Phon}123456789~~0"},
    // The dialog stores nothing unless the address is one.
    {kindWeb, "{Webs}0", "WebComment", 0, "", "", "http://example.org/" + std::string(300, 'x')},
    {kindAddress,
     "{Addr}" + kTarget + "~~" + kTitle + "~~~~" + kComment + "~~" + kTitle + "~~" + kTarget +
         "~~" + kComment + "~~0",
     "AddrComment"},
    {kindPhone, "{Phon}12345678~~0", "PhoneComment"},
    {kindEMail, "{Mail}0", "EMailComment"},
    {kindFax, "{Faxs}0", "FaxComment"},
    {kindReminder, "{Remd}2030,6,15,2~~0", "RemdComment"},
    {kindDoc, "{Docs}0", "CommentEdit"},
    {kindTool, "{Tool}" + kTarget + "~~" + kTitle + "~~0", "CommentEdit"},
};

TEST(RecordDialogView, EveryDialogKeepsUntouchedFieldsByteForByteAndStoresOnlyTheEditedOne) {
    for (const TDialogCase& c : kDialogCases) {
        SCOPED_TRACE("kind " + std::to_string(c.Kind));
        for (bool edit : {false, true}) {
            SCOPED_TRACE(edit ? "comment edited" : "untouched");
            TQtDialogs app;
            TCreated made =
                CreateObject(c.Kind, kTitle, c.Target, kComment, app.Root, c.ClassLine, 0);
            TKexObject* record = made.Object;
            if (c.ItemKind)
                CreateObject(c.ItemKind, c.ItemTitle, kTarget, kComment, made.Node, c.ItemClassLine,
                             0);
            const std::string before = StoredText(*record);
            bool opened = false;
            OnNextModal([&](QWidget* dlg) {
                opened = true;
                if (edit) Child<QLineEdit>(dlg, c.CommentBox)->setText("Edited");
                Child<QPushButton>(dlg, "OKBtn")->click();
            });
            record->EditProperties();
            EXPECT_TRUE(opened);
            std::string expected = before;
            if (edit) {
                const std::string old = "~~" + kComment + "~~";
                expected.replace(expected.find(old), old.size(), "~~Edited~~");
            }
            EXPECT_EQ(StoredText(*record), expected);
        }
    }
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
