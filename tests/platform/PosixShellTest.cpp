#include "platform/PosixShell.h"

#include "platform/MessageBox.h"
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

// --- failures told to the user ------------------------------------------------------

// A shell whose failures are collected, watching what it starts for two
// seconds (collected without an event loop).
class ToldShell {
public:
    explicit ToldShell(std::string opener = "xdg-open", int watchMs = 2000)
        : Shell(std::move(opener)) {
        Shell.SetReporter([this](const std::string& text) { Told.push_back(text); });
        Shell.SetWatcher([](int) {}, watchMs);
    }
    // Every watch ended, what was told.
    std::vector<std::string> Settled() {
        EXPECT_EQ(Shell.CollectAll(5000), 0);
        return Told;
    }
    TPosixShell Shell;
    std::vector<std::string> Told;
};

// A program that exits with code after a moment, as a desktop opener that
// looked for a handler does.
std::string MakeExiting(const TTempDir& dir, const std::string& name, const std::string& exit) {
    std::string path = dir.File(name);
    WriteText(path, "#!/bin/sh\nsleep 0.2\n" + exit + "\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

TEST(PosixShell, AnOpenerThatFailsSoonAfterItsStartIsToldWithWhatAndWhy) {
    TTempDir tmp;
    struct TCase {
        const char* Target;
        const char* Exit;
        std::string Told; // "" nothing
    };
    const TCase cases[] = {
        {"tel:+4930123", "exit 3",
         "Could not dial +4930123.\n\nNo program on this desktop handles \"tel:\" addresses."},
        {"mailto:a@b.org?subject=x", "exit 3",
         "Could not open a message to a@b.org.\n\nNo program on this desktop handles "
         "\"mailto:\" addresses."},
        {"https://example.org/", "exit 4",
         "Could not open https://example.org/ in the web browser.\n\nThe program that handles "
         "it reported a failure."},
        {"/srv/letter.odt", "exit 3",
         "Could not open the document \"/srv/letter.odt\".\n\nNo program on this desktop "
         "opens files of this kind."},
        {"/srv/gone.odt", "exit 2",
         "Could not open the document \"/srv/gone.odt\".\n\nThe file does not exist."},
        {"/srv/secret.odt", "exit 5",
         "Could not open the document \"/srv/secret.odt\".\n\nYou may not read the file."},
        {"callto:555", "exit 1",
         "Could not dial 555.\n\n\"" + tmp.File("opener") + "\" did not understand the request."},
        {"/srv/odd.odt", "exit 9",
         "Could not open the document \"/srv/odd.odt\".\n\n\"" + tmp.File("opener") +
             "\" ended with exit code 9 right after it started."},
        {"/srv/fine.odt", "exit 0", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Target);
        ToldShell told(MakeExiting(tmp, "opener", c.Exit));
        ASSERT_TRUE(told.Shell.Open(c.Target, "", "", 1)); // handed on: the failure comes later
        EXPECT_EQ(told.Shell.Watched(), 1);
        auto texts = told.Settled();
        EXPECT_EQ(texts, c.Told.empty() ? Words{} : Words{c.Told});
    }
}

TEST(PosixShell, AProgramEndingBadlyAtOnceIsToldButOneStillRunningIsLeftAlone) {
    TTempDir tmp;
    struct TCase {
        const char* Exit;
        const char* Why; // "" nothing told
    };
    const TCase cases[] = {
        {"exit 2", "ended with exit code 2 right after it started."},
        {"kill -TERM $$", "was ended by signal 15"},
        {"exit 0", ""},
        {"sleep 4", ""}, // still running when the watch ends
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Exit);
        std::string tool = MakeExiting(tmp, "tool", c.Exit);
        ToldShell told("xdg-open", 2000);
        ASSERT_TRUE(told.Shell.Open(tool, "--go", "", 1));
        auto texts = told.Settled();
        if (!*c.Why) {
            EXPECT_EQ(texts, Words{});
            continue;
        }
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].rfind("Could not start \"" + tool + "\".\n\n\"" + tool + "\" ", 0), 0u)
            << texts[0];
        EXPECT_NE(texts[0].find(c.Why), std::string::npos) << texts[0];
    }
    // No watcher is left behind as a zombie.
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(PosixShell, FailuresAtTheStartAreToldAtOnce) {
    TTempDir tmp;
    std::string recorder = MakeRecorder(tmp, "record");
    std::string plain = tmp.File("plain.sh");
    WriteText(plain, "#!/bin/sh\n");
    ::chmod(plain.c_str(), 0644);
    std::string broken = tmp.File("broken");
    WriteText(broken, "#!/no/such/interpreter\n");
    ::chmod(broken.c_str(), 0755);
    ToldShell told(tmp.File("no-such-opener"));

    EXPECT_FALSE(told.Shell.Open(recorder, "a", tmp.File("gone"), 1));
    EXPECT_FALSE(told.Shell.Open("tel:555", "", "", 1));
    EXPECT_FALSE(told.Shell.Start({"no-such-dialer-program", "555"}, "", "dial 555"));
    EXPECT_FALSE(told.Shell.Open("", "", "", 1)); // nothing asked, nothing told
    EXPECT_FALSE(told.Shell.Start({plain}, "", "start it"));
    EXPECT_FALSE(told.Shell.Start({broken}, "", "start it"));
    EXPECT_EQ(told.Shell.Watched(), 0);
    EXPECT_EQ(told.Told,
              (Words{"Could not start \"" + recorder + "\".\n\nIts working folder \"" +
                         tmp.File("gone") + "\" cannot be used: No such file or directory.",
                     "Could not dial 555.\n\nThe desktop's opener \"" + tmp.File("no-such-opener") +
                         "\" was not found.",
                     "Could not dial 555.\n\n\"no-such-dialer-program\" was not found.",
                     "Could not start it.\n\n\"" + plain + "\" was not found.",
                     "Could not start it.\n\n\"" + broken +
                         "\" cannot be started: No such file or directory."}));
}

