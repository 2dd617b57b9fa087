#include "platform/DevToolsTransport.h"

#include "platform/ArgumentText.h"
#include "platform/ShellService.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <nlohmann/json.hpp>
#include <thread>

namespace {
using json = nlohmann::json;

constexpr int kShowMinimizedNoActivate = 7;
const std::string kOpenSuffix = ",,0xFFFFFFFF";

bool IsTopic(const std::string& topic) {
    return topic == "WWW_Version" || topic == "WWW_OpenURL" || topic == "WWW_Activate" ||
           topic == "WWW_GetWindowInfo";
}

std::string StringField(const json& object, const char* name) {
    auto it = object.find(name);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

json Parsed(std::string_view text) {
    return json::parse(text.begin(), text.end(), nullptr, false);
}

// Page titles come HTML-escaped from the endpoint.
std::string HtmlUnescaped(const std::string& text) {
    static const std::pair<std::string_view, char> entities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&#39;", '\''}};
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        bool replaced = false;
        if (text[i] == '&') {
            for (const auto& [entity, c] : entities) {
                if (text.compare(i, entity.size(), entity) == 0) {
                    out += c;
                    i += entity.size() - 1;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i];
    }
    return out;
}

// A double quote inside a quoted field is written twice.
std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}
} // namespace

TDevToolsTransport::TDevToolsTransport(IShell& shell, int port, int timeoutMs)
    : FShell(shell), FPort(port), FTimeout(timeoutMs), FConnection(port) {}

bool TDevToolsTransport::Serves(const std::string& service) {
    std::string name;
    for (char c : service)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == "chromium" || name == "chrome";
}

bool TDevToolsTransport::Open(const std::string& service, const std::string& topic) {
    Close();
    if (!Serves(service) || !IsTopic(topic) || !FConnection.Connect(FTimeout)) return false;
    FTopic = topic;
    return true;
}

void TDevToolsTransport::Close() {
    FConnection.Close();
    FTopic.clear();
}

std::string TDevToolsTransport::Exchange(const char* method, const std::string& target) {
    // One request per connection: a second request in a conversation connects again.
    if (!FConnection.Connected() && !FConnection.Connect(FTimeout)) return {};
    auto response = FConnection.Exchange(method, target, FTimeout);
    return response && response->Status == 200 ? response->Body : std::string();
}

std::string TDevToolsTransport::Request(const std::string& item) {
    if (FTopic == "WWW_Version") return VersionReply(Exchange("GET", "/json/version"));
    if (FTopic == "WWW_OpenURL") {
        std::string address = item;
        if (address.size() >= kOpenSuffix.size() &&
            address.compare(address.size() - kOpenSuffix.size(), kOpenSuffix.size(), kOpenSuffix) ==
                0)
            address.resize(address.size() - kOpenSuffix.size());
        if (address.empty()) return {};
        return NewTargetReply(Exchange("PUT", "/json/new?" + PercentEncoded(address)));
    }
    if (FTopic == "WWW_Activate") {
        if (item.empty()) return {};
        return Exchange("GET", "/json/activate/" + PercentEncoded(item));
    }
    if (FTopic == "WWW_GetWindowInfo") return WindowInfoReply(Exchange("GET", "/json/list"));
    return {};
}

bool TDevToolsTransport::StartServer(const std::string& service, const std::string& program) {
    if (!Serves(service) || program.empty()) return false;
    if (!FShell.Open(program, QuoteArguments({"--remote-debugging-port=" + std::to_string(FPort)}),
                     "", kShowMinimizedNoActivate))
        return false;
    // A browser opens its port a moment after it starts.
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(FTimeout);
    TLoopbackConnection probe(FPort);
    for (;;) {
        auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0 || probe.Connect(static_cast<int>(left))) break;
        std::this_thread::sleep_for(milliseconds(std::min<long long>(100, left)));
    }
    return true;
}

std::string TDevToolsTransport::CaptureHelp() const {
    const std::string port = std::to_string(FPort);
    return "To capture the page a browser shows, run Chromium or Google Chrome with its "
           "remote debugging port open, for example:\n\n    chromium --remote-debugging-port=" +
           port +
           "\n\nor make Chromium or Chrome your preferred browser, with its program file, and "
           "Merrowin starts it that way when it opens a website.";
}

std::string TDevToolsTransport::VersionReply(std::string_view text) {
    json j = Parsed(text);
    return j.is_object() ? StringField(j, "Browser") : std::string();
}

std::string TDevToolsTransport::NewTargetReply(std::string_view text) {
    json j = Parsed(text);
    return j.is_object() ? StringField(j, "id") : std::string();
}

std::string TDevToolsTransport::WindowInfoReply(std::string_view text) {
    json j = Parsed(text);
    if (!j.is_array()) return {};
    // The endpoint lists the most recently active target first.
    for (const json& target : j) {
        if (target.is_object() && StringField(target, "type") == "page")
            return WindowInfo(StringField(target, "url"),
                              HtmlUnescaped(StringField(target, "title")));
    }
    return {};
}

std::string TDevToolsTransport::WindowInfo(const std::string& address, const std::string& title) {
    std::string safe;
    for (char c : address)
        safe += c == '"' ? std::string("%22") : std::string(1, c);
    return Quoted(safe) + "," + Quoted(title);
}

std::string TDevToolsTransport::PercentEncoded(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}
