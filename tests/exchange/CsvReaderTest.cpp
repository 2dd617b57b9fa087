#include "exchange/CsvReader.h"

#include "exchange/CommaItems.h"
#include "exchange/CommaText.h"
#include "exchange/CsvColumns.h"
#include "exchange/ImportError.h"
#include "exchange/TextEncoding.h"
#include "platform/Errors.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <set>

namespace {
using V = std::vector<std::string>;

std::vector<TCsvRow> ReadAll(const std::string& bytes, TCsvOptions opt = {}) {
    TCsvReader csv(bytes, opt, "test.csv");
    std::vector<TCsvRow> rows;
    for (TCsvRow row; csv.Next(row);)
        rows.push_back(row);
    return rows;
}

TEST(CsvReader, SplitsLinesAsTheImportReadsThem) {
    struct Case {
        TSeparator Sep;
        const char* Line;
        V Values;
    } cases[] = {
        // Tab to comma, then four quoted fields; the empty one stays.
        {TSeparator::Tab, "Home\t12 High St\t\tLeeds", {"Home", "12 High St", "", "Leeds"}},
        // A comma inside quotes stays in its value; a doubled quote is one.
        {TSeparator::Comma,
         "\"Smith, John\",\"say \"\"hi\"\"\",x",
         {"Smith, John", "say \"hi\"", "x"}},
        // Blanks around values are part of them.
        {TSeparator::Comma, "Ann , Smith", {"Ann ", " Smith"}},
        {TSeparator::Comma, ",,", {"", "", ""}},
        {TSeparator::Comma, "a,", {"a", ""}},
        {TSeparator::Comma, "", {}},
        {TSeparator::Comma, "   ", {"   "}},
        // Tab and semicolon text: a comma is text, the separator in quotes too.
        {TSeparator::Tab, "Smith, John\tLeeds", {"Smith, John", "Leeds"}},
        {TSeparator::Tab, "\"a\tb\"\tc", {"a\tb", "c"}},
        {TSeparator::Tab, "a\t", {"a", ""}},
        {TSeparator::Semicolon,
         "John Doe;John;\"a;b\";Doe, J.",
         {"John Doe", "John", "a;b", "Doe, J."}},
        {TSeparator::Semicolon, "\"x \"\"y\"\"\";;", {"x \"y\"", "", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCsvReader::SplitLine(c.Line, c.Sep), c.Values) << c.Line;
}

TEST(CsvReader, RowsEndAtLineEndsExceptInsideClosedQuotes) {
    // CR LF, a quoted value over two lines, a lone CR, an unclosed quote that
    // must not swallow the next line, and a last line without an end.
    auto rows = ReadAll("a,b\r\nc,\"d\r\ne\"\rf\n\"g,h\ni");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].Values, (V{"a", "b"}));
    EXPECT_EQ(rows[1].Values, (V{"c", "d\r\ne"}));
    EXPECT_EQ(rows[2].Values, (V{"f"}));
    EXPECT_EQ(rows[3].Values, (V{"g,h"}));
    EXPECT_EQ(rows[4].Values, (V{"i"}));
    std::vector<int> lines;
    for (const auto& r : rows)
        lines.push_back(r.Line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 4, 5, 6}));
}

TEST(CsvReader, CommaItemsComeAsSplitCommaTextGivesThem) {
    const std::string texts[] = {"",
                                 "  ",
                                 "a, b ,c",
                                 "a,",
                                 "a, ,",
                                 "\"x, \"\"y\"\"\"z,w",
                                 "\"open",
                                 "a\"b\" c",
                                 std::string("a\0b,\0", 6),
                                 std::string("\0", 1),
                                 "\"\",\"\"\"\",,"};
    for (const auto& t : texts) {
        V items;
        TCommaItems cursor(t);
        for (std::string item; cursor.Next(item);)
            items.push_back(item);
        EXPECT_EQ(items, commatext::SplitCommaText(t)) << t;
    }
}

