// merrowin: the desktop program.
#include "app/ViewRegistry.h"
#include "automation/ui/AutomationServer.h"
#include "platform/ProgramFolder.h"
#include "shell/CommandLine.h"
#include "shell/ui/AppException.h"
#include "shell/ui/DesktopApplication.h"
#include "shell/ui/DesktopServices.h"
#include "shell/ui/LogicForm.h"
#include "shell/ui/SignalPipe.h"
#include "shell/ui/SingleInstance.h"

#include <QFileInfo>
#include <QMessageBox>
#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {
const char* const kUsageText =
    "usage: merrowin [--home DIR] [HIDEWIN] [FILE...]\n"
    "Opens the contact tree. Transfer files (.tvd) and vCard files (.vcf) named\n"
    "on the command line are loaded below \"My Contacts\"; when a copy is\n"
    "already running, they are handed to it.\n"
    "options:\n"
    "  --home DIR   keep tavi.dat and kex.ini in DIR\n"
    "  HIDEWIN      start in the tray without showing the main window\n"
    "  -REGSERVER   register for automation over D-Bus (Tavi.Application) and end\n"
    "  -UNREGSERVER remove that registration and end\n"
    "  --help       show this text\n"
    "  --version    show the version\n";

// --help and --version answer on the terminal, without a display.
bool AnswersAtOnce(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--home") {
            ++i; // the folder may have any name
        } else if (a == "--help" || a == "-h") {
            std::fputs(kUsageText, stdout);
            return true;
        } else if (a == "--version") {
            std::puts("merrowin " MERROWIN_VERSION);
            return true;
        }
    }
    return false;
}

struct TStartArgs {
    std::string Home;
    // The command line without the --home option, program path first.
    std::vector<std::string> Args;
};

TStartArgs ParseArgs(int argc, char** argv) {
    TStartArgs s;
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        if (i > 0 && a == "--home" && i + 1 < argc) {
            s.Home = argv[++i];
            continue;
        }
        if (i > 0 && a.rfind("--home=", 0) == 0) {
            s.Home = a.substr(7);
            continue;
        }
        // Files named relative to where the program was started must still
        // be found after it moves into its own folder (or by another copy).
        if (i > 0 && !a.empty() && a[0] != '/') {
            QFileInfo fi(QString::fromLocal8Bit(argv[i]));
            if (fi.isFile()) a = fi.absoluteFilePath().toLocal8Bit().toStdString();
        }
        s.Args.push_back(a);
    }
    return s;
}
} // namespace

int main(int argc, char** argv) {
    if (AnswersAtOnce(argc, argv)) return 0;
    int registered = 0;
    if (TAutomationServer::HandleSwitches({argv, argv + argc}, registered)) return registered;
    TDesktopApplication app(argc, argv);
    TStartArgs start = ParseArgs(argc, argv);
    bool hidden = HasHideWin(start.Args);
    std::string commandLine = JoinCommandLine(start.Args);

    std::string folder = programfolder::Resolve(start.Home, programfolder::ExecutablePath());
    TSingleInstance instance(folder);
    if (instance.HandOver(commandLine)) return 0;
    instance.Listen();

    if (::chdir(folder.c_str()) != 0) {
        QMessageBox::critical(
            nullptr, "Merrowin",
            QString("Cannot use the folder %1.").arg(QString::fromStdString(folder)));
        return 1;
    }
    TDesktopServices services(folder, programfolder::SettingsFile(start.Home));
    RegisterAllViews();
    // Signals that arrive while loading wait in the pipe for the event loop.
    TSignalPipe signalPipe({SIGTERM, SIGINT, SIGHUP});

    TLogicForm host(services.Settings);
    SetEndHook([&host] { host.Exit(); });
    host.WatchEndRequests(signalPipe);
    if (!host.Create(commandLine)) return 1;
    // Declared after the host: the cursors go before the tree they walk.
    TAutomationServer automation(host.Form(), folder);
    if (!automation.Start())
        std::fprintf(stderr, "merrowin: automation is off: %s\n", qPrintable(automation.Error()));
    QObject::connect(&host, &TLogicForm::Finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    QObject::connect(&instance, &TSingleInstance::CommandLineReceived, &host,
                     &TLogicForm::OpenCommandLine);

    host.Start(hidden);
    int rc = host.Exec();
    SetEndHook(nullptr);
    return rc != 0 || host.EndFailed() ? 1 : 0;
}
