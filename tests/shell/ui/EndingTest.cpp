// How the program ends: with a dialog open, and with settings that cannot be
// written. Every way of ending saves the data first and then ends.
#include "platform/Errors.h"
#include "platform/ui/QtText.h"
#include "shell/MainForm.h"
#include "shell/ui/AppException.h"
#include "shell/ui/DesktopServices.h"
#include "shell/ui/LogicForm.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/SignalPipe.h"
#include "store/DataFile.h"
#include "support/TestServices.h"
#include "support/ui/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const std::string kData = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                          "{1 3 }Anna Keller~~~~~~11\r\n{Pers}~~Anna~~~~Keller~~~~~~~~~~~~0\r\n";

enum class TEnd { Term, Interrupt, HangUp, TrayExit, FileExit, Unhandled };

const char* EndName(TEnd end) {
    switch (end) {
    case TEnd::Term:
        return "SIGTERM";
    case TEnd::Interrupt:
        return "SIGINT";
    case TEnd::HangUp:
        return "SIGHUP";
    case TEnd::TrayExit:
        return "TrayExit";
    case TEnd::FileExit:
        return "FileExit";
    case TEnd::Unhandled:
        return "UnhandledException";
    }
    return "?";
}

class EndingTest : public ::testing::Test {
protected:
    EndingTest() {
        WriteText(home.File("kex.ini"), "");
        WriteText(home.File(kDataFileName), kData);
        SetErrorShower([this](const std::string& text, const std::string& caption) {
            shown.push_back(caption + ": " + text);
        });
    }
    ~EndingTest() override {
        SetEndHook(nullptr);
        SetErrorShower(nullptr);
        host.reset();
        services.reset();
    }

