#include "platform/Clock.h"

#include <ctime>

TDate TSystemClock::Today() const {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return TDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}
