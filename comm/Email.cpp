#include "comm/Email.h"

#include "platform/FileIO.h"
#include "platform/Services.h"

TEmail::~TEmail() {
    Logoff();
}

uint32_t TEmail::Logon() {
    if (FMapiHandle != 0) return mapi::SuccessSuccess;
    IMailSystem& mail = Svc().UseMail();
    // Without a default profile the caller's own Profile stays in use.
    if (UseDefProfile)
        if (std::optional<std::string> def = mail.DefaultProfile()) Profile = *def;
    uint32_t session = 0;
    uint32_t r = mail.Logon(Profile, Password, 0, session);
    if (r == mapi::SuccessSuccess) {
        FMapiHandle = session;
        return r;
    }
    // Let the mail client ask the user for a profile.
    session = 0;
    r = mail.Logon(std::nullopt, std::nullopt, mapi::LogonUI, session);
    if (r == mapi::SuccessSuccess) FMapiHandle = session;
    return r;
}

void TEmail::Logoff() {
    if (FMapiHandle == 0) return;
    Svc().UseMail().Logoff(FMapiHandle);
    FMapiHandle = 0;
}

uint32_t TEmail::AddRecipients(std::vector<std::string>& list, int recipClass,
                               std::vector<TMapiRecipient>& recips) {
    IMailSystem& mail = Svc().UseMail();
    for (std::string& entry : list) {
        if (entry.empty()) continue;
        TMapiRecipient resolved;
        uint32_t r = mail.ResolveName(FMapiHandle, entry, 0, resolved);
        if (r == mapi::AmbiguousRecipient || r == mapi::UnknownRecipient) {
            resolved = TMapiRecipient();
            r = mail.ResolveName(FMapiHandle, entry, mapi::Dialog, resolved);
        }
        if (r != mapi::SuccessSuccess) return r;
        entry = resolved.Name;
        TMapiRecipient recip;
        recip.RecipClass = recipClass;
        recip.Name = resolved.Name;
        // The address the user confirmed while resolving travels with the
        // name, so the client need not place a display name a second time.
        recip.Address = resolved.Address;
        recips.push_back(std::move(recip));
    }
    return mapi::SuccessSuccess;
}

std::string TEmail::CheckAttachment(const std::string& path) {
    return fileio::FileExists(path) ? path : std::string();
}

uint32_t TEmail::Send() {
    if (Recipient.size() + CC.size() + Bcc.size() > kMaxRecipients) return mapi::TooManyRecipients;
    if (Attachment.size() > kMaxAttachments) return mapi::TooManyFiles;

    const bool ownLogon = FMapiHandle == 0;
    if (Logon() != mapi::SuccessSuccess) return mapi::LoginFailure;
    struct EndOwnLogon {
        TEmail& mail;
        bool own;
        ~EndOwnLogon() {
            if (own) mail.Logoff();
        }
    } endOwnLogon{*this, ownLogon};

    TMapiMessage msg;
    msg.Subject = Subject;
    if (!Text.empty()) msg.NoteText = Text;
    // A list that stops on an unresolved name leaves the rest of that list
    // out; the user sees what remains in the client's dialog.
    AddRecipients(Recipient, mapi::To, msg.Recips);
    AddRecipients(CC, mapi::Cc, msg.Recips);
    AddRecipients(Bcc, mapi::Bcc, msg.Recips);
    for (const std::string& a : Attachment) {
        std::string path = CheckAttachment(a);
        if (path.empty()) return mapi::AttachmentNotFound;
        TMapiFile file;
        file.Position = -1;
        file.PathName = path;
        msg.Files.push_back(std::move(file));
    }
    if (Acknowledge) msg.Flags |= mapi::ReceiptRequested;

    return Svc().UseMail().SendMail(FMapiHandle, msg, mapi::Dialog);
}
