#pragma once

#include "shell/MainFormView.h"

#include <vector>

class ISettings;

// The part of a screen that windows may use, in desktop pixels.
struct TScreenArea {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

// The two remembered main window setups, "Norm" and "Alt", kept in [WinState]
// of "kex.ini" (eighteen keys). Every start begins with the normal setup.
class TMainWinState {
public:
    TMainWinState();

    // Reads the eighteen values (defaults where missing).
    void Restore(const ISettings& settings);
    // Writes them, in the fixed key order.
    void Save(ISettings& settings) const;

    // The window's present state into the current setup.
    void Get(const IMainFormView& view);
    // The current setup onto the window.
    void Apply(IMainFormView& view) const;
    // Get, switch to the other setup, Apply.
    void Toggle(IMainFormView& view);

    TWinSetup Norm;
    TWinSetup Alt;
    bool UseAlt = false;

    const TWinSetup& Current() const { return UseAlt ? Alt : Norm; }
    TWinSetup& Current() { return UseAlt ? Alt : Norm; }

    // The setup with its window on a screen: a window whose title bar lies on
    // no screen (a monitor since unplugged, a damaged value) moves onto the
    // nearest one, and shrinks where it is larger than that screen. Anything
    // else is kept as it is.
    static TWinSetup PlacedOnScreens(TWinSetup setup, const std::vector<TScreenArea>& screens);
};
