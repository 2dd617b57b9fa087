#pragma once

#include <string>

// The program-wide link to the web browser: open an address in it, read the
// address and title of the page it shows.
class IBrowserLink {
public:
    virtual ~IBrowserLink() = default;
    virtual void SetAutoLoad(bool value) = 0; // may start the browser when none answers
    virtual bool AutoLoad() const = 0;
    virtual void SetDefaultServer(const std::string& name) = 0;
    virtual std::string DefaultServer() const = 0;
    virtual void SetDefaultApp(const std::string& path) = 0;
    virtual std::string DefaultApp() const = 0;
    virtual void OpenURL(const std::string& address, std::string& reply) = 0;
    virtual void GetURL(std::string& address, std::string& title) = 0;
    // What to tell the user when GetURL found no page: how a page can be
    // read. Empty when there is nothing to say.
    virtual std::string CaptureHint() const { return {}; }
};