TEST(PosixShell, WithoutAReporterTheServicesMessageBoxTellsAndWithoutAWatcherNothingWaits) {
    TTestServices svc;
    TTempDir tmp;
    TPosixShell shell(tmp.File("no-such-opener"));
    EXPECT_FALSE(shell.Open("tel:555", "", "", 1));
    ASSERT_EQ(svc.Views.Boxes.size(), 1u);
    EXPECT_EQ(svc.Views.Boxes[0].Caption, "Merrowin");
    EXPECT_EQ(svc.Views.Boxes[0].Type, mb::Ok | mb::IconError);
    EXPECT_EQ(svc.Views.Boxes[0].Text.rfind("Could not dial 555.", 0), 0u);

    TPosixShell unwatched(MakeExiting(tmp, "opener", "exit 3"));
    ASSERT_TRUE(unwatched.Open("tel:555", "", "", 1));
    EXPECT_EQ(unwatched.Watched(), 0);
}

} // namespace

namespace {

TEST(PosixShell, DesktopEntryRunsItsExecLineWithoutAShellInItsProgramsFolder) {
    TTempDir tmp;
    std::string recorder = MakeRecorder(tmp, "record");
    std::string entry = tmp.File("Recorder.desktop");
    WriteText(entry, "[Desktop Entry]\nType=Application\nName=Recorder\nExec=\"" + recorder +
                         "\" --from-entry %F \"$(touch pwned)\"\n");
    TPosixShell shell;
    ASSERT_TRUE(shell.Open(entry, "'x y' ;z", tmp.File("elsewhere"), 1));
    EXPECT_EQ(Recorded(recorder),
              tmp.Path() + "\n/dev/null\n[--from-entry]\n[$(touch pwned)]\n[x y]\n[;z]\n");

    // The folder the entry names wins.
    std::string work = tmp.File("work");
    fs::create_directory(work);
    WriteText(entry, "[Desktop Entry]\nExec=" + recorder + "\nPath=" + work + "\n");
    ASSERT_TRUE(shell.Open(entry, "", "", 1));
    EXPECT_EQ(Recorded(recorder), work + "\n/dev/null\n");
    EXPECT_EQ(FilesIn(tmp.Path()), (Words{"Recorder.desktop", "record", "work"}));
}

} // namespace
