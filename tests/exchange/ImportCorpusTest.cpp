// Reads the real files of other programs kept beside the repository (not in
// it: their licences differ). Without them, as on CI, every test skips; the
// in-repo fixtures of the reader tests still check each format.
#include "exchange/BookmarkPage.h"
#include "exchange/CsvColumns.h"
#include "exchange/CsvReader.h"
#include "exchange/IShortCut.h"
#include "exchange/NicknameFile.h"
#include "exchange/jobs/ImportJob.h"
#include "platform/FileIO.h"
#include "store/ContactStore.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "support/TestServices.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>

namespace {
namespace fs = std::filesystem;

std::string CorpusDir() {
    if (const char* env = std::getenv("MERROWIN_CORPUS")) return env;
    fs::path source = fs::path(MERROWIN_TEST_DATA).parent_path().parent_path();
    for (const fs::path& p : {source / "../shared/corpus", source / "../../shared/corpus"})
        if (fs::is_directory(p)) return fs::canonical(p).string();
    return {};
}

std::vector<std::string> Files(const std::string& sub) {
    std::vector<std::string> out;
    std::string dir = CorpusDir();
    if (dir.empty() || !fs::is_directory(dir + "/" + sub)) return out;
    for (const auto& e : fs::directory_iterator(dir + "/" + sub))
        out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

#define SKIP_WITHOUT(list)                                                                         \
    if ((list).empty()) GTEST_SKIP() << "no corpus (set MERROWIN_CORPUS)"

// Anchors with a non-empty HREF, counted straight from the bytes: "<a" and a
// blank, then HREF= inside the same tag, then a value that does not end at
// once.
size_t CountAnchors(const std::string& raw) {
    std::string s = raw;
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t count = 0;
    for (size_t at = s.find("<a"); at != std::string::npos; at = s.find("<a", at + 2)) {
        if (at + 2 >= s.size() || !std::isspace(static_cast<unsigned char>(s[at + 2]))) continue;
        size_t end = s.find('>', at);
        size_t h = s.find("href=", at);
        if (h == std::string::npos || h > end) continue;
        char q = s[h + 5];
        bool quoted = q == '"' || q == '\'';
        size_t v = h + 5 + (quoted ? 1 : 0);
        if (v < s.size() && s[v] != (quoted ? q : '>') && !std::isspace((unsigned char)s[v]))
            ++count;
    }
    return count;
}

TEST(ImportCorpus, EveryBookmarkPageGivesOneBookmarkPerAnchorWithAnAddress) {
    auto files = Files("bookmarks");
    SKIP_WITHOUT(files);
    for (const auto& f : files) {
        std::string raw = fileio::ReadFile(f);
        TBookmarkPage page = ReadBookmarkPage(f);
        auto anchors = page.Anchors();
        EXPECT_EQ(anchors.size(), CountAnchors(raw)) << f;
        for (const TBookmark* b : anchors) {
            EXPECT_FALSE(b->Address.empty()) << f << ":" << b->Line;
            EXPECT_EQ(b->Address.find('\n'), std::string::npos) << f << ":" << b->Line;
        }
        if (raw.find("<TITLE>") != std::string::npos) {
            EXPECT_FALSE(page.Title.empty()) << f;
        }
    }
}

struct CsvCase {
    const char* File;
    TSeparator Sep;
    const char* Encoding;
    size_t Rows;
    std::vector<std::pair<std::string, std::string>> FirstRow; // field, value
};

const std::vector<CsvCase>& CsvCases() {
    static const std::vector<CsvCase> cases = {
        {"thunderbird_export.csv",
         TSeparator::Comma,
         "",
         2,
         {{"First Name", "contact"},
          {"Last Name", "one"},
          {"Title", "contact number one"},
          {"E-Mail Address", "contact1@invalid"}}},
        {"thunderbird_export.txt",
         TSeparator::Tab,
         "",
         2,
         {{"First Name", "contact"}, {"E-Mail Address", "contact1@invalid"}}},
        {"thunderbird_csv_semicolon.csv",
         TSeparator::Semicolon,
         "",
         2,
         {{"Title", "John Doe"}, {"First Name", "John"}, {"E-Mail Address", "john@doe.invalid"}}},
        {"thunderbird_shiftjis_addressbook.csv",
         TSeparator::Comma,
         "Shift_JIS",
         1,
         {{"First Name", "\xE6\xA8\xA9\xE5\x85\xB5\xE8\xA1\x9B"}}},
        {"thunderbird_utf16_addressbook.csv",
         TSeparator::Comma,
         "",
         1,
         {{"First Name", "John"},
          {"Last Name", "Doe"},
          {"E-Mail Address", "johndoe@host.invalid"}}},
        {"roundcube_gmail.csv",
         TSeparator::Comma,
         "",
         1,
         {{"First Name", "Firstname"},
          {"Middle Name", "Middle"},
          {"Last Name", "Lastname"},
          {"Salutation", "Prefix"},
          {"E-Mail Address", "home@aaa.pl"},
          {"Fax Number", "homefax"},
          {"Address Line 1", "home_street"},
          {"City", "home_city"},
          {"Website", "test.com"}}},
        {"horde-data_bug_6311.csv",
         TSeparator::Comma,
         "",
         1,
         {{"First Name", "John"},
          {"Last Name", "Smith"},
          {"Phone Number", "(123) 555-3333"},
          {"Fax Number", "(123) 555-1111"},
          {"E-Mail Address", "john@example.com"}}},
        {"horde-data_bug_6370.csv",
         TSeparator::Comma,
         "",
         1,
         {{"Address Line 1", "Big Tower'\", 1\" Floor\n123 Main Street"}}},
    };
    return cases;
}

TEST(ImportCorpus, CsvExportsKeepTheirColumnsAndNamesLandInTheirFields) {
    auto files = Files("csv");
    SKIP_WITHOUT(files);
    const auto& person = CsvRecordTypes()[0].Fields;
    const auto& cases = CsvCases();
    std::string dir = CorpusDir() + "/csv/";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        TCsvOptions opt{c.Sep, c.Encoding, true};
        TCsvReader csv = TCsvReader::Open(dir + c.File, opt);
        TCsvColumnMap map(csv.Header(), person);
        std::vector<TCsvRow> rows;
        for (TCsvRow row; csv.Next(row);)
            rows.push_back(row);
        ASSERT_EQ(rows.size(), c.Rows);
        for (const auto& r : rows)
            EXPECT_EQ(r.Values.size(), csv.Header().size()) << "line " << r.Line;
        std::vector<std::string> values, names;
        map.Select(rows[0].Values, map.Fields(), values, names);
        for (const auto& [field, value] : c.FirstRow) {
            auto it = std::find(names.begin(), names.end(), field);
            ASSERT_NE(it, names.end()) << field;
            EXPECT_EQ(values[static_cast<size_t>(it - names.begin())], value) << field;
        }
    }
    // A file without a header reads as rows too.
    TCsvReader plain = TCsvReader::Open(dir + "horde-data_simple_cr.csv", {});
    TCsvRow row;
    ASSERT_TRUE(plain.Next(row));
    EXPECT_EQ(row.Values, (std::vector<std::string>{"one", "two", "three"}));
    ASSERT_TRUE(plain.Next(row));
    EXPECT_EQ(row.Values, (std::vector<std::string>{"four", "five", "six"}));
    EXPECT_EQ(row.Line, 2);
}

TEST(ImportCorpus, NicknameFileGivesEveryAliasWithAnAddress) {
    auto files = Files("eudora");
    SKIP_WITHOUT(files);
    TNicknameFile file = ReadNicknameFile(files.front());
    std::vector<std::string> got;
    for (const auto& e : file.Entries)
        got.push_back(e.Nickname + "=" + e.Address);
    EXPECT_EQ(got, (std::vector<std::string>{
                       "jhd1=jhd@radix.net", "jhd2=jdavidson@interguru.com",
                       "Harry Shetty=harry@wipsys.spl.net", "Sameer Jones=sameer@pardo.com",
                       "Mathew King=mjoseph@wipsys.slp.net", "jhd-2=j.davidson@ieee.org",
                       "jhd3=jdavidson@interguru.com", "list1=jdavidson@interguru.com",
                       "list3=mjoseph@wipsys.slp.net"}));
    EXPECT_EQ(file.Entries[1].Note, "Note for jhd2");
}

TEST(ImportCorpus, ShortcutsGiveTheirAddresses) {
    auto files = Files("url");
    SKIP_WITHOUT(files);
    const std::map<std::string, std::string> expected = {
        {"ie-favorites_Bing.url", "http://go.microsoft.com/fwlink/p/?LinkId=255142"},
        {"node-urlfile_broken.url", "null"},
        {"parse-internet-shortcut_comments-and-spacing.url", "https://example.com/path?q=1"},
        {"parse-internet-shortcut_comments.url", "https://example.com"},
        {"parse-internet-shortcut_no-section.url", "https://example.com/no-section"},
        {"steamicon-lib_Warframe.url", "steam://rungameid/230410"}};
    for (const auto& f : files) {
        TIShortCut s;
        s.SetFileName(f);
        s.Load();
        auto it = expected.find(fs::path(f).filename().string());
        ASSERT_NE(it, expected.end()) << f;
        EXPECT_EQ(s.URL, it->second) << f;
    }
    // The whole folder as a favorites walk: one link per file.
    EXPECT_EQ(ReadFavorites(CorpusDir() + "/url").Links.size(), files.size());
}

// Every file through the import job, as the wizard and the command line run
// it: no error, and what each file holds lands in the tree.
TEST(ImportCorpus, EveryFileImportsThroughTheJob) {
    SKIP_WITHOUT(CorpusDir());
    TTestServices svc;
    TContactStore doc;
    auto run = [&](TImportType type, const std::string& path, TCsvImport csv = {},
                   TTreeNode* into = nullptr) {
        TImportRequest r;
        r.Type = type;
        r.Path = path;
        r.Parent = into ? into : doc.Root();
        r.Csv = std::move(csv);
        TImportResult done = TImportJob(doc).Run(r);
        EXPECT_EQ(done.Error, "") << path;
        return done;
    };
    for (const auto& f : Files("bookmarks")) {
        TImportResult done = run(TImportType::Bookmarks, f);
        // One folder, one website per anchor with an address.
        EXPECT_EQ(done.Folders, 1) << f;
        EXPECT_EQ(static_cast<size_t>(done.Created), CountAnchors(fileio::ReadFile(f))) << f;
        ASSERT_NE(done.Folder, nullptr);
        EXPECT_EQ(done.Folder->Count(), done.Created) << f;
    }
    for (const auto& f : Files("eudora"))
        EXPECT_EQ(run(TImportType::Nicknames, f).Created, 9) << f;
    TImportResult links = run(TImportType::Favorites, CorpusDir() + "/url");
    EXPECT_EQ(static_cast<size_t>(links.Created), Files("url").size());

    for (const auto& c : CsvCases()) {
        SCOPED_TRACE(c.File);
        TCsvImport csv;
        csv.Options = {c.Sep, c.Encoding, true};
        TTreeNode* into = CreateObject(kindFolder, c.File, "", "", doc.Root(), "", 0).Node;
        TImportResult done = run(TImportType::Csv, CorpusDir() + "/csv/" + c.File, csv, into);
        // A row without a name makes no person.
        EXPECT_EQ(static_cast<size_t>(done.Created + done.Skipped), c.Rows);
        // Some person holds the first row's names in their fields.
        auto holds = [&](const TTreeNode* n) {
            for (const auto& [field, value] : c.FirstRow) {
                if (field != "First Name" && field != "Last Name") continue;
                std::string text;
                n->Data()->GetCsvField(field, text);
                if (text != CsvValue(value)) return false;
            }
            return true;
        };
        bool found = std::none_of(c.FirstRow.begin(), c.FirstRow.end(),
                                  [](const auto& f) { return f.first == "First Name"; });
        for (int i = 0; i < into->Count(); ++i)
            found = found || holds(into->Child(i));
        EXPECT_TRUE(found);
    }
    // The file without a header: its rows, as persons of two names.
    TCsvImport plain;
    plain.Fields = {"First Name", "Last Name"};
    EXPECT_EQ(run(TImportType::Csv, CorpusDir() + "/csv/horde-data_simple_cr.csv", plain).Created,
              2);
}

} // namespace
