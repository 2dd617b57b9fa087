#include "platform/PosixShell.h"

#include "support/TestServices.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;

namespace {

using Words = std::vector<std::string>;

TEST(SplitArguments, SplitsLikeAShellButInterpretsNothing) {
    struct Case {
        const char* Text;
        Words Expected;
    };
    const Case cases[] = {
        {"", {}},
        {"-x", {"-x"}},
        {"  a   b\tc ", {"a", "b", "c"}},
        {"'a b' \"c d\"", {"a b", "c d"}},
        {"a'b c'd", {"ab cd"}},
        {"a \"\" b ''", {"a", "", "b", ""}},
        {R"("say \"hi\" \\ \n")", {R"(say "hi" \ \n)"}},
        {R"('it\'s')", {R"(it\s)"}},
        {R"(a\ b c\"d \$HOME)", {"a b", "c\"d", "$HOME"}},
        {"trailing\\", {"trailing\\"}},
        {"'unclosed quote", {"unclosed quote"}},
        {"a;rm -rf x", {"a;rm", "-rf", "x"}},
        {"$(touch pwned) `id` $HOME *.txt", {"$(touch", "pwned)", "`id`", "$HOME", "*.txt"}},
        {"a|b >out <in 2>&1 &", {"a|b", ">out", "<in", "2>&1", "&"}},
        {"line1\r\nline2", {"line1", "line2"}},
        {"http://example.com/a?b=1&c=2 -new-tab", {"http://example.com/a?b=1&c=2", "-new-tab"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(TPosixShell::SplitArguments(c.Text), c.Expected);
    }
}

// A program that records its working folder, its standard input and its
// arguments (one per line, bracketed) into <path>.out.
std::string MakeRecorder(const TTempDir& dir, const std::string& name) {
    std::string path = dir.File(name);
    WriteText(path, "#!/bin/sh\n"
                    "{ pwd; readlink /proc/$$/fd/0; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; "
                    "done; } > '" +
                        path +
                        ".tmp'\n"
                        "mv '" +
                        path + ".tmp' '" + path + ".out'\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

// The started process runs detached: wait for what it leaves behind.
bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 500; ++i) {
        if (fs::exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string Recorded(const std::string& recorder) {
    EXPECT_TRUE(WaitForFile(recorder + ".out")) << "the program did not run";
    std::string text = ReadText(recorder + ".out");
    fs::remove(recorder + ".out");
    return text;
}

Words FilesIn(const std::string& dir) {
    Words names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PosixShell, ProgramGetsHostileParametersAsLiteralArgumentsInItsFolder) {
    TTempDir tmp;
    std::string recorder = MakeRecorder(tmp, "record");
    std::string work = tmp.File("work");
    fs::create_directory(work);
    TPosixShell shell;

    const std::string params =
        "$(touch pwned) '; touch pwned2' \"`touch pwned3`\" a;touch\\ pwned4 |x >out $HOME";
    ASSERT_TRUE(shell.Open(recorder, params, work, 1));

    EXPECT_EQ(Recorded(recorder), work + "\n/dev/null\n"
                                         "[$(touch]\n[pwned)]\n[; touch pwned2]\n[`touch pwned3`]\n"
                                         "[a;touch pwned4]\n[|x]\n[>out]\n[$HOME]\n");
    EXPECT_EQ(FilesIn(work), Words{});
    EXPECT_EQ(FilesIn(tmp.Path()), (Words{"record", "work"}));
}

TEST(PosixShell, ProgramNamedWithoutFolderIsFoundOnPathAndMakesLiteralFiles) {
    TTempDir work;
    TPosixShell shell;
    ASSERT_TRUE(shell.Open("touch", "'a;b' '$(touch pwned)' 'c d'", work.Path(), 1));
    ASSERT_TRUE(WaitForFile(work.File("c d")));
    EXPECT_EQ(FilesIn(work.Path()), (Words{"$(touch pwned)", "a;b", "c d"}));
}

TEST(PosixShell, DocumentsAndAddressesReachTheOpenerAsOneArgument) {
    TTempDir tmp;
    std::string opener = MakeRecorder(tmp, "opener");
    TPosixShell shell(opener);

    ASSERT_TRUE(shell.Open("mailto:x@y.org?subject=$(touch pwned)", "", "", 1));
    EXPECT_EQ(Recorded(opener), fs::current_path().string() +
                                    "\n/dev/null\n[mailto:x@y.org?subject=$(touch pwned)]\n");

    // A plain document, not executable, with a name a shell would split.
    std::string doc = tmp.File("my letter; rm -rf x.txt");
    WriteText(doc, "text");
    ASSERT_TRUE(shell.Open(doc, "", tmp.Path(), 1));
    EXPECT_EQ(Recorded(opener), tmp.Path() + "\n/dev/null\n[" + doc + "]\n");

    // A relative name that looks like an option stays a file name.
    ASSERT_TRUE(shell.Open("-v.txt", "", tmp.Path(), 1));
    EXPECT_EQ(Recorded(opener), tmp.Path() + "\n/dev/null\n[./-v.txt]\n");
    EXPECT_FALSE(fs::exists(tmp.File("pwned")));
    EXPECT_FALSE(fs::exists("pwned"));
}

TEST(PosixShell, ExecutableDocumentOpensThroughTheOpenerButFailsAsAProgram) {
    TTempDir tmp;
    std::string opener = MakeRecorder(tmp, "opener");
    std::string doc = tmp.File("notes.txt");
    WriteText(doc, "plain text, not a program\n");
    ::chmod(doc.c_str(), 0755);
    TPosixShell shell(opener);

    ASSERT_TRUE(shell.Open(doc, "", "", 1));
    EXPECT_EQ(Recorded(opener), fs::current_path().string() + "\n/dev/null\n[" + doc + "]\n");
    EXPECT_FALSE(shell.Open(doc, "-x", "", 1));
}

TEST(PosixShell, FailuresAnswerFalse) {
    TTempDir tmp;
    std::string recorder = MakeRecorder(tmp, "record");
    TPosixShell shell;
    TPosixShell noOpener(tmp.File("no-such-opener"));

    EXPECT_FALSE(shell.Open("", "", "", 1));
    EXPECT_FALSE(shell.Open(recorder, "a", tmp.File("missing-folder"), 1));
    EXPECT_FALSE(noOpener.Open("http://example.com/", "", "", 1));
    EXPECT_FALSE(noOpener.Open(tmp.File("absent.doc"), "", "", 1));
    EXPECT_FALSE(fs::exists(recorder + ".out"));
}

TEST(PosixShell, StartedProgramLeavesNoChildBehind) {
    TPosixShell shell;
    ASSERT_TRUE(shell.Open("/bin/true", "", "", 1));
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
