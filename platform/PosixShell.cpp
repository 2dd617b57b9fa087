#include "platform/PosixShell.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

void CloseQuietly(int fd) {
    if (fd >= 0) ::close(fd);
}

// Runs in the started process between fork and exec, so it uses only calls
// that are safe there (no allocation, no locks). Never returns.
[[noreturn]] void ExecChild(const char* path, char* const* argv, const char* dir, int errorFd,
                            long maxFd) {
    // Start from a clean signal state: ignored signals and the mask would
    // otherwise carry over into the program.
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    for (int sig = 1; sig < NSIG; ++sig)
        if (sig != SIGKILL && sig != SIGSTOP) ::signal(sig, SIG_DFL);

    int err = 0;
    if (dir && ::chdir(dir) != 0) err = errno;
    if (!err) {
        int nul = ::open("/dev/null", O_RDONLY);
        if (nul < 0)
            err = errno;
        else if (nul != STDIN_FILENO) {
            if (::dup2(nul, STDIN_FILENO) < 0) err = errno;
            ::close(nul);
        }
    }
    if (!err) {
        // Our own open files (the data file, sockets) are no business of the
        // program: everything above stderr closes at exec, the error pipe too.
#ifdef CLOSE_RANGE_CLOEXEC
        if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0)
#endif
            for (long fd = 3; fd < maxFd; ++fd)
                ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
        ::execv(path, argv);
        err = errno;
    }
    [[maybe_unused]] ssize_t n = ::write(errorFd, &err, sizeof err);
    ::_exit(127);
}

// Starts path with args (args[0] included) detached from us, in dir when not
// empty, stdin from /dev/null. Answers 0 or the errno of what failed (the
// working folder, exec itself, fork).
int SpawnDetached(const std::string& path, const std::vector<std::string>& args,
                  const std::string& dir) {
    // Everything the child needs is prepared before fork.
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const char* cdir = dir.empty() ? nullptr : dir.c_str();
    long maxFd = ::sysconf(_SC_OPEN_MAX);
    if (maxFd < 0 || maxFd > 65536) maxFd = 65536;

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return errno;
    pid_t pid = ::fork();
    if (pid < 0) {
        int e = errno;
        CloseQuietly(fds[0]);
        CloseQuietly(fds[1]);
        return e;
    }
    if (pid == 0) {
        // The intermediate process: a new session, one more fork, and exit,
        // so the program is reparented away from us and never left a zombie.
        ::close(fds[0]);
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild < 0) {
            int e = errno;
            [[maybe_unused]] ssize_t n = ::write(fds[1], &e, sizeof e);
            ::_exit(1);
        }
        if (grandchild > 0) ::_exit(0);
        ExecChild(path.c_str(), argv.data(), cdir, fds[1], maxFd);
    }
    ::close(fds[1]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    // The pipe closes at a successful exec; an errno arrives otherwise.
    int err = 0;
    ssize_t n;
    do {
        n = ::read(fds[0], &err, sizeof err);
    } while (n < 0 && errno == EINTR);
    ::close(fds[0]);
    if (n == static_cast<ssize_t>(sizeof err)) return err != 0 ? err : EIO;
    if (n != 0) return EIO;
    return 0;
}

} // namespace

TPosixShell::TPosixShell(std::string opener) : FOpener(std::move(opener)) {}

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

bool TPosixShell::Open(const std::string& file, const std::string& parameters,
                       const std::string& directory, int /*showCmd*/) {
    if (file.empty()) return false;
    std::string program = FindProgram(file);
    if (!program.empty()) {
        std::vector<std::string> args{file};
        for (std::string& w : SplitArguments(parameters))
            args.push_back(std::move(w));
        int err = SpawnDetached(program, args, directory);
        if (err == 0) return true;
        // A document with the execute bit (common on shared and removable
        // drives) is no program: open it like any other document.
        if (err != ENOEXEC || !parameters.empty()) return false;
    }
    std::string opener = FindProgram(FOpener);
    if (opener.empty()) return false;
    // The opener must not take a file name for one of its options.
    std::string target = file[0] == '-' ? "./" + file : file;
    return SpawnDetached(opener, {FOpener, target}, directory) == 0;
}
