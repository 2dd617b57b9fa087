#include "platform/Errors.h"

#include <cerrno>

EInOutError::EInOutError(int code, const std::string& fileName, int line)
    : std::runtime_error(MessageFor(code)), FErrorCode(code), FFileName(fileName), FLine(line) {}

std::string EInOutError::MessageFor(int code) {
    switch (code) {
    case io_error::FileNotFound:
        return "File not found";
    case io_error::InvalidFilename:
        return "Invalid filename";
    case io_error::TooManyOpenFiles:
        return "Too many open files";
    case io_error::AccessDenied:
        return "File access denied";
    case io_error::DiskWriteError:
        return "Disk write error";
    case io_error::DiskReadError:
        return "Disk read error";
    case io_error::EndOfFile:
        return "Read beyond end of file";
    case io_error::DiskFull:
        return "Disk full";
    case io_error::InvalidNumericInput:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(code);
    }
}

int EInOutError::CodeFromErrno(int err) {
    switch (err) {
    case ENOENT:
        return io_error::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
        return io_error::InvalidFilename;
    case EMFILE:
    case ENFILE:
        return io_error::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: // a folder where a file should be
    case ETXTBSY:
        return io_error::AccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return io_error::DiskFull;
    case EIO:
        return io_error::DiskWriteError;
    default:
        return err;
    }
}

void EInOutError::RaiseFromErrno(int err, const std::string& fileName) {
    throw EInOutError(CodeFromErrno(err), fileName);
}

void EInOutError::RaiseReadError(int err, const std::string& fileName) {
    throw EInOutError(err == EIO ? io_error::DiskReadError : CodeFromErrno(err), fileName);
}

std::string EInOutError::Where() const {
    std::string s;
    if (!FFileName.empty()) {
        s = FFileName + ":";
        if (FLine > 0) s += std::to_string(FLine) + ":";
        s += " ";
    }
    return s + what();
}
