// The writer: byte for byte against a golden file, reading back what it
// wrote, and what happens when the file cannot be written.
#include "CardFiles.h"
#include "platform/Errors.h"
#include "support/TestServices.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

TCardProperty Line(const std::string& text, bool pref = false) {
    TCardProperty p;
    p.Parse(text);
    if (pref) p.Params.set(cpPref);
    return p;
}

TCardProperty Values(const std::string& name, std::vector<std::string> values) {
    TCardProperty p;
    p.Name = name;
    p.Values = std::move(values);
    return p;
}

// Three cards: a person as the record side builds one (each line through
// Parse, PREF on the primaries), text that needs a character set or
// QUOTED-PRINTABLE, and an empty card.
TVCardFile Example() {
    TVCardFile f;
    TCard person;
    for (const char* text : {"N:Public;Jane;Q.;Dr.", "FN:Dr. Jane Public", "TITLE:Smith, John"})
        person.AddProperty(Line(text));
    person.AddProperty(Line("ADR:;;12 High St;Leeds;;LS1 4AB;UK", true));
    person.AddProperty(Line("TEL;FAX:555 0100", true));
    person.AddProperty(Line("EMAIL;INTERNET:jane@example.com"));
    person.AddProperty(Line("TITLE:"));
    f.AddCard(person);

    TCard text;
    text.AddProperty(Line("N:M\xC3\xBCller;J\xC3\xBCrgen"));
    // Windows-1252 bytes of an old data file.
    text.AddProperty(Line("ORG:Caf\xE9 \x80"));
    text.AddProperty(Values("NOTE", {"one, two; three\r\nfour"}));
    text.AddProperty(Values("FN", {"a=b;c", "Zo\xC3\xAB "}));
    text.AddProperty(Values("", {"a property without a name is no line"}));
    f.AddCard(text);
    f.AddCard(TCard());
    return f;
}

TEST(VCardWriter, WritesCardsByteForByte) {
    TTempDir dir;
    TVCardFile f = Example();
    f.Filename = dir.File("out.vcf");
    f.Write();
    EXPECT_EQ(ReadText(f.Filename), ReadText(DataPath("exchange/written.vcf")));
}

TEST(VCardWriter, WhatItWroteReadsBackToTheSameCardsAndBytes) {
    TVCardFile f = Example();
    TVCardFile back;
    back.ReadText(f.Text());
    ASSERT_EQ(back.CardCount(), 3);
    EXPECT_EQ(back.Text(), f.Text());
    const TCard& text = back.GetCard(1);
    EXPECT_EQ(text.FindProperty("ORG")->Value(0), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(text.FindProperty("NOTE")->Values,
              (std::vector<std::string>{"one, two; three\r\nfour"}));
    EXPECT_EQ(text.FindProperty("FN")->Values, (std::vector<std::string>{"a=b;c", "Zo\xC3\xAB "}));
    EXPECT_EQ(back.GetCard(0).FindProperty("ADR")->ParamDescription(), "Preferred");
}

TEST(VCardWriter, ReadFilesOfEveryVersionWriteBackStable) {
    for (const char* name : {"v21_quoted_printable.vcf", "v30_folded.vcf", "v40_uris.vcf",
                             "windows1252.vcf", "utf16le_bom.vcf", "utf16be.vcf"}) {
        TVCardFile f = ReadFixture(name);
        TVCardFile again;
        again.ReadText(f.Text());
        EXPECT_EQ(again.Text(), f.Text()) << name;
        EXPECT_EQ(again.CardCount(), f.CardCount()) << name;
    }
}

TEST(VCardWriter, WriteReplacesALongerFile) {
    TTempDir dir;
    TVCardFile f;
    f.Filename = dir.File("out.vcf");
    WriteText(f.Filename, std::string(10000, 'x'));
    TCard card;
    card.AddProperty(Line("FN:Jane"));
    f.AddCard(card);
    f.Write();
    EXPECT_EQ(ReadText(f.Filename), "begin:vcard\r\nVERSION:2.1\r\nFN:Jane\r\nend:vcard\r\n");
}

TEST(VCardWriter, WriteFailuresRaiseAndLeaveTheOldFileWhole) {
    TTempDir dir;
    WriteText(dir.File("file"), "not a folder");
    struct Case {
        std::string Path;
        int Code;
    } cases[] = {
        {"/dev/full", io_error::DiskFull},
        {dir.File("missing/out.vcf"), io_error::FileNotFound},
        {dir.File("file/out.vcf"), io_error::InvalidFilename},
        {"", io_error::FileNotFound},
    };
    TVCardFile f = Example();
    for (const Case& c : cases) {
        f.Filename = c.Path;
        try {
            f.Write();
            ADD_FAILURE() << "no error for " << c.Path;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode(), c.Code) << c.Path << ": " << e.what();
        }
    }
    EXPECT_EQ(ReadText(dir.File("file")), "not a folder");
}

TEST(VCardWriter, WriteThatFailsPartWayKeepsTheOldFile) {
    TTempDir dir;
    const std::string path = dir.File("cards.vcf");
    WriteText(path, "begin:vcard\r\nFN:old\r\nend:vcard\r\n");
    TVCardFile f = Example();
    TCard big;
    big.AddProperty(Values("NOTE", {std::string(8192, 'n')}));
    f.AddCard(big);
    f.Filename = path;
    // A file-size limit makes the write fail half way, as a full disk would.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 2048;
    ::setrlimit(RLIMIT_FSIZE, &small);
    int code = 0;
    try {
        f.Write();
    } catch (const EInOutError& e) {
        code = e.ErrorCode();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(code, io_error::DiskFull);
    EXPECT_EQ(ReadText(path), "begin:vcard\r\nFN:old\r\nend:vcard\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
