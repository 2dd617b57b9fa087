#include "comm/BrowserDDE.h"

#include "platform/ArgumentText.h"
#include "platform/BrowserTransport.h"
#include "platform/ShellService.h"

#include <algorithm>

namespace {
constexpr int kShowNormal = 1;
const char* const kAllWindows = "0xFFFFFFFF";

// A quoted field's text up to its closing quote; a doubled quote inside
// stands for one. A text without a closing quote stays whole.
std::string Unquote(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '"') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            ++i;
        } else {
            break;
        }
    }
    return out;
}
} // namespace

TBrowserDDE::TBrowserDDE(IBrowserTransport& transport, IShell& shell)
    : FTransport(transport), FShell(shell) {}

const std::vector<std::string>& TBrowserDDE::KnownServers() {
    static const std::vector<std::string> names{"Chromium", "Chrome", "Firefox", "Default browser"};
    return names;
}

bool TBrowserDDE::OpenConversation(const std::string& service, const std::string& topic) {
    FOpen = FTransport.Open(service, topic);
    if (!FOpen && !FStartProgram.empty() && FTransport.StartServer(service, FStartProgram))
        FOpen = FTransport.Open(service, topic);
    return FOpen;
}

std::string TBrowserDDE::Request(const std::string& item) {
    return FOpen ? FTransport.Request(item) : std::string();
}

void TBrowserDDE::CloseConversation() {
    if (FOpen) FTransport.Close();
    FOpen = false;
}

bool TBrowserDDE::Probe(const std::string& service) {
    if (!OpenConversation(service, "WWW_Version")) return false;
    Request("");
    CloseConversation();
    FServerName = service;
    return true;
}

bool TBrowserDDE::Connect() {
    FStartProgram.clear();
    std::vector<std::string> services{FServerName};
    if (!FDefaultServer.empty()) services.push_back(FDefaultServer);
    for (const std::string& known : KnownServers())
        services.push_back(known);
    for (const std::string& service : services)
        if (Probe(service)) return true;
    if (!FAutoLoad) return false;
    FServerName = FDefaultServer;
    FStartProgram = FDefaultApp;
    bool answered = Probe(FServerName);
    FStartProgram.clear();
    return answered;
}

void TBrowserDDE::OpenURL(const std::string& address, std::string& reply) {
    reply.clear();
    if (address.empty()) return;
    if (Connect() && OpenConversation(FServerName, "WWW_OpenURL")) {
        reply = Request(address + ",," + kAllWindows);
        CloseConversation();
        if (OpenConversation(FServerName, "WWW_Activate")) {
            Request(reply);
            CloseConversation();
        }
    }
    // A browse that no browser took still shows the page: in the configured
    // program or the desktop's default browser.
    if (reply.empty() && FAutoLoad) OpenOnDesktop(address);
}

void TBrowserDDE::OpenOnDesktop(const std::string& address) {
    if (!FDefaultApp.empty())
        FShell.Open(FDefaultApp, QuoteArguments({address}), "", kShowNormal);
    else
        FShell.Open(address, "", "", kShowNormal);
}

void TBrowserDDE::GetURL(std::string& address, std::string& title) {
    address.clear();
    title.clear();
    if (!Connect() || !OpenConversation(FServerName, "WWW_GetWindowInfo")) return;
    std::string reply = Request(kAllWindows);
    CloseConversation();
    ReadWindowInfo(reply, address, title);
}

void TBrowserDDE::ReadWindowInfo(const std::string& reply, std::string& address,
                                 std::string& title) {
    address = reply.empty() ? std::string() : reply.substr(1, reply.find('"', 1) - 1);
    // The title follows the first comma after the address, which may hold
    // commas of its own. A reply without one is taken whole but for its
    // first and last characters.
    size_t comma = reply.find(',', std::min(reply.size(), address.size() + 1));
    size_t start = comma == std::string::npos ? 1 : comma + 2;
    size_t end = reply.empty() ? 0 : reply.size() - 1;
    title = start < end ? Unquote(reply.substr(start, end - start)) : std::string();
    const std::string framed = "Netscape - [";
    if (title.compare(0, framed.size(), framed) == 0) {
        title.erase(0, framed.size());
        if (!title.empty() && title.find(']') == title.size() - 1) title.pop_back();
    }
}

std::string TBrowserDDE::CaptureHint() const {
    return "No page could be read from a web browser.\n\n" + FTransport.CaptureHelp();
}
