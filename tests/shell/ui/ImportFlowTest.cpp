// File > Import in the running program, offscreen: a CSV exported from
// another address book, "First line holds field names" on; the persons land
// with their names, addresses, phones and e-mail addresses, the status bar
// says so, and the tree keeps its place.
#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/DesktopServices.h"
#include "shell/ui/FittedLabel.h"
#include "shell/ui/LogicForm.h"
#include "shell/ui/MainWindow.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string Field(const TKexObject* r, const char* name) {
    std::string text;
    r->GetCsvField(name, text);
    return text;
}

TEST(ImportFlow, FileImportOfACsvWithItsHeaderLine) {
    TTempDir home;
    WriteText(home.File("kex.ini"), "");
    std::filesystem::create_directories(home.File("export"));
    // As Thunderbird writes it.
    WriteText(home.File("export/contacts.csv"),
              "First Name,Last Name,Display Name,Nickname,Primary Email,Work Phone,"
              "Home Address,Home City,Home ZipCode,Notes\r\n"
              "Ann,Smith,Ann Smith,,ann@example.org,0113 496 0000,1 Mill Lane,Leeds,LS1 4AB,"
              "\"met at the fair,\r\nlikes tea\"\r\n"
              "Bob,Roe,Bob Roe,bobby,bob@example.org,01904 000000,2 High St,York,YO1 7HH,\r\n");
    auto services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
    auto host = std::make_unique<TLogicForm>(services->Settings);
    ASSERT_TRUE(host->Create("merrowin"));
    TMainWindow* window = &host->Window();
    host->Start(false);
    TModalWatchdog watchdog{30000};
    TMainForm& form = host->Form();
    TTreeNode* friends =
        CreateObject(kindFolder, "Friends", "", "", host->Tree().GetFirstNode(), "", 0).Node;
    form.SelectNode(friends);
    QApplication::processEvents();

    QAction* import = window->Command("ImportBtn");
    ASSERT_NE(import, nullptr);
    ASSERT_TRUE(import->isEnabled());
    bool finished = false;
    OnNextModal([&](QWidget* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "Import Wizard");
        auto* next = dlg->findChild<QPushButton*>("NextBtn");
        dlg->findChild<QComboBox*>("ImportType")->setCurrentIndex(5);
        next->click();
        // No field chosen: the header line will choose them.
        EXPECT_FALSE(next->isEnabled());
        dlg->findChild<QCheckBox*>("HeaderCheck")->setChecked(true);
        EXPECT_TRUE(next->isEnabled());
        next->click();
        // The folder list opens in the home folder; the user goes to the file.
        auto* files = dlg->findChild<QListView*>("FileListBox2");
        auto* model = static_cast<QFileSystemModel*>(files->model());
        dlg->findChild<QWidget*>("DirectoryListBox3")->setFocus();
        auto* dirs = dlg->findChild<QAbstractItemView*>("DirectoryListBox3");
        auto* dirModel = static_cast<QFileSystemModel*>(dirs->model());
        dirs->setCurrentIndex(dirModel->index(FromStored(home.File("export"))));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return model->rowCount(files->rootIndex()) == 1; }, 10000));
        files->setCurrentIndex(model->index(0, 0, files->rootIndex()));
        EXPECT_NE(dlg->findChild<QLabel*>("HeaderLabel")->text().indexOf("E-Mail Address"), -1);
        finished = true;
        next->click();
    });
    import->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(finished);

    EXPECT_EQ(form.Selected, friends);
    EXPECT_EQ(form.StatusPanels[0], "2 records created, 0 lines skipped");
    ASSERT_EQ(friends->Count(), 2);
    const TKexObject* ann = friends->Child(0)->Data();
    EXPECT_EQ(ann->GetTitle(), "Ann Smith");
    EXPECT_EQ(Field(ann, "First Name"), "\"Ann\",");
    EXPECT_EQ(Field(ann, "Last Name"), "\"Smith\",");
    EXPECT_EQ(Field(ann, "Address Line 1"), "\"1 Mill Lane\",");
    EXPECT_EQ(Field(ann, "City"), "\"Leeds\",");
    EXPECT_EQ(Field(ann, "Postal Code"), "\"LS1 4AB\",");
    EXPECT_EQ(Field(ann, "Phone Number"), "\"0113 496 0000\",");
    EXPECT_EQ(Field(ann, "E-Mail Address"), "\"ann@example.org\",");
    EXPECT_EQ(ann->GetComment(), "met at the fair, likes tea");
    bool shown = false;
    for (TFittedLabel* panel : window->statusBar()->findChildren<TFittedLabel*>())
        shown = shown || panel->text() == "2 records created, 0 lines skipped";
    EXPECT_TRUE(shown);
    host.reset();
    services.reset();
}

} // namespace
