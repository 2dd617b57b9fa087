#include "platform/DevToolsTransport.h"

#include "platform/LoopbackConnection.h"
#include "platform/PosixShell.h"
#include "support/Fakes.h"
#include "support/LocalHttpServer.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Lines = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

std::string FirstLine(const std::string& head) {
    return head.substr(0, head.find("\r\n"));
}

// A request in a conversation of its own, as the link makes it.
std::string Ask(TDevToolsTransport& t, const std::string& topic, const std::string& item) {
    if (!t.Open("Chromium", topic)) return "<no conversation>";
    std::string reply = t.Request(item);
    t.Close();
    return reply;
}

// A port that nothing listens on: the server's, once it has gone.
int ClosedPort() {
    return TLocalHttpServer().Port();
}

TEST(DevToolsTransport, EachTopicIsItsRequestAndItsReply) {
    TLocalHttpServer server;
    TRecordingShell shell;
    TDevToolsTransport t(shell, server.Port());
    server.PushOk(R"({"Browser": "Chrome/120.0", "Protocol-Version": "1.3"})");
    server.PushOk(R"({"id": "3429EC4D", "type": "page", "url": "about:blank"})");
    server.PushOk("Target activated", "text/plain");
    server.PushOk(R"([{"type": "service_worker", "url": "https://x.org/sw.js", "title": "sw"},
                      {"type": "page", "url": "https://x.org/a,b?q=\"1\"",
                       "title": "Tom &amp; Jerry &quot;live&quot; &lt;3 &#39;24 &eacute;"},
                      {"type": "page", "url": "https://older.org/", "title": "Older"}])");

    EXPECT_EQ(Ask(t, "WWW_Version", ""), "Chrome/120.0");
    EXPECT_EQ(Ask(t, "WWW_OpenURL", "http://x.org/a b#c?d=1&e=%41,,0xFFFFFFFF"), "3429EC4D");
    EXPECT_EQ(Ask(t, "WWW_Activate", "3429EC4D"), "Target activated");
    EXPECT_EQ(Ask(t, "WWW_GetWindowInfo", "0xFFFFFFFF"),
              "\"https://x.org/a,b?q=%221%22\",\"Tom & Jerry \"\"live\"\" <3 '24 &eacute;\"");

    Lines lines;
    for (const std::string& head : server.Requests()) {
        lines.push_back(FirstLine(head));
        EXPECT_NE(head.find("\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"),
                  std::string::npos)
            << head;
    }
    EXPECT_EQ(lines, (Lines{"GET /json/version HTTP/1.1",
                            "PUT /json/new?http%3A%2F%2Fx.org%2Fa%20b%23c%3Fd%3D1%26e%3D%2541 "
                            "HTTP/1.1",
                            "GET /json/activate/3429EC4D HTTP/1.1", "GET /json/list HTTP/1.1"}));
}

