#include "exchange/NicknameFile.h"

#include "exchange/ImportError.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {
using V = std::vector<std::string>;

V Entries(const std::string& text) {
    V out;
    for (const auto& e : ParseNicknameFile(text).Entries)
        out.push_back(e.Nickname + "=" + e.Address + (e.Note.empty() ? "" : " (" + e.Note + ")"));
    return out;
}

TEST(NicknameFile, AliasLines) {
    struct Case {
        const char* Line;
        V Entries;
    } cases[] = {
        // The nickname, the full name in quotes, the address in angle brackets.
        {"alias bob \"Bob Smith\" <bob@example.com>", {"bob=bob@example.com"}},
        {"alias jhd1 \"Joe D\"<jhd@example.net>", {"jhd1=jhd@example.net"}},
        {"alias \"Harry S\" harry@example.org   ", {"Harry S=harry@example.org"}},
        // The first item that holds "@" is the address, the search stops there.
        {"alias list1 a@example.org,jhd1,b@example.org", {"list1=a@example.org"}},
        {"alias list2 jhd1,jhd2", {}},
        // The nickname may itself be the address.
        {"alias <bob@example.com> \"Bob\"", {"bob@example.com=bob@example.com"}},
        {"alias bob@example.com", {}},
        {"alias x \"\",, <y@z>,", {"x=y@z"}},
        {"alias lonely", {}},
        {"Alias bob bob@example.com", {}},
        {" alias bob bob@example.com", {}},
        {"nickname bob bob@example.com", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Entries(c.Line), c.Entries) << c.Line;
}

TEST(NicknameFile, NoteLinesGiveTheTextAfterTheNickname) {
    struct Case {
        const char* Text;
        V Entries;
    } cases[] = {
        {"alias bob \"Bob Smith\" <bob@example.com>\nnote bob likes tea",
         {"bob=bob@example.com (likes tea)"}},
        // Extra blanks or a quoted nickname do not cut into the text.
        {"alias jhd2 j@example.net\r\nnote  jhd2 Note for jhd2",
         {"jhd2=j@example.net (Note for jhd2)"}},
        {"alias \"Ann Lee\" ann@example.org\nnote \"Ann Lee\" prefers \"e-mail\"",
         {"Ann Lee=ann@example.org (prefers \"e-mail\")"}},
        // A note before its alias still belongs to it; the last note counts.
        {"note carl plays chess\nalias carl carl@example.net",
         {"carl=carl@example.net (plays chess)"}},
        {"alias d d@x\nnote d one\nnote d two", {"d=d@x (two)"}},
        // A note needs text; a note for no alias is nobody's.
        {"alias e e@x\nnote e", {"e=e@x"}},
        {"alias f f@x\nnote g text", {"f=f@x"}},
        // The first alias of a nickname takes the note.
        {"alias h h1@x\nalias h h2@x\nnote h text", {"h=h1@x (text)", "h=h2@x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Entries(c.Text), c.Entries) << c.Text;
}

TEST(NicknameFile, ReadsTheFixtureInWindows1252) {
    TNicknameFile file = ReadNicknameFile(DataPath("exchange/nndbase.txt"));
    V got;
    std::vector<int> lines;
    for (const auto& e : file.Entries) {
        got.push_back(e.Nickname + "=" + e.Address + (e.Note.empty() ? "" : " (" + e.Note + ")"));
        lines.push_back(e.Line);
    }
    EXPECT_EQ(got, (V{"bob=bob@example.com (likes tea)", "Ann Lee=ann@example.org (prefers e-mail)",
                      "carl=carl@example.net (plays chess)", "bob=bob.second@example.com",
                      "j\xC3\xBCrgen=juergen@example.de"}));
    EXPECT_EQ(lines, (std::vector<int>{1, 3, 7, 8, 10}));
}

TEST(NicknameFile, ByteOrderMarkIsNoPartOfTheFirstLine) {
    EXPECT_EQ(Entries("\xEF\xBB\xBF"
                      "alias a a@x"),
              V{"a=a@x"});
}

TEST(NicknameFile, MissingOrBinaryFiles) {
    TTempDir dir;
    EXPECT_EQ(FindNicknameFile(dir.Path()), "");
    WriteText(dir.File("NNDBASE.TXT"), "alias a a@x\n");
    EXPECT_EQ(FindNicknameFile(dir.Path()), dir.File("NNDBASE.TXT"));
    const char binary[] = "alias a a@x\nalias b\0b@x\n";
    try {
        ParseNicknameFile(std::string(binary, sizeof binary - 1), "nndbase.txt");
        FAIL() << "a NUL byte read as text";
    } catch (const EImportError& e) {
        EXPECT_EQ(e.Where(), "nndbase.txt:2: Not a text file");
    }
}

} // namespace
