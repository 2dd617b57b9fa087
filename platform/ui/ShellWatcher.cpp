#include "platform/ui/ShellWatcher.h"

#include "platform/PosixShell.h"

#include <QSocketNotifier>

TShellWatcher::TShellWatcher(TPosixShell& shell, int watchMs, QObject* parent)
    : QObject(parent), FShell(shell) {
    FShell.SetWatcher(
        [this](int fd) {
            auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, [this, notifier, fd] {
                // Off first: telling the failure opens a message box, whose
                // event loop must not see the descriptor again.
                notifier->setEnabled(false);
                notifier->deleteLater();
                FShell.Collect(fd);
            });
        },
        watchMs);
}

TShellWatcher::~TShellWatcher() {
    FShell.SetWatcher(nullptr, 0);
}
