#pragma once

#include "platform/BrowserLink.h"

#include <string>
#include <vector>

class IBrowserTransport;
class IShell;

// The browser link: finds a browser that answers, has it open an address and
// reads the address and title of the page it shows. Every operation opens its
// own conversations over the transport and closes them again; ServerName
// remembers the browser that answered last, so it is asked first next time.
class TBrowserDDE : public IBrowserLink {
public:
    // shell opens an address when no browser answers and AutoLoad is on.
    TBrowserDDE(IBrowserTransport& transport, IShell& shell);

    // The browsers asked after ServerName and DefaultServer, in that order;
    // also the list the user chooses the preferred browser from.
    static const std::vector<std::string>& KnownServers();

    void SetAutoLoad(bool value) override { FAutoLoad = value; }
    bool AutoLoad() const override { return FAutoLoad; }
    void SetDefaultServer(const std::string& name) override { FDefaultServer = name; }
    std::string DefaultServer() const override { return FDefaultServer; }
    void SetDefaultApp(const std::string& path) override { FDefaultApp = path; }
    std::string DefaultApp() const override { return FDefaultApp; }
    const std::string& ServerName() const { return FServerName; }
    void SetServerName(const std::string& name) { FServerName = name; }

    // Whether some browser answered; ServerName then names it.
    bool Connect();
    // Opens address in the browser and brings it to the front; reply is the
    // browser's id of the new page, empty when none answered.
    void OpenURL(const std::string& address, std::string& reply) override;
    void GetURL(std::string& address, std::string& title) override;
    std::string CaptureHint() const override;

    // The address and title of a "WWW_GetWindowInfo" reply: the address in
    // double quotes, a comma, the title in double quotes (a double quote
    // inside it doubled), possibly more fields.
    static void ReadWindowInfo(const std::string& reply, std::string& address, std::string& title);

private:
    bool OpenConversation(const std::string& service, const std::string& topic);
    std::string Request(const std::string& item);
    void CloseConversation();
    bool Probe(const std::string& service);
    void OpenOnDesktop(const std::string& address);

    IBrowserTransport& FTransport;
    IShell& FShell;
    std::string FServerName = "Chromium";
    std::string FDefaultServer;
    std::string FDefaultApp;
    std::string FStartProgram; // set only while Connect's last step runs
    bool FAutoLoad = true;
    bool FOpen = false;
};
