// merrowin-cli publish: each form, and the names and options it refuses.
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

struct Result {
    int Code;
    std::string Err;
};

Result RunCli(const TTempDir& home, const std::string& args) {
    std::string err = home.File("stderr.txt");
    std::string cmd = std::string(MERROWIN_CLI_PATH) + " --home '" + home.Path() + "' " + args +
                      " >/dev/null 2>'" + err + "'";
    int status = std::system(cmd.c_str());
    Result r{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(err)};
    std::filesystem::remove(err);
    return r;
}

struct CliPublish : ::testing::Test {
    TTempDir home;
    CliPublish() {
        WriteText(home.File("tavi.dat"), ReadText(DataPath("exchange/publish/small.dat")));
    }
};

} // namespace

TEST_F(CliPublish, WritesEachForm) {
    const std::string site = home.File("site");
    ASSERT_EQ(RunCli(home, "publish html 'My Contacts/Work' '" + site +
                               "' --levels 1 --title "
                               "'Staff & co' --text maroon --link Teal --no-vcards")
                  .Code,
              0);
    const std::string content = ReadText(site + "/tavimain.htm");
    EXPECT_NE(content.find("<h2>Staff &amp; co</h2>"), std::string::npos);
    EXPECT_NE(content.find("text=Maroon link=Teal>"), std::string::npos);
    EXPECT_EQ(content.find("Get vCard"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(site + "/Work.htm"));
    EXPECT_TRUE(std::filesystem::exists(site + "/person.gif"));

    ASSERT_EQ(
        RunCli(home, "publish html 'My Contacts/Work' '" + site + "' --no-frames --no-tvd").Code,
        0);
    EXPECT_EQ(ReadText(site + "/Work.htm").find("<frameset"), std::string::npos);

    ASSERT_EQ(RunCli(home, "publish csv 'My Contacts' '" + home.File("p.csv") +
                               "' --type person --fields 'Title, e-mail address'")
                  .Code,
              0);
    EXPECT_EQ(ReadText(home.File("p.csv")),
              "Title,\"E-Mail Address\"\r\n\"Ann Lee\",\"ann@example.com\"\r\n\"Bob Roe\",\r\n"
              "\"Cy Dee\",\r\n");
    ASSERT_EQ(RunCli(home, "publish tvd 'My Contacts/Work' '" + home.File("w.TVD") + "'").Code, 0);
    EXPECT_EQ(ReadText(home.File("w.TVD")).rfind("{1 0 }Work~~", 0), 0u);
    EXPECT_EQ(RunCli(home, "publish vcf 'My Contacts/Work/Acme' '" + home.File("a.vcf") + "'").Code,
              0);
}

TEST_F(CliPublish, RefusesWhatTheWizardRefuses) {
    struct {
        const char* Args;
        const char* Message;
    } const cases[] = {
        {"publish tvd 'My Contacts' out.txt",
         "The exported filename needs to have an extension of \".tvd\""},
        {"publish vcf 'My Contacts/Work/Acme' acme.txt",
         "The exported filename needs to have an extension of \".vcf\""},
        {"publish vcf 'My Contacts/Work' work.vcf",
         "vCard publishing is only supported for Person and Organization items."},
        {"publish csv 'My Contacts' p.csv --type Person --fields 'Title,Shoe Size'",
         "Person has no field \"Shoe Size\""},
        {"publish csv 'My Contacts' p.csv --type Pets --fields Title", "no such record type: Pets"},
        {"publish csv 'My Contacts' p.csv --fields Title", "needs --type TYPE and --fields"},
        {"publish html 'My Contacts' site --levels 10", "--levels needs a number from 0 to 9"},
        {"publish html 'My Contacts' site --text Mauve", "--text: no such colour: Mauve"},
        {"publish html 'My Contacts' site --background paisley", "no such background: paisley"},
        {"publish html 'My Contacts' site --frames", "unknown option: --frames"},
        {"publish html 'My Contacts/Nobody' site", "no such node: My Contacts/Nobody"},
        {"publish pdf 'My Contacts' x", "no such form: pdf"},
    };
    for (const auto& c : cases) {
        Result r = RunCli(home, c.Args);
        EXPECT_EQ(r.Code, 2) << c.Args;
        EXPECT_NE(r.Err.find(c.Message), std::string::npos) << c.Args << "\n" << r.Err;
    }
    EXPECT_FALSE(std::filesystem::exists(home.File("site")));
    EXPECT_FALSE(std::filesystem::exists(home.File("out.txt")));

    // A folder that cannot be written: exit status 1 with the file's name.
    WriteText(home.File("blocked"), "a file, not a folder");
    Result r = RunCli(home, "publish tvd 'My Contacts' '" + home.File("blocked/w.tvd") + "'");
    EXPECT_EQ(r.Code, 1);
    EXPECT_NE(r.Err.find(home.File("blocked/w.tvd")), std::string::npos) << r.Err;
}
