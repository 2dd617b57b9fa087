// The import job on the sources it reads: what lands where in the tree, what
// it counts, and how an error stops it.
#include "exchange/jobs/ImportJob.h"

#include "store/ContactStore.h"
#include "store/DataFile.h"
#include "store/KexObject.h"
#include "store/ObjectFactory.h"
#include "store/TreeNode.h"
#include "store/TreeNodes.h"
#include "support/RecordingObserver.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
using V = std::vector<std::string>;

std::string Field(const TKexObject* r, const std::string& name) {
    std::string text;
    r->GetCsvField(name, text);
    return text;
}

// The tree below a node: one line per node, indented by depth, websites and
// items with their targets.
void Outline(const TTreeNode* n, int depth, std::string& out) {
    const TKexObject* r = n->Data();
    out += std::string(static_cast<size_t>(depth) * 2, ' ') + n->Text();
    if (r && r->GetKind() == kindWeb) out += " = " + r->GetTarget();
    out += "\n";
    if (r)
        for (const auto& item : r->Items())
            out += std::string(static_cast<size_t>(depth) * 2 + 2, ' ') + "- " + item->GetTitle() +
                   " = " + item->GetTarget() +
                   (item->GetComment().empty() ? "" : " (" + item->GetComment() + ")") + "\n";
    for (int i = 0; i < n->Count(); ++i)
        Outline(n->Child(i), depth + 1, out);
}

class ImportJob : public ::testing::Test {
protected:
    TTreeNode* Folder(const std::string& title, TTreeNode* parent = nullptr) {
        return CreateObject(kindFolder, title, "", "", parent ? parent : Doc.Root(), "", 0).Node;
    }
    std::string Write(const std::string& name, const std::string& text) {
        std::string path = Svc.File(name);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteText(path, text);
        return path;
    }
    TImportResult Csv(const std::string& text, size_t type, const V& fields, TTreeNode* into,
                      TSeparator sep = TSeparator::Comma, bool header = false) {
        TImportRequest r;
        r.Type = TImportType::Csv;
        r.Path = Write("in.csv", text);
        r.Parent = into;
        r.Csv.RecordType = type;
        r.Csv.Fields = fields;
        r.Csv.Options.Separator = sep;
        r.Csv.Options.HeaderLine = header;
        return TImportJob(Doc).Run(r);
    }
    TImportResult Run(TImportType type, const std::string& path, TTreeNode* into = nullptr) {
        TImportRequest r;
        r.Type = type;
        r.Path = path;
        r.Parent = into ? into : Doc.Root();
        return TImportJob(Doc).Run(r);
    }
    std::string OutlineOf(const TTreeNode* n) {
        std::string s;
        Outline(n, 0, s);
        return s;
    }

    TTestServices Svc;
    TContactStore Doc;
};

// Record types by their place in the list.
enum { tPerson, tOrg, tWeb, tAddress, tPhone, tEMail, tFax };

