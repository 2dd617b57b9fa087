#include "exchange/FileIterator.h"

#include "exchange/IShortCut.h"
#include "exchange/ImportError.h"
#include "support/TestServices.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using V = std::vector<std::string>;
namespace fs = std::filesystem;

// root/ A/B/x.url  A/y.url  A/up -> ..  a.url  c.URL  .hidden/z.url  fifo
//       loop -> .  broken -> nowhere  Zed/v.url  Zed/deny/w.url
class WalkTree : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(Dir.File("A/B"));
        fs::create_directories(Dir.File(".hidden"));
        fs::create_directories(Dir.File("Zed/deny"));
        for (const char* f : {"A/B/x.url", "A/y.url", "a.url", "c.URL", ".hidden/z.url",
                              "Zed/v.url", "Zed/deny/w.url"})
            WriteText(Dir.File(f), "URL=http://" + std::string(f) + "\n");
        fs::create_directory_symlink("..", Dir.File("A/up"));
        fs::create_directory_symlink(".", Dir.File("loop"));
        fs::create_symlink("nowhere", Dir.File("broken"));
        ASSERT_EQ(::mkfifo(Dir.File("fifo").c_str(), 0644), 0);
    }
    V Walk(TFileIteratorOptions options) {
        V got;
        TFileIterator it;
        it.SetRootFolder(Dir.Path());
        it.SetOptions(options);
        it.OnAddFile = [&](TFileIterator&, const std::string& f, const TFileInfo&) {
            got.push_back(f.rfind(Dir.Path(), 0) == 0 ? "<root>" + f.substr(Dir.Path().size()) : f);
        };
        it.Execute();
        return got;
    }
    TTempDir Dir;
};

