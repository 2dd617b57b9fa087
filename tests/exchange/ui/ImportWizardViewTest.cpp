// The import wizard on the real widgets, offscreen: a CSV import driven
// through its pages as a user goes, and every page as the pictures in
// docs/screenshots show it (kept when MERROWIN_SCREENSHOT_DIR names a folder).
#include "exchange/jobs/ImportWizard.h"
#include "platform/ui/QtViewFactory.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

template <typename W>
W* Child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString PageShown(QWidget* dlg) {
    return Child<QStackedWidget>(dlg, "PageControl1")->currentWidget()->objectName();
}

void Shot(QWidget* dlg, const char* name) {
    const QString dir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QTest::qWait(300); // the folder lists fill as the file system answers
    dlg->grab().save(QDir(dir).filePath(QString::fromLatin1(name)));
}

class ImportWizardView : public ::testing::Test {
protected:
    ImportWizardView() {
        Svc.Services.Views = &Views;
        Friends = CreateObject(kindFolder, "Friends", "", "", Doc.Root(), "", 0).Node;
        Wizard.SetParent(Friends);
    }

    TTestServices Svc;
    TQtViewFactory Views;
    TModalWatchdog Watchdog{30000};
    TContactStore Doc;
    TTreeNode* Friends;
    TImportWizard Wizard;
};

TEST_F(ImportWizardView, CsvImportWithAHeaderLineThroughItsPages) {
    std::filesystem::create_directories(Svc.File("export"));
    WriteText(Svc.File("export/People.CSV"),
              "First Name,Last Name,Street,City,Phone Number,E-Mail Address\r\n"
              "Ann,Smith,1 Mill Lane,Leeds,0113 496 0000,ann@example.org\r\n"
              "Bob,Roe,2 High St,York,01904 000000,bob@example.org\r\n");
    WriteText(Svc.File("export/notes.txt"), "not shown under *.CSV");
    Wizard.DirectoryListBox3 = Svc.File("export");
    bool finished = false;
    OnNextModal([&](QWidget* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "Import Wizard");
        EXPECT_EQ(PageShown(dlg), "TabSheet1");
        auto* next = Child<QPushButton>(dlg, "NextBtn");
        EXPECT_EQ(next->text(), "Next >>");
        Child<QComboBox>(dlg, "ImportType")->setCurrentIndex(5);
        next->click();

        // The fields: the record type's small pictures, Next held back.
        EXPECT_EQ(PageShown(dlg), "TabSheet8");
        auto* types = Child<QComboBox>(dlg, "RecTypeCombo");
        EXPECT_EQ(types->count(), 7);
        EXPECT_FALSE(types->itemIcon(0).isNull());
        EXPECT_FALSE(next->isEnabled());
        auto* available = Child<QListWidget>(dlg, "ListBox1");
        available->item(2)->setSelected(true); // First Name
        Child<QToolButton>(dlg, "CopyRtBtn")->click();
        EXPECT_TRUE(next->isEnabled());
        EXPECT_EQ(Child<QListWidget>(dlg, "ListBox2")->item(0)->text(), "First Name");
        // The file's first line will choose the fields.
        Child<QCheckBox>(dlg, "HeaderCheck")->setChecked(true);
        next->click();

        // The file: the mask finds "People.CSV" and not the text file.
        EXPECT_EQ(PageShown(dlg), "TabSheet7");
        EXPECT_EQ(next->text(), "Finish");
        auto* files = Child<QListView>(dlg, "FileListBox2");
        auto* model = static_cast<QFileSystemModel*>(files->model());
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return model->rowCount(files->rootIndex()) == 1; }, 10000));
        QModelIndex people = model->index(0, 0, files->rootIndex());
        EXPECT_EQ(model->fileName(people), "People.CSV");
        files->setCurrentIndex(people);
        EXPECT_EQ(Child<QComboBox>(dlg, "EncodingCombo")->currentText(), "UTF-8");
        EXPECT_EQ(Child<QLabel>(dlg, "HeaderLabel")->text(),
                  "Fields from the first line: First Name, Last Name, Address Line 1, City, "
                  "Phone Number, E-Mail Address");
        // The folder list shows the folder the file lies in.
        auto* dirs = Child<QTreeView>(dlg, "DirectoryListBox3");
        EXPECT_EQ(static_cast<QFileSystemModel*>(dirs->model())->filePath(dirs->currentIndex()),
                  QString::fromStdString(Svc.File("export")));
        Shot(dlg, "import-wizard-csv-file.png");
        // Back shows the fields the header chose, and the user may change them.
        Child<QPushButton>(dlg, "PrevBtn")->click();
        EXPECT_EQ(Child<QListWidget>(dlg, "ListBox2")->count(), 6);
        Shot(dlg, "import-wizard-csv-fields.png");
        next->click();
        finished = true;
        next->click();
    });
    EXPECT_EQ(Wizard.Execute(), mrOk);
    ASSERT_TRUE(finished);
    EXPECT_EQ(Wizard.Result.Summary(), "2 records created, 0 lines skipped");
    ASSERT_EQ(Friends->Count(), 2);
    const TKexObject* ann = Friends->Child(0)->Data();
    EXPECT_EQ(ann->GetTitle(), "Ann Smith");
    for (auto [field, value] : {std::pair{"City", "\"Leeds\","},
                                {"Address Line 1", "\"1 Mill Lane\","},
                                {"Phone Number", "\"0113 496 0000\","},
                                {"E-Mail Address", "\"ann@example.org\","}}) {
        std::string text;
        ann->GetCsvField(field, text);
        EXPECT_EQ(text, value) << field;
    }
}

TEST_F(ImportWizardView, EveryPageOfEverySource) {
    const std::pair<int, const char*> pages[] = {
        {0, "import-wizard-transfer.png"},  {1, "import-wizard-favorites.png"},
        {2, "import-wizard-bookmarks.png"}, {3, "import-wizard-address-book.png"},
        {4, "import-wizard-nicknames.png"}, {6, "import-wizard-vcard.png"},
    };
    const std::string data = DataPath("exchange");
    OnNextModal([&](QWidget* dlg) {
        Shot(dlg, "import-wizard-start.png");
        Wizard.FirstEnter = false;
        Wizard.DirectoryListBox1 = data + "/favorites";
        Wizard.DirectoryListBox1Change();
        Wizard.DirectoryListBox2 = Wizard.DirectoryListBox4 = data;
        Wizard.NavDirListBox = Wizard.NavAddrDirList = Wizard.EudoraDirList = data;
        Wizard.NavDirListBoxChange();
        Wizard.NavAddrDirListChange();
        Wizard.EudoraDirListChange();
        auto* next = Child<QPushButton>(dlg, "NextBtn");
        auto* back = Child<QPushButton>(dlg, "PrevBtn");
        EXPECT_FALSE(back->isEnabled());
        for (const auto& [type, shot] : pages) {
            Child<QComboBox>(dlg, "ImportType")->setCurrentIndex(type);
            next->click();
            EXPECT_EQ(next->text(), "Finish") << shot;
            EXPECT_TRUE(back->isEnabled());
            Shot(dlg, shot);
            back->click();
        }
        EXPECT_EQ(Child<QLabel>(dlg, "Label10")->text(), "Ann's Links (bookmarks.html)");
        EXPECT_EQ(Child<QLabel>(dlg, "Label7")->text(), "My Contacts/Friends");
        Child<QPushButton>(dlg, "Button1")->click();
    });
    EXPECT_EQ(Wizard.Execute(), mrCancel);
    EXPECT_FALSE(Wizard.Imported);
    EXPECT_EQ(Friends->Count(), 0);
}

} // namespace