TEST(CsvReader, ARowKeepsItsFirstValuesOnly) {
    struct Case {
        TSeparator Sep;
        const char* Line;
        size_t Keep;
        V Values;
    } cases[] = {
        {TSeparator::Comma, "a,b,c,d", 2, {"a", "b"}},
        {TSeparator::Comma, "\"a,b\",\"c,d\",e", 2, {"a,b", "c,d"}},
        {TSeparator::Comma, "a,,", 2, {"a", ""}},
        {TSeparator::Comma, "a,b", 5, {"a", "b"}},
        {TSeparator::Tab, "a\t\"b\tc\"\td", 2, {"a", "b\tc"}},
        {TSeparator::Semicolon, "a;b;c", 1, {"a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TCsvReader::SplitLine(c.Line, c.Sep, c.Keep), c.Values) << c.Line;
    // A line of a hundred thousand values gives the reader's limit.
    std::string wide;
    for (int i = 0; i < 100000; ++i)
        wide += "v,";
    auto rows = ReadAll(wide);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Values.size(), TCsvOptions().MaxValues);
}

TEST(CsvReader, BlankLinesAreRowsWithoutValuesAndTheLastLineEndAddsNone) {
    auto rows = ReadAll("a\n\nb\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[1].Values.empty());
    EXPECT_TRUE(ReadAll("").empty());
}

TEST(CsvReader, HeaderLineIsNoRow) {
    TCsvReader csv("Name,Mail\r\nAnn,ann@x\r\n", {TSeparator::Comma, "", true});
    EXPECT_EQ(csv.Header(), (V{"Name", "Mail"}));
    TCsvRow row;
    ASSERT_TRUE(csv.Next(row));
    EXPECT_EQ(row.Values, (V{"Ann", "ann@x"}));
    EXPECT_EQ(row.Line, 2);
    EXPECT_FALSE(csv.Next(row));
}

std::string Utf16(const std::u16string& s, bool bigEndian, bool bom) {
    std::string out;
    auto put = [&](char16_t c) {
        char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    if (bom) put(0xFEFF);
    for (char16_t c : s)
        put(c);
    return out;
}

TEST(CsvReader, TurnsEveryEncodingIntoUtf8) {
    struct Case {
        const char* Name;
        std::string Bytes;
        std::string Encoding; // chosen
        std::string First;
        std::string Used;
    } cases[] = {
        {"UTF-8 mark dropped", "\xEF\xBB\xBFName,x", "", "Name", "UTF-8"},
        {"UTF-8 mark wins over a choice",
         "\xEF\xBB\xBF"
         "Caf\xC3\xA9",
         "Windows-1252", "Caf\xC3\xA9", "UTF-8"},
        {"UTF-16LE with mark", Utf16(u"Jos\u00e9,x\r\n", false, true), "", "Jos\xC3\xA9",
         "UTF-16LE"},
        {"UTF-16BE with mark", Utf16(u"Jos\u00e9,x", true, true), "", "Jos\xC3\xA9", "UTF-16BE"},
        {"UTF-16LE by its zero bytes", Utf16(u"First Name,Last", false, false), "", "First Name",
         "UTF-16LE"},
        {"UTF-16 wins over a choice", Utf16(u"\u5c71\u7530,x", false, true), "Shift_JIS",
         "\xE5\xB1\xB1\xE7\x94\xB0", "UTF-16LE"},
        {"valid UTF-8 by default", "Caf\xC3\xA9,x", "", "Caf\xC3\xA9", "UTF-8"},
        {"Windows-1252 by default", "Caf\xE9 \x80\x93,x", "",
         "Caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C", "Windows-1252"},
        {"Shift_JIS chosen", "\x8E\x52\x93\x63,x", "Shift_JIS", "\xE5\xB1\xB1\xE7\x94\xB0",
         "Shift_JIS"},
        {"KOI8-R chosen", "\xE9\xD7\xC1\xCE,x", "KOI8-R", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD",
         "KOI8-R"},
        {"ISO-8859-1 chosen", "Caf\xE9", "iso-8859-1", "Caf\xC3\xA9", "iso-8859-1"},
    };
    for (const auto& c : cases) {
        TCsvReader csv(c.Bytes, {TSeparator::Comma, c.Encoding, false});
        TCsvRow row;
        ASSERT_TRUE(csv.Next(row)) << c.Name;
        EXPECT_EQ(row.Values.at(0), c.First) << c.Name;
        EXPECT_EQ(csv.Encoding(), c.Used) << c.Name;
        EXPECT_EQ(csv.Replaced(), 0u) << c.Name;
    }
}

TEST(CsvReader, BytesTheChosenEncodingCannotHoldBecomeReplacementCharacters) {
    TCsvReader sjis("ab\x81\xFF"
                    "c",
                    {TSeparator::Comma, "Shift_JIS", false});
    TCsvRow row;
    ASSERT_TRUE(sjis.Next(row));
    EXPECT_EQ(row.Values.at(0).substr(0, 2), "ab");
    EXPECT_NE(row.Values.at(0).find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_GE(sjis.Replaced(), 1u);
    TCsvReader utf8("a\xFF"
                    "b",
                    {TSeparator::Comma, "UTF-8", false});
    ASSERT_TRUE(utf8.Next(row));
    EXPECT_EQ(row.Values.at(0), "a\xEF\xBF\xBD"
                                "b");
    EXPECT_EQ(utf8.Replaced(), 1u);
    EXPECT_THROW(TCsvReader("x", {TSeparator::Comma, "NO-SUCH-ENCODING", false}), EConvertError);
}

TEST(CsvReader, OffersTheCommonEncodingsFirstAndOnlyOnesIconvKnows) {
    const auto& list = textencoding::AvailableEncodings();
    ASSERT_GE(list.size(), 40u);
    EXPECT_EQ(list[0], "UTF-8");
    EXPECT_EQ(list[1], "Windows-1252");
    for (const char* name : {"Shift_JIS", "EUC-JP", "GB18030", "Big5", "KOI8-R", "ISO-8859-15"})
        EXPECT_NE(std::find(list.begin(), list.end(), name), list.end()) << name;
    std::set<std::string> unique(list.begin(), list.end());
    EXPECT_EQ(unique.size(), list.size());
    for (const auto& name : list)
        EXPECT_TRUE(textencoding::IsKnownEncoding(name)) << name;
    EXPECT_FALSE(textencoding::IsKnownEncoding("NO-SUCH-ENCODING"));
}

TEST(CsvReader, BinaryFileStopsWithTheFileAndLine) {
    TCsvReader csv(std::string("a,b\nc\n\x01\x02\0\x03", 10), {}, "data.bin");
    TCsvRow row;
    ASSERT_TRUE(csv.Next(row));
    ASSERT_TRUE(csv.Next(row));
    try {
        csv.Next(row);
        FAIL() << "a NUL byte read as text";
    } catch (const EImportError& e) {
        EXPECT_EQ(e.Where(), "data.bin:3: Not a text file");
    }
    // Within a quoted value over several lines, the NUL's own line counts.
    const char quoted[] = "x\r\na,\"b\r\nc\r\n\0\"";
    TCsvReader multi(std::string(quoted, sizeof quoted - 1), {}, "q.csv");
    ASSERT_TRUE(multi.Next(row));
    try {
        multi.Next(row);
        FAIL() << "a NUL byte read as text";
    } catch (const EImportError& e) {
        EXPECT_EQ(e.Where(), "q.csv:4: Not a text file");
    }
}

TEST(CsvReader, UnreadableFilesRaiseTheRuntimesErrors) {
    TTempDir dir;
    try {
        TCsvReader::Open(dir.File("missing.csv"), {});
        FAIL();
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Where(), dir.File("missing.csv") + ": File not found");
    }
    EXPECT_THROW(TCsvReader::Open(dir.Path(), {}), EInOutError); // a folder
}

// The fixtures as a user's files: each format and encoding read from disk.
TEST(CsvReader, ReadsTheFixtureFilesWithTheirHeaders) {
    struct Case {
        const char* File;
        TSeparator Sep;
        const char* Encoding;
        V Header;
        V FirstRow;
    } cases[] = {
        {"outlook.csv",
         TSeparator::Comma,
         "",
         {"Title", "First Name", "Last Name", "Business Street", "Business City", "Home Street",
          "Home City", "Business Phone", "Home Phone", "E-mail Address", "Notes"},
         {"Dr.", "Ann", "Smith", "1 Mill Lane", "Leeds", "", "", "0113 496 0000", "",
          "ann@example.org", "Met at the fair,\r\nlikes tea"}},
        {"thunderbird.txt",
         TSeparator::Tab,
         "",
         {"First Name", "Last Name", "Display Name", "Primary Email", "Work Phone", "Home Address",
          "Home City", "Web Page 1", "Notes"},
         {"Ann", "Smith", "Smith, Ann", "ann@example.org", "0113 496 0000", "1 Mill Lane", "Leeds",
          "https://ann.example.org", "tabs\tand, commas"}},
        {"semicolon_cp1252.csv",
         TSeparator::Semicolon,
         "",
         {"Display Name", "First Name", "Last Name", "Primary Email"},
         {"M\xC3\xBCller, J\xC3\xBCrgen", "J\xC3\xBCrgen", "M\xC3\xBCller", "juergen@example.de"}},
        {"shiftjis.csv",
         TSeparator::Comma,
         "Shift_JIS",
         {"\xE5\x90\x8D\xE5\x89\x8D", "\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB"},
         {"\xE5\xB1\xB1\xE7\x94\xB0", "taro@example.jp"}},
    };
    for (const auto& c : cases) {
        TCsvReader csv = TCsvReader::Open(DataPath(std::string("exchange/") + c.File),
                                          {c.Sep, c.Encoding, true});
        EXPECT_EQ(csv.Header(), c.Header) << c.File;
        TCsvRow row;
        ASSERT_TRUE(csv.Next(row)) << c.File;
        EXPECT_EQ(row.Values, c.FirstRow) << c.File;
    }
}

} // namespace
