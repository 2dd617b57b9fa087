#include "comm/Email.h"

#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const std::vector<TMapiRecipient>& recips, int recipClass) {
    std::vector<std::string> out;
    for (const auto& r : recips)
        if (r.RecipClass == recipClass) out.push_back(r.Name);
    return out;
}

using Strings = std::vector<std::string>;

} // namespace

TEST(Email, OverTheLimitsReturnsItsCodeWithoutLoggingOn) {
    TTestServices svc;
    TEmail tooManyRecipients;
    tooManyRecipients.Recipient.assign(500, "a@x.org");
    tooManyRecipients.CC.assign(12, "b@x.org");
    tooManyRecipients.Bcc.assign(1, "c@x.org");
    EXPECT_EQ(tooManyRecipients.Send(), mapi::TooManyRecipients);

    TEmail tooManyFiles;
    tooManyFiles.Recipient = {"a@x.org"};
    tooManyFiles.Attachment.assign(33, svc.File("missing"));
    EXPECT_EQ(tooManyFiles.Send(), mapi::TooManyFiles);

    EXPECT_TRUE(svc.Mail.Logons.empty());
    EXPECT_TRUE(svc.Mail.Sent.empty());
}

TEST(Email, BothLogonsFailingGivesLoginFailureAndSendsNothing) {
    TTestServices svc;
    svc.Mail.LogonResults = {mapi::Failure, mapi::UserAbort};
    TEmail mail;
    mail.Recipient = {"a@x.org"};
    mail.Password = "secret";
    EXPECT_EQ(mail.Send(), mapi::LoginFailure);
    ASSERT_EQ(svc.Mail.Logons.size(), 2u);
    // First with the component's profile and password as given (empty, not
    // absent), then with the client's own logon dialog.
    EXPECT_EQ(svc.Mail.Logons[0].Profile, std::optional<std::string>(""));
    EXPECT_EQ(svc.Mail.Logons[0].Password, std::optional<std::string>("secret"));
    EXPECT_EQ(svc.Mail.Logons[0].Flags, 0u);
    EXPECT_EQ(svc.Mail.Logons[1].Profile, std::nullopt);
    EXPECT_EQ(svc.Mail.Logons[1].Password, std::nullopt);
    EXPECT_EQ(svc.Mail.Logons[1].Flags, mapi::LogonUI);
    EXPECT_TRUE(svc.Mail.Sent.empty());
    EXPECT_TRUE(svc.Mail.Logoffs.empty());
}

TEST(Email, LogonThroughTheClientDialogSendsAndLogsOffThatSession) {
    TTestServices svc;
    svc.Mail.LogonResults = {mapi::LoginFailure, mapi::SuccessSuccess};
    svc.Mail.NextSession = 42;
    TEmail mail;
    mail.Recipient = {"a@x.org"};
    EXPECT_EQ(mail.Send(), mapi::SuccessSuccess);
    ASSERT_EQ(svc.Mail.Sent.size(), 1u);
    EXPECT_EQ(svc.Mail.Sent[0].Session, 42u);
    EXPECT_EQ(svc.Mail.Logoffs, std::vector<uint32_t>{42});
    EXPECT_FALSE(mail.LoggedOn());
}

TEST(Email, DefaultProfileReplacesTheProfileOnlyWhenOneIsConfigured) {
    struct Case {
        std::optional<std::string> Default;
        std::string Own;
        std::string Expected;
    };
    for (const Case& c : {Case{"Work", "", "Work"}, Case{"Work", "Home", "Work"},
                          Case{std::nullopt, "", ""}, Case{std::nullopt, "Home", "Home"}}) {
        TTestServices svc;
        svc.Mail.Profile = c.Default;
        TEmail mail;
        mail.UseDefProfile = true;
        mail.Profile = c.Own;
        ASSERT_EQ(mail.Logon(), mapi::SuccessSuccess);
        ASSERT_EQ(svc.Mail.Logons.size(), 1u);
        EXPECT_EQ(svc.Mail.Logons[0].Profile, std::optional<std::string>(c.Expected))
            << "default " << c.Default.value_or("(none)") << ", own " << c.Own;
    }
}

TEST(Email, UnresolvableRecipientDropsTheRestOfItsListOnly) {
    TTestServices svc;
    svc.Mail.ResolveResult["bob"] = mapi::UnknownRecipient;
    svc.Mail.DialogResolveResult["bob"] = mapi::UserAbort; // the user cancels the dialog
    TEmail mail;
    mail.Recipient = {"ann@x.org", "bob", "cy@x.org"};
    mail.CC = {"dee@x.org"};
    mail.Bcc = {"eve@x.org"};
    EXPECT_EQ(mail.Send(), mapi::SuccessSuccess);

    ASSERT_EQ(svc.Mail.Sent.size(), 1u);
    const auto& recips = svc.Mail.Sent[0].Message.Recips;
    EXPECT_EQ(Names(recips, mapi::To), Strings{"ann@x.org"});
    EXPECT_EQ(Names(recips, mapi::Cc), Strings{"dee@x.org"});
    EXPECT_EQ(Names(recips, mapi::Bcc), Strings{"eve@x.org"});
    using R = std::pair<std::string, uint32_t>;
    EXPECT_EQ(svc.Mail.Resolves, (std::vector<R>{{"ann@x.org", 0},
                                                 {"bob", 0},
                                                 {"bob", mapi::Dialog},
                                                 {"dee@x.org", 0},
                                                 {"eve@x.org", 0}}));
}

