#pragma once

#include "platform/Clock.h"
#include "platform/Locale.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "shell/RecordKinds.h"

// Deterministic services for the fuzz targets: a fixed day and ids that are
// never 0, so a reloaded tree is the same tree.
struct TFuzzClock : IClock {
    TDate Today() const override { return TDate{1998, 3, 14}; }
};
struct TFuzzRandom : IRandom {
    int Random(int) override { return 1; }
};
struct TFuzzServices {
    TFuzzServices() {
        Services.Clock = &Clock;
        Services.Random = &Random;
        Services.Locale = &Locale;
        InstallServices(&Services);
        RegisterRecordKinds();
    }
    TServices Services;
    TFuzzClock Clock;
    TFuzzRandom Random;
    TEnglishLocale Locale;
};
