#pragma once

#include <QApplication>

// The application object: no exception crosses a Qt event dispatch; one
// that reaches it goes to the application-wide handler.
class TDesktopApplication : public QApplication {
    Q_OBJECT
public:
    TDesktopApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
