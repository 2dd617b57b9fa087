// merrowin-cli import-vcf and export-vcf, on fixtures and on files written by
// other programs (/work/shared/corpus/vcard, or $MERROWIN_VCARD_CORPUS; that
// part is skipped where the folder is absent).
#include "exchange/VCardFile.h"
#include "support/TestServices.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using TCounts = std::array<int, 4>; // addresses, phones and faxes, faxes, e-mail addresses

struct Result {
    int Code;
    std::string Out;
    std::string Err;
};

class VCardCli : public ::testing::Test {
public:
    TTempDir home;

    Result Run(const std::string& args, const std::string& in = "") {
        const std::string dir = in.empty() ? home.Path() : in;
        std::string out = home.File("stdout.txt"), err = home.File("stderr.txt");
        std::string cmd = std::string(MERROWIN_CLI_PATH) + " --home '" + dir + "' " + args + " >'" +
                          out + "' 2>'" + err + "'";
        int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
    }
    nlohmann::json Dump(const std::string& in = "") {
        Result r = Run("dump", in);
        EXPECT_EQ(r.Code, 0) << r.Err;
        return nlohmann::json::parse(r.Out);
    }
};

// Per person or organization in the dump: its item counts.
void RecordCounts(const nlohmann::json& node, std::vector<TCounts>& all) {
    for (const auto& child : node["Nodes"]) {
        const int kind = child["Kind"];
        if (kind == 1 || kind == 3) {
            TCounts c{};
            for (const auto& item : child["Items"]) {
                const int k = item["Kind"];
                c[0] += k == 5;
                c[1] += k == 6 || k == 8;
                c[2] += k == 8;
                c[3] += k == 7;
            }
            all.push_back(c);
        }
        RecordCounts(child, all);
    }
}

// Per card: its ADR, TEL (FAX among them) and EMAIL properties.
std::vector<TCounts> CardCounts(const std::string& path) {
    TVCardFile f;
    f.Filename = path;
    f.Read();
    std::vector<TCounts> all;
    for (const TCard& card : f.Cards()) {
        TCounts c{};
        c[0] = static_cast<int>(card.FindProperties("ADR").size());
        for (const TCardProperty* tel : card.FindProperties("TEL")) {
            ++c[1];
            c[2] += tel->Has(cpFax);
        }
        c[3] = static_cast<int>(card.FindProperties("EMAIL").size());
        all.push_back(c);
    }
    return all;
}

// Records are sorted by title in the tree, so cards and records are compared
// as sets of counts; cards without items are left out on both sides (an empty
// card is skipped).
std::vector<TCounts> WithItems(std::vector<TCounts> v) {
    std::erase(v, TCounts{});
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<fs::path> VCardFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".vcf") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

void ExpectEveryItemImported(VCardCli& t, const fs::path& file) {
    TTempDir fresh;
    Result r = t.Run("import-vcf '" + file.string() + "'", fresh.Path());
    ASSERT_EQ(r.Code, 0) << file << ": " << r.Err;
    EXPECT_NE(r.Out.find(" cards read, ") == std::string::npos &&
                  r.Out.find(" card read, ") == std::string::npos,
              true)
        << r.Out;
    std::vector<TCounts> records;
    RecordCounts(t.Dump(fresh.Path()), records);
    EXPECT_EQ(WithItems(records), WithItems(CardCounts(file.string()))) << file;
}

} // namespace

TEST_F(VCardCli, EveryFixtureImportsAllItsItems) {
    std::vector<fs::path> files = VCardFiles(DataPath("exchange"));
    ASSERT_GE(files.size(), 5u);
    for (const fs::path& f : files)
        ExpectEveryItemImported(*this, f);
}

TEST_F(VCardCli, EveryCorpusFileImportsAllItsItems) {
    const char* env = std::getenv("MERROWIN_VCARD_CORPUS");
    std::vector<fs::path> files = VCardFiles(env ? env : "/work/shared/corpus/vcard");
    if (files.empty()) GTEST_SKIP() << "no vCard corpus on this machine";
    for (const fs::path& f : files)
        ExpectEveryItemImported(*this, f);
}

TEST_F(VCardCli, ImportReportsWhatItDidAndOrganizationsOnRequest) {
    const std::string three = "BEGIN:VCARD\r\nN:Public;Jane\r\nTEL:555 0100\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nN:Smith;John\r\nORG:Acme\r\nEND:VCARD\r\n"
                              "BEGIN:VCARD\r\nVERSION:3.0\r\nEND:VCARD\r\n";
    WriteText(home.File("three.vcf"), three);
    const std::string file = "'" + home.File("three.vcf") + "'";
    Result r = Run("import-vcf " + file);
    EXPECT_EQ(r.Code, 0) << r.Err;
    EXPECT_EQ(r.Out, "3 cards read, 2 records created (0 organizations), 1 skipped\n");
    auto j = Dump();
    ASSERT_EQ(j["Nodes"].size(), 2u);
    EXPECT_EQ(j["Nodes"][1]["Title"], "John Smith");

    WriteText(home.File("tavi.dat"), "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
                                     "{1 0 }Work~~~~~~7\r\n{Fold}0\r\n");
    r = Run("import-vcf " + file + " 'My Contacts/Work' --orgs org");
    EXPECT_EQ(r.Out, "3 cards read, 2 records created (1 organization), 1 skipped\n");
    j = Dump();
    ASSERT_EQ(j["Nodes"][0]["Nodes"].size(), 2u);
    EXPECT_EQ(j["Nodes"][0]["Nodes"][0]["Kind"], 1);
    EXPECT_EQ(j["Nodes"][0]["Nodes"][0]["Title"], "Acme");
}

