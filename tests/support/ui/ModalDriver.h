#pragma once

// Driving modal dialogs from a test: the action runs inside the dialog's own
// event loop, on the modal window that is then active.

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Failed comparisons of texts print the texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

inline void OnNextModal(std::function<void(QWidget*)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        action(modal);
    });
}

// Closes whatever modal windows are still open after a while, so that a
// failed expectation inside a dialog ends the test instead of hanging it.
class TModalWatchdog {
public:
    explicit TModalWatchdog(int ms = 5000) {
        FTimer.setInterval(ms);
        QObject::connect(&FTimer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "modal window left open: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        FTimer.start();
    }

private:
    QTimer FTimer;
};
