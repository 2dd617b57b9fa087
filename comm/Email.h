#pragma once

#include "platform/MailSystem.h"

#include <cstdint>
#include <string>
#include <vector>

// Hands one message to the user's mail client through the mail system
// (Svc().Mail): logs on to a profile, resolves the recipients (the client may
// ask the user about a name it cannot place), attaches files and submits the
// message with the client's own dialog, where the user confirms or cancels it.
// Results are the mail system's codes (mapi::); nothing is shown from here.
class TEmail {
public:
    TEmail() = default;
    // Ends a logon that is still open.
    ~TEmail();
    TEmail(const TEmail&) = delete;
    TEmail& operator=(const TEmail&) = delete;

    std::vector<std::string> Recipient; // To
    std::vector<std::string> CC;
    std::vector<std::string> Bcc;
    std::vector<std::string> Attachment; // full paths
    std::string Subject;
    std::string Text;
    bool Acknowledge = false;   // ask for a read receipt
    bool UseDefProfile = false; // take Profile from the default profile at logon
    std::string Profile;
    std::string Password;

    static constexpr size_t kMaxRecipients = 512; // all three lists together
    static constexpr size_t kMaxAttachments = 32;

    // 0 on success or when a logon is already open, else the mail system's code.
    uint32_t Logon();
    void Logoff();
    // The whole operation: 10 or 9 when over the limits, 3 when no logon
    // could be made, 11 for a missing attachment, else the send call's code.
    uint32_t Send();
    // Resolves the non-empty entries of list into recipients of the class,
    // appended to recips. Each entry is replaced by its resolved display name.
    // The first entry that cannot be resolved stops the list: its code is
    // returned and the entries after it are left out.
    uint32_t AddRecipients(std::vector<std::string>& list, int recipClass,
                           std::vector<TMapiRecipient>& recips);
    // The path when it names an existing file, else "".
    static std::string CheckAttachment(const std::string& path);

    bool LoggedOn() const { return FMapiHandle != 0; }

private:
    uint32_t FMapiHandle = 0;
};