TEST(DevToolsTransport, AnythingButTheExpectedAnswerIsAnEmptyReply) {
    struct Case {
        const char* Name;
        std::string Topic;
        TLocalHttpServer::Answer Answer;
    };
    const std::string list = R"([{"type":"page","url":"u","title":"t"}])";
    auto ok = [](const std::string& body, const std::string& extra = "") {
        return "HTTP/1.1 200 OK\r\n" + extra + "Content-Length: " + std::to_string(body.size()) +
               "\r\n\r\n" + body;
    };
    for (const Case& c : {
             Case{"not HTTP", "WWW_GetWindowInfo", {"SSH-2.0-OpenSSH_9.2\r\n", false, false}},
             Case{"not found",
                  "WWW_GetWindowInfo",
                  {"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n", false, false}},
             Case{"refused method",
                  "WWW_OpenURL",
                  {"HTTP/1.1 405 Method Not Allowed\r\nContent-Length: 2\r\n\r\n{}", false, false}},
             Case{"body cut short",
                  "WWW_GetWindowInfo",
                  {ok(list).substr(0, ok(list).size() - 5), false, false}},
             Case{"not JSON", "WWW_GetWindowInfo", {ok("<html>oops</html>"), false, false}},
             Case{"JSON of another shape",
                  "WWW_GetWindowInfo",
                  {ok(R"({"type":"page","url":"u"})"), false, false}},
             Case{"no page at all",
                  "WWW_GetWindowInfo",
                  {ok(R"([{"type":"iframe","url":"u","title":"t"}, 7, null])"), false, false}},
             Case{"a number for an id", "WWW_OpenURL", {ok(R"({"id": 12})"), false, false}},
             Case{"chunked body",
                  "WWW_GetWindowInfo",
                  {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\n[{}]\n\r\n0\r\n\r\n",
                   false, false}},
             Case{"broken header",
                  "WWW_GetWindowInfo",
                  {"HTTP/1.1 200 OK\r\nno colon here\r\n\r\n[]", false, false}},
             Case{"bad length",
                  "WWW_GetWindowInfo",
                  {"HTTP/1.1 200 OK\r\nContent-Length: -4\r\n\r\n[]", false, false}},
             Case{"closed at once", "WWW_Version", {"", false, false}},
         }) {
        TLocalHttpServer server;
        TRecordingShell shell;
        TDevToolsTransport t(shell, server.Port(), 2000);
        server.Push(c.Answer);
        auto start = Clock::now();
        EXPECT_EQ(Ask(t, c.Topic, c.Topic == "WWW_OpenURL" ? "http://x.org/" : ""), "") << c.Name;
        EXPECT_LT(MsSince(start), 1500) << c.Name << ": a bad answer is not waited out";
        EXPECT_EQ(server.Requests().size(), 1u) << c.Name;
    }
}

TEST(DevToolsTransport, ASilentBrowserTimesOutAndAClosedPortOpensNoConversation) {
    TLocalHttpServer server;
    TRecordingShell shell;
    TDevToolsTransport t(shell, server.Port(), 300);
    server.Push({"", true, false});
    server.Push({"HTTP/1.1 200 OK\r\n\r\n[]", false, true}); // no length, never closed
    for (int i = 0; i < 2; ++i) {
        auto start = Clock::now();
        EXPECT_EQ(Ask(t, "WWW_GetWindowInfo", "0xFFFFFFFF"), "");
        EXPECT_GE(MsSince(start), 250);
        EXPECT_LT(MsSince(start), 3000);
    }

    TDevToolsTransport closed(shell, ClosedPort(), 300);
    auto start = Clock::now();
    EXPECT_FALSE(closed.Open("Chromium", "WWW_Version"));
    EXPECT_LT(MsSince(start), 250);
}

TEST(DevToolsTransport, OnlyChromiumFamilyBrowsersAndKnownTopicsOpenAConversation) {
    TLocalHttpServer server;
    TRecordingShell shell;
    TDevToolsTransport t(shell, server.Port());
    struct Case {
        const char* Service;
        const char* Topic;
        bool Opens;
    };
    for (const Case& c :
         {Case{"Chromium", "WWW_Version", true}, Case{"chrome", "WWW_OpenURL", true},
          Case{"Firefox", "WWW_Version", false}, Case{"Default browser", "WWW_Version", false},
          Case{"", "WWW_Version", false}, Case{"Chromium", "WWW_Exit", false}}) {
        EXPECT_EQ(t.Open(c.Service, c.Topic), c.Opens) << c.Service << " " << c.Topic;
        t.Close();
    }
    EXPECT_TRUE(server.Requests().empty());
    // Empty items are not sent: there is nothing to open or activate.
    for (const char* topic : {"WWW_OpenURL", "WWW_Activate"})
        EXPECT_EQ(Ask(t, topic, topic == std::string("WWW_OpenURL") ? ",,0xFFFFFFFF" : ""), "");
    EXPECT_TRUE(server.Requests().empty());
}

