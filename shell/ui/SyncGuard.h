#pragma once

// Counts the window's own changes to its views, which must not be reported
// back to the presenter as user actions, for as long as it lives.
class TSyncGuard {
public:
    explicit TSyncGuard(int& count) : FCount(count) { ++FCount; }
    ~TSyncGuard() { --FCount; }
    TSyncGuard(const TSyncGuard&) = delete;
    TSyncGuard& operator=(const TSyncGuard&) = delete;

private:
    int& FCount;
};
