#pragma once

#include <exception>
#include <functional>
#include <string>

// The application-wide handler of exceptions that reach the event loop: it
// shows the error, then the "Unhandled Exception" notice, and ends the
// program by its ordinary path (the end hook), so the data is saved.

// The text of an exception as the user sees it (without the final ".").
std::string ExceptionMessage(std::exception_ptr error);

// What ends the program by its ordinary path.
void SetEndHook(std::function<void()> hook);

// Shows the two message boxes and calls the end hook. Boxes can be replaced
// (tests): shower(text, caption).
void HandleAppException(std::exception_ptr error);
using TErrorShower = std::function<void(const std::string& text, const std::string& caption)>;
void SetErrorShower(TErrorShower shower);
// Shows an error box through the same shower.
void ShowError(const std::string& text, const std::string& caption);

// Runs a handler; an exception it raises goes to HandleAppException.
void Guarded(const std::function<void()>& handler);

inline constexpr const char* kUnhandledText =
    "An unhandled program exception occurred. To protect your data, the program will "
    "terminate. Please report any repeatable program errors to support@merrowin.example";
