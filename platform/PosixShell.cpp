#include "platform/PosixShell.h"

#include "platform/AskUser.h"
#include "platform/DesktopEntry.h"
#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using TReport = TPosixShell::TReport;

// What the intermediate process reports, in this order: the start's outcome,
// then, when the process ended while watched, how it ended.
enum : int {
    kFolderFailed = 1, // Value: errno of the working folder
    kExecFailed,       // Value: errno of exec (or of the standard input)
    kForkFailed,       // Value: errno
    kStarted,
    kEnded, // Value: the wait status
};

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

void CloseQuietly(int fd) {
    if (fd >= 0) ::close(fd);
}

// A report is small enough for one atomic pipe write.
void Send(int fd, int kind, int value) {
    TReport r{kind, value};
    ssize_t n;
    do {
        n = ::write(fd, &r, sizeof r);
    } while (n < 0 && errno == EINTR);
}

// True with the report, false at the end of the pipe.
bool Receive(int fd, TReport& r) {
    ssize_t n;
    do {
        n = ::read(fd, &r, sizeof r);
    } while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(sizeof r);
}

void Reap(int pid) {
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

long MonotonicMs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

std::string SchemeOf(const std::string& file) {
    // A letter, then letters, digits, "+", "-" or "."; two at least, so that
    // a drive letter is no scheme.
    size_t colon = file.find(':');
    if (colon == std::string::npos || colon < 2) return {};
    for (size_t i = 0; i < colon; ++i) {
        unsigned char c = static_cast<unsigned char>(file[i]);
        bool ok =
            std::isalpha(c) || (i > 0 && (std::isdigit(c) || c == '+' || c == '-' || c == '.'));
        if (!ok) return {};
    }
    std::string scheme = file.substr(0, colon);
    for (char& c : scheme)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return scheme;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// From here to the end of this namespace everything runs between fork and
// exec, so it uses only calls that are safe there (no allocation, no locks).

// Closes every descriptor above stderr but keep.
void CloseAllBut(int keep, long maxFd) {
#ifdef CLOSE_RANGE_CLOEXEC
    if (keep > 3 && ::close_range(3, static_cast<unsigned>(keep) - 1, 0) != 0)
        for (int fd = 3; fd < keep; ++fd)
            ::close(fd);
    if (::close_range(static_cast<unsigned>(keep) + 1, ~0U, 0) == 0) return;
#endif
    for (long fd = 3; fd < maxFd; ++fd)
        if (fd != keep) ::close(static_cast<int>(fd));
}

// The started program. Never returns.
[[noreturn]] void ExecChild(const char* path, char* const* argv, const char* dir, int reportFd,
                            long maxFd) {
    // Start from a clean signal state: ignored signals and the mask would
    // otherwise carry over into the program.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int sig = 1; sig < NSIG; ++sig)
        if (sig != SIGKILL && sig != SIGSTOP) ::signal(sig, SIG_DFL);

    if (dir && ::chdir(dir) != 0) {
        Send(reportFd, kFolderFailed, errno);
        ::_exit(127);
    }
    int err = 0;
    int nul = ::open("/dev/null", O_RDONLY);
    if (nul < 0)
        err = errno;
    else if (nul != STDIN_FILENO) {
        if (::dup2(nul, STDIN_FILENO) < 0) err = errno;
        ::close(nul);
    }
    if (!err) {
        // Our own open files (the data file, sockets) are no business of the
        // program: everything above stderr closes at exec, the report pipe too.
#ifdef CLOSE_RANGE_CLOEXEC
        if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0)
#endif
            for (long fd = 3; fd < maxFd; ++fd)
                ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
        ::execv(path, argv);
        err = errno;
    }
    Send(reportFd, kExecFailed, err);
    ::_exit(127);
}

// The process between us and the program: it makes the program's session,
// reports the start, watches the program for watchMs, reports how it ended
// if it ended by then, and exits, so the program is never our child and
// never a zombie. Never returns.
[[noreturn]] void Intermediate(const char* path, char* const* argv, const char* dir, int reportFd,
                               long maxFd, long watchMs) {
    CloseAllBut(reportFd, maxFd);
    ::setsid();
    // Our parent may ignore SIGCHLD, which would make the program's end
    // unobservable here.
    ::signal(SIGCHLD, SIG_DFL);
    int exec[2];
    if (::pipe2(exec, O_CLOEXEC) != 0) {
        Send(reportFd, kForkFailed, errno);
        ::_exit(1);
    }
    pid_t program = ::fork();
    if (program < 0) {
        Send(reportFd, kForkFailed, errno);
        ::_exit(1);
    }
    if (program == 0) {
        ::close(exec[0]);
        ::close(reportFd);
        ExecChild(path, argv, dir, exec[1], maxFd);
    }
    ::close(exec[1]);
    // The pipe closes at a successful exec; a report arrives otherwise.
    TReport r{};
    bool failed = Receive(exec[0], r);
    ::close(exec[0]);
    if (failed) {
        Send(reportFd, r.Kind, r.Value);
        Reap(program);
        ::_exit(0);
    }
    Send(reportFd, kStarted, 0);
    const long until = MonotonicMs() + watchMs;
    while (watchMs > 0 && MonotonicMs() < until) {
        int status = 0;
        pid_t done = ::waitpid(program, &status, WNOHANG);
        if (done == program) {
            Send(reportFd, kEnded, status);
            break;
        }
        if (done < 0 && errno != EINTR) break;
        timespec pause{0, 20 * 1000 * 1000};
        ::nanosleep(&pause, nullptr);
    }
    ::_exit(0);
}

} // namespace

