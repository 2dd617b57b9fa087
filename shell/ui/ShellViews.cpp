#include "shell/ui/ShellViews.h"

void RegisterShellViews() {
    RegisterOptionPagesView();
    RegisterToolsDlgView();
}
