#include "printing/ReturnAddress.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "printing/ReportFields.h"
#include "store/FieldText.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace retaddr {

namespace {

// The file a chain of symbolic links ends at, so that replacing it leaves
// the links in place.
std::string LinkTarget(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char buf[PATH_MAX];
        ssize_t n = ::readlink(path.c_str(), buf, sizeof buf - 1);
        if (n < 0) EInOutError::RaiseFromErrno(errno, path);
        std::string target(buf, static_cast<size_t>(n));
        path = fileio::IsAbsolutePath(target)
                   ? target
                   : fileio::JoinPath(fileio::ExtractFilePath(path), target);
    }
    EInOutError::RaiseFromErrno(ELOOP, path);
}

} // namespace

std::string Read(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return {};
        EInOutError::RaiseFromErrno(errno, path);
    }
    // A device or a pipe would never end (or never answer).
    if (!S_ISREG(st.st_mode)) throw EInOutError(io_error::InvalidFilename, path);
    return reportfields::JoinLines(fieldtext::TextLines(fileio::ReadFile(path)), "\r\n");
}

void Write(const std::string& path, const std::string& text) {
    std::string data;
    for (const std::string& line : fieldtext::TextLines(text))
        data += line + "\r\n";
    fileio::WriteFileReplacing(LinkTarget(path), data);
}

} // namespace retaddr
