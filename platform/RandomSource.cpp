#include "platform/RandomSource.h"

TStdRandom::TStdRandom() : FEngine(std::random_device{}()) {}

int TStdRandom::Random(int range) {
    if (range <= 0) return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(FEngine);
}
