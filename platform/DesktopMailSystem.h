#pragma once

#include "platform/MailSystem.h"

class IShell;
class ISettings;

// The mail system on a Linux desktop: a message is handed to the user's mail
// composer (xdg-email, or the program in [Mail] Composer), where the user
// checks and sends it. Names resolve when they are addresses; "FAX:" numbers
// go to the e-mail-to-fax gateway of [Mail] FaxGateway, a pattern in which
// "%s" stands for the number (for example "%s@fax.example.net"); without a
// gateway a fax cannot be sent and the call fails.
class TDesktopMailSystem : public IMailSystem {
public:
    TDesktopMailSystem(IShell& shell, const ISettings& settings);

    uint32_t Logon(const std::optional<std::string>& profile,
                   const std::optional<std::string>& password, uint32_t flags,
                   uint32_t& session) override;
    uint32_t Logoff(uint32_t session) override;
    uint32_t ResolveName(uint32_t session, const std::string& name, uint32_t flags,
                         TMapiRecipient& recipient) override;
    uint32_t SendMail(uint32_t session, const TMapiMessage& message, uint32_t flags) override;
    std::optional<std::string> DefaultProfile() const override { return std::nullopt; }

    // The address a recipient's mail goes to: its address (or name), with a
    // "FAX:" number put through the gateway; "" when it cannot be sent.
    std::string DeliveryAddress(const TMapiRecipient& recipient) const;

private:
    IShell& FShell;
    const ISettings& FSettings;
};
