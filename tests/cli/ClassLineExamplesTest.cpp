#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace {

// Every class line of every record class, as the stored files hold them,
// must come back byte for byte from a load and save, with dump showing the
// class's own fields.
const std::string kFile =
    "{Params}\r\n"
    "{0 11 }My Contacts~~~~~~32892645\r\n"
    "{1 0 }Friends~~~~~~18542\r\n{Fold}0\r\n"
    "{2 6 }Home~~555 0100~~evenings~~99120\r\n{Phon}~~0\r\n"
    "{2 2 }Sales~~~~~~70311\r\n{Team}0\r\n"
    "{1 1 }Acme~~~~~~11\r\n{Orgn}Head Office~~Switchboard~~~~Sales~~Web URL~~0\r\n"
    "{2 5 }Head Office~~12 High St~~~~12\r\n{Addr}12 High St~~~~~~Leeds~~~~LS1 4AB~~UK~~5\r\n"
    "{2 6 }Switchboard~~(555)123-4567~~~~13\r\n{Phon}22~~0\r\n"
    "{2 8 }Fax~~555 0199~~~~14\r\n{Faxs}4\r\n"
    "{2 7 }Sales~~sales@acme.example~~~~15\r\n{Mail}0\r\n"
    "{2 9 }Audit~~14/3/98~~~~16\r\n{Remd}1998,3,14,5~~2\r\n"
    "{2 10 }Offer~~/home/ann/offer.odt~~~~17\r\n{Docs}3\r\n"
    "{2 12 }Map~~Leeds~~~~18\r\n{Tool}/usr/bin/mapper~~--city~~0\r\n"
    "{2 4 }Web URL~~http://acme.example~~~~19\r\n{Webs}0\r\n"
    "{1 3 }Ann Lee~~Ms. Ann Lee~~~~20\r\n{Pers}Ms.~~Ann~~~~Lee~~Home~~~~~~~~~~0\r\n"
    "{2 5 }Home~~a~~~~21\r\n{Addr}a~~b~~c~~d~~e~~f~~g~~3\r\n"
    "{2 6 }Old~~555~~~~22\r\n{Phon}~~7\r\n"
    "{1 3 }Bob~~~~~~23\r\n{Pers}Mr.~~Bob~~B~~Roe\r\n";

struct Result {
    int Code;
    std::string Out, Err;
};

Result RunCli(const TTempDir& home, const std::string& args) {
    std::string cmd = std::string(MERROWIN_CLI_PATH) + " --home '" + home.Path() + "' " + args +
                      " >'" + home.File("out") + "' 2>'" + home.File("err") + "'";
    int status = std::system(cmd.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(home.File("out")),
            ReadText(home.File("err"))};
}

TEST(ClassLineExamples, SurviveSaveByteForByteAndDumpShowsTheirFields) {
    TTempDir home;
    WriteText(home.File("tavi.dat"), kFile);
    Result save = RunCli(home, "save");
    ASSERT_EQ(save.Code, 0) << save.Err;
    // Bob's class line was cut short: it is written back whole, as read.
    std::string expected = kFile;
    expected.replace(expected.find("{Pers}Mr.~~Bob~~B~~Roe"), 22,
                     "{Pers}Mr.~~Bob~~B~~Roe~~~~~~~~~~~~0");
    EXPECT_EQ(ReadText(home.File("tavi.dat")), expected);

    Result dump = RunCli(home, "dump");
    ASSERT_EQ(dump.Code, 0) << dump.Err;
    auto root = nlohmann::json::parse(dump.Out);
    const auto& acme = root["Nodes"][1];
    EXPECT_EQ(acme["PrimaryAddress"], "Head Office");
    EXPECT_EQ(acme["PrimaryPhone"], "Switchboard");
    EXPECT_EQ(acme["PrimaryWeb"], "Web URL");
    const auto& items = acme["Items"];
    EXPECT_EQ(items[0]["AddressLines"], nlohmann::json::array({"12 High St", "", ""}));
    EXPECT_EQ(items[0]["City"], "Leeds");
    EXPECT_EQ(items[0]["PostCode"], "LS1 4AB");
    EXPECT_EQ(items[0]["Country"], "UK");
    EXPECT_EQ(items[0]["Categories"], 5);
    EXPECT_EQ(items[1]["Extension"], "22");
    EXPECT_EQ(items[2]["Categories"], 4);
    EXPECT_EQ(items[4]["Rule"], "1998,3,14,5");
    EXPECT_EQ(items[5]["IconIndex"], 13);
    EXPECT_EQ(items[6]["ToolFileName"], "/usr/bin/mapper");
    EXPECT_EQ(items[6]["ToolArguments"], "--city");
    EXPECT_EQ(acme["Nodes"][0]["Target"], "http://acme.example");
    const auto& ann = root["Nodes"][2];
    EXPECT_EQ(ann["Salutation"], "Ms.");
    EXPECT_EQ(ann["FirstName"], "Ann");
    EXPECT_EQ(ann["LastName"], "Lee");
    EXPECT_EQ(ann["PrimaryAddress"], "Home");
    EXPECT_EQ(ann["Items"][0]["AddressLines"], nlohmann::json::array({"a", "b", "c"}));
    EXPECT_EQ(ann["Items"][1]["Categories"], 7);
    EXPECT_EQ(root["Nodes"][3]["MiddleName"], "B");
}

TEST(ClassLineExamples, CheckCountsDueReminders) {
    TTempDir home;
    // One reminder long past (due), one far ahead.
    WriteText(home.File("tavi.dat"), "{Params}\r\n{1 3 }P~~~~~~1\r\n{Pers}~~~~~~~~~~~~~~~~~~0\r\n"
                                     "{2 9 }Past~~~~~~2\r\n{Remd}1998,3,14,0~~0\r\n"
                                     "{2 9 }Ahead~~~~~~3\r\n{Remd}2998,3,14,0~~0\r\n");
    Result check = RunCli(home, "check");
    ASSERT_EQ(check.Code, 0) << check.Err;
    EXPECT_NE(check.Out.find("kind 9 reminder: 2\n"), std::string::npos) << check.Out;
    EXPECT_NE(check.Out.find("due: 1\n"), std::string::npos) << check.Out;
}

} // namespace
