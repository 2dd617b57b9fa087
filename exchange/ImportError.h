#pragma once

#include <stdexcept>
#include <string>

// A file being imported is not what its reader can take (a binary file, bytes
// that its encoding cannot hold). Carries the file and the line, so the import
// can stop there and say where.
class EImportError : public std::runtime_error {
public:
    EImportError(const std::string& message, const std::string& fileName = {}, int line = 0);

    const std::string& FileName() const { return FFileName; }
    int Line() const { return FLine; } // 0 when no line applies

    // "FILE:LINE: MESSAGE" where the parts are known.
    std::string Where() const;

private:
    std::string FFileName;
    int FLine;
};
