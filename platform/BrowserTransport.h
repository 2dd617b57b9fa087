#pragma once

#include <string>

// The channel the browser link talks over: a conversation with the browser
// known as a service name on one topic ("WWW_Version", "WWW_OpenURL",
// "WWW_Activate", "WWW_GetWindowInfo"), carrying one text request at a time.
// At most one conversation is open; the link opens and closes one per step.
class IBrowserTransport {
public:
    virtual ~IBrowserTransport() = default;
    // True when the browser answers on that topic; the conversation is then open.
    virtual bool Open(const std::string& service, const std::string& topic) = 0;
    // One request in the open conversation; "" when no reply came in time.
    virtual std::string Request(const std::string& item) = 0;
    virtual void Close() = 0;
    // Starts program (minimised, not activated) so that it answers as service,
    // and gives it the time to come up. False when it could not be started,
    // or when a program started that way could never answer.
    virtual bool StartServer(const std::string& service, const std::string& program) = 0;
    // What a user needs to do so that the browser's page can be read.
    virtual std::string CaptureHelp() const = 0;
};
