// The main window's bars, panels and small windows as a user sees them, and
// the failures and searches they tell about.
#include "MainWindowFixture.h"
#include "shell/TipList.h"
#include "shell/ui/FittedLabel.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"

#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <sys/stat.h>

namespace {

class LayoutTest : public MainWindowFixture {
protected:
    TFittedLabel* Panel(int i) {
        return window->findChild<TFittedLabel*>(QString("StatusPanel%1").arg(i));
    }
};

TEST_F(LayoutTest, StatusPanelsKeepTheirProportionsAndLongTextsStayInTheirOwnPanel) {
    Start();
    const std::string longText(300, 'x');
    for (int width : {1300, 640}) {
        SCOPED_TRACE(width);
        window->resize(width, 400);
        Form().StatusPanels[0] = "Hint " + longText;
        Form().StatusPanels[1] = "12 item(s)";
        Form().StatusPanels[2] = "Title " + longText;
        window->StatusChanged();
        Settle();
        QRect r[3];
        for (int i = 0; i < 3; ++i) {
            ASSERT_NE(Panel(i), nullptr);
            r[i] = Panel(i)->geometry();
        }
        EXPECT_LT(r[0].right(), r[1].left());
        EXPECT_LT(r[1].right(), r[2].left());
        EXPECT_LE(r[2].right(), window->statusBar()->width());
        // The whole count shows; the long texts end in an ellipsis and show
        // whole in their tooltips.
        EXPECT_TRUE(Panel(1)->Fits());
        for (int i : {0, 2}) {
            EXPECT_FALSE(Panel(i)->Fits());
            EXPECT_EQ(Panel(i)->toolTip().toStdString(), Form().StatusPanels[i]);
            ASSERT_EQ(Panel(i)->ShownLines().size(), 1);
            EXPECT_TRUE(Panel(i)->ShownLines()[0].endsWith(QChar(0x2026)));
        }
        // 350 to 500 between the hint and the title, whatever the texts.
        EXPECT_NEAR(r[0].width() * 500.0 / (r[2].width() * 350.0), 1.0, 0.03);
        if (width == 1300) {
            EXPECT_NEAR(r[1].width() * 500.0 / (r[2].width() * 75.0), 1.0, 0.05);
        }
    }
}

TEST_F(LayoutTest, EveryTipShowsWholeOrInItsTooltipAndTheArrowsStayInPlace) {
    Start();
    auto* bar = window->findChild<QToolBar*>("TipBar1");
    auto* label = window->findChild<TFittedLabel*>("TipLabel");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(label, nullptr);
    // Where the two arrows are, in the window; nowhere when they are not shown.
    auto arrows = [&] {
        std::vector<QRect> at;
        for (const char* name : {"TipPrev", "TipNext"}) {
            QWidget* w = bar->widgetForAction(window->Command(name));
            at.push_back(w && w->isVisible() ? QRect(w->mapTo(window, QPoint(0, 0)), w->size())
                                             : QRect());
        }
        return at;
    };
    for (int width : {1200, 640}) {
        SCOPED_TRACE(width);
        window->resize(width, 500);
        Settle();
        for (size_t i = 0; i < TipList().size(); ++i)
            Run("TipPrev");
        ASSERT_EQ(Form().TipBar.Index(), 0);
        const std::vector<QRect> first = arrows();
        for (const QRect& r : first)
            EXPECT_TRUE(window->rect().contains(r)) << "an arrow is not shown";
        for (size_t i = 0; i < TipList().size(); ++i) {
            SCOPED_TRACE(i);
            const QString tip = QString::fromStdString(TipList()[i].Text);
            EXPECT_EQ(label->text(), tip);
            // Lines may break after a hyphen as well as at a blank.
            if (label->Fits()) {
                EXPECT_EQ(label->ShownLines().join("").remove(' '), QString(tip).remove(' '));
            } else {
                EXPECT_EQ(label->toolTip(), tip);
            }
            EXPECT_EQ(arrows(), first);
            Run("TipNext");
        }
    }
}

TEST_F(LayoutTest, ProgressWindowHasItsClientSizeInTheMiddleOfTheScreen) {
    Start();
    window->move(0, 0);
    auto* progress = window->findChild<QDialog*>("ProgressForm");
    ASSERT_NE(progress, nullptr);
    Form().Progress.SetAction("Searching...");
    Form().Progress.Visible = true;
    window->ProgressChanged();
    Settle();
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->size(), QSize(295, 81));
    const QPoint middle = progress->screen()->availableGeometry().center();
    EXPECT_LE((progress->frameGeometry().center() - middle).manhattanLength(), 2);
    for (const char* name : {"ActionLabel", "ProgressBar1", "PercentLabel", "ResultLabel"}) {
        auto* w = progress->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name;
        EXPECT_TRUE(progress->rect().contains(w->geometry())) << name;
    }
    Form().Progress.Visible = false;
    window->ProgressChanged();
    EXPECT_FALSE(progress->isVisible());
}

TEST_F(LayoutTest, AWindowPlaceOffEveryScreenInTheSettingsComesBackOntoTheScreen) {
    WriteText(home.File("kex.ini"),
              "[WinState]\r\nNorm_Left=6000\r\nNorm_Top=-3000\r\nNorm_Width=500\r\n"
              "Norm_Height=300\r\n");
    Start();
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->pos())) << window->pos().x() << "," << window->pos().y();
    EXPECT_EQ(window->size(), QSize(500, 300));
}

