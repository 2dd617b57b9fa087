#include "shell/MainWinState.h"

#include "platform/Settings.h"

#include <array>

namespace {
const char* const kSection = "WinState";

// The nine values of a setup in their stored order after the set's prefix.
template <typename S>
auto Fields(S& s) {
    return std::array{&s.Left,  &s.Top,       &s.Width,     &s.Height,   &s.Split,
                      &s.Style, &s.ColPos[0], &s.ColPos[1], &s.ColPos[2]};
}

const std::array<const char*, 9> kNames = {"Left",  "Top",     "Width",   "Height", "Split",
                                           "Style", "ColPos1", "ColPos2", "ColPos3"};
} // namespace

TMainWinState::TMainWinState() {
    // The alternate setup is a narrow list-only window.
    Alt.Width = 300;
    Alt.Split = 1;
}

void TMainWinState::Restore(const ISettings& settings) {
    const TMainWinState defaults;
    auto read = [&](TWinSetup& set, const TWinSetup& def, const std::string& prefix) {
        auto dst = Fields(set);
        auto src = Fields(def);
        for (size_t i = 0; i < dst.size(); ++i)
            *dst[i] = settings.ReadInteger(kSection, prefix + kNames[i], *src[i]);
    };
    read(Norm, defaults.Norm, "Norm_");
    read(Alt, defaults.Alt, "Alt_");
}

void TMainWinState::Save(ISettings& settings) const {
    auto n = Fields(Norm);
    auto a = Fields(Alt);
    auto write = [&](const char* prefix, size_t i, const int* value) {
        settings.WriteInteger(kSection, std::string(prefix) + kNames[i], *value);
    };
    // The order of the keys in the file is fixed: geometry and split of both
    // sets, then the styles, then the column widths.
    for (size_t i = 0; i < 5; ++i)
        write("Norm_", i, n[i]);
    for (size_t i = 0; i < 5; ++i)
        write("Alt_", i, a[i]);
    write("Norm_", 5, n[5]);
    write("Alt_", 5, a[5]);
    for (size_t i = 6; i < 9; ++i)
        write("Norm_", i, n[i]);
    for (size_t i = 6; i < 9; ++i)
        write("Alt_", i, a[i]);
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