TEST_F(ImportJob, CsvLinesSplitAsTheSeparatorSays) {
    struct Case {
        const char* Name;
        TSeparator Sep;
        size_t Type;
        V Fields;
        const char* Line;
        V Expected; // field=value of the record made, as its export gives them
    };
    const Case cases[] = {
        {"tab becomes comma, empty value kept",
         TSeparator::Tab,
         tAddress,
         {"Title", "Address Line 1", "Address Line 2", "City"},
         "Home\t12 High St\t\tLeeds",
         {"Title=\"Home\",", "Address Line 1=\"12 High St\",", "Address Line 2=\"\",",
          "City=\"Leeds\","}},
        {"quoted comma stays in its value",
         TSeparator::Comma,
         tWeb,
         {"Title", "Website"},
         "\"Tom, Jerry\",http://tj.example",
         {"Title=\"Tom, Jerry\",", "Website=\"http://tj.example\","}},
        {"doubled quote is one quote",
         TSeparator::Comma,
         tEMail,
         {"Title", "E-Mail Address"},
         "\"say \"\"hi\"\"\",ann@example.org",
         {"Title=\"say \"\"hi\"\"\",", "E-Mail Address=\"ann@example.org\","}},
        {"blanks around values stay",
         TSeparator::Comma,
         tPerson,
         {"First Name", "Last Name"},
         "Ann , Smith",
         {"First Name=\"Ann \",", "Last Name=\" Smith\","}},
        {"semicolon, comma is text",
         TSeparator::Semicolon,
         tPhone,
         {"Title", "Phone Number", "Extension"},
         "Desk, upstairs;555 0100;22",
         {"Title=\"Desk, upstairs\",", "Phone Number=\"555 0100\",", "Extension=\"22\","}},
    };
    for (const Case& c : cases) {
        TTreeNode* into = Folder(c.Name);
        TImportResult done = Csv(std::string(c.Line) + "\r\n", c.Type, c.Fields, into, c.Sep);
        ASSERT_EQ(done.Error, "") << c.Name;
        EXPECT_EQ(done.Created, 1) << c.Name;
        const TKexObject* r =
            into->Count() ? into->Child(0)->Data() : into->Data()->Items().at(0).get();
        for (const std::string& e : c.Expected) {
            std::string name = e.substr(0, e.find('='));
            EXPECT_EQ(name + "=" + Field(r, name), e) << c.Name;
        }
    }
}

TEST_F(ImportJob, RowsTheRecordRejectsLeaveNothingBehindForEveryType) {
    // A row of empty values: no record type takes it.
    for (size_t type = tPerson; type <= tFax; ++type) {
        TTreeNode* into = Folder("type " + std::to_string(type));
        TImportResult done = Csv(",\r\n\r\n", type, {"Title", "Comment"}, into);
        EXPECT_EQ(done.Error, "");
        EXPECT_EQ(done.Created, 0) << type;
        EXPECT_EQ(done.Skipped, 2) << type;
        EXPECT_EQ(into->Count(), 0) << type;
        EXPECT_TRUE(into->Data()->Items().empty()) << type;
        EXPECT_EQ(done.Summary(), "0 records created, 2 lines skipped");
    }
}

TEST_F(ImportJob, PersonsWithPrimaryItemsAndOneSortInOneScope) {
    TTreeNode* into = Folder("People");
    TRecordingObserver seen(Doc);
    TImportResult done =
        Csv("Zoe,Young,1 Mill Lane,Leeds,555 0100,zoe@example.org\n"
            "Ann,Smith,2 High St,York,555 0101,ann@example.org\n"
            ",,,,,\n",
            tPerson,
            {"First Name", "Last Name", "Address Line 1", "City", "Phone Number", "E-Mail Address"},
            into);
    EXPECT_EQ(done.Summary(), "2 records created, 1 line skipped");
    ASSERT_EQ(into->Count(), 2);
    // Sorted at the end of the one scope, told once.
    EXPECT_EQ(into->Child(0)->Text(), "Ann Smith");
    EXPECT_EQ(into->Child(1)->Text(), "Zoe Young");
    EXPECT_EQ(seen.Deliveries.size(), 1u);
    const TKexObject* ann = into->Child(0)->Data();
    EXPECT_EQ(Field(ann, "City"), "\"York\",");
    EXPECT_EQ(Field(ann, "Phone Number"), "\"555 0101\",");
    EXPECT_EQ(Field(ann, "E-Mail Address"), "\"ann@example.org\",");
}