TEST_F(WalkTree, OptionsDecideNamesAndDepth) {
    struct Case {
        TFileIteratorOptions Options;
        V Files;
    } cases[] = {
        // Depth first in name order, letter case ignored; hidden folders, the
        // pipe, the broken link and the loops left out; each folder once.
        {fiPath | fiRecurseFolders,
         {"<root>/A/B/x.url", "<root>/A/y.url", "<root>/a.url", "<root>/c.URL",
          "<root>/Zed/deny/w.url", "<root>/Zed/v.url"}},
        {fiRecurseFolders, {"x.url", "y.url", "a.url", "c.URL", "w.url", "v.url"}},
        {fiPath, {"<root>/a.url", "<root>/c.URL"}},
        {0, {"a.url", "c.URL"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Walk(c.Options), c.Files) << c.Options;
}

TEST_F(WalkTree, DetailsOnlyWhenAskedFor) {
    for (TFileIteratorOptions options : {TFileIteratorOptions(fiDetails), 0u}) {
        TFileIterator it;
        it.SetRootFolder(Dir.Path() + "/"); // one trailing "/" is dropped
        it.SetOptions(options);
        std::vector<uint64_t> sizes;
        std::vector<std::string> names;
        it.OnAddFile = [&](TFileIterator&, const std::string& f, const TFileInfo& info) {
            names.push_back(f);
            sizes.push_back(info.Size);
            EXPECT_EQ(info.LastWriteTime != 0, options == fiDetails);
        };
        it.Execute();
        EXPECT_EQ(names, (V{"a.url", "c.URL"}));
        uint64_t expect = options ? std::string("URL=http://a.url\n").size() : 0;
        EXPECT_EQ(sizes, (std::vector<uint64_t>{expect, options ? expect : 0}));
    }
}

TEST_F(WalkTree, QueryHandlerMayRefuseAFile) {
    TFileIterator it;
    it.SetRootFolder(Dir.Path());
    it.SetOptions(0);
    V asked, added;
    it.OnAddFileQuery = [&](TFileIterator&, const std::string& f, const TFileInfo&, bool& can) {
        asked.push_back(f);
        can = f != "a.url";
    };
    it.Execute(); // a query handler alone runs the walk
    EXPECT_EQ(asked, (V{"a.url", "c.URL"}));
    it.OnAddFile = [&](TFileIterator&, const std::string& f, const TFileInfo&) {
        added.push_back(f);
    };
    it.Execute();
    EXPECT_EQ(added, (V{"c.URL"}));
}

TEST_F(WalkTree, TheTwoErrorsWhileRunningAndTheEndAlwaysReported) {
    TFileIterator it;
    it.SetRootFolder(Dir.Path());
    V events;
    it.OnActivate = [&](TFileIterator&) { events.push_back("activate"); };
    it.OnTerminate = [&](TFileIterator& s) {
        events.push_back(s.Running() ? "terminate running" : "terminate");
    };
    it.Execute(); // no file handler: nothing happens
    EXPECT_TRUE(events.empty());

    std::string again, options, root;
    it.OnAddFile = [&](TFileIterator& s, const std::string&, const TFileInfo&) {
        try {
            s.Execute();
        } catch (const EFileIteratorError& e) {
            again = e.what();
        }
        try {
            s.SetOptions(0);
        } catch (const EFileIteratorError& e) {
            options = e.what();
        }
        try {
            s.SetRootFolder("/");
        } catch (const EFileIteratorError& e) {
            root = e.what();
        }
        throw std::runtime_error("handler failed");
    };
    EXPECT_THROW(it.Execute(), std::runtime_error);
    EXPECT_EQ(again, "Iterator is not available at the moment. Please call later, but do call");
    EXPECT_EQ(options, "Cannot change options on fly. Try later");
    EXPECT_EQ(root, options);
    EXPECT_EQ(events, (V{"activate", "terminate"}));
    EXPECT_FALSE(it.Running());
    EXPECT_EQ(it.RootFolder(), Dir.Path());
    it.SetOptions(0); // idle again: allowed
}

TEST_F(WalkTree, StopEndsTheWalkAfterTheEntryInHand) {
    TFileIterator it;
    it.SetRootFolder(Dir.Path());
    V got;
    it.OnAddFile = [&](TFileIterator& s, const std::string& f, const TFileInfo&) {
        got.push_back(f);
        s.Stop();
    };
    it.Execute();
    EXPECT_EQ(got.size(), 1u);
    EXPECT_FALSE(it.Running());
}

// An unreadable folder is reported and skipped. Run in a child that gives up
// root's rights, since root reads every folder.
TEST_F(WalkTree, UnreadableFolderIsReportedAndSkipped) {
    ASSERT_EQ(::chmod(Dir.Path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(Dir.File("Zed/deny").c_str(), 0), 0);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(fds[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        std::string out;
        TFileIterator it;
        it.SetRootFolder(Dir.Path());
        it.OnAddFile = [&](TFileIterator&, const std::string& f, const TFileInfo&) {
            out += fs::path(f).filename().string() + ";";
        };
        it.OnSkipFolder = [&](TFileIterator&, const std::string& folder, const std::string& m) {
            out += "skipped " + folder.substr(Dir.Path().size()) + ": " + m + ";";
        };
        it.Execute();
        out += std::to_string(it.SkippedFolders().size());
        ssize_t n = ::write(fds[1], out.data(), out.size());
        ::_exit(n == static_cast<ssize_t>(out.size()) ? 0 : 4);
    }
    ::close(fds[1]);
    std::string got;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        got.append(buf, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::chmod(Dir.File("Zed/deny").c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(got, "x.url;y.url;a.url;c.URL;skipped /Zed/deny: File access denied;v.url;1");
}

TEST(FileIterator, MissingRootIsReported) {
    TTempDir dir;
    TFileIterator it;
    it.SetRootFolder(dir.File("gone"));
    it.OnAddFile = [](TFileIterator&, const std::string&, const TFileInfo&) {};
    it.Execute();
    ASSERT_EQ(it.SkippedFolders().size(), 1u);
    EXPECT_EQ(it.SkippedFolders()[0].Message, "File not found");
}

TEST(FileIterator, MasksIgnoreLetterCase) {
    struct Case {
        const char* Name;
        const char* Mask;
        bool Match;
    } cases[] = {
        {"people.csv", "*.CSV", true},
        {"PEOPLE.CSV", "*.csv", true},
        {"people.csv", "*.vcf", false},
        {"people", "*.*", true},
        {"people", "*", true},
        {"bookmark.htm", "BOOKMARK.HTM", true},
        {"a.c", "?.c", true},
        {"ab.c", "?.c", false},
        {"aXbXc", "a*b*c", true},
        {"aXbXd", "a*b*c", false},
        {"", "*", true},
        {"x", "", false},
        {std::string(5000, 'a').c_str(), "*a*a*a*b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesMask(c.Name, c.Mask), c.Match) << c.Name << " " << c.Mask;
}

// The fixture folder as a user's favorites: ".url" files at any depth and a
// desktop link; a desktop application and other files are no favorites.
TEST(FileIterator, ReadsAFavoritesFolder) {
    TFavorites fav = ReadFavorites(DataPath("exchange/favorites"));
    V got;
    for (const auto& l : fav.Links)
        got.push_back(l.FolderName + " | " + l.Title + " | " + l.URL);
    EXPECT_EQ(got, (V{"Links | Example | https://www.example.org/",
                      "News | Daily | https://news.example.org/daily",
                      "Tools | Team Wiki | https://wiki.example.org/",
                      "favorites | Top | https://top.example.org/"}));
    EXPECT_TRUE(fav.SkippedFolders.empty());
}

TEST(FileIterator, AShortcutThatIsNoTextStopsTheFavoritesNamingIt) {
    TTempDir dir;
    WriteText(dir.File("a.url"), "URL=http://a/\n");
    const char binary[] = "\x7F"
                          "ELF\0\0";
    WriteText(dir.File("b.url"), std::string(binary, sizeof binary - 1));
    try {
        ReadFavorites(dir.Path());
        FAIL();
    } catch (const EImportError& e) {
        EXPECT_EQ(e.Where(), dir.File("b.url") + ":1: Not a text file");
    }
}

} // namespace
