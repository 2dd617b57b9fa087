#pragma once

#include "platform/BrowserLink.h"

class IShell;

// The browser link on a Linux desktop: addresses open in the configured
// browser program (DefaultApp, the "Path" of the browser settings) or, with
// none, in the desktop's default browser. Reading the page a browser shows
// needs a browser that answers on its remote-debugging port; until that
// transport is set up, GetURL answers empty texts, so the page capture
// creates nothing, as when no browser runs.
class TDesktopBrowserLink : public IBrowserLink {
public:
    explicit TDesktopBrowserLink(IShell& shell) : FShell(shell) {}

    void SetAutoLoad(bool value) override { FAutoLoad = value; }
    bool AutoLoad() const override { return FAutoLoad; }
    void SetDefaultServer(const std::string& name) override { FServer = name; }
    std::string DefaultServer() const override { return FServer; }
    void SetDefaultApp(const std::string& path) override { FApp = path; }
    std::string DefaultApp() const override { return FApp; }
    void OpenURL(const std::string& address, std::string& reply) override;
    void GetURL(std::string& address, std::string& title) override;

private:
    IShell& FShell;
    bool FAutoLoad = true;
    std::string FServer;
    std::string FApp;
};
