#pragma once

#include <stdexcept>
#include <string>

// Errors are exceptions, as the runtime library of the original system raised
// them: an I/O error carries the runtime's code and message, and a reader's
// error carries the file and the line where it happened.
class EInOutError : public std::runtime_error {
public:
    EInOutError(int code, const std::string& fileName = {}, int line = 0);

    int ErrorCode() const { return FErrorCode; }
    const std::string& FileName() const { return FFileName; }
    int Line() const { return FLine; } // 0 when no line applies

    // "FILE:LINE: MESSAGE" where the parts are known.
    std::string Where() const;

    static std::string MessageFor(int code);
    // Maps an errno value to the runtime's I/O error code.
    static int CodeFromErrno(int err);
    [[noreturn]] static void RaiseFromErrno(int err, const std::string& fileName);
    // As RaiseFromErrno, for a failed read: EIO is "Disk read error".
    [[noreturn]] static void RaiseReadError(int err, const std::string& fileName);

private:
    int FErrorCode;
    std::string FFileName;
    int FLine;
};

// A text that should be a number is not one.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An index past the end of a list.
class EListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// I/O error codes of the runtime library.
namespace io_error {
constexpr int FileNotFound = 2;
constexpr int InvalidFilename = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int DiskWriteError = 29;
constexpr int DiskReadError = 30;
constexpr int EndOfFile = 100;
constexpr int DiskFull = 101;
constexpr int InvalidNumericInput = 106;
} // namespace io_error
