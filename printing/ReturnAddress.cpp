#include "printing/ReturnAddress.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "printing/ReportFields.h"
#include "store/FieldText.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace retaddr {

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
    fileio::WriteFileReplacing(path, data); // a link stays a link
}

} // namespace retaddr
