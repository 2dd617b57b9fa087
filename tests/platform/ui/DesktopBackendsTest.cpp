#include "platform/IniFile.h"
#include "platform/PosixShell.h"
#include "platform/ui/DesktopTelephony.h"
#include "platform/ui/QtClipboard.h"
#include "platform/ui/QtLocale.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

TEST(QtLocale, DatePatternsKeepDayMonthYearAndQuotedTextAndDropOtherFields) {
    struct TCase {
        const char* Qt;
        const char* Core;
    } cases[] = {
        {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"dddd, MMMM d, yyyy", "dddd, MMMM d, yyyy"},
        {"d.M.yy", "d.M.yy"},
        {"d 'de' MMMM 'de' yyyy", "d 'de' MMMM 'de' yyyy"},
        {"yyyy-MM-dd HH:mm", "yyyy-MM-dd"},  // time fields and their separators go
        {"dddd d MMMM y", "dddd d MMMM yy"}, // one y is the short year
        {"ddddd, d/M/yy", "dddd, d/M/yy"},   // a longer run is the long name
        {"HH:mm", "d/M/yy"},                 // no date field at all: a usable default
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TQtLocale::ToCorePattern(c.Qt), c.Core) << c.Qt;
}

TEST(QtLocale, NamesFollowTheCoreDayNumberingAndLowerCaseIsNotAsciiOnly) {
    TQtLocale german{QLocale(QLocale::German, QLocale::Germany)};
    EXPECT_EQ(german.LongDayName(1), "Sonntag");
    EXPECT_EQ(german.LongDayName(2), "Montag");
    EXPECT_EQ(german.LongMonthName(3), "März");
    EXPECT_EQ(german.LongMonthName(13), "");
    EXPECT_EQ(german.LowerCase("ÄRGER Über"), "ärger über");
    // Dates come out as Qt itself writes them in that locale.
    for (QLocale ql : {QLocale(QLocale::English, QLocale::UnitedKingdom),
                       QLocale(QLocale::German, QLocale::Germany),
                       QLocale(QLocale::English, QLocale::UnitedStates)}) {
        TQtLocale l{ql};
        QDate d(1998, 3, 14);
        EXPECT_EQ(l.LongDate(TDate{1998, 3, 14}),
                  ql.toString(d, QLocale::LongFormat).toStdString());
        EXPECT_EQ(l.ShortDate(TDate{1998, 3, 14}),
                  ql.toString(d, QLocale::ShortFormat).toStdString());
    }
}

TEST(DesktopTelephony, NumbersKeepOnlyDialableCharacters) {
    EXPECT_EQ(TDesktopTelephony::DialString("+44 (113) 496-0000"), "+441134960000");
    EXPECT_EQ(TDesktopTelephony::DialString("555,123 ext*9#"), "555p123*9#");
    EXPECT_EQ(TDesktopTelephony::DialString("1; rm -rf ~ `x` $(y)"), "1");
}

TEST(DesktopTelephony, DialerCommandTakesTheNumberAsOneArgument) {
    using V = std::vector<std::string>;
    EXPECT_EQ(TDesktopTelephony::DialerCommand("dialer --call", "555"),
              (V{"dialer", "--call", "555"}));
    EXPECT_EQ(TDesktopTelephony::DialerCommand("'/opt/my dialer' -n %n -q", "+1"),
              (V{"/opt/my dialer", "-n", "+1", "-q"}));
    EXPECT_EQ(TDesktopTelephony::DialerCommand("", "555"), V{});
    TIniFile settings;
    TPosixShell shell;
    TDesktopTelephony tel(&settings, shell);
    EXPECT_EQ(tel.RequestMakeCall("no digits", "", "", ""), TDesktopTelephony::kNoRequestRecipient);
}

TEST(QtClipboard, TransferTextTravelsUnderThePrivateTypeWithPlainTextBeside) {
    TQtClipboard clip;
    clip.SetData({std::string("{5 1 }Home~~x~~~~1\r\n"), std::string("Home\r\n1 Main St")});
    ASSERT_TRUE(clip.PrivateText().has_value());
    EXPECT_EQ(*clip.PrivateText(), "{5 1 }Home~~x~~~~1\r\n");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Home\r\n1 Main St");

    QGuiApplication::clipboard()->setText("from another program");
    EXPECT_FALSE(clip.PrivateText().has_value());
}

} // namespace
