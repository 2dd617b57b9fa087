// The "Publishing Wizard" on the real widgets, offscreen.
#include "exchange/ui/ExportWizardView.h"

#include "exchange/PublishSite.h"
#include "exchange/jobs/ExportWizard.h"
#include "exchange/jobs/PublishJob.h"
#include "exchange/jobs/WebArt.h"
#include "platform/MessageBox.h"
#include "platform/ui/QtViewFactory.h"
#include "support/ui/ModalDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Qt views, and message boxes answered from a list (the offer to open the
// page is declined).
class TViewsWithAnswers : public IViewFactory {
public:
    std::unique_ptr<IFormView> CreateView(TFormPresenter& p) override { return Qt.CreateView(p); }
    int MessageBox(const std::string& text, const std::string& caption, int) override {
        Boxes.push_back(caption + ": " + text);
        return id::No;
    }
    std::optional<std::string> OpenFileName(const std::string&, const std::string&,
                                            const std::string&, bool) override {
        return std::nullopt;
    }
    TQtViewFactory Qt;
    std::vector<std::string> Boxes;
};

struct TQtWizard {
    TTestServices Svc;
    TViewsWithAnswers Views;
    TModalWatchdog Watchdog{15000};
    TQtWizard() {
        RegisterExportWizardView();
        Svc.Services.Views = &Views;
    }
};

template <typename W>
W* Child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString Shown(QWidget* dlg) {
    return dlg->findChild<QStackedWidget*>()->currentWidget()->objectName();
}

void Pick(QWidget* dlg, const char* combo, const QString& text) {
    auto* box = Child<QComboBox>(dlg, combo);
    int index = box->findText(text);
    ASSERT_GE(index, 0) << combo;
    box->setCurrentIndex(index);
    emit box->activated(index);
    emit box->textActivated(text);
}

void TypeInto(QWidget* dlg, const char* edit, const QString& text) {
    auto* e = Child<QLineEdit>(dlg, edit);
    e->selectAll();
    QTest::keyClicks(e, text);
}

// The site's files with each body line cut out, by name.
std::map<std::string, std::string> SiteWithoutBodies(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const std::string& name : FileNames(dir)) {
        std::string text = ReadText(dir + "/" + name);
        for (size_t at; (at = text.find("<body background=")) != std::string::npos;)
            text.erase(at, text.find('\n', at) - at);
        files[name] = text;
    }
    return files;
}

} // namespace

TEST(ExportWizardView, AnHtmlSiteWithABackgroundDiffersFromThePlainOneOnlyInItsChoices) {
    TQtWizard app;
    TPublishTree site;
    TTempDir plain, chosen;
    TPublishOptions o;
    o.Title = "Friends";
    o.IconsDir = webart::IconsDir();
    TPublishJob(o).PublishHtml(site.At("My Contacts/Friends"), plain.File("Friends.htm"));

    TExportWizard w;
    w.SetParent(site.At("My Contacts/Friends"));
    w.FormShow();
    bool drove = false;
    OnNextModal([&](QWidget* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "Publishing Wizard");
        EXPECT_EQ(Child<QLabel>(dlg, "Label4")->text(), "My Contacts/Friends");
        EXPECT_EQ(Shown(dlg), "TabSheet1");
        EXPECT_FALSE(Child<QPushButton>(dlg, "PrevBtn")->isEnabled());
        Pick(dlg, "ExportType", "HTML File (.HTM)");
        auto* next = Child<QPushButton>(dlg, "NextBtn");
        next->click();
        EXPECT_EQ(Shown(dlg), "TabSheet3");
        EXPECT_TRUE(Child<QCheckBox>(dlg, "FramesCheckBox")->isChecked());
        next->click();
        EXPECT_EQ(Shown(dlg), "TabSheet4");
        Pick(dlg, "BkgComboBox", "marble");
        Pick(dlg, "TextColorCombo", "Maroon");
        Pick(dlg, "LinkColorCombo", "Teal");
        EXPECT_EQ(w.PreviewPicture, webart::BackgroundsDir() + "marble.png");
        // The preview draws the sample text in the text colour on the picture.
        QImage preview = Child<QLabel>(dlg, "BkgImage")->pixmap().toImage();
        EXPECT_EQ(preview.size(), QSize(137, 129));
        bool maroon = false;
        for (int y = 5; y < 30 && !maroon; ++y)
            for (int x = 10; x < 100 && !maroon; ++x)
                maroon = preview.pixelColor(x, y) == QColor(0x80, 0, 0);
        EXPECT_TRUE(maroon);
        const QString shotDir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
        if (!shotDir.isEmpty()) dlg->grab().save(QDir(shotDir).filePath("publish-wizard.png"));
        next->click();
        EXPECT_EQ(Shown(dlg), "TabSheet5");
        next->click();
        EXPECT_EQ(Shown(dlg), "TabSheet6");
        EXPECT_EQ(next->text(), "Finish");
        EXPECT_EQ(Child<QLineEdit>(dlg, "StartPageEdit")->text(), "Friends.htm");
        TypeInto(dlg, "DirectoryListBox2Edit", QString::fromStdString(chosen.Path()));
        drove = true;
        next->click();
    });
    EXPECT_EQ(w.ShowModal(), mrOk);
    EXPECT_TRUE(drove);
    ASSERT_EQ(app.Views.Boxes.size(), 1u);
    EXPECT_NE(app.Views.Boxes[0].find("Open \"Friends.htm\" in the web browser"),
              std::string::npos);

    EXPECT_NE(ReadText(chosen.File("tavimain.htm"))
                  .find("<body background=\"marble.gif\" text=Maroon link=Teal>"),
              std::string::npos);
    auto withChoices = SiteWithoutBodies(chosen.Path());
    EXPECT_EQ(withChoices.erase("marble.gif"), 1u);
    EXPECT_EQ(withChoices, SiteWithoutBodies(plain.Path()));
}

TEST(ExportWizardView, TheCsvFieldsMoveBetweenTheListsAndGateNext) {
    TQtWizard app;
    TPublishTree site;
    TTempDir out;
    TExportWizard w;
    w.SetParent(site.At("My Contacts"));
    w.FormShow();
    w.DirectoryListBox3 = out.Path();
    OnNextModal([&](QWidget* dlg) {
        Pick(dlg, "ExportType", "Comma-separated Values (.CSV)");
        auto* next = Child<QPushButton>(dlg, "NextBtn");
        next->click();
        EXPECT_EQ(Shown(dlg), "TabSheet7");
        EXPECT_FALSE(next->isEnabled());
        auto* available = Child<QListWidget>(dlg, "ListBox1");
        available->item(0)->setSelected(true); // Title
        available->findItems("E-Mail Address", Qt::MatchExactly)[0]->setSelected(true);
        Child<QPushButton>(dlg, "CopyRtBtn")->click();
        auto* chosen = Child<QListWidget>(dlg, "ListBox2");
        ASSERT_EQ(chosen->count(), 2);
        EXPECT_EQ(chosen->item(0)->text(), "Title");
        EXPECT_EQ(chosen->item(1)->text(), "E-Mail Address");
        EXPECT_TRUE(next->isEnabled());
        next->click();
        EXPECT_EQ(Shown(dlg), "TabSheet8");
        Child<QCheckBox>(dlg, "FieldNamesCheck")->setChecked(false);
        next->click();
    });
    EXPECT_EQ(w.ShowModal(), mrOk);
    EXPECT_EQ(ReadText(out.File("My Contacts.csv")),
              "\"Ann Lee\",\"ann@example.com\"\r\n\"Bob Roe\",\r\n\"Cy Dee\",\r\n");
}
