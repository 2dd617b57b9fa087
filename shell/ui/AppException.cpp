#include "shell/ui/AppException.h"

#include "platform/Errors.h"
#include "platform/ui/QtText.h"

#include <QApplication>
#include <QMessageBox>

namespace {
std::function<void()>& EndHook() {
    static std::function<void()> hook;
    return hook;
}

void ShowBox(const std::string& text, const std::string& caption) {
    QMessageBox::critical(QApplication::activeWindow(), FromStored(caption), FromStored(text));
}

TErrorShower& Shower() {
    static TErrorShower shower = ShowBox;
    return shower;
}

bool& Handling() {
    static bool handling = false;
    return handling;
}
} // namespace

std::string ExceptionMessage(std::exception_ptr error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const EInOutError& e) {
        return e.Where();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
    }
    return "Unknown program exception";
}

void SetEndHook(std::function<void()> hook) {
    EndHook() = std::move(hook);
}
void SetErrorShower(TErrorShower shower) {
    Shower() = shower ? std::move(shower) : ShowBox;
}

void ShowError(const std::string& text, const std::string& caption) {
    Shower()(text, caption);
}

void HandleAppException(std::exception_ptr error) {
    // A second error while the boxes are up (their own event loop runs) is
    // part of the same failure: the program is ending anyway.
    if (Handling()) return;
    Handling() = true;
    Shower()(ExceptionMessage(error) + ".", "Merrowin");
    Shower()(kUnhandledText, "Unhandled Exception");
    Handling() = false;
    if (EndHook())
        EndHook()();
    else
        QCoreApplication::exit(1);
}

void Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        HandleAppException(std::current_exception());
    }
}