TEST_F(ImportJob, HeaderLineChoosesTheFieldsOrTheChosenOnesAmongThem) {
    const std::string file = "Given Name,Family Name,E-mail 1 - Value,Phone 1 - Type,"
                             "Phone 1 - Value,Notes\n"
                             "Ann,Smith,ann@example.org,Mobile,07700 900000,likes tea\n";
    TTreeNode* all = Folder("All");
    TImportResult done = Csv(file, tPerson, {}, all, TSeparator::Comma, true);
    ASSERT_EQ(done.Error, "");
    ASSERT_EQ(done.Summary(), "1 record created, 0 lines skipped");
    const TKexObject* ann = all->Child(0)->Data();
    EXPECT_EQ(Field(ann, "First Name"), "\"Ann\",");
    EXPECT_EQ(Field(ann, "Last Name"), "\"Smith\",");
    EXPECT_EQ(Field(ann, "E-Mail Address"), "\"ann@example.org\",");
    EXPECT_EQ(Field(ann, "Phone Number"), "\"07700 900000\",");
    EXPECT_EQ(Field(ann, "Comment"), "\"likes tea\",");

    // The user took the comment off the list: the column is not read.
    TTreeNode* some = Folder("Some");
    done = Csv(file, tPerson, {"Last Name", "First Name"}, some, TSeparator::Comma, true);
    ASSERT_EQ(some->Count(), 1);
    EXPECT_EQ(some->Child(0)->Text(), "Ann Smith");
    EXPECT_EQ(Field(some->Child(0)->Data(), "Comment"), "\"\",");
    EXPECT_EQ(Field(some->Child(0)->Data(), "E-Mail Address"), ","); // a person exports none so
}

TEST_F(ImportJob, RealAddressBookExportsPutNamesInTheirFields) {
    struct Case {
        const char* File;
        TSeparator Sep;
        const char* Person;
        const char* EMail;
    };
    const Case cases[] = {
        {"outlook.csv", TSeparator::Comma, "Ann Smith", "ann@example.org"},
        {"thunderbird.txt", TSeparator::Tab, "Ann Smith", "ann@example.org"},
        {"semicolon_cp1252.csv", TSeparator::Semicolon, "J\xC3\xBCrgen M\xC3\xBCller",
         "juergen@example.de"},
    };
    for (const Case& c : cases) {
        TTreeNode* into = Folder(c.File);
        TImportRequest r;
        r.Type = TImportType::Csv;
        r.Path = DataPath(std::string("exchange/") + c.File);
        r.Parent = into;
        r.Csv.Options.Separator = c.Sep;
        r.Csv.Options.HeaderLine = true;
        TImportResult done = TImportJob(Doc).Run(r);
        ASSERT_EQ(done.Error, "") << c.File;
        ASSERT_GE(into->Count(), 1) << c.File;
        const TKexObject* p = into->Child(0)->Data();
        EXPECT_EQ(p->GetTarget(), c.Person) << c.File;
        EXPECT_EQ(Field(p, "E-Mail Address"), "\"" + std::string(c.EMail) + "\",") << c.File;
    }
}

TEST_F(ImportJob, AnErrorStopsTheImportKeepsWhatWasMadeAndNamesFileAndLine) {
    TTreeNode* into = Folder("People");
    // Line 3 holds a NUL byte: no text file from there on.
    std::string text = "Ann,Smith\nBob,Roe\nCy,";
    text.push_back('\0');
    text += "Lee\nDi,Fox\n";
    TImportResult done = Csv(text, tPerson, {"First Name", "Last Name"}, into);
    EXPECT_EQ(done.Created, 2);
    EXPECT_EQ(into->Count(), 2);
    EXPECT_NE(done.Error.find(Svc.File("in.csv") + ":3:"), std::string::npos) << done.Error;

    // Files that cannot be read at all: nothing made, the file named.
    std::string locked = Write("locked.csv", "Ann,Smith\n");
    chmod(locked.c_str(), 0);
    const bool root = access(locked.c_str(), R_OK) == 0;
    for (auto [type, path] : std::vector<std::pair<TImportType, std::string>>{
             {TImportType::Csv, Svc.File("missing.csv")},
             {TImportType::Bookmarks, Svc.File("missing.htm")},
             {TImportType::Nicknames, Svc.Home.Path()}, // a folder without the file
             {TImportType::Transfer, Svc.File("people.csv")},
             {TImportType::Csv, root ? Svc.File("nothing.csv") : locked}}) {
        int before = Doc.Tree().Count();
        TImportRequest r;
        r.Type = type;
        r.Path = path;
        r.Parent = into;
        r.Csv.Fields = {"First Name"};
        done = TImportJob(Doc).Run(r);
        EXPECT_NE(done.Error.find(path), std::string::npos) << done.Error;
        EXPECT_EQ(Doc.Tree().Count(), before) << path;
        EXPECT_EQ(done.Created, 0);
    }
}

