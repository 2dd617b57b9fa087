#pragma once

#include <QObject>

class TPosixShell;

// Watches what the shell starts from the event loop: a program or a desktop
// handler that fails within the first seconds is told to the user without the
// window ever waiting for it.
class TShellWatcher : public QObject {
    Q_OBJECT
public:
    explicit TShellWatcher(TPosixShell& shell, int watchMs = kWatchMs, QObject* parent = nullptr);
    ~TShellWatcher() override;

    // Long enough for an opener to find no handler or a dialer to refuse a
    // number; a program still running by then is taken to have started well.
    static constexpr int kWatchMs = 5000;

private:
    TPosixShell& FShell;
};
