#include "platform/FileIO.h"

#include "platform/Errors.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fileio {

namespace {

testing::TReadFunction gRead = ::read;
testing::TWriteFunction gWrite = ::write;

// How long a save waits for another save of the same file to end.
constexpr auto kLockWait = std::chrono::seconds(10);
constexpr auto kLockPoll = std::chrono::milliseconds(10);
constexpr int kMaxLinkHops = 40;

class Fd {
public:
    explicit Fd(int fd = -1) : FFd(fd) {}
    ~Fd() { Reset(); }
    Fd(Fd&& other) noexcept : FFd(other.release()) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd& operator=(Fd&& other) noexcept {
        Reset(other.release());
        return *this;
    }
    int get() const { return FFd; }
    int release() {
        int fd = FFd;
        FFd = -1;
        return fd;
    }
    void Reset(int fd = -1) {
        if (FFd >= 0) ::close(FFd);
        FFd = fd;
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
        ssize_t n = gRead(fd, buf, sizeof buf);
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
        ssize_t n = gWrite(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return 0;
}

// Writes data from the start of the file and cuts it to that length.
int OverwriteAll(int fd, std::string_view data) {
    if (::lseek(fd, 0, SEEK_SET) < 0) return errno;
    if (int err = WriteAll(fd, data)) return err;
    if (::ftruncate(fd, static_cast<off_t>(data.size())) != 0) return errno;
    if (::fsync(fd) != 0) return errno;
    return 0;
}

struct TOpened {
    Fd File;
    int Error = 0; // errno of a failed open; 0 when open
};

// Opens a file for reading without ever blocking on a pipe; raises for
// anything that is not a regular file.
TOpened OpenRegular(const std::string& path) {
    TOpened r;
    r.File.Reset(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (r.File.get() < 0) {
        r.Error = errno;
        return r;
    }
    struct stat st {};
    if (::fstat(r.File.get(), &st) != 0) EInOutError::RaiseReadError(errno, path);
    if (!S_ISREG(st.st_mode)) throw EInOutError(io_error::AccessDenied, path);
    return r;
}

std::string ReadOpened(int fd, const std::string& path) {
    std::string out;
    if (int err = ReadAll(fd, out)) EInOutError::RaiseReadError(err, path);
    return out;
}

// The file that path finally names after following every symbolic link.
std::string ResolveLinks(const std::string& path) {
    std::string cur = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(cur.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return cur;
        std::string to(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        for (;;) {
            ssize_t n = ::readlink(cur.c_str(), to.data(), to.size());
            if (n < 0) EInOutError::RaiseFromErrno(errno, path);
            if (static_cast<size_t>(n) < to.size()) {
                to.resize(static_cast<size_t>(n));
                break;
            }
            to.resize(to.size() * 2);
        }
        cur = IsAbsolutePath(to) ? to : ExtractFilePath(cur) + to;
    }
    EInOutError::RaiseFromErrno(ELOOP, path);
}

// "folder/NAME.bak" for "folder/NAME.ext"; "" for a file that is a backup.
std::string BackupName(const std::string& path) {
    std::string name = ExtractFileName(path);
    std::string ext = ExtractFileExt(path);
    if (ext == ".bak") return {};
    return ExtractFilePath(path) + name.substr(0, name.size() - ext.size()) + ".bak";
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// An exclusive lock on the file a save replaces, held while it runs. After a
// rename the name stands for a new file, so the lock is taken again until it
// holds the file the name stands for. Where locks are not supported the save
// goes ahead without one.
// Takes an exclusive lock on fd, waiting for another save to let go until
// deadline ("File access denied" then); false where the file system has no
// locks.
bool WaitForLock(int fd, std::chrono::steady_clock::time_point deadline, const std::string& path) {
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() > deadline)
            throw EInOutError(io_error::AccessDenied, path);
        std::this_thread::sleep_for(kLockPoll);
    }
    return true;
}

class TSaveLock {
public:
    TSaveLock(const std::string& target, const std::string& path, struct stat& st) {
        auto deadline = std::chrono::steady_clock::now() + kLockWait;
        for (;;) {
            FFd.Reset(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
            if (FFd.get() < 0) FFd.Reset(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
            if (FFd.get() < 0) return;
            if (!WaitForLock(FFd.get(), deadline, path)) return;
            struct stat held {};
            struct stat now {};
            if (::fstat(FFd.get(), &held) != 0) return;
            if (::stat(target.c_str(), &now) != 0) EInOutError::RaiseFromErrno(errno, path);
            if (SameFile(held, now)) {
                st = now;
                return;
            }
        }
    }

private:
    Fd FFd;
};

constexpr std::string_view kTmpMark = ".tmp-";
constexpr size_t kTmpRandom = 6; // the XXXXXX of mkostemp

// The write batch in force: its folder (as named and held open) and the
// temporaries it listed there.
struct TBatchState {
    std::mutex Lock;
    bool Active = false;
    dev_t Dev = 0;
    ino_t Ino = 0;
    std::string Folder; // as the batch was given it, "" for the current folder
    Fd Dir;
    std::vector<std::string> Temporaries;
};

TBatchState& Batch() {
    static TBatchState state;
    return state;
}

bool IsTemporaryName(std::string_view name) {
    return name.size() > kTmpMark.size() + kTmpRandom &&
           name.substr(name.size() - kTmpRandom - kTmpMark.size(), kTmpMark.size()) == kTmpMark;
}

// Removes the temporary name in the folder dfd when it is a regular file that
// no running save holds (a running save keeps it locked).
void RemoveIfStale(int dfd, const char* name) {
    Fd fd(::openat(dfd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) ::unlinkat(dfd, name, 0);
}

// The batch's open folder when folder (a file's folder part) is the batch's
// folder, else -1. The name is compared first: a site's saves all name the
// folder the same way, and need no look at the disk to be recognised.
int BatchFolder(const std::string& folder) {
    TBatchState& b = Batch();
    std::lock_guard guard(b.Lock);
    if (!b.Active) return -1;
    if (folder == b.Folder) return b.Dir.get();
    struct stat st {};
    if (::stat(folder.empty() ? "." : folder.c_str(), &st) == 0 && st.st_dev == b.Dev &&
        st.st_ino == b.Ino)
        return b.Dir.get();
    return -1;
}

// Removes "NAME.tmp-XXXXXX" files of earlier saves that were killed: a file
// that a running save holds is locked and stays.
void RemoveStaleTemporaries(const std::string& target) {
    std::string folder = ExtractFilePath(target);
    std::string prefix = ExtractFileName(target) + std::string(kTmpMark);
    auto ours = [&](std::string_view name) {
        return name.size() == prefix.size() + kTmpRandom && name.substr(0, prefix.size()) == prefix;
    };
    if (int dfd = BatchFolder(folder); dfd >= 0) {
        TBatchState& b = Batch();
        std::lock_guard guard(b.Lock);
        std::erase_if(b.Temporaries, [&](const std::string& name) {
            if (!ours(name)) return false;
            RemoveIfStale(dfd, name.c_str());
            return true;
        });
        return;
    }
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    int dfd = ::dirfd(dir);
    while (dirent* e = ::readdir(dir))
        if (ours(e->d_name)) RemoveIfStale(dfd, e->d_name);
    ::closedir(dir);
}

void WriteDevice(const std::string& target, const std::string& path, std::string_view data) {
    // A pipe without a reader fails at once instead of waiting for one.
    Fd fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) EInOutError::RaiseFromErrno(errno, path);
    int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    if (int err = WriteAll(fd.get(), data)) EInOutError::RaiseFromErrno(err, path);
    if (::close(fd.release()) != 0) EInOutError::RaiseFromErrno(errno, path);
}

void CheckWritable(const std::string& target, const std::string& path, const struct stat& st) {
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        EInOutError::RaiseFromErrno(errno, path);
    // A file nobody may write was made read-only on purpose.
    if ((st.st_mode & 0222) == 0) throw EInOutError(io_error::AccessDenied, path);
}

void Write(const std::string& path, std::string_view data, bool keepBackup);

// Writes the file in place: the old content goes to the backup first (when
// it can be read and the backup written) and back into the file if the new
// content cannot be written whole.
void WriteInPlace(const std::string& target, const std::string& path, std::string_view data,
                  const struct stat& st, bool keepBackup) {
    std::optional<std::string> old;
    try {
        old = ReadFileIfExists(target);
    } catch (const EInOutError&) {
        // A file that may be written but not read: no copy can be kept.
    }
    std::string backup = keepBackup ? BackupName(path) : std::string();
    struct stat bst {};
    // A backup that is another name of the file itself would only follow it.
    bool sameFile = !backup.empty() && ::stat(backup.c_str(), &bst) == 0 && SameFile(bst, st);
    if (old && !backup.empty() && !sameFile) {
        try {
            Write(backup, *old, false);
        } catch (const EInOutError&) {
            // Nowhere to keep a copy: write straight.
        }
    }
    Fd fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0) EInOutError::RaiseFromErrno(errno, path);
    if (int err = OverwriteAll(fd.get(), data)) {
        if (old) OverwriteAll(fd.get(), *old);
        EInOutError::RaiseFromErrno(err, path);
    }
    if (::close(fd.release()) != 0) EInOutError::RaiseFromErrno(errno, path);
}

enum class TReplaced { Done, InPlace };

// Writes a temporary file beside target and renames it over target. Answers
// InPlace (having changed nothing) when target must be written in place.
TReplaced ReplaceViaTemporary(const std::string& target, const std::string& path,
                              std::string_view data, const struct stat* old) {
    std::string tmp = target + ".tmp-XXXXXX";
    Fd fd(::mkostemp(tmp.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        if (old && (errno == EACCES || errno == EPERM)) return TReplaced::InPlace;
        EInOutError::RaiseFromErrno(errno, path);
    }
    // Marks the temporary as held by a running save.
    ::flock(fd.get(), LOCK_EX | LOCK_NB);
    auto discard = [&] { ::unlink(tmp.c_str()); };
    auto fail = [&](int err) {
        discard();
        EInOutError::RaiseFromErrno(err, path);
    };
    const bool batched = BatchFolder(ExtractFilePath(target)) >= 0;
    // Space taken at once spares the file system writing the file out when
    // the rename replaces the old one (ext4 does that for unallocated data),
    // which a batch of thousands would wait for.
    if (batched && !data.empty()) ::fallocate(fd.get(), 0, 0, static_cast<off_t>(data.size()));
    if (int err = WriteAll(fd.get(), data)) fail(err);
    mode_t mode;
    if (old) {
        if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
            ::fchown(fd.get(), old->st_uid, old->st_gid) != 0) {
            // Only the file itself keeps an owner or group we cannot give.
            discard();
            return TReplaced::InPlace;
        }
        mode = old->st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd.get(), mode) != 0) fail(errno);
    if (!batched && ::fsync(fd.get()) != 0) fail(errno);
    if (::close(fd.release()) != 0) fail(errno);
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        int err = errno;
        discard();
        // A file mounted on its own, or on another device than its folder.
        if (old && (err == EBUSY || err == EXDEV)) return TReplaced::InPlace;
        EInOutError::RaiseFromErrno(err, path);
    }
    // Make the rename itself durable (a batch leaves flushing to the system).
    if (batched) return TReplaced::Done;
    std::string dir = ExtractFilePath(target);
    Fd dfd(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dfd.get() >= 0) ::fsync(dfd.get());
    return TReplaced::Done;
}

// Whether the open file holds exactly data (its size already known to match).
bool HoldsExactly(int fd, std::string_view data) {
    char buf[65536];
    size_t at = 0;
    while (at < data.size()) {
        ssize_t n = gRead(fd, buf, std::min(sizeof buf, data.size() - at));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || std::memcmp(buf, data.data() + at, static_cast<size_t>(n)) != 0) return false;
        at += static_cast<size_t>(n);
    }
    return true;
}

// Locks the regular file name in the folder dfd as TSaveLock does, without
// following a link: a link put there after the caller looked is refused.
// Answers the open file and fills st, or raises.
Fd LockInFolder(int dfd, const std::string& name, const std::string& path, struct stat& st) {
    auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        const int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        Fd fd(::openat(dfd, name.c_str(), O_RDONLY | flags));
        // A file that may be written but not read is still locked (and replaced).
        if (fd.get() < 0 && errno == EACCES)
            fd.Reset(::openat(dfd, name.c_str(), O_WRONLY | flags));
        if (fd.get() < 0) {
            if (errno == ELOOP) throw EInOutError(io_error::AccessDenied, path);
            EInOutError::RaiseFromErrno(errno, path);
        }
        WaitForLock(fd.get(), deadline, path); // goes on unlocked where there are no locks
        struct stat now {};
        if (::fstat(fd.get(), &st) != 0) EInOutError::RaiseFromErrno(errno, path);
        if (::fstatat(dfd, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0)
            EInOutError::RaiseFromErrno(errno, path);
        if (SameFile(st, now)) return fd;
    }
}

// A save into the folder of the write batch in force, by the batch's rules
// (FileIO.h). Answers false, having done nothing, when path is not in the
// batch's folder or names a device or pipe, which the usual rules write.
bool WriteInBatch(const std::string& path, std::string_view data) {
    const int dfd = BatchFolder(ExtractFilePath(path));
    const std::string name = ExtractFileName(path);
    if (dfd < 0 || name.empty()) return false;
    {
        Fd fd(::openat(dfd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                       0666));
        if (fd.get() >= 0) {
            // Marks the file as held by a running save, as a temporary is.
            ::flock(fd.get(), LOCK_EX | LOCK_NB);
            int err = WriteAll(fd.get(), data);
            if (::close(fd.release()) != 0 && err == 0) err = errno;
            if (err) {
                ::unlinkat(dfd, name.c_str(), 0);
                EInOutError::RaiseFromErrno(err, path);
            }
            RemoveStaleTemporaries(path);
            return true;
        }
        if (errno != EEXIST) EInOutError::RaiseFromErrno(errno, path);
    }
    struct stat st {};
    if (::fstatat(dfd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        EInOutError::RaiseFromErrno(errno, path);
    if (S_ISLNK(st.st_mode) || S_ISDIR(st.st_mode)) throw EInOutError(io_error::AccessDenied, path);
    if (!S_ISREG(st.st_mode)) return false;
    Fd held = LockInFolder(dfd, name, path, st);
    if (!S_ISREG(st.st_mode)) throw EInOutError(io_error::AccessDenied, path);
    CheckWritable(path, path, st);
    RemoveStaleTemporaries(path);
    if (static_cast<size_t>(st.st_size) == data.size() && HoldsExactly(held.get(), data))
        return true;
    if (ReplaceViaTemporary(path, path, data, &st) == TReplaced::Done) return true;
    // Writing in place would write through to the file's other names.
    if (st.st_nlink > 1) throw EInOutError(io_error::AccessDenied, path);
    WriteInPlace(path, path, data, st, true);
    return true;
}

void Write(const std::string& path, std::string_view data, bool keepBackup) {
    if (WriteInBatch(path, data)) return;
    std::string target = ResolveLinks(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT) EInOutError::RaiseFromErrno(errno, path);
        RemoveStaleTemporaries(target);
        ReplaceViaTemporary(target, path, data, nullptr);
        return;
    }
    if (S_ISDIR(st.st_mode)) throw EInOutError(io_error::AccessDenied, path);
    if (!S_ISREG(st.st_mode)) {
        WriteDevice(target, path, data);
        return;
    }
    CheckWritable(target, path, st);
    TSaveLock lock(target, path, st);
    RemoveStaleTemporaries(target);
    if (st.st_nlink > 1 || ReplaceViaTemporary(target, path, data, &st) == TReplaced::InPlace)
        WriteInPlace(target, path, data, st, keepBackup);
}

} // namespace

TWriteBatch::TWriteBatch(const std::string& folder) {
    TBatchState& b = Batch();
    std::lock_guard guard(b.Lock);
    if (b.Active) return;
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) return; // saves there fail on their own, with their own message
    struct stat st {};
    if (::fstat(dir.get(), &st) != 0) return;
    Fd listing(::dup(dir.get()));
    DIR* d = listing.get() >= 0 ? ::fdopendir(listing.get()) : nullptr;
    if (!d) return;
    listing.release(); // closedir closes it
    b.Temporaries.clear();
    while (dirent* e = ::readdir(d))
        if (IsTemporaryName(e->d_name)) b.Temporaries.emplace_back(e->d_name);
    ::closedir(d);
    b.Active = FActive = true;
    b.Dev = st.st_dev;
    b.Ino = st.st_ino;
    b.Folder = folder;
    b.Dir = std::move(dir);
}

TWriteBatch::~TWriteBatch() {
    if (!FActive) return;
    TBatchState& b = Batch();
    std::lock_guard guard(b.Lock);
    b.Active = false;
    b.Temporaries.clear();
    b.Dir.Reset();
}

std::optional<std::string> TryReadFile(const std::string& path) {
    try {
        TOpened f = OpenRegular(path);
        if (f.Error) return std::nullopt;
        std::string out;
        if (ReadAll(f.File.get(), out) != 0) return std::nullopt;
        return out;
    } catch (const EInOutError&) {
        return std::nullopt;
    }
}

std::optional<std::string> ReadFileIfExists(const std::string& path) {
    TOpened f = OpenRegular(path);
    if (f.Error == ENOENT) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0) throw EInOutError(io_error::FileNotFound, path);
        return std::nullopt;
    }
    if (f.Error) EInOutError::RaiseReadError(f.Error, path);
    return ReadOpened(f.File.get(), path);
}

std::string ReadFile(const std::string& path) {
    auto text = ReadFileIfExists(path);
    if (!text) throw EInOutError(io_error::FileNotFound, path);
    return std::move(*text);
}

void WriteFileReplacing(const std::string& path, std::string_view data) {
    Write(path, data, true);
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

namespace testing {
void SetReadFunction(TReadFunction read) {
    gRead = read ? read : ::read;
}
void SetWriteFunction(TWriteFunction write) {
    gWrite = write ? write : ::write;
}
} // namespace testing

} // namespace fileio