TEST_F(ImportJob, BookmarkAddressAndNicknameFilesEachMakeOneFolder) {
    std::string page = Write("bookmark.htm", "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                                             "<title>My Links</title>\n<DL><p>\n"
                                             "<DT><A HREF=\"page.htm\" ADD_DATE=\"1\">Name</A>\n"
                                             "<DT><H3>Sub</H3><DL><p>\n"
                                             "<DT><A HREF=\"http://a.example/?x=1&amp;y=2\">"
                                             "Tom &amp; Jerry</A>\n"
                                             "<DT><A HREF=\"\">no address</A>\n</DL></DL>\n");
    TImportResult done = Run(TImportType::Bookmarks, page);
    EXPECT_EQ(done.Summary(), "2 records created, 0 lines skipped");
    EXPECT_EQ(OutlineOf(done.Folder), "My Links\n"
                                      "  Name = page.htm\n"
                                      "  Tom & Jerry = http://a.example/?x=1&y=2\n");

    std::string book = Write("book/address.htm", "<TITLE>Address book</TITLE>\n"
                                                 "<A HREF=\"mailto:ann@example.org\">Ann</A>\n"
                                                 "<A HREF=\"bob@example.org\">Bob</A>\n");
    done = Run(TImportType::AddressBook, Svc.File("book")); // the folder finds the file
    EXPECT_EQ(OutlineOf(done.Folder), "Address book\n"
                                      "  - Ann = ann@example.org\n"
                                      "  - Bob = bob@example.org\n");

    Write("mail/NNDBASE.TXT", "alias bob \"Bob Smith\" <bob@example.org>\n"
                              "alias nobody \"No One\"\n"
                              "note bob likes tea\n"
                              "other line\n");
    done = Run(TImportType::Nicknames, Svc.File("mail"));
    EXPECT_EQ(done.Summary(), "1 record created, 0 lines skipped");
    EXPECT_EQ(OutlineOf(done.Folder), "Eudora Addresses\n"
                                      "  - bob = bob@example.org (likes tea)\n");
    // All three below the node they were given.
    EXPECT_EQ(Doc.Root()->Count(), 3);
}

class ImportFavorites : public ImportJob {
protected:
    void Link(const std::string& relative, const std::string& url) {
        Write("Fav/" + relative, "[InternetShortcut]\r\nURL = " + url + "\r\n");
    }
    TImportResult Import(TTreeNode* into) {
        return Run(TImportType::Favorites, Svc.File("Fav"), into);
    }
};

TEST_F(ImportFavorites, EverySubfolderBecomesAFolderDirectlyBelowTheChosenOne) {
    // y.url comes before the subfolder B (name order); a folder without
    // shortcuts of its own gets no folder.
    Link("A/y.url", "http://y.example");
    Link("A/B/x.url", "http://x.example");
    Link("A/B/notes.txt", "not a shortcut");
    Link("Empty/C/z.url", "http://z.example");
    Link("top.URL", "http://top.example");
    // A link back to a parent folder is walked once.
    std::filesystem::create_directory_symlink(Svc.File("Fav"), Svc.File("Fav/A/B/loop"));
    TTreeNode* into = Folder("Imports");
    TImportResult done = Import(into);
    ASSERT_EQ(done.Error, "");
    EXPECT_EQ(done.Summary(), "4 records created, 0 lines skipped");
    EXPECT_EQ(OutlineOf(into), "Imports\n"
                               "  Fav\n"
                               "    A\n"
                               "      y = http://y.example\n"
                               "    B\n"
                               "      x = http://x.example\n"
                               "    C\n"
                               "      z = http://z.example\n"
                               "    top = http://top.example\n");
}

