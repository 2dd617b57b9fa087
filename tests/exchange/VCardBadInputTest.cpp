// Files that are missing, damaged, huge or hostile: an error only when the
// file cannot be read, otherwise whatever could be read, in time linear in
// the file and memory bounded by it.
#include "exchange/VCardFile.h"
#include "platform/Errors.h"
#include "support/TestServices.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sys/resource.h>

namespace {

// Reads text and checks that what Write makes of it reads back to the same bytes.
TVCardFile ReadStable(const std::string& text, double* seconds = nullptr) {
    auto start = std::chrono::steady_clock::now();
    TVCardFile f;
    f.ReadText(text);
    if (seconds)
        *seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::string written = f.Text();
    TVCardFile again;
    again.ReadText(written);
    EXPECT_EQ(again.Text(), written);
    return f;
}

long PeakKilobytes() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(VCardBadInput, MissingOrUnreadableFileRaisesAndKeepsTheCardsRead) {
    TTempDir dir;
    TVCardFile f;
    f.ReadText("begin:vcard\r\nFN:kept\r\nend:vcard\r\n");
    struct Case {
        std::string Path;
        int Code;
    } cases[] = {
        {dir.File("missing.vcf"), io_error::FileNotFound},
        {"", io_error::FileNotFound},
        {dir.Path(), io_error::AccessDenied}, // a folder is refused like any file we may not read
    };
    for (const Case& c : cases) {
        f.Filename = c.Path;
        try {
            f.Read();
            ADD_FAILURE() << "no error for " << c.Path;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.ErrorCode(), c.Code) << c.Path;
            if (c.Code == io_error::FileNotFound) {
                EXPECT_STREQ(e.what(), "File not found");
            }
        }
    }
    EXPECT_EQ(f.CardCount(), 1);
}

TEST(VCardBadInput, DamagedFilesReadWhatTheyHoldQuickly) {
    const std::string begin = "BEGIN:VCARD\r\n";
    std::string manyParams = "TEL";
    for (int i = 0; i < 10000; ++i)
        manyParams += i % 2 ? ";HOME" : ";X-P" + std::to_string(i) + "=\"a;b:c\"";
    std::string continued;
    for (int i = 0; i < 1000000; ++i)
        continued += "\r\n x";
    std::string nulPairs;
    for (int i = 0; i < 1000; ++i)
        nulPairs += std::string("a\0", 2);
    std::string foldedHead = "TEL";
    for (int i = 0; i < 100000; ++i)
        foldedHead += "\r\n =";
    struct Case {
        const char* What;
        std::string Text;
        int Cards;
        int Properties; // of the first card
    } cases[] = {
        {"no end line", begin + "FN:a\r\nTEL:1", 1, 2},
        {"a line without a colon", begin + "TEL 555 0100\r\nFN\r\nEND:VCARD", 1, 2},
        {"10,000 parameters on one line", begin + manyParams + ":1\r\nEND:VCARD", 1, 1},
        {"a million separators", begin + "N:" + std::string(1000000, ';') + "\r\nEND:VCARD", 1, 1},
        {"a million empty lines", begin + std::string(1000000, '\n') + "FN:a", 1, 1},
        {"a million continuation lines", begin + "NOTE:" + continued, 1, 1},
        {"100,000 folds inside a head", begin + foldedHead + "\r\nEND:VCARD", 1, 1},
        {"a soft break at the end", begin + "N;ENCODING=QUOTED-PRINTABLE:a=", 1, 1},
        {"soft breaks to the end",
         begin + "N;QUOTED-PRINTABLE:" + std::string(1000000, '=') + "\r\nEND:VCARD\r\nBEGIN:VCARD",
         2, 1},
        {"only begin lines", std::string(100000, '\r').replace(0, 0, begin + begin), 2, 0},
        {"NUL bytes", begin + std::string("FN:a\0b\r\nTEL\0:1\r\n", 16), 1, 2},
        // Written at the start of a file, this must not look like UTF-16.
        {"a value of NUL pairs", begin + "NOTE:" + nulPairs, 1, 1},
        {"unclosed quote in a head", begin + "ADR;LABEL=\"x:;;1\r\nEND:VCARD", 1, 1},
    };
    for (const Case& c : cases) {
        double seconds = 0;
        TVCardFile f = ReadStable(c.Text, &seconds);
        EXPECT_LT(seconds, 20.0) << c.What;
        ASSERT_EQ(f.CardCount(), c.Cards) << c.What;
        EXPECT_EQ(f.GetCard(0).PropertyCount(), c.Properties) << c.What;
    }
}