TPosixShell::TPosixShell(std::string opener) : FOpener(std::move(opener)) {}

TPosixShell::~TPosixShell() {
    // The programs run on; only the processes watching them go.
    for (const TPending& p : FPending) {
        ::close(p.Fd);
        ::kill(p.Pid, SIGKILL);
        Reap(p.Pid);
    }
}

std::vector<std::string> TPosixShell::SplitArguments(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false; // "" is a word of its own
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
            ++i;
        } else if (c == '\'') {
            inWord = true;
            // An unclosed quote runs to the end of the text.
            size_t close = text.find('\'', i + 1);
            size_t end = close == std::string_view::npos ? n : close;
            word.append(text.substr(i + 1, end - i - 1));
            i = close == std::string_view::npos ? n : close + 1;
        } else if (c == '"') {
            inWord = true;
            ++i;
            while (i < n && text[i] != '"') {
                if (text[i] == '\\' && i + 1 < n && (text[i + 1] == '"' || text[i + 1] == '\\'))
                    ++i;
                word += text[i++];
            }
            if (i < n) ++i; // the closing quote
        } else if (c == '\\') {
            inWord = true;
            // A backslash at the very end stands for itself.
            if (i + 1 < n) ++i;
            word += text[i++];
        } else {
            inWord = true;
            word += c;
            ++i;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

std::string TPosixShell::FindProgram(const std::string& file) {
    if (file.empty()) return {};
    if (file.find('/') != std::string::npos) return IsExecutableFile(file) ? file : std::string();
    const char* env = std::getenv("PATH");
    std::string path = env ? env : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(':', start);
        if (end == std::string::npos) end = path.size();
        // An empty entry would mean the current folder; a stored name must
        // not pick up whatever lies there.
        if (end > start) {
            std::string candidate = path.substr(start, end - start) + "/" + file;
            if (IsExecutableFile(candidate)) return candidate;
        }
        start = end + 1;
    }
    return {};
}

