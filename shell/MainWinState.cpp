#include "shell/MainWinState.h"

#include "platform/Settings.h"
#include "store/Options.h"

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
