#include "platform/Errors.h"
#include "platform/IniFile.h"
#include "support/TestServices.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// A settings file whose writes are counted, and can be made to fail.
struct TCountedIni {
    explicit TCountedIni(const std::string& path) : Ini(path) {
        Ini.Writer = [this](const std::string& p, const std::string& text) {
            if (Fail) throw EInOutError(io_error::DiskFull, p);
            ++Writes;
            Written = text;
        };
    }
    TIniFile Ini;
    int Writes = 0;
    std::string Written;
    bool Fail = false;
};

TEST(SettingsBatch, TheFileIsWrittenOncePerBatchAndOnlyWhenSomethingChanged) {
    TTempDir dir;
    const struct {
        const char* Name;
        std::function<void(TIniFile&)> Work;
        int Writes;
    } cases[] = {
        {"a write outside a batch", [](TIniFile& s) { s.WriteInteger("A", "k", 1); }, 1},
        {"twenty writes in a batch",
         [](TIniFile& s) {
             TSettingsBatch b(s);
             for (int i = 0; i < 20; ++i)
                 s.WriteInteger("A", "k" + std::to_string(i), i);
             b.Commit();
         },
         1},
        {"nested batches",
         [](TIniFile& s) {
             TSettingsBatch outer(s);
             {
                 TSettingsBatch inner(s);
                 s.WriteString("A", "x", "1");
                 inner.Commit();
             }
             s.EraseSection("A");
             s.WriteString("B", "y", "2");
             outer.Commit();
         },
         1},
        {"a batch that changes nothing",
         [](TIniFile& s) {
             TSettingsBatch b(s);
             s.EraseSection("Missing");
             b.Commit();
         },
         0},
        {"a batch left without Commit",
         [](TIniFile& s) {
             TSettingsBatch b(s);
             s.WriteString("A", "x", "1");
         },
         0},
    };
    for (const auto& c : cases) {
        TCountedIni f(dir.File("kex.ini"));
        c.Work(f.Ini);
        EXPECT_EQ(f.Writes, c.Writes) << c.Name;
    }
}

TEST(SettingsBatch, ChangesOfAnAbandonedBatchGoOutWithTheNextWrite) {
    TTempDir dir;
    TCountedIni f(dir.File("kex.ini"));
    {
        TSettingsBatch b(f.Ini);
        f.Ini.WriteString("A", "kept", "1");
    }
    f.Ini.WriteString("A", "next", "2");
    EXPECT_EQ(f.Writes, 1);
    EXPECT_EQ(f.Written, "[A]\r\nkept=1\r\nnext=2\r\n");
}

TEST(SettingsBatch, AFailedWriteRaisesAtCommitAndKeepsTheChangesForTheNextTry) {
    TTempDir dir;
    TCountedIni f(dir.File("kex.ini"));
    TSettingsBatch b(f.Ini);
    f.Ini.WriteString("A", "x", "1");
    f.Fail = true;
    EXPECT_THROW(b.Commit(), EInOutError);
    EXPECT_EQ(f.Ini.ReadString("A", "x", ""), "1");
    f.Fail = false;
    TSettingsBatch again(f.Ini);
    again.Commit();
    EXPECT_EQ(f.Writes, 1);
    EXPECT_EQ(f.Written, "[A]\r\nx=1\r\n");
}

TEST(SettingsBatch, RealFileHoldsTheBatchAfterCommit) {
    TTempDir dir;
    TIniFile ini(dir.File("kex.ini"));
    TSettingsBatch b(ini);
    ini.WriteString("Browser", "Path", "/usr/bin/chromium");
    EXPECT_EQ(ReadText(dir.File("kex.ini")), "");
    b.Commit();
    EXPECT_EQ(ReadText(dir.File("kex.ini")), "[Browser]\r\nPath=/usr/bin/chromium\r\n");
}

} // namespace
