#include "platform/ui/DesktopTelephony.h"

#include "platform/PosixShell.h"
#include "platform/Settings.h"

std::string TDesktopTelephony::DialString(const std::string& number) {
    std::string out;
    for (char c : number) {
        if ((c >= '0' && c <= '9') || c == '+' || c == '*' || c == '#')
            out += c;
        else if (c == ',' || c == 'p' || c == 'P')
            out += 'p';
        else if (c == 'w' || c == 'W')
            out += 'w';
    }
    return out;
}

std::vector<std::string> TDesktopTelephony::DialerCommand(const std::string& command,
                                                          const std::string& number) {
    std::vector<std::string> words = TPosixShell::SplitArguments(command);
    if (words.empty()) return words;
    bool placed = false;
    for (size_t i = 1; i < words.size(); ++i) {
        size_t at = words[i].find("%n");
        if (at == std::string::npos) continue;
        words[i].replace(at, 2, number);
        placed = true;
    }
    if (!placed) words.push_back(number);
    return words;
}

long TDesktopTelephony::RequestMakeCall(const std::string& destAddress,
                                        const std::string& /*appName*/,
                                        const std::string& /*calledParty*/,
                                        const std::string& /*comment*/) {
    std::string number = DialString(destAddress);
    if (number.empty()) return kNoRequestRecipient;
    std::string dialer = FSettings ? FSettings->ReadString("Settings", "Dialer", "") : "";
    if (!dialer.empty()) {
        std::vector<std::string> words = DialerCommand(dialer, number);
        if (words.empty()) return kNoRequestRecipient;
        return FShell.Start(words, "", "dial " + number) ? 0 : kNoRequestRecipient;
    }
    return FShell.Open("tel:" + number, "", "", 1) ? 0 : kNoRequestRecipient;
}
