#include "comm/BrowserDDE.h"

#include "comm/BrowserSettings.h"
#include "platform/IniFile.h"
#include "platform/PosixShell.h"
#include "support/Fakes.h"
#include "support/ScriptedTransport.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// The services a Connect asked, in order.
Lines Asked(const Lines& log) {
    Lines services;
    for (const std::string& line : log)
        if (line.rfind("open ", 0) == 0 && line.find(" WWW_Version") != std::string::npos)
            services.push_back(line.substr(5, line.find(" WWW_Version") - 5));
    return services;
}

class BrowserDDE : public ::testing::Test {
protected:
    TScriptedTransport transport;
    TRecordingShell shell;
    TBrowserDDE link{transport, shell};
};

TEST_F(BrowserDDE,
       ConnectAsksTheLastBrowserThenThePreferredThenTheKnownOnesAndKeepsTheOneThatAnswered) {
    transport.Answering = {"Chrome"};
    link.SetDefaultServer("Firefox");
    link.SetAutoLoad(false);
    ASSERT_TRUE(link.Connect());
    EXPECT_EQ(Asked(transport.Log), (Lines{"Chromium", "Firefox", "Chromium", "Chrome"}));
    EXPECT_EQ(link.ServerName(), "Chrome");
    // The probe is one request with an empty item, in a conversation closed again.
    EXPECT_EQ(Lines(transport.Log.end() - 3, transport.Log.end()),
              (Lines{"open Chrome WWW_Version", "request ", "close"}));

    transport.Log.clear();
    ASSERT_TRUE(link.Connect());
    EXPECT_EQ(Asked(transport.Log), Lines{"Chrome"});
}

TEST_F(BrowserDDE, WithNoBrowserAndNoAutoLoadEveryNameIsAskedAndNothingStartsOrOpens) {
    link.SetDefaultServer("Chromium");
    link.SetDefaultApp("/usr/bin/chromium");
    link.SetAutoLoad(false);
    EXPECT_FALSE(link.Connect());
    EXPECT_EQ(Asked(transport.Log),
              (Lines{"Chromium", "Chromium", "Chromium", "Chrome", "Firefox", "Default browser"}));

    std::string reply = "x", address = "x", title = "y";
    link.OpenURL("http://example.org/", reply);
    link.GetURL(address, title);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(address + title, "");
    for (const std::string& line : transport.Log)
        EXPECT_NE(line.rfind("start", 0), 0u) << line;
    EXPECT_TRUE(shell.Calls.empty());
}

TEST_F(BrowserDDE, OpenURLWithAutoLoadStartsThePreferredBrowserOnceThenOpensAndActivatesThePage) {
    link.SetDefaultServer("Chromium");
    link.SetDefaultApp("/opt/chromium/chrome");
    transport.Replies = {{"WWW_OpenURL", "TAB7"}};
    std::string reply;
    link.OpenURL("http://example.org/a,b", reply);
    EXPECT_EQ(reply, "TAB7");
    Lines tail(transport.Log.end() - 11, transport.Log.end());
    EXPECT_EQ(tail,
              (Lines{"open Chromium WWW_Version", "start Chromium /opt/chromium/chrome",
                     "open Chromium WWW_Version", "request ", "close", "open Chromium WWW_OpenURL",
                     "request http://example.org/a,b,,0xFFFFFFFF", "close",
                     "open Chromium WWW_Activate", "request TAB7", "close"}));
    EXPECT_EQ(link.ServerName(), "Chromium");
    EXPECT_TRUE(shell.Calls.empty());

    transport.Log.clear();
    link.OpenURL("http://example.org/2", reply);
    EXPECT_EQ(Asked(transport.Log), Lines{"Chromium"});
    int starts = 0;
    for (const std::string& line : transport.Log)
        starts += line.rfind("start", 0) == 0;
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(transport.OpenCount, transport.CloseCount) << "every conversation is closed";
}

TEST_F(BrowserDDE, OpenURLThatNoBrowserTookOpensTheAddressOnTheDesktop) {
    // Firefox and the default browser never answer; neither does a browser
    // that failed to start or to open the page.
    struct Case {
        const char* Name;
        std::string Server, App;
        bool Starts, Answers;
        std::string OpenReply;
        std::string File; // the shell's call; "" for none
        Lines Words;
    };
    for (const Case& c : {
             Case{"default browser", "Default browser", "", true, true, "", "http://x.org/a b", {}},
             Case{"Firefox",
                  "Firefox",
                  "/usr/bin/firefox",
                  false,
                  false,
                  "",
                  "/usr/bin/firefox",
                  {"http://x.org/a b"}},
             Case{"start fails",
                  "Chromium",
                  "/opt/chromium/chrome",
                  false,
                  false,
                  "",
                  "/opt/chromium/chrome",
                  {"http://x.org/a b"}},
             Case{"started, never answers",
                  "Chromium",
                  "/opt/chromium/chrome",
                  true,
                  false,
                  "",
                  "/opt/chromium/chrome",
                  {"http://x.org/a b"}},
             Case{"answers, opens nothing",
                  "Chromium",
                  "/opt/chromium/chrome",
                  true,
                  true,
                  "",
                  "/opt/chromium/chrome",
                  {"http://x.org/a b"}},
             Case{"answers and opens it",
                  "Chromium",
                  "/opt/chromium/chrome",
                  true,
                  true,
                  "T1",
                  "",
                  {}},
         }) {
        TScriptedTransport t;
        TRecordingShell sh;
        TBrowserDDE l(t, sh);
        l.SetDefaultServer(c.Server);
        l.SetDefaultApp(c.App);
        t.Starts = c.Starts;
        t.AnswersOnceStarted = c.Answers;
        t.Replies = {{"WWW_OpenURL", c.OpenReply}};
        std::string reply;
        l.OpenURL("http://x.org/a b", reply);
        EXPECT_EQ(reply, c.OpenReply) << c.Name;
        if (c.File.empty()) {
            EXPECT_TRUE(sh.Calls.empty()) << c.Name;
            continue;
        }
        ASSERT_EQ(sh.Calls.size(), 1u) << c.Name;
        EXPECT_EQ(sh.Calls[0].File, c.File) << c.Name;
        EXPECT_EQ(TPosixShell::SplitArguments(sh.Calls[0].Parameters), c.Words) << c.Name;
    }
}

