#pragma once

#include <string>
#include <vector>

// The bus name the running program answers to, the interface of its
// application object, and the description registered with it.
inline constexpr const char* kAutomationName = "Tavi.Application";
inline constexpr const char* kAutomationDescription = "Merrowin automation interface";

// The automation switches of the command line and the session bus's
// activation file ("Tavi.Application.service") that lets a client's call
// start the program.
//
// A switch counts when it begins with "-" or "/"; the rest is compared
// without regard to letter case. Every start but "-UNREGSERVER" writes the
// file (so the newest program started is the one a call starts), and
// "-UNREGSERVER" removes it; "-REGSERVER" and "-UNREGSERVER" then end the
// program. "-AUTOMATION" and "-EMBEDDING" (given by the activation) change
// nothing else.
class TServerRegistration {
public:
    // args: the command line, the program path first (not read as a switch).
    explicit TServerRegistration(const std::vector<std::string>& args);

    bool Automation() const { return FAutomation; }
    bool Embedding() const { return FEmbedding; }
    bool RegServer() const { return FRegServer; }
    bool UnregServer() const { return FUnregServer; }
    // The program ends once the registration is done.
    bool EndsAtOnce() const { return FRegServer || FUnregServer; }

    // Writes or removes the activation file below dataHome (the user's
    // $XDG_DATA_HOME); programPath is what the bus runs, with "-AUTOMATION".
    // The file is written only when its text changes. Raises EInOutError.
    void Apply(const std::string& dataHome, const std::string& programPath) const;

    // dataHome + "/dbus-1/services/Tavi.Application.service".
    static std::string ServiceFile(const std::string& dataHome);
    static std::string ServiceText(const std::string& programPath);

private:
    bool FAutomation = false;
    bool FEmbedding = false;
    bool FRegServer = false;
    bool FUnregServer = false;
};
