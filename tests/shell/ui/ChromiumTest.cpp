// The browser link against a real headless Chromium: the page it shows is
// read through its remote-debugging port, and "Get Browser URL" in the main
// window turns it into a website. Without Chromium these tests fail.
#include "comm/BrowserDDE.h"
#include "platform/DevToolsTransport.h"
#include "platform/PosixShell.h"
#include "shell/ui/DesktopServices.h"
#include "shell/ui/LogicForm.h"
#include "shell/ui/MainWindow.h"
#include "store/KexObject.h"
#include "store/TreeNodes.h"
#include "support/TestServices.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

const std::vector<std::string> kHeadless{"--headless",
                                         "--no-sandbox",
                                         "--disable-gpu",
                                         "--disable-quic",
                                         "--no-first-run",
                                         "--disable-background-networking",
                                         "--disable-component-update",
                                         "--disable-sync"};

std::string ChromiumProgram() {
    return TPosixShell::FindProgram("chromium");
}

std::string FileUrl(const std::string& path) {
    return "file://" + path;
}

// A page titled title, as a file in folder.
std::string WritePage(const TTempDir& folder, const std::string& name, const std::string& title) {
    std::string path = folder.File(name);
    WriteText(path, "<html><head><meta charset=\"utf-8\"><title>" + title +
                        "</title></head><body><p>Merrowin test page</p></body></html>");
    return path;
}

// Ends a process group: politely first, then for good.
void EndGroup(pid_t group, pid_t child) {
    if (group <= 0) return;
    ::kill(-group, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (child > 0 ? ::waitpid(child, nullptr, WNOHANG) == child : ::kill(group, 0) != 0) break;
        std::this_thread::sleep_for(100ms);
    }
    ::kill(-group, SIGKILL);
    if (child > 0) ::waitpid(child, nullptr, 0);
}

// A headless Chromium of the test's own: its own profile folder, a port it
// picks itself (written to DevToolsActivePort in the profile), and the
// whole process group ended with the object, or with the test process.
class THeadlessChromium {
public:
    THeadlessChromium(const std::string& program, const std::string& url) {
        std::vector<std::string> args{program};
        args.insert(args.end(), kHeadless.begin(), kHeadless.end());
        args.push_back("--remote-debugging-port=0");
        args.push_back("--user-data-dir=" + FProfile.Path());
        args.push_back(url);
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        const std::string log = FProfile.File("chromium.log");
        FPid = ::fork();
        if (FPid == 0) {
            ::setpgid(0, 0);
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                ::dup2(fd, STDOUT_FILENO);
                ::dup2(fd, STDERR_FILENO);
            }
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        if (FPid > 0) ::setpgid(FPid, FPid);
    }
    ~THeadlessChromium() { EndGroup(FPid, FPid); }
    THeadlessChromium(const THeadlessChromium&) = delete;
    THeadlessChromium& operator=(const THeadlessChromium&) = delete;

    // The debugging port once Chromium has opened it; 0 after 20 seconds without.
    int Port() {
        for (int i = 0; i < 200 && FPid > 0; ++i) {
            // The port's line is whole once the line after it has begun.
            std::string text = ReadText(FProfile.File("DevToolsActivePort"));
            size_t end = text.find('\n');
            int port = end == std::string::npos ? 0 : std::atoi(text.substr(0, end).c_str());
            if (port > 0) return port;
            std::this_thread::sleep_for(100ms);
        }
        return 0;
    }

private:
    TTempDir FProfile;
    pid_t FPid = -1;
};

// Reads the browser's page until it is the one expected (pages load a moment
// after they open); the last page read.
std::pair<std::string, std::string> PageOnceShown(TBrowserDDE& link, const std::string& title) {
    std::string address, shown;
    link.SetAutoLoad(false);
    for (int i = 0; i < 100; ++i) {
        link.GetURL(address, shown);
        if (shown == title) break;
        std::this_thread::sleep_for(100ms);
    }
    return {address, shown};
}

// The same through a link of its own to the browser on port.
std::pair<std::string, std::string> PageOnceShown(int port, const std::string& title) {
    TRecordingShell shell;
    TDevToolsTransport transport(shell, port);
    TBrowserDDE link(transport, shell);
    return PageOnceShown(link, title);
}

// A port nobody listens on right now.
int FreePort() {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

const std::string kTitle = "Caf\xC3\xA9 \"Lumen\", A & B";
const std::string kTitleHtml = "Caf\xC3\xA9 &quot;Lumen&quot;, A &amp; B";

// Closes the next modal message box and keeps its text.
void DismissNextBox(QString* text) {
    QTimer::singleShot(0, [text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->accept();
        } else {
            DismissNextBox(text);
        }
    });
}

// The desktop program over its real services, in a folder of its own.
class TWindowTest : public ::testing::Test {
protected:
    void Start(const std::string& ini) {
        WriteText(home.File("kex.ini"), ini);
        services = std::make_unique<TDesktopServices>(home.Path(), home.File("kex.ini"));
        host = std::make_unique<TLogicForm>(services->Settings);
        ASSERT_TRUE(host->Create("merrowin"));
        host->Start(false);
        Settle();
    }
    ~TWindowTest() override {
        host.reset();
        services.reset();
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }
    void GetBrowserUrl() {
        QAction* a = host->Window().Command("GetUrlBtn");
        ASSERT_NE(a, nullptr);
        a->trigger();
        Settle();
    }
    std::vector<std::pair<std::string, std::string>> Websites() {
        std::vector<std::pair<std::string, std::string>> sites;
        for (TTreeNode* n = host->Tree().GetFirstNode()->GetFirstChild(); n;
             n = n->GetNextSibling())
            if (n->Data() && n->Data()->GetKind() == kindWeb)
                sites.emplace_back(n->Text(), n->Data()->GetTarget());
        return sites;
    }

