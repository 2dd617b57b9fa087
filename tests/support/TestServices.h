#pragma once

#include "platform/IniFile.h"
#include "platform/Locale.h"
#include "platform/Services.h"
#include "support/Fakes.h"

#include <string>

// A fresh temporary folder, removed with everything in it at the end.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    const std::string& Path() const { return FPath; }
    std::string File(const std::string& name) const { return FPath + "/" + name; }

private:
    std::string FPath;
};

// Every service as a fake, installed for the test's lifetime, with the program
// folder in a temporary folder and "kex.ini" in memory.
class TTestServices {
public:
    TTestServices();
    ~TTestServices();
    TTestServices(const TTestServices&) = delete;
    TTestServices& operator=(const TTestServices&) = delete;

    TServices Services;
    TTempDir Home;
    TIniFile Settings;
    TFakeClock Clock;
    TFakeRandom Random;
    TEnglishLocale Locale;
    TFakeClipboard Clipboard;
    TRecordingShell Shell;
    TRecordingTelephony Telephony;
    TRecordingMail Mail;
    TRecordingBrowser Browser;
    TFakeImageList Images;
    TFakeMainWindow MainWindow;
    TScriptedViews Views;

    // Without a main window (as the command line runs).
    void DetachMainWindow() { Services.MainWindow = nullptr; }
    std::string File(const std::string& name) const { return Home.File(name); }
};

// Reads a whole file; "" when missing.
std::string ReadText(const std::string& path);
void WriteText(const std::string& path, const std::string& text);
// Fixture file below tests/data.
std::string DataPath(const std::string& relative);
