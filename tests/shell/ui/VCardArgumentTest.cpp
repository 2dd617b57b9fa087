// vCard files named on the command line, at start-up and handed over by a
// second copy, with the question for a card that names an organization
// answered in the real dialog.
#include "MainWindowFixture.h"
#include "platform/Errors.h"
#include "shell/ui/AppException.h"
#include "store/KexObject.h"
#include "support/ui/ModalDriver.h"

#include <QDialog>
#include <QLabel>

namespace {

class VCardArgument : public MainWindowFixture {
protected:
    std::string ThreeCards(const std::string& name, const std::string& org) {
        const std::string path = home.File(name);
        WriteText(path, "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Public;Jane\r\nTEL;TYPE=CELL:555 0100\r\n"
                        "END:VCARD\r\nBEGIN:VCARD\r\nN:Smith;John\r\nORG:" +
                            org +
                            "\r\nEMAIL:john@example.org\r\nEND:VCARD\r\n"
                            "BEGIN:VCARD\r\nFN:Bo Stone\r\nEND:VCARD\r\n");
        return path;
    }
    // Clicks the button of the next question (once it opens, within two
    // seconds) and keeps the texts it showed.
    static void Answer(const QString& button, QStringList* shown, int tries = 200) {
        QTimer::singleShot(10, [button, shown, tries] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                if (tries > 0) Answer(button, shown, tries - 1);
                return;
            }
            EXPECT_EQ(modal->windowTitle(), "vCard Import");
            for (QLabel* l : modal->findChildren<QLabel*>())
                shown->append(l->text());
            for (QPushButton* b : modal->findChildren<QPushButton*>())
                if (b->text() == button) b->click();
        });
    }
    std::vector<std::string> Below(TTreeNode* n) {
        std::vector<std::string> out;
        for (int i = 0; i < n->Count(); ++i)
            out.push_back(std::to_string(n->Child(i)->Data()->GetKind()) + " " +
                          n->Child(i)->Text());
        return out;
    }
};

} // namespace

TEST_F(VCardArgument, StartUpAsksOnceAndTheHandOverImportsToo) {
    TModalWatchdog watchdog;
    const std::string first = ThreeCards("first cards.vcf", "Acme");
    WriteText(home.File(kDataFileName), "{Params}\r\n" + FolderLines(1, "Work", 10));
    services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
    host = std::make_unique<TLogicForm>(services->Settings);
    ASSERT_TRUE(host->Create("merrowin \"" + first + "\""));
    window = &host->Window();
    QStringList shown;
    Answer("Import as Orgn.", &shown);
    host->Start(false);
    for (int i = 0; i < 20 && Root()->Count() < 4; ++i)
        Settle();
    EXPECT_TRUE(shown.contains("Acme")) << shown.join("|").toStdString();
    EXPECT_EQ(Below(Root()),
              (std::vector<std::string>{"0 Work", "1 Acme", "3 Bo Stone", "3 Jane Public"}));
    EXPECT_EQ(Root()->Child(1)->Data()->ItemCount(), 1);

    // A second copy hands over another file while a folder is selected.
    Form().SelectNode(At("Work"));
    Settle();
    const std::string second = ThreeCards("second.vcf", "Blue Ltd");
    QStringList again;
    Answer("Import as Person", &again);
    host->OpenCommandLine("merrowin " + second);
    Settle();
    EXPECT_TRUE(again.contains("Blue Ltd"));
    EXPECT_EQ(Root()->Count(), 7);
    EXPECT_EQ(Root()->Child(6)->Text(), "John Smith");
    EXPECT_EQ(Form().Selected, At("Work"));
    EXPECT_EQ(Form().StatusPanels[0],
              "3 cards read, 3 records created (0 organizations), 0 skipped");

    // The picture in docs/screenshots (when MERROWIN_SCREENSHOT_DIR names a
    // folder): the imported person with her phone.
    window->resize(760, 420);
    Form().SelectNode(Root()->Child(4));
    Settle();
    const QString shotDir = qEnvironmentVariable("MERROWIN_SCREENSHOT_DIR");
    if (!shotDir.isEmpty()) window->grab().save(shotDir + "/vcard-arguments.png");
}

TEST_F(VCardArgument, AFileThatCannotBeReadIsReportedAndTheProgramGoesOn) {
    Start();
    std::vector<std::string> shown;
    SetErrorShower([&](const std::string& text, const std::string&) { shown.push_back(text); });
    int ends = 0;
    SetEndHook([&] { ++ends; });
    const int before = Root()->Count();
    host->OpenCommandLine("merrowin \"" + home.File("gone.vcf") + "\" " + home.File("gone.tvd"));
    Settle();
    SetEndHook(nullptr);
    SetErrorShower(nullptr);
    EXPECT_EQ(ends, 0);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], EInOutError(io_error::FileNotFound, home.File("gone.vcf")).Where() + ".");
    EXPECT_EQ(Root()->Count(), before);
}
