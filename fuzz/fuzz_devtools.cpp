// Feeds arbitrary bytes to the readers of the browser's answers: the HTTP
// answer reader, the JSON replies made from its body, and the window-info
// reader. A complete answer stays complete when the peer closes; a reply
// never hands on an address holding a double quote; and any address without
// one, with any title, comes back whole through the window-info reply.
#include "comm/BrowserDDE.h"
#include "platform/DevToolsTransport.h"
#include "platform/LoopbackConnection.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    THttpResponse open, closed;
    THttpParse a = TLoopbackConnection::ParseResponse(text, false, open);
    THttpParse b = TLoopbackConnection::ParseResponse(text, true, closed);
    if (a == THttpParse::Complete &&
        (b != THttpParse::Complete || open.Body != closed.Body || open.Status != closed.Status))
        std::abort();
    if (a == THttpParse::Malformed && b != THttpParse::Malformed) std::abort();

    for (const std::string& body : {text, closed.Body}) {
        TDevToolsTransport::VersionReply(body);
        TDevToolsTransport::NewTargetReply(body);
        std::string reply = TDevToolsTransport::WindowInfoReply(body);
        std::string address, title;
        TBrowserDDE::ReadWindowInfo(reply, address, title);
        if (address.find('"') != std::string::npos) std::abort();
    }

    size_t cut = size ? data[0] % size : 0;
    std::string address = text.substr(0, cut), title = text.substr(cut);
    if (address.find('"') == std::string::npos && title.rfind("Netscape - [", 0) != 0) {
        std::string a2, t2;
        TBrowserDDE::ReadWindowInfo(TDevToolsTransport::WindowInfo(address, title), a2, t2);
        if (a2 != address || t2 != title) std::abort();
    }
    return 0;
}