TEST_F(VCardCli, ErrorsLeaveTheDataFileAlone) {
    const std::string data = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n";
    WriteText(home.File("tavi.dat"), data);
    WriteText(home.File("one.vcf"), "BEGIN:VCARD\r\nFN:Jane\r\nEND:VCARD\r\n");
    struct Case {
        std::string Args;
        int Code;
        std::string Err;
    } cases[] = {
        {"import-vcf " + home.File("absent.vcf"), 1, "absent.vcf: File not found"},
        {"import-vcf " + home.File("one.vcf") + " --orgs maybe", 2,
         "--orgs takes ask, person or org"},
        {"import-vcf " + home.File("one.vcf") + " 'My Contacts/Nowhere'", 2, "no such node"},
        {"import-vcf", 2, "wrong number of arguments"},
        {"export-vcf 'My Contacts'", 2, "wrong number of arguments"},
        {"export-vcf 'My Contacts' '" + home.File("no/such/folder.vcf") + "'", 1, "folder.vcf"},
    };
    for (const Case& c : cases) {
        Result r = Run(c.Args);
        EXPECT_EQ(r.Code, c.Code) << c.Args;
        EXPECT_NE(r.Err.find(c.Err), std::string::npos) << c.Args << ": " << r.Err;
        EXPECT_EQ(ReadText(home.File("tavi.dat")), data) << c.Args;
    }
}

TEST_F(VCardCli, ExportedFolderImportsIntoAnEmptyHomeAlike) {
    WriteText(home.File("tavi.dat"),
              "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n"
              "{1 0 }Work~~~~~~10\r\n{Fold}0\r\n"
              "{2 3 }Jane Public~~ Jane Public~~~~11\r\n{Pers}~~Jane~~~~Public~~~~Desk~~~~~~~~0\r\n"
              "{3 6 }Desk~~555 0100~~~~12\r\n{Phon}~~0\r\n"
              "{3 7 }Mail~~jane@example.org~~~~13\r\n{Mail}0\r\n"
              "{2 1 }Acme~~~~~~14\r\n{Orgn}~~~~~~~~~~0\r\n"
              "{3 5 }Office~~1 Mill Rd~~~~15\r\n{Addr}1 Mill Rd~~~~~~Leeds~~~~~~~~0\r\n"
              "{3 8 }Fax~~555 0101~~~~16\r\n{Faxs}0\r\n"
              "{2 2 }Sales~~~~~~17\r\n{Team}0\r\n"
              "{3 3 }Bo~~ Bo~~~~18\r\n{Pers}~~Bo~~~~~~~~~~~~~~~~0\r\n"
              "{1 3 }Outside~~~~~~19\r\n{Pers}~~~~~~~~~~~~~~~~~~0\r\n");
    Result ex = Run("export-vcf 'My Contacts/Work' '" + home.File("out.vcf") + "'");
    ASSERT_EQ(ex.Code, 0) << ex.Err;
    EXPECT_EQ(ex.Out, "3 cards written to " + home.File("out.vcf") + "\n");

    TTempDir empty;
    Result im = Run("import-vcf --orgs org '" + home.File("out.vcf") + "'", empty.Path());
    ASSERT_EQ(im.Code, 0) << im.Err;
    EXPECT_EQ(im.Out, "3 cards read, 3 records created (1 organization), 0 skipped\n");
    // Names, titles and item counts as below "Work", now all below the root.
    auto titles = [](const nlohmann::json& nodes) {
        std::vector<std::string> t;
        std::function<void(const nlohmann::json&)> walk = [&](const nlohmann::json& ns) {
            for (const auto& n : ns) {
                if (n["Kind"] == 1 || n["Kind"] == 3)
                    t.push_back(n["Title"].get<std::string>() + "/" +
                                std::to_string(n["Items"].size()));
                walk(n["Nodes"]);
            }
        };
        walk(nodes);
        std::sort(t.begin(), t.end());
        return t;
    };
    EXPECT_EQ(titles(Dump(empty.Path())["Nodes"]),
              (std::vector<std::string>{"Acme/2", "Bo/0", "Jane Public/2"}));
    EXPECT_EQ(titles(Dump()["Nodes"][0]["Nodes"]),
              (std::vector<std::string>{"Acme/2", "Bo/0", "Jane Public/2"}));
}
