#include "MainWindowFixture.h"
#include "store/KexObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>
#include <functional>
#include <sys/stat.h>

namespace {

// Runs step on the modal dialog of that object name (or class) once it is open.
void WhenModal(const char* name, std::function<void(QDialog*)> step, int tries = 400) {
    QTimer::singleShot(tries == 400 ? 0 : 10, [name, step, tries] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        bool match = dlg && dlg->isVisible() &&
                     (dlg->objectName() == QLatin1String(name) || dlg->inherits(name));
        if (!match) {
            if (tries > 0)
                WhenModal(name, step, tries - 1);
            else
                ADD_FAILURE() << "no dialog " << name << "; open: "
                              << (QApplication::activeModalWidget()
                                      ? QApplication::activeModalWidget()->metaObject()->className()
                                      : "none");
            return;
        }
        dlg->activateWindow();
        if (!QTest::qWaitForWindowActive(dlg)) ADD_FAILURE() << name << " not active";
        step(dlg);
    });
}

void Shot(QWidget* w, const char* file) {
    const QString dir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w->grab().save(dir + "/" + file);
}

QStringList Captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

class OptionsWindow : public MainWindowFixture {
protected:
    // A program that notes where and with what it ran.
    std::string Program() {
        std::filesystem::create_directories(home.File("bin"));
        std::string path = home.File("bin/route planner");
        WriteText(path, "#!/bin/sh\n{ pwd; echo \"$#:$*\"; } > '" + home.File("ran.tmp") +
                            "'\nmv '" + home.File("ran.tmp") + "' '" + home.File("ran") + "'\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    std::string Ran() {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return std::filesystem::exists(home.File("ran")); }, 5000));
        std::string text = ReadText(home.File("ran"));
        std::filesystem::remove(home.File("ran"));
        return text;
    }
    QMenu* TrayTools() { return host->TrayPopup()->findChild<QMenu*>("Tools1"); }
};

// View > Options changes the browser, the mail route, a category name and
// adds a tool; after a restart all four hold and the tool is in both menus.
TEST_F(OptionsWindow, OptionsSurviveARestartAndTheToolIsInBothMenus) {
    Start();
    const std::string program = Program();
    bool driven = false;
    WhenModal("OptionPages", [&](QDialog* dlg) {
        auto* pages = dlg->findChild<QTabWidget*>("PageControl");
        auto* dde = dlg->findChild<QComboBox*>("DDE");
        dde->setCurrentIndex(dde->findText("Chromium"));
        dlg->findChild<QRadioButton*>("EMailOpt3")->click();
        Shot(dlg, "options-browser.png");

        pages->setCurrentIndex(1);
        QApplication::processEvents();
        WhenModal("QFileDialog", [&](QDialog* files) {
            // The name typed, as a user would; the folder's listing may still load.
            files->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(program));
            files->done(QDialog::Accepted);
        });
        dlg->findChild<QPushButton*>("NewToolBtn")->click();
        // Back from the file dialog, as the window manager would do.
        dlg->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
        auto* description = dlg->findChild<QLineEdit*>("Description");
        EXPECT_EQ(description->text().toStdString(), "route planner");
        auto* arguments = dlg->findChild<QLineEdit*>("Arguments");
        arguments->setFocus();
        QTest::keyClicks(arguments, "--from home");
        dlg->findChild<QCheckBox*>("AddressCheckBox")->click();
        Shot(dlg, "options-tools.png");

        pages->setCurrentIndex(2);
        QApplication::processEvents();
        auto* cats = dlg->findChild<QListWidget*>("CatList");
        QTest::mouseClick(cats->viewport(), Qt::LeftButton, {},
                          cats->visualItemRect(cats->item(2)).center());
        auto* name = dlg->findChild<QLineEdit*>("CatName");
        EXPECT_EQ(name->text().toStdString(), "User Defined 3");
        EXPECT_TRUE(name->hasFocus());
        QTest::keyClicks(name, "Clients"); // replaces the selected name
        EXPECT_EQ(name->text().toStdString(), "Clients");
        Shot(dlg, "options-categories.png");
        // OK without leaving the edit.
        dlg->findChild<QPushButton*>("OKBtn")->click();
        driven = true;
    });
    Run("OptionsItem");
    ASSERT_TRUE(driven);
    const QStringList expected = {"&Show Popup", "-", "route planner"};
    EXPECT_EQ(Captions(window->ToolsPopup()), expected);
    EXPECT_EQ(Captions(TrayTools()), QStringList{"route planner"});
    EXPECT_EQ(Form().FilterListBox[2].Name, "Clients");
    EXPECT_EQ(window->findChild<QListWidget*>("FilterListBox")->item(2)->text(), "Clients");
    EXPECT_EQ(services->Browser.DefaultServer(), "Chromium");

