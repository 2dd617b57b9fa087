#include "shell/MainWinState.h"

#include "platform/Settings.h"
#include "store/Options.h"

#include <algorithm>
#include <cstdint>

TMainWinState::TMainWinState() {
    const TWinStateOptions defaults;
    Norm = defaults.Norm;
    Alt = defaults.Alt;
}

void TMainWinState::Restore(const ISettings& settings) {
    const TWinStateOptions stored = TWinStateOptions::Read(settings);
    Norm = stored.Norm;
    Alt = stored.Alt;
}

void TMainWinState::Save(ISettings& settings) const {
    TWinStateOptions{Norm, Alt}.Write(settings);
}

void TMainWinState::Get(const IMainFormView& view) {
    Current() = view.GetSetup();
}

void TMainWinState::Apply(IMainFormView& view) const {
    view.ApplySetup(Current());
}

void TMainWinState::Toggle(IMainFormView& view) {
    Get(view);
    UseAlt = !UseAlt;
    Apply(view);
}

namespace {
// How much of the window's top edge must lie on a screen for the user to be
// able to take hold of it there.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 20;

int64_t Overlap(int64_t a, int64_t aLength, int64_t b, int64_t bLength) {
    return std::max<int64_t>(0, std::min(a + aLength, b + bLength) - std::max(a, b));
}

// Squared distance from a point to the nearest point of a screen.
int64_t Distance2(int64_t x, int64_t y, const TScreenArea& s) {
    int64_t dx = x < s.Left ? s.Left - x : x >= s.Left + s.Width ? x - (s.Left + s.Width - 1) : 0;
    int64_t dy = y < s.Top ? s.Top - y : y >= s.Top + s.Height ? y - (s.Top + s.Height - 1) : 0;
    return dx * dx + dy * dy;
}
} // namespace

TWinSetup TMainWinState::PlacedOnScreens(TWinSetup setup, const std::vector<TScreenArea>& screens) {
    std::vector<TScreenArea> usable;
    for (const TScreenArea& s : screens)
        if (s.Width > 0 && s.Height > 0) usable.push_back(s);
    if (usable.empty()) return setup;

    const int64_t width = std::max(1, setup.Width);
    const int64_t height = std::max(1, setup.Height);
    const int64_t grabW = std::min<int64_t>(width, kGrabWidth);
    const int64_t grabH = std::min<int64_t>(height, kGrabHeight);
    for (const TScreenArea& s : usable)
        if (Overlap(setup.Left, width, s.Left, s.Width) >= grabW &&
            Overlap(setup.Top, grabH, s.Top, s.Height) >= grabH)
            return setup;

    // The screen nearest to the middle of the window's top edge.
    const int64_t cx = setup.Left + width / 2;
    const int64_t cy = setup.Top;
    const TScreenArea& to = *std::min_element(
        usable.begin(), usable.end(), [&](const TScreenArea& a, const TScreenArea& b) {
            return Distance2(cx, cy, a) < Distance2(cx, cy, b);
        });
    setup.Width = static_cast<int>(std::min<int64_t>(width, to.Width));
    setup.Height = static_cast<int>(std::min<int64_t>(height, to.Height));
    setup.Left = static_cast<int>(
        std::clamp<int64_t>(setup.Left, to.Left, int64_t{to.Left} + to.Width - setup.Width));
    setup.Top = static_cast<int>(
        std::clamp<int64_t>(setup.Top, to.Top, int64_t{to.Top} + to.Height - setup.Height));
    return setup;
}
