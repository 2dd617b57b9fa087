#include "platform/DesktopMailSystem.h"

#include "platform/ArgumentText.h"
#include "platform/Settings.h"
#include "platform/ShellService.h"

#include <vector>

namespace {
bool StartsWithFax(const std::string& s) {
    return s.size() >= 4 && (s[0] == 'F' || s[0] == 'f') && (s[1] == 'A' || s[1] == 'a') &&
           (s[2] == 'X' || s[2] == 'x') && s[3] == ':';
}
} // namespace

TDesktopMailSystem::TDesktopMailSystem(IShell& shell, const ISettings& settings)
    : FShell(shell), FSettings(settings) {}

uint32_t TDesktopMailSystem::Logon(const std::optional<std::string>&,
                                   const std::optional<std::string>&, uint32_t, uint32_t& session) {
    // The composer needs no logon; every message opens a composer window.
    session = 1;
    return mapi::SuccessSuccess;
}

uint32_t TDesktopMailSystem::Logoff(uint32_t) {
    return mapi::SuccessSuccess;
}

uint32_t TDesktopMailSystem::ResolveName(uint32_t, const std::string& name, uint32_t,
                                         TMapiRecipient& recipient) {
    // Only what can be delivered resolves; there is no address book to ask.
    if (name.find('@') == std::string::npos && !StartsWithFax(name)) return mapi::UnknownRecipient;
    recipient.Name = name;
    recipient.Address = name;
    return mapi::SuccessSuccess;
}

std::string TDesktopMailSystem::DeliveryAddress(const TMapiRecipient& r) const {
    std::string a = r.Address.empty() ? r.Name : r.Address;
    if (!StartsWithFax(a)) return a;
    std::string pattern = FSettings.ReadString("Mail", "FaxGateway", "");
    auto at = pattern.find("%s");
    if (at == std::string::npos) return {};
    // Only the digits of the number (and a leading +) reach the gateway.
    std::string number;
    for (char c : a.substr(4))
        if ((c >= '0' && c <= '9') || (c == '+' && number.empty())) number += c;
    if (number.empty()) return {};
    return pattern.substr(0, at) + number + pattern.substr(at + 2);
}

uint32_t TDesktopMailSystem::SendMail(uint32_t, const TMapiMessage& message, uint32_t) {
    std::vector<std::string> args;
    std::vector<std::string> to;
    for (const auto& r : message.Recips) {
        std::string a = DeliveryAddress(r);
        if (a.empty()) return mapi::UnknownRecipient;
        if (r.RecipClass == mapi::Cc) {
            args.push_back("--cc");
            args.push_back(a);
        } else if (r.RecipClass == mapi::Bcc) {
            args.push_back("--bcc");
            args.push_back(a);
        } else {
            to.push_back(a);
        }
    }
    if (!message.Subject.empty()) {
        args.push_back("--subject");
        args.push_back(message.Subject);
    }
    if (message.NoteText) {
        args.push_back("--body");
        args.push_back(*message.NoteText);
    }
    for (const auto& f : message.Files) {
        args.push_back("--attach");
        args.push_back(f.PathName);
    }
    args.push_back("--utf8");
    args.insert(args.end(), to.begin(), to.end());
    std::string composer = FSettings.ReadString("Mail", "Composer", "xdg-email");
    return FShell.Open(composer, QuoteArguments(args), "", 1) ? mapi::SuccessSuccess
                                                              : mapi::Failure;
}
