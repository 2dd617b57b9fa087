#pragma once

#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "platform/Locale.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"

#include <string>

// The services of a program without a desktop: the settings file (in memory
// when none is named), the system clock, random ids and the English locale,
// installed for its lifetime, with every record kind registered. The command
// line, the benchmarks and the fuzzers start from it; a fuzzer or benchmark
// that needs a fixed day or fixed ids puts its own in Services.
class TPlainServices {
public:
    // programFolder: where "tavi.dat" and the other data files live.
    explicit TPlainServices(const std::string& programFolder, const std::string& settingsFile = {});
    ~TPlainServices();
    TPlainServices(const TPlainServices&) = delete;
    TPlainServices& operator=(const TPlainServices&) = delete;

    TServices Services;
    TIniFile Settings;
    TSystemClock Clock;
    TStdRandom Random;
    TEnglishLocale Locale;
};
