#include "automation/ServerRegistration.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {
bool SameLetters(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != b[i]) return false;
    return i == a.size() && !b[i];
}

// The bus reads the Exec line as a shell would split it: a path with blanks
// or quotes goes in single quotes.
std::string ShellWord(const std::string& s) {
    bool plain = !s.empty();
    for (unsigned char c : s)
        if (!std::isalnum(c) && c != '/' && c != '.' && c != '_' && c != '-' && c != '+')
            plain = false;
    if (plain) return s;
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}
} // namespace

TServerRegistration::TServerRegistration(const std::vector<std::string>& args) {
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || (a[0] != '-' && a[0] != '/')) continue;
        const std::string name = a.substr(1);
        if (SameLetters(name, "AUTOMATION")) FAutomation = true;
        if (SameLetters(name, "EMBEDDING")) FEmbedding = true;
        if (SameLetters(name, "REGSERVER")) FRegServer = true;
        if (SameLetters(name, "UNREGSERVER")) FUnregServer = true;
    }
}

std::string TServerRegistration::ServiceFile(const std::string& dataHome) {
    return fileio::JoinPath(fileio::JoinPath(dataHome, "dbus-1/services"),
                            std::string(kAutomationName) + ".service");
}

std::string TServerRegistration::ServiceText(const std::string& programPath) {
    return std::string("[D-BUS Service]\nName=") + kAutomationName +
           "\nExec=" + ShellWord(programPath) + " -AUTOMATION\n";
}

void TServerRegistration::Apply(const std::string& dataHome, const std::string& programPath) const {
    const std::string file = ServiceFile(dataHome);
    if (FUnregServer) {
        // unlink, not remove: a folder in the file's place is not ours to take.
        if (::unlink(file.c_str()) != 0 && errno != ENOENT)
            EInOutError::RaiseFromErrno(errno, file);
        return;
    }
    const std::string text = ServiceText(programPath);
    if (fileio::TryReadFile(file) == text) return;
    std::error_code ec;
    std::filesystem::create_directories(fileio::ExtractFilePath(file), ec);
    if (ec) EInOutError::RaiseFromErrno(ec.value(), fileio::ExtractFilePath(file));
    fileio::WriteFileReplacing(file, text);
}
