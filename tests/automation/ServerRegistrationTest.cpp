#include "automation/ServerRegistration.h"

#include "platform/Errors.h"
#include "platform/FileIO.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Args = std::vector<std::string>;

TEST(ServerRegistration, SwitchesNeedADashOrSlashAndIgnoreCase) {
    struct Case {
        Args Line;
        bool Reg, Unreg, Automation, Embedding;
    } cases[] = {
        {{"merrowin", "/REGSERVER"}, true, false, false, false},
        {{"merrowin", "-RegServer"}, true, false, false, false},
        {{"merrowin", "/unregserver"}, false, true, false, false},
        {{"merrowin", "-AUTOMATION", "HIDEWIN"}, false, false, true, false},
        {{"merrowin", "-Embedding"}, false, false, false, true},
        {{"merrowin", "REGSERVER", "--REGSERVER", "-REGSERVERS", "x.tvd"},
         false,
         false,
         false,
         false},
        {{"/REGSERVER"}, false, false, false, false}, // the program path is no switch
    };
    for (const Case& c : cases) {
        TServerRegistration r(c.Line);
        SCOPED_TRACE(c.Line.back());
        EXPECT_EQ(r.RegServer(), c.Reg);
        EXPECT_EQ(r.UnregServer(), c.Unreg);
        EXPECT_EQ(r.Automation(), c.Automation);
        EXPECT_EQ(r.Embedding(), c.Embedding);
        EXPECT_EQ(r.EndsAtOnce(), c.Reg || c.Unreg);
    }
}

TEST(ServerRegistration, ExecLineSurvivesBlanksAndQuotesInThePath) {
    EXPECT_EQ(TServerRegistration::ServiceText("/usr/bin/merrowin"),
              "[D-BUS Service]\nName=Tavi.Application\nExec=/usr/bin/merrowin -AUTOMATION\n");
    EXPECT_EQ(TServerRegistration::ServiceText("/opt/My Apps/it's/merrowin"),
              "[D-BUS Service]\nName=Tavi.Application\n"
              "Exec='/opt/My Apps/it'\\''s/merrowin' -AUTOMATION\n");
}

TEST(ServerRegistration, WritesOnEveryStartAndRemovesOnUnregister) {
    TTempDir home;
    const std::string file = home.File("dbus-1/services/Tavi.Application.service");
    EXPECT_EQ(TServerRegistration::ServiceFile(home.Path()), file);

    TServerRegistration({"merrowin"}).Apply(home.Path(), "/a/merrowin");
    EXPECT_EQ(ReadText(file), TServerRegistration::ServiceText("/a/merrowin"));
    // The newest program started is the one a call starts.
    TServerRegistration({"merrowin", "/REGSERVER"}).Apply(home.Path(), "/b/merrowin");
    EXPECT_EQ(ReadText(file), TServerRegistration::ServiceText("/b/merrowin"));

    TServerRegistration unreg({"merrowin", "-UNREGSERVER"});
    unreg.Apply(home.Path(), "/b/merrowin");
    EXPECT_FALSE(fileio::FileExists(file));
    unreg.Apply(home.Path(), "/b/merrowin"); // nothing to remove is no failure
}

TEST(ServerRegistration, AFolderItCannotWriteIsReported) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes everywhere";
    TTempDir home;
    ::chmod(home.Path().c_str(), 0555);
    EXPECT_THROW(TServerRegistration({"merrowin"}).Apply(home.Path(), "/a/merrowin"), EInOutError);
    ::chmod(home.Path().c_str(), 0755);
}

TEST(ServerRegistration, ABlockedPathIsReportedNotOverwritten) {
    TTempDir home;
    // "dbus-1" is a file where the folder should be.
    WriteText(home.File("dbus-1"), "mine");
    EXPECT_THROW(TServerRegistration({"merrowin"}).Apply(home.Path(), "/a/merrowin"), EInOutError);
    EXPECT_EQ(ReadText(home.File("dbus-1")), "mine");
    // A folder in the file's place is not removed on unregister either.
    TTempDir other;
    ::mkdir(other.File("dbus-1").c_str(), 0755);
    ::mkdir(other.File("dbus-1/services").c_str(), 0755);
    ::mkdir(other.File("dbus-1/services/Tavi.Application.service").c_str(), 0755);
    TServerRegistration unreg({"merrowin", "-UNREGSERVER"});
    EXPECT_THROW(unreg.Apply(other.Path(), "/a/merrowin"), EInOutError);
}

} // namespace