TEST_F(LayoutTest, ASearchThatFindsNothingSaysSoInTheStatusBar) {
    Start("{Params}\r\n" + FolderLines(1, "Anna", 5));
    auto* find = window->findChild<QLineEdit*>("FindEditBox");
    ASSERT_NE(find, nullptr);
    find->setText("Zora");
    Run("FindItem");
    EXPECT_EQ(Panel(0)->text(), "No match for 'Zora'");
    find->setText("Ann");
    Run("FindItem");
    EXPECT_EQ(Panel(0)->text(), "");
}

// A desktop opener on PATH for the test's length.
class FakeOpener {
public:
    FakeOpener(const TTempDir& dir, const std::string& body) : FOld(std::getenv("PATH")) {
        const std::string path = dir.File("xdg-open");
        WriteText(path, "#!/bin/sh\n" + body + "\n");
        ::chmod(path.c_str(), 0755);
        ::setenv("PATH", (dir.Path() + ":" + FOld).c_str(), 1);
    }
    ~FakeOpener() { ::setenv("PATH", FOld.c_str(), 1); }

private:
    std::string FOld;
};

TEST_F(LayoutTest, DialingWithoutAHandlerTellsTheUserInAMessageBox) {
    TTempDir bin;
    FakeOpener opener(bin, "sleep 0.2\nexit 3");
    Start("{Params}\r\n{1 3 }Anna~~~~~~5\r\n{Pers}~~~~~~Anna~~~~~~~~~~0\r\n");
    TTreeNode* anna = At("Anna");
    ASSERT_NE(anna, nullptr);
    CreateObject(kindPhone, "Home", "+49 30 555", "", anna, "", 0);
    Form().SelectNode(anna);
    Settle();
    QAbstractItemView* list = window->ActiveListView();
    list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
    Form().SetActivePane(TPane::MainItems);
    QString told;
    AnswerNextBox(QMessageBox::Ok, &told);
    Run("ListPaneDial");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !told.isEmpty(); }, 5000));
    EXPECT_EQ(told.toStdString(),
              "Could not dial +4930555.\n\nNo program on this desktop handles \"tel:\" addresses.");
}

// The window of the pictures in docs/screenshots (kept when
// MERROWIN_SCREENSHOT_DIR names a folder): everything in it lies inside it.
TEST_F(LayoutTest, MainWindowWithAnOrganizationShowsEveryBarWhole) {
    Start("{Params}\r\n" + FolderLines(1, "Clubs", 2) + FolderLines(1, "Family", 3) +
          FolderLines(2, "Parents", 4) + FolderLines(1, "Work", 5));
    TTreeNode* org = CreateObject(kindOrg, "Harbour Lane Bakery", "", "", At("Work"), "", 0).Node;
    TTreeNode* shop = CreateObject(kindTeam, "Front Shop", "", "", org, "", 0).Node;
    CreateObject(kindTeam, "Delivery", "", "", org, "", 0);
    CreateObject(kindPerson, "Bea Marsh", "", "", shop, "", 0);
    CreateObject(kindPerson, "Carl Dunn", "", "", shop, "", 0);
    CreateObject(kindWeb, "Harbour Lane online", "http://harbourlane.example", "", org, "", 0);
    CreateObject(kindAddress, "Main Office", "4 Harbour Lane", "", org, "", 0);
    CreateObject(kindPhone, "Switchboard", "(555)020-2000", "Mon-Fri 7-15", org, "", 0);
    CreateObject(kindFax, "Orders Fax", "(555)020-2001", "", org, "", 0);
    CreateObject(kindEMail, "Orders", "orders@harbourlane.example", "", org, "", 0);
    CreateObject(kindDoc, "Price list", "/home/ann/Documents/prices.ods", "", org, "", 0);
    host->Tree().SortAll();
    window->resize(860, 560);
    Run("Details");
    TWinSetup setup = window->GetSetup();
    setup.Split = 255;
    setup.ColPos[0] = 160;
    setup.ColPos[1] = 205;
    setup.ColPos[2] = 150;
    window->ApplySetup(setup);
    Tree()->expandAll();
    Tree()->collapse(IndexAt("Family"));
    Form().SelectNode(org);
    Settle();
    // The tip that the old bar cut short.
    for (size_t i = 0; i < TipList().size(); ++i)
        Run("TipPrev");
    for (int i = 0; i < 7; ++i)
        Run("TipNext");
    Form().StatusPanels[0] = "Change right-hand pane to detail view";
    window->StatusChanged();
    Settle();

    const QRect inside = window->rect();
    for (const char* name : {"SpeedPanel", "NewItemPanel", "FindPanel", "TipBar1"}) {
        auto* bar = window->findChild<QToolBar*>(name);
        ASSERT_NE(bar, nullptr) << name;
        for (QAction* a : bar->actions()) {
            QWidget* w = bar->widgetForAction(a);
            if (!w || !w->isVisible()) continue;
            EXPECT_TRUE(inside.contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size())))
                << name << " " << a->objectName().toStdString();
        }
    }
    EXPECT_TRUE(window->findChild<TFittedLabel*>("TipLabel")->Fits());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(Panel(i)->Fits()) << i;

    const QString shotDir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
    if (!shotDir.isEmpty()) window->grab().save(shotDir + "/main-window.png");

    // At the default width, with texts longer than their panels.
    window->resize(640, 480);
    Form().StatusPanels[0] = "Search for item with title containing text specified in \"Find\"";
    Form().StatusPanels[2] = "Harbour Lane Bakery, Wholesale and Retail, Main Office and Depot";
    window->StatusChanged();
    Settle();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(window->statusBar()->rect().contains(Panel(i)->geometry())) << i;
    if (!shotDir.isEmpty()) {
        window->statusBar()->grab().save(shotDir + "/status-bar.png");
        window->findChild<QToolBar*>("TipBar1")->grab().save(shotDir + "/tip-bar.png");
    }
}

} // namespace