TEST_F(ImportFavorites, LinksGoToANodeAlreadyNamedLikeTheirFolder) {
    TTreeNode* work = Folder("Work");
    TTreeNode* acme = CreateObject(kindOrg, "Acme", "", "", work, "", 0).Node;
    // A website of that name is no place for links.
    CreateObject(kindWeb, "News", "http://news.example", "", Doc.Root(), "", 0);
    Link("Acme/shop.url", "http://shop.example");
    Link("Acme/Deep/News/daily.url", "http://daily.example");
    Link("Other/o.url", "http://o.example");
    Link("z.url", "http://z.example");
    TTreeNode* into = Folder("Imports", work);
    TImportResult done = Import(into);
    ASSERT_EQ(done.Error, "");
    EXPECT_EQ(OutlineOf(acme), "Acme\n  shop = http://shop.example\n");
    // After links went to the organization, a new folder is made below the
    // chosen folder's, not below the organization.
    EXPECT_EQ(OutlineOf(into), "Imports\n"
                               "  Fav\n"
                               "    News\n"
                               "      daily = http://daily.example\n"
                               "    Other\n"
                               "      o = http://o.example\n"
                               "    z = http://z.example\n");

    // A second import of the same folder: its own links go to its new folder,
    // not to the first import's of the same name.
    TTreeNode* again = Folder("Again");
    done = Import(again);
    ASSERT_EQ(again->Count(), 1);
    EXPECT_EQ(OutlineOf(again->Child(0)), "Fav\n  z = http://z.example\n");
}

TEST_F(ImportJob, VCardFilesMakePersonsBelowTheGivenNode) {
    TTreeNode* into = Folder("Cards");
    std::string file = Write("two.vcf", "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Smith;Ann\r\n"
                                        "FN:Ann Smith\r\nEMAIL:ann@example.org\r\nEND:VCARD\r\n"
                                        "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Roe;Bob\r\n"
                                        "FN:Bob Roe\r\nORG:Acme\r\nEND:VCARD\r\n");
    TImportResult done = Run(TImportType::VCard, file, into);
    EXPECT_EQ(done.Error, "");
    EXPECT_EQ(done.Summary(), "2 records created, 0 lines skipped");
    ASSERT_EQ(into->Count(), 2);
    EXPECT_EQ(into->Child(0)->Text(), "Ann Smith");
    EXPECT_NE(OutlineOf(into->Child(0)).find("= ann@example.org"), std::string::npos)
        << OutlineOf(into->Child(0));

    done = Run(TImportType::VCard, Svc.File("none.vcf"), into);
    EXPECT_NE(done.Error.find("none.vcf"), std::string::npos) << done.Error;
    EXPECT_EQ(into->Count(), 2);
}

TEST_F(ImportJob, TransferFilesCountWhatTheyAdd) {
    TTreeNode* src = Folder("Friends");
    CreateObject(kindPerson, "Ann", "Ann", "", src, "", 0);
    CreateObject(kindPhone, "Home", "555", "", src, "", 0);
    WriteSubtree(src, Svc.File("friends.tvd"));
    TImportResult done = Run(TImportType::Transfer, Svc.File("friends.tvd"));
    EXPECT_EQ(done.Error, "");
    EXPECT_EQ(done.Created, 3); // the folder, the person, the phone
    EXPECT_EQ(Doc.Root()->Count(), 2);
}

} // namespace
