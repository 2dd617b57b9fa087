#include "platform/DesktopBrowserLink.h"

#include "platform/ArgumentText.h"
#include "platform/ShellService.h"

void TDesktopBrowserLink::OpenURL(const std::string& address, std::string& reply) {
    reply.clear();
    if (address.empty()) return;
    bool opened = !FApp.empty() ? FShell.Open(FApp, QuoteArguments({address}), "", 1)
                                : FShell.Open(address, "", "", 1);
    if (opened) reply = "0";
}

void TDesktopBrowserLink::GetURL(std::string& address, std::string& title) {
    address.clear();
    title.clear();
}
