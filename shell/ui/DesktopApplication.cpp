#include "shell/ui/DesktopApplication.h"

#include "shell/ui/AppException.h"

TDesktopApplication::TDesktopApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Merrowin");
    // Ties the windows to the installed menu entry (Wayland's app id; on X11
    // the window class is the application name, the entry's StartupWMClass).
    setDesktopFileName("io.github.merrowin.Merrowin");
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
