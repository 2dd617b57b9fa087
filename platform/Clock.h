#pragma once

#include "platform/Date.h"

// Today's date. The core never reads the system clock itself.
class IClock {
public:
    virtual ~IClock() = default;
    virtual TDate Today() const = 0;
};

// The system clock in the local time zone.
class TSystemClock : public IClock {
public:
    TDate Today() const override;
};