bool TPosixShell::Spawn(const std::string& path, const std::vector<std::string>& args,
                        const TLaunch& launch, TReport& failure) {
    // Everything the processes need is prepared before fork.
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const char* cdir = launch.Directory.empty() ? nullptr : launch.Directory.c_str();
    long maxFd = ::sysconf(_SC_OPEN_MAX);
    if (maxFd < 0 || maxFd > 65536) maxFd = 65536;
    const long watchMs = FWatch ? FWatchMs : 0;

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        failure = {kForkFailed, errno};
        return false;
    }
    pid_t pid = ::fork();
    if (pid < 0) {
        failure = {kForkFailed, errno};
        CloseQuietly(fds[0]);
        CloseQuietly(fds[1]);
        return false;
    }
    if (pid == 0) Intermediate(path.c_str(), argv.data(), cdir, fds[1], maxFd, watchMs);
    ::close(fds[1]);
    // The start's outcome comes at once; how the program ends, later.
    TReport r{};
    if (!Receive(fds[0], r)) r = {kForkFailed, EIO};
    if (r.Kind != kStarted || watchMs <= 0) {
        ::close(fds[0]);
        Reap(pid);
        failure = r;
        return r.Kind == kStarted;
    }
    FPending.push_back({fds[0], pid, launch});
    FWatch(fds[0]);
    return true;
}

void TPosixShell::SetWatcher(std::function<void(int fd)> watch, int watchMs) {
    FWatch = std::move(watch);
    FWatchMs = watchMs > 0 ? watchMs : 0;
    if (FWatchMs == 0) FWatch = nullptr;
}

void TPosixShell::Collect(int fd) {
    auto it = std::find_if(FPending.begin(), FPending.end(),
                           [fd](const TPending& p) { return p.Fd == fd; });
    if (it == FPending.end()) return;
    TPending done = std::move(*it);
    FPending.erase(it);
    TReport r{};
    // Nothing but the end of the pipe: still running when the watch ended.
    bool ended = Receive(done.Fd, r) && r.Kind == kEnded;
    ::close(done.Fd);
    Reap(done.Pid);
    if (ended && !(WIFEXITED(r.Value) && WEXITSTATUS(r.Value) == 0))
        Fail(done.Launch,
             EndReason(done.Launch.Name, r.Value, done.Launch.ViaOpener, done.Launch.Target));
}

int TPosixShell::CollectAll(int timeoutMs) {
    const long until = MonotonicMs() + timeoutMs;
    while (!FPending.empty()) {
        std::vector<pollfd> fds;
        for (const TPending& p : FPending)
            fds.push_back({p.Fd, POLLIN, 0});
        long left = until - MonotonicMs();
        if (left <= 0) break;
        int n = ::poll(fds.data(), fds.size(), static_cast<int>(left));
        if (n < 0 && errno != EINTR) break;
        for (const pollfd& f : fds)
            if (f.revents) Collect(f.fd);
    }
    return Watched();
}

void TPosixShell::Fail(const TLaunch& launch, const std::string& why) const {
    const std::string text = "Could not " + launch.What + ".\n\n" + why;
    if (FReport) {
        FReport(text);
        return;
    }
    AskUser(text, "Merrowin", mb::Ok | mb::IconError);
}

std::string TPosixShell::StartReason(const TLaunch& launch, const TReport& failure) {
    const std::string error = std::strerror(failure.Value);
    switch (failure.Kind) {
    case kFolderFailed:
        return "Its working folder " + Quoted(launch.Directory) + " cannot be used: " + error + ".";
    case kExecFailed:
        return Quoted(launch.Name) + " cannot be started: " + error + ".";
    default:
        return "No new process could be made: " + error + ".";
    }
}

std::string TPosixShell::Purpose(const std::string& file, bool isProgram) {
    if (isProgram) return "start " + Quoted(file);
    const std::string scheme = SchemeOf(file);
    const std::string rest = scheme.empty() ? file : file.substr(scheme.size() + 1);
    if (scheme == "mailto") return "open a message to " + rest.substr(0, rest.find('?'));
    if (scheme == "tel" || scheme == "callto" || scheme == "sip") return "dial " + rest;
    if (scheme == "http" || scheme == "https" || scheme == "ftp")
        return "open " + file + " in the web browser";
    if (!scheme.empty()) return "open " + file;
    return "open the document " + Quoted(file);
}

