#include "exchange/ImportError.h"

EImportError::EImportError(const std::string& message, const std::string& fileName, int line)
    : std::runtime_error(message), FFileName(fileName), FLine(line) {}

std::string EImportError::Where() const {
    std::string s;
    if (!FFileName.empty()) {
        s = FFileName + ":";
        if (FLine > 0) s += std::to_string(FLine) + ":";
        s += " ";
    }
    return s + what();
}