TEST_F(BrowserDDE, GetURLReadsTheWindowInfoOfTheBrowserThatAnswers) {
    transport.Answering = {"Chromium"};
    transport.Replies = {{"WWW_GetWindowInfo", "\"file:///c:/start.htm\",\"Start page\",\"\""}};
    link.SetAutoLoad(false);
    std::string address, title;
    link.GetURL(address, title);
    EXPECT_EQ(address, "file:///c:/start.htm");
    EXPECT_EQ(title, "Start page");
    EXPECT_EQ(Lines(transport.Log.end() - 3, transport.Log.end()),
              (Lines{"open Chromium WWW_GetWindowInfo", "request 0xFFFFFFFF", "close"}));
    EXPECT_EQ(link.CaptureHint(),
              "No page could be read from a web browser.\n\nStart it with its port.");
}

TEST(BrowserWindowInfo, AddressAndTitleComeFromTheReply) {
    struct Case {
        std::string Reply, Address, Title;
    };
    for (const Case& c : {
             Case{"\"file:///c:/start.htm\",\"Start page\",\"\"", "file:///c:/start.htm",
                  "Start page"},
             Case{"\"file:///c:/start.htm\",\"Netscape - [Start page]\",\"\"",
                  "file:///c:/start.htm", "Start page"},
             Case{"\"http://x.org/\",\"Netscape - [a] b\"", "http://x.org/", "a] b"},
             Case{"\"http://x.org/\",\"Netscape - [\"", "http://x.org/", ""},
             // A reply without a comma: the title is all but its first and last characters.
             Case{"\"http://x.org/\"", "http://x.org/", "http://x.org/"},
             Case{"\"Start page", "Start page", "Start pag"},
             // A comma inside the address does not start the title.
             Case{"\"https://x.org/a,b\",\"Title\"", "https://x.org/a,b", "Title"},
             // Quotes inside the title are doubled.
             Case{"\"http://x.org/\",\"Say \"\"hi\"\"\"", "http://x.org/", "Say \"hi\""},
             Case{"\"http://x.org/\",\"\",\"\"", "http://x.org/", ""},
             Case{"\"", "", ""},
             Case{"", "", ""},
         }) {
        std::string address = "old", title = "old";
        TBrowserDDE::ReadWindowInfo(c.Reply, address, title);
        EXPECT_EQ(address, c.Address) << c.Reply;
        EXPECT_EQ(title, c.Title) << c.Reply;
    }
}

TEST(BrowserSettings, NamesOfOlderFilesAndExeEndingsAreTranslated) {
    struct Case {
        const char* Stored;
        const char* Name;
    };
    for (const Case& c : {Case{"", "Default browser"}, Case{"NETSCAPE", "Default browser"},
                          Case{"IExplore", "Default browser"}, Case{"mosaic", "Default browser"},
                          Case{"chromium", "Chromium"}, Case{"CHROME", "Chrome"},
                          Case{"Firefox", "Firefox"}, Case{"Vivaldi", "Vivaldi"}})
        EXPECT_EQ(TBrowserSettings::NameFromSetting(c.Stored), c.Name) << c.Stored;
    for (const Case& c :
         {Case{"C:\\Program Files\\Netscape\\netscape.exe",
               "C:\\Program Files\\Netscape\\netscape"},
          Case{"/usr/bin/chromium", "/usr/bin/chromium"},
          Case{"/opt/app/BROWSER.EXE", "/opt/app/BROWSER"}, Case{"/opt/x/run.sh", "/opt/x/run.sh"},
          Case{".exe", ".exe"}, Case{"", ""}})
        EXPECT_EQ(TBrowserSettings::PathFromSetting(c.Stored), c.Name) << c.Stored;
}

TEST(BrowserSettings, ReadFromKexIniAndAppliedToTheLink) {
    TIniFile ini;
    TBrowserSettings s = TBrowserSettings::Read(ini);
    EXPECT_EQ(s.Name, "Default browser");
    EXPECT_EQ(s.Path, "");
    EXPECT_EQ(s.DebugPort, 9222);
    for (const auto& [stored, port] : std::vector<std::pair<std::string, int>>{
             {"9333", 9333}, {"0", 9222}, {"70000", 9222}, {"-1", 9222}, {"x", 9222}}) {
        ini.WriteString("Browser", "DebugPort", stored);
        EXPECT_EQ(TBrowserSettings::Read(ini).DebugPort, port) << stored;
    }
    ini.WriteString("Browser", "DDE", "chrome");
    ini.WriteString("Browser", "Path", "/opt/google/chrome/chrome");
    TScriptedTransport transport;
    TRecordingShell shell;
    TBrowserDDE link(transport, shell);
    TBrowserSettings::Read(ini).ApplyTo(link);
    EXPECT_EQ(link.DefaultServer(), "Chrome");
    EXPECT_EQ(link.DefaultApp(), "/opt/google/chrome/chrome");
}

} // namespace
