#pragma once

#include "platform/ShellService.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The shell on a POSIX desktop. No command interpreter is ever involved: a
// program is started directly with its parameters split into words, and
// anything else (a document, a folder, an address such as "mailto:" or
// "http:") is handed as one argument to the desktop's opener. Started
// processes are detached: they run on after we exit and never become zombies.
//
// A request that fails is told to the user (through the services' message
// box, or the reporter set here) with what could not be done and why: a
// program that cannot be started at once, and, while a watcher is set, one
// that ends with a failure shortly after its start (the opener finding no
// program for a "tel:" address, a dialer that exits non-zero). The watch
// never blocks: the watcher hands the event loop a descriptor that becomes
// readable when the watch ends.
class TPosixShell : public IShell {
public:
    // opener: the program that opens documents and addresses, a name looked
    // up on PATH or a path.
    explicit TPosixShell(std::string opener = "xdg-open");
    ~TPosixShell() override;
    TPosixShell(const TPosixShell&) = delete;
    TPosixShell& operator=(const TPosixShell&) = delete;

    // A program (a path, or a name found on PATH, of an executable regular
    // file) is started with SplitArguments(parameters) in directory (when not
    // empty). A desktop entry (".desktop") runs its Exec line, with the
    // parameters after its words. Anything else goes to the opener. showCmd has no meaning here.
    // False when file is empty or the process could not be started.
    bool Open(const std::string& file, const std::string& parameters, const std::string& directory,
              int showCmd) override;
    // Starts the program words[0] (a path, or a name on PATH) with the words
    // as its arguments. what: what the user asked for, as a failure names it
    // ("dial 5551234").
    bool Start(const std::vector<std::string>& words, const std::string& directory,
               const std::string& what);

    // watch(fd) is called for every started process while it is watched,
    // for watchMs after its start; fd becomes readable when the watch ends,
    // and the caller then calls Collect(fd). No watcher, no watching.
    void SetWatcher(std::function<void(int fd)> watch, int watchMs);
    // Ends the watch of fd: reads how the process fared, tells a failure.
    void Collect(int fd);
    // Collects every watch as it ends, waiting up to timeoutMs in all (for
    // programs without an event loop, and tests). Answers how many are left.
    int CollectAll(int timeoutMs);
    int Watched() const { return static_cast<int>(FPending.size()); }

    // Where failures are told instead of the services' message box.
    void SetReporter(std::function<void(const std::string& text)> report) {
        FReport = std::move(report);
    }

    // The words of an argument text, split at blanks as a POSIX shell would:
    // '...' is literal, "..." is literal but for \" and \\, and a backslash
    // outside quotes takes the next character literally. Nothing else is
    // special: no variables, globs, redirections, substitutions, ";" or "|".
    static std::vector<std::string> SplitArguments(std::string_view text);

    // The path of the executable program that file names: file itself when
    // it holds a "/", else the first match on PATH. "" when there is none.
    static std::string FindProgram(const std::string& file);

    // What a request does, as a failure names it: "start "x"", "dial 555",
    // "open a message to a@b.org", "open the document "x"" ...
    static std::string Purpose(const std::string& file, bool isProgram);
    // Why a started process failed, from its wait status. viaOpener: the
    // process is the desktop's opener, whose exit codes say why (those of
    // xdg-open); target: what it was asked to open.
    static std::string EndReason(const std::string& name, int waitStatus, bool viaOpener,
                                 const std::string& target);

    // What a started process reports back (through a pipe) to us.
    struct TReport {
        int Kind = 0;
        int Value = 0; // an errno, or a wait status
    };

private:
    struct TLaunch {
        std::string What;   // the request, as Purpose gives it
        std::string Name;   // the program as the user knows it
        std::string Target; // for the opener: what it opens
        bool ViaOpener = false;
        std::string Directory;
    };
    struct TPending {
        int Fd;
        int Pid;
        TLaunch Launch;
    };
    // Starts path with args; false with the failure report when it failed
    // at once.
    bool Spawn(const std::string& path, const std::vector<std::string>& args, const TLaunch& launch,
               TReport& failure);
    void Fail(const TLaunch& launch, const std::string& why) const;
    static std::string StartReason(const TLaunch& launch, const TReport& failure);

    std::string FOpener;
    std::function<void(int)> FWatch;
    int FWatchMs = 0;
    std::vector<TPending> FPending;
    std::function<void(const std::string&)> FReport;
};