TEST(VCardBadInput, SeparatorFloodKeepsItsTextInTheLastValue) {
    TVCardFile f = ReadStable("BEGIN:VCARD\r\nN:" + std::string(5000, ';') + "x\r\nEND:VCARD\r\n");
    const TCardProperty& n = f.GetCard(0).GetProperty(0);
    ASSERT_EQ(n.Values.size(), TCardProperty::kMaxValues);
    EXPECT_EQ(n.Values.back(), std::string(5000 - (TCardProperty::kMaxValues - 1), ';') + "x");
}

TEST(VCardBadInput, BinaryGarbageReadsWithoutHarm) {
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 4; ++round) {
        std::string garbage(1 << 20, '\0');
        for (char& c : garbage)
            c = static_cast<char>(byte(random));
        // Sprinkled with the words the reader looks for.
        for (size_t at = 0; round > 0 && at + 16 < garbage.size(); at += 4096 / round)
            garbage.replace(at, 16, at % 3 ? "\nBEGIN:VCARD\nN:" : "\r\nTEL;WORK:1\r\n=");
        double seconds = 0;
        ReadStable(garbage, &seconds);
        EXPECT_LT(seconds, 20.0);
    }
}

TEST(VCardBadInput, HundredMegabyteFileReadsInBoundedMemory) {
    TTempDir dir;
    const std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Doe;John;;Mr.;\r\n"
                             "FN:Mr. John Doe\r\nTEL;TYPE=WORK,VOICE:+1 555 0100\r\n"
                             "EMAIL;TYPE=INTERNET:john.doe@example.com\r\n"
                             "ADR;TYPE=HOME:;;12 High Street;Leeds;;LS1 4AB;United Kingdom\r\n"
                             "NOTE:met at the fair\r\nPHOTO;ENCODING=b:" +
                             std::string(200, 'Q') + "\r\nEND:VCARD\r\n";
    // Written piece by piece, so that the peak memory measured is the reader's.
    const std::string path = dir.File("big.vcf");
    const size_t cards = (100u << 20) / card.size();
    {
        std::ofstream out(path, std::ios::binary);
        for (size_t i = 0; i < cards; ++i)
            out << card;
    }

    long before = PeakKilobytes();
    TVCardFile f;
    f.Filename = path;
    auto start = std::chrono::steady_clock::now();
    f.Read();
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(f.CardCount(), static_cast<int>(cards));
    EXPECT_EQ(f.GetCard(static_cast<int>(cards) - 1).PropertyCount(), 6);
    long grownKb = PeakKilobytes() - before;
    std::cout << cards << " cards in " << seconds << " s, peak memory grew by "
              << static_cast<double>(grownKb) / (100 << 10) << " times the file\n";
    // The file's bytes plus the cards, which hold about the kept part of it.
    EXPECT_LT(grownKb, 5 * (100 << 10)) << "peak grew by " << grownKb / 1024 << " MB";
    EXPECT_LT(seconds, 120.0);
}

TEST(VCardBadInput, HundredMegabyteLineIsKeptWhole) {
    std::string text = "BEGIN:VCARD\r\nNOTE:";
    text.append(100 << 20, 'x');
    text += "\r\nEND:VCARD\r\n";
    long before = PeakKilobytes();
    TVCardFile f;
    f.ReadText(text);
    ASSERT_EQ(f.CardCount(), 1);
    EXPECT_EQ(f.GetCard(0).GetProperty(0).Value(0).size(), 100u << 20);
    EXPECT_LT(PeakKilobytes() - before, 2 * (100 << 10));
}

} // namespace