TEST(Email, AmbiguousNameResolvedInTheDialogReplacesTheEntry) {
    for (uint32_t first : {mapi::AmbiguousRecipient, mapi::UnknownRecipient}) {
        TTestServices svc;
        svc.Mail.ResolveResult["smith"] = first;
        svc.Mail.DialogResolveResult["smith"] = mapi::SuccessSuccess;
        svc.Mail.DisplayNames["smith"] = "John Smith";
        TEmail mail;
        mail.Recipient = {"smith"};
        mail.Send();
        ASSERT_EQ(svc.Mail.Sent.size(), 1u) << first;
        const auto& recips = svc.Mail.Sent[0].Message.Recips;
        ASSERT_EQ(recips.size(), 1u);
        EXPECT_EQ(recips[0].Name, "John Smith");
        EXPECT_EQ(recips[0].Address, "smith"); // what the resolver placed it at
        EXPECT_EQ(mail.Recipient, Strings{"John Smith"});
    }
}

TEST(Email, EmptyEntryIsSkippedWithoutStoppingTheList) {
    TTestServices svc;
    TEmail mail;
    mail.Recipient = {"ann@x.org", "", "cy@x.org"};
    mail.Send();
    ASSERT_EQ(svc.Mail.Sent.size(), 1u);
    EXPECT_EQ(Names(svc.Mail.Sent[0].Message.Recips, mapi::To), (Strings{"ann@x.org", "cy@x.org"}));
    EXPECT_EQ(svc.Mail.Resolves.size(), 2u);
}

TEST(Email, MessageCarriesSubjectTextAndReceiptAsGiven) {
    TTestServices svc;
    TEmail plain;
    plain.Send();
    TEmail full;
    full.Subject = "Hello";
    full.Text = "Body";
    full.Acknowledge = true;
    full.Send();

    ASSERT_EQ(svc.Mail.Sent.size(), 2u);
    const TMapiMessage& a = svc.Mail.Sent[0].Message;
    EXPECT_EQ(a.Subject, "");
    EXPECT_EQ(a.NoteText, std::nullopt); // no note text, not an empty one
    EXPECT_EQ(a.Flags, 0u);
    EXPECT_TRUE(a.Recips.empty());
    EXPECT_TRUE(a.Files.empty());
    EXPECT_EQ(svc.Mail.Sent[0].Flags, mapi::Dialog);

    const TMapiMessage& b = svc.Mail.Sent[1].Message;
    EXPECT_EQ(b.Subject, "Hello");
    EXPECT_EQ(b.NoteText, std::optional<std::string>("Body"));
    EXPECT_EQ(b.Flags, mapi::ReceiptRequested);
}

TEST(Email, AttachmentsGoAsPathsAndAMissingOneStopsTheSend) {
    TTestServices svc;
    WriteText(svc.File("report.doc"), "x");
    TEmail ok;
    ok.Attachment = {svc.File("report.doc")};
    EXPECT_EQ(ok.Send(), mapi::SuccessSuccess);
    ASSERT_EQ(svc.Mail.Sent.size(), 1u);
    ASSERT_EQ(svc.Mail.Sent[0].Message.Files.size(), 1u);
    EXPECT_EQ(svc.Mail.Sent[0].Message.Files[0].PathName, svc.File("report.doc"));
    EXPECT_EQ(svc.Mail.Sent[0].Message.Files[0].Position, -1);
    EXPECT_EQ(svc.Mail.Sent[0].Message.Files[0].FileName, "");

    TEmail missing;
    missing.Attachment = {svc.File("report.doc"), svc.File("gone.doc")};
    EXPECT_EQ(missing.Send(), mapi::AttachmentNotFound);
    EXPECT_EQ(svc.Mail.Sent.size(), 1u);
    EXPECT_EQ(svc.Mail.Logoffs.size(), 2u); // the logon it made is ended all the same

    // A folder is no file to attach.
    EXPECT_EQ(TEmail::CheckAttachment(svc.Home.Path()), "");
}

TEST(Email, SendKeepsALogonMadeBeforeIt) {
    TTestServices svc;
    {
        TEmail mail;
        ASSERT_EQ(mail.Logon(), mapi::SuccessSuccess);
        EXPECT_EQ(mail.Logon(), mapi::SuccessSuccess); // already open: no second logon
        mail.Send();
        mail.Send();
        EXPECT_EQ(svc.Mail.Logons.size(), 1u);
        EXPECT_TRUE(svc.Mail.Logoffs.empty());
        EXPECT_TRUE(mail.LoggedOn());
        EXPECT_EQ(svc.Mail.Sent.at(1).Session, svc.Mail.Sent.at(0).Session);
    }
    EXPECT_EQ(svc.Mail.Logoffs.size(), 1u); // ended with the component
}

TEST(Email, WithoutAMailSystemSendingRaisesNamingIt) {
    TTestServices svc;
    svc.Services.Mail = nullptr;
    TEmail mail;
    mail.Recipient = {"a@x.org"};
    try {
        mail.Send();
        FAIL() << "sent without a mail system";
    } catch (const EServiceMissing& e) {
        EXPECT_STREQ(e.what(), "the Mail service is not installed");
    }
    EXPECT_FALSE(mail.LoggedOn());
}
