#pragma once

#include "platform/ShellService.h"

#include <string>
#include <string_view>
#include <vector>

// The shell on a POSIX desktop. No command interpreter is ever involved: a
// program is started directly with its parameters split into words, and
// anything else (a document, a folder, an address such as "mailto:" or
// "http:") is handed as one argument to the desktop's opener. Started
// processes are detached: they run on after we exit and never become zombies.
class TPosixShell : public IShell {
public:
    // opener: the program that opens documents and addresses, a name looked
    // up on PATH or a path.
    explicit TPosixShell(std::string opener = "xdg-open");

    // A program (a path, or a name found on PATH, of an executable regular
    // file) is started with SplitArguments(parameters) in directory (when not
    // empty). Anything else goes to the opener. showCmd has no meaning here.
    // False when file is empty or the process could not be started.
    bool Open(const std::string& file, const std::string& parameters, const std::string& directory,
              int showCmd) override;

    // The words of an argument text, split at blanks as a POSIX shell would:
    // '...' is literal, "..." is literal but for \" and \\, and a backslash
    // outside quotes takes the next character literally. Nothing else is
    // special: no variables, globs, redirections, substitutions, ";" or "|".
    static std::vector<std::string> SplitArguments(std::string_view text);

    // The path of the executable program that file names: file itself when
    // it holds a "/", else the first match on PATH. "" when there is none.
    static std::string FindProgram(const std::string& file);

private:
    std::string FOpener;
};
