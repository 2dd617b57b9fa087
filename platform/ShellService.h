#pragma once

#include <string>

// Opening documents and addresses, and starting programs.
// Nothing here ever goes through a command interpreter: a program is started
// directly with its argument text split into words (quotes group, nothing is
// expanded), and documents and addresses open through the desktop's handler.
class IShell {
public:
    virtual ~IShell() = default;
    // The "open" verb: File is a document, an address or a program. Parameters
    // (for a program) and Directory (its working folder) may be empty. ShowCmd
    // is the window-show code the caller asks for (1 normal, 5 show).
    // Answers true when the request was handed on.
    virtual bool Open(const std::string& file, const std::string& parameters,
                      const std::string& directory, int showCmd) = 0;
};
