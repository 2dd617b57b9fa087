#pragma once

#include <random>

// The program's pseudo-random generator (record ids, the tip bar).
class IRandom {
public:
    virtual ~IRandom() = default;
    // A uniform integer in 0 .. range - 1; 0 when range <= 0.
    virtual int Random(int range) = 0;
};

class TStdRandom : public IRandom {
public:
    TStdRandom(); // seeded from the system's entropy source
    explicit TStdRandom(unsigned seed) : FEngine(seed) {}
    int Random(int range) override;

private:
    std::mt19937 FEngine;
};