    host->Exit();
    Settle();
    Stop();
    Start();
    EXPECT_EQ(Form().FilterListBox[2].Name, "Clients");
    EXPECT_EQ(Form().CategoryNames()[2], "Clients");
    EXPECT_EQ(services->Browser.DefaultServer(), "Chromium");
    EXPECT_EQ(services->Settings.ReadInteger("Settings", "INetMail", 0), 3);
    ASSERT_EQ(Form().Tools.Count(), 1);
    EXPECT_EQ(Form().Tools.Item(0)->Option(),
              (TToolOption{"route planner", program, "--from home", true}));
    EXPECT_EQ(Captions(window->ToolsPopup()), expected);
    EXPECT_EQ(Captions(TrayTools()), QStringList{"route planner"});

    // From a menu the tool runs in its folder without arguments.
    TrayTools()->actions().front()->trigger();
    EXPECT_EQ(Ran(), home.File("bin") + "\n0:\n");

    // The Tools dialog starts it with its arguments.
    WhenModal("ToolsDlg", [&](QDialog* dlg) {
        auto* list = dlg->findChild<QListWidget*>("ToolsList");
        auto* launch = dlg->findChild<QPushButton*>("LaunchBtn");
        EXPECT_FALSE(launch->isEnabled());
        list->setCurrentRow(0);
        EXPECT_TRUE(launch->isEnabled());
        EXPECT_TRUE(dlg->findChild<QPushButton*>("AddrBtn")->isEnabled());
        Shot(dlg, "tools-dialog.png");
        launch->click();
    });
    window->ToolsPopup()->actions().front()->trigger();
    Settle();
    EXPECT_EQ(Ran(), home.File("bin") + "\n2:--from home\n");

    // "&New Address..." makes a tool item below the selected node.
    WhenModal("ToolsDlg", [&](QDialog* dlg) {
        dlg->findChild<QListWidget*>("ToolsList")->setCurrentRow(0);
        WhenModal("ToolEdit", [&](QDialog* edit) {
            EXPECT_EQ(edit->windowTitle().toStdString(), "Custom Tool");
            edit->findChild<QLineEdit*>("Address")->setText("12 High St");
            edit->findChild<QPushButton*>("OKBtn")->click();
        });
        dlg->findChild<QPushButton*>("AddrBtn")->click();
    });
    window->ToolsPopup()->actions().front()->trigger();
    Settle();
    ASSERT_EQ(Root()->Data()->ItemCount(), 1);
    EXPECT_EQ(Root()->Data()->Items()[0]->GetTitle(), "New route planner");
    EXPECT_EQ(Root()->Data()->Items()[0]->GetTarget(), "12 High St");
}

TEST_F(OptionsWindow, CancelKeepsANewToolAndDropsTheRest) {
    Start();
    const std::string program = Program();
    WhenModal("OptionPages", [&](QDialog* dlg) {
        dlg->findChild<QRadioButton*>("EMailOpt2")->click();
        dlg->findChild<QTabWidget*>("PageControl")->setCurrentIndex(1);
        WhenModal("QFileDialog", [&](QDialog* files) {
            // The name typed, as a user would; the folder's listing may still load.
            files->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(program));
            files->done(QDialog::Accepted);
        });
        dlg->findChild<QPushButton*>("NewToolBtn")->click();
        dlg->findChild<QPushButton*>("CancelBtn")->click();
    });
    Run("OptionsItem");
    EXPECT_EQ(Captions(TrayTools()), QStringList{"route planner"});
    EXPECT_EQ(services->Settings.ReadInteger("Settings", "INetMail", 0), 0);
    // Kept in "kex.ini" at once.
    EXPECT_NE(services->Settings.ReadString("Tools", "Tool0", ""), "");
}

} // namespace
