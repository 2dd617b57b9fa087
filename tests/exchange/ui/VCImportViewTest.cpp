// The "vCard Import" question on the real widgets, offscreen.
#include "exchange/ui/VCImportView.h"

#include "exchange/VCImportDlg.h"
#include "platform/ui/QtViewFactory.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct TQtQuestion {
    TTestServices Svc;
    TQtViewFactory Views;
    TModalWatchdog Watchdog;
    TQtQuestion() {
        RegisterVCImportView();
        Svc.Services.Views = &Views;
    }
};

template <typename W>
W* Child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QStringList LabelTexts(QWidget* dlg) {
    QStringList texts;
    for (QLabel* label : dlg->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

TEST(VCImportView, ShowsTheCardAndTheQuestionWithPersonAsDefault) {
    TQtQuestion app;
    bool checked = false;
    OnNextModal([&](QWidget* dlg) {
        EXPECT_EQ(dlg->windowTitle(), "vCard Import");
        QStringList texts = LabelTexts(dlg);
        for (const char* text : {"Attempting to read vCard with the following information:",
                                 "Name:", "Organization:", "How should this vCard be imported?"})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
        // Stored bytes are shown as UTF-8, or as Windows-1252 when they are not UTF-8.
        EXPECT_EQ(Child<QLabel>(dlg, "Name")->text(),
                  QString::fromUtf8("J\xC3\xBCrgen M\xC3\xBCller"));
        EXPECT_EQ(Child<QLabel>(dlg, "Org")->text(), QString::fromUtf8("Caf\xC3\xA9 Ltd"));
        EXPECT_EQ(Child<QLabel>(dlg, "Name")->width(), TVCImportDlg::kFieldWidth);
        auto* person = Child<QPushButton>(dlg, "PersonBtn");
        EXPECT_EQ(person->text(), "Import as Person");
        EXPECT_TRUE(person->isDefault());
        EXPECT_EQ(Child<QPushButton>(dlg, "OrgBtn")->text(), "Import as Orgn.");
        EXPECT_GE(dlg->width(), TVCImportDlg::kClientWidth);
        EXPECT_GE(dlg->height(), TVCImportDlg::kClientHeight);
        const QRect inside = dlg->rect();
        for (QWidget* w : dlg->findChildren<QWidget*>())
            EXPECT_TRUE(inside.contains(QRect(w->mapTo(dlg, QPoint(0, 0)), w->size())))
                << w->objectName().toStdString() << " leaves the dialog";
        const QString shotDir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
        if (!shotDir.isEmpty()) dlg->grab().save(QDir(shotDir).filePath("vcard-import.png"));
        checked = true;
        Child<QPushButton>(dlg, "OrgBtn")->click();
    });
    EXPECT_TRUE(TVCImportDlg::ImportAsOrganization("J\xC3\xBCrgen M\xC3\xBCller", "Caf\xE9 Ltd"));
    EXPECT_TRUE(checked);
}

TEST(VCImportView, KeysAndClosingImportAsPerson) {
    TQtQuestion app;
    struct Case {
        const char* What;
        std::function<void(QWidget*)> Act;
    } cases[] = {
        {"Return", [](QWidget* dlg) { QTest::keyClick(dlg, Qt::Key_Return); }},
        {"Escape", [](QWidget* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); }},
        {"window closed", [](QWidget* dlg) { dlg->close(); }},
        {"Import as Person", [](QWidget* dlg) { Child<QPushButton>(dlg, "PersonBtn")->click(); }},
    };
    for (const Case& c : cases) {
        OnNextModal(c.Act);
        EXPECT_FALSE(TVCImportDlg::ImportAsOrganization("Jane", "Public Ltd")) << c.What;
    }
}

TEST(VCImportView, LongNamesAreCutToTheFieldWithTheWholeNameAsTip) {
    TQtQuestion app;
    const std::string longName(300, 'W');
    OnNextModal([&](QWidget* dlg) {
        QLabel* name = Child<QLabel>(dlg, "Name");
        EXPECT_LE(name->sizeHint().width(), TVCImportDlg::kFieldWidth);
        EXPECT_TRUE(name->text().endsWith(QChar(0x2026)));
        EXPECT_EQ(name->toolTip(), QString::fromStdString(longName));
        EXPECT_TRUE(Child<QLabel>(dlg, "Org")->toolTip().isEmpty());
        dlg->close();
    });
    TVCImportDlg::ImportAsOrganization(longName, "Short Ltd");
}

} // namespace
