#pragma once

#include "platform/BrowserTransport.h"
#include "platform/LoopbackConnection.h"

#include <string>
#include <string_view>

class IShell;

// The browser link's conversations with a Chromium-family browser through its
// remote-debugging HTTP endpoint on 127.0.0.1:
//   "WWW_Version"       GET /json/version; the reply names the browser;
//   "WWW_OpenURL"       PUT /json/new?ADDRESS; the reply is the new page's id;
//   "WWW_Activate"      GET /json/activate/ID;
//   "WWW_GetWindowInfo" GET /json/list; the reply is the first page's address
//                       and title, each in double quotes, with a comma between.
// Other browsers cannot be read or driven this way: no conversation with them
// ever opens, so the link falls back to opening addresses on the desktop.
class TDevToolsTransport : public IBrowserTransport {
public:
    static constexpr int kTimeoutMs = 10000;

    TDevToolsTransport(IShell& shell, int port, int timeoutMs = kTimeoutMs);

    bool Open(const std::string& service, const std::string& topic) override;
    std::string Request(const std::string& item) override;
    void Close() override;
    // Starts the program with the debugging port switched on and waits, up to
    // the time-out, for the port to open.
    bool StartServer(const std::string& service, const std::string& program) override;
    std::string CaptureHelp() const override;

    int Port() const { return FPort; }
    // Whether the browser known by that name has the endpoint: Chromium and Chrome.
    static bool Serves(const std::string& service);

    // The replies made from the endpoint's JSON answers; "" for an answer
    // that is not what the endpoint sends.
    static std::string VersionReply(std::string_view json);
    static std::string NewTargetReply(std::string_view json);
    static std::string WindowInfoReply(std::string_view json);
    // The window-info reply of a page: its address and title, each in double
    // quotes (a double quote in the title doubled, in the address as %22).
    static std::string WindowInfo(const std::string& address, const std::string& title);
    // Every byte but letters, digits and "-._~" as %XX, so that an address
    // travels whole inside a request line and cannot end it early.
    static std::string PercentEncoded(std::string_view text);

private:
    std::string Exchange(const char* method, const std::string& target);

    IShell& FShell;
    int FPort;
    int FTimeout;
    std::string FTopic;
    TLoopbackConnection FConnection;
};
