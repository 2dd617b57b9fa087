#include "support/OtherUser.h"

#include <exception>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace otheruser {

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

std::string Run(const std::function<std::string()>& check) {
    int fds[2];
    if (::pipe(fds) != 0) return "pipe failed";
    pid_t pid = ::fork();
    if (pid < 0) return "fork failed";
    if (pid == 0) {
        ::close(fds[0]);
        std::string result;
        if (RunningAsRoot()) {
            gid_t groups[] = {kSharedGid};
            if (::setgroups(1, groups) != 0 || ::setresgid(kGid, kGid, kGid) != 0 ||
                ::setresuid(kUid, kUid, kUid) != 0)
                result = "cannot become the scratch user";
        }
        if (result.empty()) {
            try {
                result = check();
            } catch (const std::exception& e) {
                result = std::string("exception: ") + e.what();
            }
        }
        (void)!::write(fds[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string result;
    char buf[512];
    ssize_t n;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0)
        result.append(buf, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status)) return "the child ended abnormally: " + result;
    return result;
}

void Give(const std::string& path) {
    if (RunningAsRoot()) (void)!::chown(path.c_str(), kUid, kGid);
}

} // namespace otheruser
