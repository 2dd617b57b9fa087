#pragma once

#include "platform/Telephony.h"

#include <string>
#include <vector>

class ISettings;
class TPosixShell;

// Dialing on the desktop: a "tel:" address handed to the desktop's handler,
// or, when "kex.ini" [Settings] Dialer names a command, that program started
// directly (no shell) with the number as an argument: a word "%n" in the
// command is replaced by it, else it is appended. Both go through the shell,
// which tells the user when the handler or the dialer fails.
class TDesktopTelephony : public ITelephony {
public:
    TDesktopTelephony(const ISettings* settings, TPosixShell& shell)
        : FSettings(settings), FShell(shell) {}

    // 0 when the request was handed on; -2 (no request recipient) otherwise.
    long RequestMakeCall(const std::string& destAddress, const std::string& appName,
                         const std::string& calledParty, const std::string& comment) override;

    // The dialable characters of a number: digits, + * # and the pause
    // letters, nothing that a URL or a program could read as syntax.
    static std::string DialString(const std::string& number);
    // The program and its arguments for a dialer command and a number.
    static std::vector<std::string> DialerCommand(const std::string& command,
                                                  const std::string& number);

    static constexpr long kNoRequestRecipient = -2;

private:
    const ISettings* FSettings;
    TPosixShell& FShell;
};
