#include "platform/FileIO.h"

#include "platform/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

class Fd {
public:
    explicit Fd(int fd) : FFd(fd) {}
    ~Fd() {
        if (FFd >= 0) ::close(FFd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return FFd; }
    int release() {
        int fd = FFd;
        FFd = -1;
        return fd;
    }

private:
    int FFd;
};

// Reads everything from fd; returns errno on failure, 0 on success.
int ReadAll(int fd, std::string& out) {
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        out.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        out.append(buf, static_cast<size_t>(n));
    }
}

int WriteAll(int fd, std::string_view data) {
    const char* p = data.data();
    size_t left = data.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return 0;
}

} // namespace

std::optional<std::string> TryReadFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    std::string out;
    if (ReadAll(fd.get(), out) != 0) return std::nullopt;
    return out;
}

std::string ReadFile(const std::string& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) EInOutError::RaiseFromErrno(errno, path);
    std::string out;
    if (int err = ReadAll(fd.get(), out)) EInOutError::RaiseFromErrno(err, path);
    return out;
}

void WriteFileReplacing(const std::string& path, std::string_view data) {
    struct stat st {};
    bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or pipe: renaming over it would replace the device node.
        Fd fd(::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        if (fd.get() < 0) EInOutError::RaiseFromErrno(errno, path);
        if (int err = WriteAll(fd.get(), data)) EInOutError::RaiseFromErrno(err, path);
        if (::close(fd.release()) != 0) EInOutError::RaiseFromErrno(errno, path);
        return;
    }

    std::string tmp = path + ".tmp-XXXXXX";
    Fd fd(::mkostemp(tmp.data(), O_CLOEXEC));
    if (fd.get() < 0) EInOutError::RaiseFromErrno(errno, path);
    auto fail = [&](int err) {
        ::unlink(tmp.c_str());
        EInOutError::RaiseFromErrno(err, path);
    };
    if (int err = WriteAll(fd.get(), data)) fail(err);
    // Keep the old file's permissions; a new file gets the usual 0666 & ~umask.
    mode_t mode;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd.get(), mode);
    if (::fsync(fd.get()) != 0) fail(errno);
    if (::close(fd.release()) != 0) fail(errno);
    if (::rename(tmp.c_str(), path.c_str()) != 0) fail(errno);
    // Make the rename itself durable.
    std::string dir = ExtractFilePath(path);
    Fd dfd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dfd.get() >= 0) ::fsync(dfd.get());
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ExtractFilePath(const std::string& path) {
    auto pos = path.find_last_of('/');
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

std::string ExtractFileName(const std::string& path) {
    auto pos = path.find_last_of('/');
    return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string ExtractFileExt(const std::string& path) {
    std::string name = ExtractFileName(path);
    auto pos = name.find_last_of('.');
    return pos == std::string::npos ? std::string() : name.substr(pos);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || IsAbsolutePath(name)) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool IsAbsolutePath(const std::string& path) {
    return !path.empty() && path[0] == '/';
}

} // namespace fileio
