#include "shell/ui/DesktopApplication.h"

#include "shell/ui/AppException.h"

TDesktopApplication::TDesktopApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Merrowin");
    // The program lives in the tray: a hidden main window is no reason to end.
    setQuitOnLastWindowClosed(false);
}

bool TDesktopApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleAppException(std::current_exception());
        return false;
    }
}
