#pragma once

#include <string>

// Assisted dialing: hands a number to the desktop's dialer.
class ITelephony {
public:
    virtual ~ITelephony() = default;
    virtual long RequestMakeCall(const std::string& destAddress, const std::string& appName,
                                 const std::string& calledParty, const std::string& comment) = 0;
};