std::string TPosixShell::EndReason(const std::string& name, int waitStatus, bool viaOpener,
                                   const std::string& target) {
    if (WIFSIGNALED(waitStatus)) {
        const int sig = WTERMSIG(waitStatus);
        const char* what = ::strsignal(sig);
        return Quoted(name) + " was ended by signal " + std::to_string(sig) +
               (what ? std::string(" (") + what + ")" : std::string()) + ".";
    }
    const int code = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    if (viaOpener) {
        const std::string scheme = SchemeOf(target);
        switch (code) {
        case 1:
            return Quoted(name) + " did not understand the request.";
        case 2:
            return "The file does not exist.";
        case 3:
            return scheme.empty() ? "No program on this desktop opens files of this kind."
                                  : "No program on this desktop handles " + Quoted(scheme + ":") +
                                        " addresses.";
        case 4:
            return "The program that handles it reported a failure.";
        case 5:
            return "You may not read the file.";
        default:
            break;
        }
    }
    return Quoted(name) + " ended with exit code " + std::to_string(code) +
           " right after it started.";
}

bool TPosixShell::Open(const std::string& file, const std::string& parameters,
                       const std::string& directory, int /*showCmd*/) {
    if (file.empty()) return false;
    if (TDesktopEntry::IsDesktopFile(file)) {
        // A desktop entry runs its Exec line, in the folder it names, else in
        // its program's folder; parameters follow the line's own words.
        std::optional<TDesktopEntry> entry = TDesktopEntry::Read(file);
        std::vector<std::string> words =
            entry ? TDesktopEntry::ExecWords(entry->Exec) : std::vector<std::string>();
        if (!words.empty()) {
            for (std::string& w : SplitArguments(parameters))
                words.push_back(std::move(w));
            std::string folder = entry->Path;
            if (folder.empty()) {
                std::string program = FindProgram(words[0]);
                size_t slash = program.find_last_of('/');
                if (slash != std::string::npos) folder = program.substr(0, slash + 1);
            }
            return Start(words, folder, Purpose(file, true));
        }
    }
    TReport failure;
    std::string program = FindProgram(file);
    if (!program.empty()) {
        std::vector<std::string> args{file};
        for (std::string& w : SplitArguments(parameters))
            args.push_back(std::move(w));
        TLaunch launch{Purpose(file, true), file, "", false, directory};
        if (Spawn(program, args, launch, failure)) return true;
        // A document with the execute bit (common on shared and removable
        // drives) is no program: open it like any other document.
        if (failure.Kind != kExecFailed || failure.Value != ENOEXEC || !parameters.empty()) {
            Fail(launch, StartReason(launch, failure));
            return false;
        }
    }
    TLaunch launch{Purpose(file, false), FOpener, file, true, directory};
    std::string opener = FindProgram(FOpener);
    if (opener.empty()) {
        Fail(launch, "The desktop's opener " + Quoted(FOpener) + " was not found.");
        return false;
    }
    // The opener must not take a file name for one of its options.
    std::string target = file[0] == '-' ? "./" + file : file;
    if (Spawn(opener, {FOpener, target}, launch, failure)) return true;
    Fail(launch, StartReason(launch, failure));
    return false;
}

bool TPosixShell::Start(const std::vector<std::string>& words, const std::string& directory,
                        const std::string& what) {
    if (words.empty() || words[0].empty()) return false;
    TLaunch launch{what, words[0], "", false, directory};
    std::string program = FindProgram(words[0]);
    if (program.empty()) {
        Fail(launch, Quoted(words[0]) + " was not found.");
        return false;
    }
    TReport failure;
    if (Spawn(program, words, launch, failure)) return true;
    Fail(launch, StartReason(launch, failure));
    return false;
}
