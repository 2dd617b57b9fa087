#pragma once

#include <string>

// The progress window of the find ("Progress"): an action line, a bar with
// its percentage, and a result line. The main window's view shows it while
// Visible is set.
class TProgressForm {
public:
    void SetMax(int n);
    void SetPosition(int n);
    void SetAction(const std::string& s);
    void SetResult(const std::string& s);
    // "42%": position * 100 / maximum (100 when the maximum is 0).
    std::string PercentText() const;

    bool Visible = false;
    int Position = 0;
    int Max = 100;
    std::string Action;
    std::string Result;

    static constexpr int kClientWidth = 295;
    static constexpr int kClientHeight = 81;
};