    void Start() {
        services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
        host = std::make_unique<TLogicForm>(services->Settings);
        ASSERT_TRUE(host->Create("merrowin"));
        window = &host->Window();
        host->WatchEndRequests(pipe);
        SetEndHook([this] { host->Exit(); });
        QObject::connect(host.get(), &TLogicForm::Finished, [this] { ++finished; });
        host->Start(false);
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void Run(const char* command) {
        QAction* a = window->Command(command);
        ASSERT_NE(a, nullptr) << command;
        a->trigger();
        Settle();
    }
    void End(TEnd end) {
        switch (end) {
        case TEnd::Term:
            ::raise(SIGTERM);
            break;
        case TEnd::Interrupt:
            ::raise(SIGINT);
            break;
        case TEnd::HangUp:
            ::raise(SIGHUP);
            break;
        case TEnd::TrayExit:
            host->TrayPopup()->findChild<QAction*>("Exit1")->trigger();
            break;
        case TEnd::FileExit:
            window->Command("ExitItem")->trigger();
            break;
        case TEnd::Unhandled:
            Guarded([] { throw EInOutError(io_error::DiskFull, "clipdata.dat"); });
            break;
        }
    }
    bool WaitFinished() {
        return QTest::qWaitFor([this] { return finished > 0; }, 5000);
    }
    std::string Saved() const { return ReadText(home.File(kDataFileName)); }
    TMainForm& Form() { return host->Form(); }
    TTreeNode* Root() { return host->Tree().GetFirstNode(); }

    TTempDir home;
    TSignalPipe pipe{SIGTERM, SIGINT, SIGHUP};
    std::unique_ptr<TDesktopServices> services;
    std::unique_ptr<TLogicForm> host;
    TMainWindow* window = nullptr;
    std::vector<std::string> shown;
    int finished = 0;
    TModalWatchdog watchdog{8000};
};

// --- a dialog open at the end
// ----------------------------------------------------------------------

struct OpenDialogCase {
    TEnd End;
    const char* Command;
    const char* Caption;
    const char* NewTitle; // the title the new record would be saved with
};

void PrintTo(const OpenDialogCase& c, std::ostream* os) {
    *os << EndName(c.End) << "/" << c.Command;
}

class EndWithDialogOpen : public EndingTest,
                          public ::testing::WithParamInterface<OpenDialogCase> {};

TEST_P(EndWithDialogOpen, TheDialogIsCancelledItsNewRecordGoesAndTheRestIsSaved) {
    const OpenDialogCase& c = GetParam();
    Start();
    Run("NewFolder"); // a change that must be saved
    Form().SelectNode(Root());
    Settle();
    bool sawDialog = false;
    OnNextModal([&](QWidget* dlg) {
        sawDialog = dlg->windowTitle() == c.Caption;
        End(c.End);
    });
    Run(c.Command);
    ASSERT_TRUE(sawDialog);
    ASSERT_TRUE(WaitFinished());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(host->Ended());
    std::string saved = Saved();
    EXPECT_EQ(saved.find(std::string("}") + c.NewTitle + "~~"), std::string::npos) << saved;
    EXPECT_NE(saved.find("}New Folder~~"), std::string::npos) << saved;
    EXPECT_NE(saved.find("}Anna Keller~~"), std::string::npos) << saved;
    EXPECT_EQ(finished, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EndWithDialogOpen,
    ::testing::Values(OpenDialogCase{TEnd::Term, "NewPerson", "Person", "New Person"},
                      OpenDialogCase{TEnd::Interrupt, "NewPerson", "Person", "New Person"},
                      OpenDialogCase{TEnd::HangUp, "NewOrg", "Organization", "New Organization"},
                      OpenDialogCase{TEnd::TrayExit, "NewPerson", "Person", "New Person"},
                      OpenDialogCase{TEnd::Unhandled, "NewPerson", "Person", "New Person"},
                      OpenDialogCase{TEnd::Term, "NewPhone", "Phone", "New Phone"}),
    [](const auto& info) {
        return std::string(EndName(info.param.End)) + "_" + info.param.Command;
    });

TEST_F(EndingTest, PropertiesOpenAtTheEndChangeNothing) {
    Start();
    Form().SelectNode(Root()->Child(0));
    Form().SetActivePane(TPane::Folders);
    Settle();
    OnNextModal([&](QWidget* dlg) {
        auto* title = dlg->findChild<QLineEdit*>("Title");
        ASSERT_NE(title, nullptr);
        title->setText("Changed But Not Confirmed");
        ::raise(SIGTERM);
    });
    Run("ListPaneProps");
    ASSERT_TRUE(WaitFinished());
    EXPECT_EQ(Saved(), kData);
}

// --- settings that cannot be written at the end ------------------------------------------------

enum class TBadIni { ReadOnly, Folder, DiskFull };

struct BadIniCase {
    TBadIni Ini;
    TEnd End;
    int Error;
};

std::string IniName(TBadIni ini) {
    switch (ini) {
    case TBadIni::ReadOnly:
        return "ReadOnly";
    case TBadIni::Folder:
        return "Folder";
    case TBadIni::DiskFull:
        return "DiskFull";
    }
    return "?";
}

void PrintTo(const BadIniCase& c, std::ostream* os) {
    *os << IniName(c.Ini) << "/" << EndName(c.End);
}

class EndWithBadSettings : public EndingTest, public ::testing::WithParamInterface<BadIniCase> {};

TEST_P(EndWithBadSettings, DataIsSavedTheFailureReportedOnceAndTheProgramEnds) {
    const BadIniCase& c = GetParam();
    const std::string ini = home.File("kex.ini");
    if (c.Ini == TBadIni::Folder) {
        std::filesystem::remove(ini);
        std::filesystem::create_directory(ini);
    }
    Start();
    Run("NewFolder");
    if (c.Ini == TBadIni::ReadOnly) ::chmod(ini.c_str(), 0444);
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (c.Ini == TBadIni::DiskFull) {
        // Room for the data file, not for the settings with the window state.
        ASSERT_LT(kData.size() + 60, 200u);
        struct rlimit small = saved;
        small.rlim_cur = 200;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }

    End(c.End);
    bool ended = WaitFinished();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(ended);
    EXPECT_TRUE(host->EndFailed());
    EXPECT_NE(Saved().find("}New Folder~~"), std::string::npos);
    std::vector<std::string> want = {"Merrowin: " + EInOutError(c.Error, ini).Where() + "."};
    EXPECT_EQ(shown, want);
    // Asked to end again, it does nothing more.
    host->Exit();
    End(TEnd::Term);
    Settle();
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(finished, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EndWithBadSettings,
    ::testing::Values(BadIniCase{TBadIni::ReadOnly, TEnd::FileExit, io_error::AccessDenied},
                      BadIniCase{TBadIni::ReadOnly, TEnd::TrayExit, io_error::AccessDenied},
                      BadIniCase{TBadIni::ReadOnly, TEnd::Term, io_error::AccessDenied},
                      BadIniCase{TBadIni::Folder, TEnd::FileExit, io_error::AccessDenied},
                      BadIniCase{TBadIni::Folder, TEnd::Term, io_error::AccessDenied},
                      BadIniCase{TBadIni::DiskFull, TEnd::FileExit, io_error::DiskFull},
                      BadIniCase{TBadIni::DiskFull, TEnd::TrayExit, io_error::DiskFull}),
    [](const auto& info) { return IniName(info.param.Ini) + "_" + EndName(info.param.End); });

TEST_F(EndingTest, AFailedDataSaveIsReportedAndTheProgramStillEnds) {
    Start();
    Run("NewFolder");
    std::filesystem::remove(home.File(kDataFileName));
    std::filesystem::create_directory(home.File(kDataFileName));
    End(TEnd::FileExit);
    ASSERT_TRUE(WaitFinished());
    EXPECT_TRUE(host->EndFailed());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0],
              "Merrowin: " + EInOutError(io_error::AccessDenied, home.File(kDataFileName)).Where() +
                  ".");
    // The settings were still written.
    EXPECT_NE(ReadText(home.File("kex.ini")).find("[WinState]"), std::string::npos);
}

} // namespace
