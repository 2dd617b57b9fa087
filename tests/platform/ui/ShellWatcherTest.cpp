// Failures of what the shell starts reach the user from the event loop.
#include "platform/ui/ShellWatcher.h"

#include "platform/IniFile.h"
#include "platform/PosixShell.h"
#include "platform/ui/DesktopTelephony.h"
#include "support/TestServices.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string Script(const TTempDir& dir, const std::string& name, const std::string& body) {
    std::string path = dir.File(name);
    WriteText(path, "#!/bin/sh\n" + body + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

class WatchedShell {
public:
    explicit WatchedShell(const std::string& opener) : Shell(opener), Watcher(Shell) {
        Shell.SetReporter([this](const std::string& text) { Told.push_back(text); });
    }
    bool WaitForTold() {
        return QTest::qWaitFor([this] { return !Told.empty(); }, 5000);
    }
    TPosixShell Shell;
    TShellWatcher Watcher;
    std::vector<std::string> Told;
};

TEST(ShellWatcher, AHandlerFailingAfterItsStartIsToldWhileTheEventLoopRuns) {
    TTempDir tmp;
    WatchedShell w(Script(tmp, "opener", "sleep 1.5\nexit 3"));
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(20);

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(w.Shell.Open("tel:5551234", "", "", 1));
    EXPECT_LT(clock.elapsed(), 1000) << "the start waited for the handler";
    ASSERT_TRUE(w.WaitForTold());
    EXPECT_GT(ticks, 5) << "the window did not go on while the handler ran";
    EXPECT_EQ(w.Told, std::vector<std::string>{
                          "Could not dial 5551234.\n\nNo program on this desktop handles "
                          "\"tel:\" addresses."});
    EXPECT_EQ(w.Shell.Watched(), 0);
}

TEST(DesktopTelephony, ADialerOrHandlerThatFailsIsToldWithTheNumber) {
    TTempDir tmp;
    const std::string dialer = Script(tmp, "dialer", "exit 1");
    struct TCase {
        const char* Case;
        std::string Dialer; // [Settings] Dialer
        std::string Told;
    };
    const TCase cases[] = {
        {"the desktop has no handler", "",
         "Could not dial +4930555.\n\nNo program on this desktop handles \"tel:\" addresses."},
        {"the dialer exits with a failure", "'" + dialer + "' --call %n",
         "Could not dial +4930555.\n\n\"" + dialer +
             "\" ended with exit code 1 right after it started."},
        {"the dialer is not there", "no-such-dialer %n",
         "Could not dial +4930555.\n\n\"no-such-dialer\" was not found."},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Case);
        WatchedShell w(Script(tmp, "opener", "exit 3"));
        TIniFile settings;
        settings.WriteString("Settings", "Dialer", c.Dialer);
        TDesktopTelephony tel(&settings, w.Shell);
        long result = tel.RequestMakeCall("+49 (30) 555", "Merrowin", "Anna", "");
        if (result == 0) {
            ASSERT_TRUE(w.WaitForTold());
        }
        EXPECT_EQ(w.Told, std::vector<std::string>{c.Told});
    }
}

} // namespace