TEST(DevToolsTransport, StartingABrowserAddsTheDebugPortAndWaitsForIt) {
    TLocalHttpServer server; // already listening: the wait ends at once
    TRecordingShell shell;
    TDevToolsTransport t(shell, server.Port(), 2000);
    auto start = Clock::now();
    EXPECT_TRUE(t.StartServer("Chromium", "/opt/my browser/chrome"));
    EXPECT_LT(MsSince(start), 1000);
    ASSERT_EQ(shell.Calls.size(), 1u);
    EXPECT_EQ(shell.Calls[0].File, "/opt/my browser/chrome");
    EXPECT_EQ(TPosixShell::SplitArguments(shell.Calls[0].Parameters),
              Lines{"--remote-debugging-port=" + std::to_string(server.Port())});
    EXPECT_EQ(shell.Calls[0].ShowCmd, 7); // minimised, not activated

    // Browsers without the endpoint, and no program, are not started.
    EXPECT_FALSE(t.StartServer("Firefox", "/usr/bin/firefox"));
    EXPECT_FALSE(t.StartServer("Chromium", ""));
    EXPECT_EQ(shell.Calls.size(), 1u);

    // A browser that never opens its port is given the time-out, no more.
    TDevToolsTransport late(shell, ClosedPort(), 400);
    start = Clock::now();
    EXPECT_TRUE(late.StartServer("Chrome", "chrome"));
    EXPECT_GE(MsSince(start), 350);
    EXPECT_LT(MsSince(start), 2000);
    shell.Result = false;
    EXPECT_FALSE(late.StartServer("Chrome", "chrome"));
}

TEST(DevToolsTransport, AddressesCannotBreakOutOfTheRequestLine) {
    EXPECT_EQ(TDevToolsTransport::PercentEncoded("a\r\nHost: evil\r\n\r\nb"),
              "a%0D%0AHost%3A%20evil%0D%0A%0D%0Ab");
    EXPECT_EQ(TDevToolsTransport::PercentEncoded("Az09-._~ /\xC3\xA9"), "Az09-._~%20%2F%C3%A9");
}

TEST(LoopbackConnection, AnswersAreTakenWhenCompleteAndRefusedWhenMalformed) {
    struct Case {
        std::string Raw;
        bool Closed;
        THttpParse State;
        int Status;
        std::string Body;
    };
    for (const Case& c : {
             Case{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n[]", false, THttpParse::Complete,
                  200, "[]"},
             Case{"HTTP/1.1 200 OK\r\ncontent-length:2\r\n\r\n[]extra", false, THttpParse::Complete,
                  200, "[]"},
             Case{"HTTP/1.0 404\r\n\r\nnone", true, THttpParse::Complete, 404, "none"},
             Case{"HTTP/1.1 200 OK\r\n\r\nto the end", false, THttpParse::Incomplete, 0, ""},
             Case{"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n[]", false, THttpParse::Incomplete,
                  0, ""},
             Case{"HTTP/1.1 200 OK\r\nContent-Length: 9\r\n\r\n[]", true, THttpParse::Malformed, 0,
                  ""},
             Case{"HTTP/1.1 200 OK\r\nContent-Le", false, THttpParse::Incomplete, 0, ""},
             Case{"HTTP/1.1 200 OK\r\nContent-Le", true, THttpParse::Malformed, 0, ""},
             Case{"HTT", false, THttpParse::Incomplete, 0, ""},
             Case{"HTTX", false, THttpParse::Malformed, 0, ""},
             Case{"HTTP/1.1 2000 OK\r\n\r\n", true, THttpParse::Malformed, 0, ""},
             Case{"HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 1\r\n\r\nx", true,
                  THttpParse::Malformed, 0, ""},
             Case{"HTTP/1.1 200 OK\r\nContent-Length: 99999999\r\n\r\n", false,
                  THttpParse::Malformed, 0, ""},
         }) {
        THttpResponse r;
        EXPECT_EQ(TLoopbackConnection::ParseResponse(c.Raw, c.Closed, r), c.State) << c.Raw;
        EXPECT_EQ(r.Status, c.Status) << c.Raw;
        EXPECT_EQ(r.Body, c.Body) << c.Raw;
    }
}

} // namespace
