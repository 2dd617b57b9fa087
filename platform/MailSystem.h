#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The mail system's five calls (logon, logoff, resolve a name, send, and the
// buffer release, which is not needed here), with the Simple MAPI codes.
namespace mapi {
constexpr uint32_t SuccessSuccess = 0;
constexpr uint32_t UserAbort = 1;
constexpr uint32_t Failure = 2;
constexpr uint32_t LoginFailure = 3;
constexpr uint32_t TooManyFiles = 9;
constexpr uint32_t TooManyRecipients = 10;
constexpr uint32_t AttachmentNotFound = 11;
constexpr uint32_t UnknownRecipient = 14;
constexpr uint32_t AmbiguousRecipient = 21;

constexpr uint32_t LogonUI = 1;
constexpr uint32_t NewSession = 2;
constexpr uint32_t ReceiptRequested = 2;
constexpr uint32_t Dialog = 8;

constexpr int To = 1;
constexpr int Cc = 2;
constexpr int Bcc = 3;
} // namespace mapi

struct TMapiRecipient {
    int RecipClass = mapi::To;
    std::string Name;
    std::string Address; // empty when not given
};

struct TMapiFile {
    int Position = -1;
    std::string PathName;
    std::string FileName; // empty when not given
};

struct TMapiMessage {
    std::string Subject;
    std::optional<std::string> NoteText;
    uint32_t Flags = 0;
    std::vector<TMapiRecipient> Recips;
    std::vector<TMapiFile> Files;
};

class IMailSystem {
public:
    virtual ~IMailSystem() = default;
    virtual uint32_t Logon(const std::optional<std::string>& profile,
                           const std::optional<std::string>& password, uint32_t flags,
                           uint32_t& session) = 0;
    virtual uint32_t Logoff(uint32_t session) = 0;
    virtual uint32_t ResolveName(uint32_t session, const std::string& name, uint32_t flags,
                                 TMapiRecipient& recipient) = 0;
    virtual uint32_t SendMail(uint32_t session, const TMapiMessage& message, uint32_t flags) = 0;
    // The default messaging profile name, or nullopt when none is configured.
    virtual std::optional<std::string> DefaultProfile() const = 0;
};
