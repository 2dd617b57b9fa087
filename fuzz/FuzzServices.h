#pragma once

#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "shell/PlainServices.h"

// The plain services with a fixed day and ids that are never 0, so that a
// reloaded tree is the same tree.
struct TFuzzClock : IClock {
    TDate Today() const override { return TDate{1998, 3, 14}; }
};
struct TFuzzRandom : IRandom {
    int Random(int) override { return 1; }
};
struct TFuzzServices {
    TFuzzServices() {
        Plain.Services.Clock = &Clock;
        Plain.Services.Random = &Random;
    }
    TPlainServices Plain{""};
    TFuzzClock Clock;
    TFuzzRandom Random;
};