    TTempDir home;
    std::unique_ptr<TDesktopServices> services;
    std::unique_ptr<TLogicForm> host;
};

// Fails, rather than skips, where Chromium is missing.
class Chromium : public TWindowTest {
protected:
    void SetUp() override {
        program = ChromiumProgram();
        ASSERT_FALSE(program.empty()) << "Chromium is not installed (Debian package chromium)";
    }
    // Starts a headless Chromium on url; its debugging port, 0 when it opened none.
    int StartChromium(const std::string& url) {
        chromium = std::make_unique<THeadlessChromium>(program, url);
        return chromium->Port();
    }

    std::string program;
    TTempDir pages;
    std::unique_ptr<THeadlessChromium> chromium;
};
class BrowserCapture : public TWindowTest {};

TEST_F(Chromium, TheLinkReadsThePageShownAndOpensAnotherInFront) {
    const std::string first = WritePage(pages, "first.html", kTitleHtml);
    const std::string second = WritePage(pages, "second page.html", "Second");
    const int port = StartChromium(FileUrl(first));
    ASSERT_GT(port, 0) << "Chromium did not open its debugging port";

    TRecordingShell shell;
    TDevToolsTransport transport(shell, port);
    TBrowserDDE link(transport, shell);
    auto [address, title] = PageOnceShown(link, kTitle);
    EXPECT_EQ(address, FileUrl(first));
    EXPECT_EQ(title, kTitle);
    EXPECT_EQ(link.ServerName(), "Chromium");

    link.SetAutoLoad(true);
    std::string reply;
    link.OpenURL(FileUrl(second), reply);
    EXPECT_FALSE(reply.empty()) << "the new page's id";
    std::tie(address, title) = PageOnceShown(link, "Second");
    EXPECT_EQ(address, FileUrl(pages.File("second%20page.html")));
    EXPECT_EQ(title, "Second");
    EXPECT_TRUE(shell.Calls.empty()) << "nothing went to the desktop";
}

TEST_F(Chromium, BrowsingStartsTheConfiguredChromiumWithItsDebugPort) {
    const std::string page = WritePage(pages, "page.html", "Started");
    // The configured program: Chromium without a window, reporting its
    // process so the test can end it.
    std::string launcher = pages.File("browser");
    std::string command =
        "#!/bin/sh\necho $$ > '" + pages.File("pid") + "'\nexec '" + program + "'";
    for (const std::string& a : kHeadless)
        command += " " + a;
    command += " '--user-data-dir=" + pages.File("profile") + "' \"$@\" > '" + pages.File("log") +
               "' 2>&1\n";
    WriteText(launcher, command);
    ASSERT_EQ(::chmod(launcher.c_str(), 0755), 0);
    struct TEnd {
        std::string PidFile;
        ~TEnd() {
            std::ifstream in(PidFile);
            pid_t pid = 0;
            if (in >> pid && pid > 0) EndGroup(::getpgid(pid), 0);
        }
    } end{pages.File("pid")};

    TPosixShell shell;
    TDevToolsTransport transport(shell, FreePort());
    TBrowserDDE link(transport, shell);
    link.SetDefaultServer("Chromium");
    link.SetDefaultApp(launcher);
    link.SetAutoLoad(true);
    std::string reply;
    link.OpenURL(FileUrl(page), reply);
    EXPECT_FALSE(reply.empty()) << "the started browser opened the page";
    auto [address, title] = PageOnceShown(transport.Port(), "Started");
    EXPECT_EQ(address, FileUrl(page));
    EXPECT_EQ(title, "Started");
}

TEST_F(Chromium, GetBrowserURLInTheMainWindowMakesThePageAWebsite) {
    const std::string page = WritePage(pages, "page.html", kTitleHtml);
    const int port = StartChromium(FileUrl(page));
    ASSERT_GT(port, 0) << "Chromium did not open its debugging port";
    ASSERT_EQ(PageOnceShown(port, kTitle).second, kTitle) << "the page has loaded";

    Start("[Browser]\r\nDDE=Chromium\r\nDebugPort=" + std::to_string(port) + "\r\n");
    GetBrowserUrl();
    EXPECT_EQ(Websites(),
              (std::vector<std::pair<std::string, std::string>>{{kTitle, FileUrl(page)}}));
    EXPECT_FALSE(services->Browser.AutoLoad());
}

TEST_F(BrowserCapture, WithoutABrowserToReadTheCommandSaysHowToCapturePages) {
    Start("[Browser]\r\nDDE=Firefox\r\nDebugPort=" + std::to_string(FreePort()) + "\r\n");
    QString text;
    DismissNextBox(&text);
    GetBrowserUrl();
    EXPECT_TRUE(Websites().empty());
    EXPECT_TRUE(text.contains("No page could be read")) << text.toStdString();
    EXPECT_TRUE(
        text.contains(QString("--remote-debugging-port=%1").arg(services->BrowserTransport.Port())))
        << text.toStdString();
}

} // namespace
