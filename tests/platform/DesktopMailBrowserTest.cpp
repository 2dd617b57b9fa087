#include "platform/ArgumentText.h"
#include "platform/DesktopMailSystem.h"
#include "platform/IniFile.h"
#include "platform/PosixShell.h"
#include "support/Fakes.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(ArgumentText, QuotedWordsSplitBackExactly) {
    for (const Words& w : {Words{"a b", "it's", "$(x)", ";|&", "\"q\"", ""}, Words{"plain"}})
        EXPECT_EQ(TPosixShell::SplitArguments(QuoteArguments(w)), w);
}

TEST(DesktopMail, HandsTheMessageToTheComposerWithoutAShell) {
    TRecordingShell shell;
    TIniFile settings;
    TDesktopMailSystem mail(shell, settings);
    uint32_t session = 0;
    ASSERT_EQ(mail.Logon(std::nullopt, std::nullopt, 0, session), mapi::SuccessSuccess);
    TMapiRecipient r;
    EXPECT_EQ(mail.ResolveName(session, "ann@example.org", 0, r), mapi::SuccessSuccess);
    EXPECT_EQ(r.Address, "ann@example.org");
    EXPECT_EQ(mail.ResolveName(session, "Ann Lee", 0, r), mapi::UnknownRecipient);

    TMapiMessage m;
    m.Subject = "Hi; there";
    m.Recips = {{mapi::To, "ann@example.org", "ann@example.org"},
                {mapi::Cc, "bob@example.org", ""},
                {mapi::To, "cy@example.org", "cy@example.org"}};
    m.Files = {{-1, "/home/ann/offer letter.odt", ""}};
    ASSERT_EQ(mail.SendMail(session, m, mapi::Dialog), mapi::SuccessSuccess);
    ASSERT_EQ(shell.Calls.size(), 1u);
    EXPECT_EQ(shell.Calls[0].File, "xdg-email");
    EXPECT_EQ(TPosixShell::SplitArguments(shell.Calls[0].Parameters),
              (Words{"--cc", "bob@example.org", "--subject", "Hi; there", "--attach",
                     "/home/ann/offer letter.odt", "--utf8", "ann@example.org", "cy@example.org"}));
}

TEST(DesktopMail, FaxNumbersGoThroughTheGatewayOrFail) {
    TRecordingShell shell;
    TIniFile settings;
    TDesktopMailSystem mail(shell, settings);
    TMapiMessage m;
    m.Recips = {{mapi::To, "Acme", "FAX:(555) 123-4567"}};
    EXPECT_EQ(mail.SendMail(0, m, 11), mapi::UnknownRecipient);
    EXPECT_TRUE(shell.Calls.empty());
    settings.WriteString("Mail", "FaxGateway", "%s@fax.example.net");
    EXPECT_EQ(mail.SendMail(0, m, 11), mapi::SuccessSuccess);
    ASSERT_EQ(shell.Calls.size(), 1u);
    EXPECT_EQ(TPosixShell::SplitArguments(shell.Calls[0].Parameters).back(),
              "5551234567@fax.example.net");
}

} // namespace
