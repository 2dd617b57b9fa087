#pragma once

#include "store/ContactStore.h"

#include <QObject>
#include <memory>
#include <string>

class TMainForm;
class TMainWindow;
class ISettings;
class QMenu;
class QSystemTrayIcon;

// The program's host: owns the document, the main window and the tray
// icon, and ends the program by one ordinary path (data and window state
// saved) whichever way the end comes: File Exit, the tray's Exit, a signal,
// the session's end or an unhandled exception.
class TLogicForm : public QObject {
    Q_OBJECT
public:
    explicit TLogicForm(ISettings& settings, QObject* parent = nullptr);
    ~TLogicForm() override;

    // Creates the main window and loads the data. A damaged data file is
    // reported and answers false: the program then ends without saving it.
    // commandLine: what the first showing opens (program path first).
    bool Create(const std::string& commandLine);
    // Shows the main window unless the program starts hidden.
    void Start(bool hidden);

    // The ordinary end: saves the data and the window state once, then
    // says Finished. Later calls do nothing.
    void Exit();
    bool Ended() const { return FEnded; }

    // A second copy's command line.
    void OpenCommandLine(const std::string& commandLine);

    void Restore1Click();
    void TrayIconClick();

    TContactStore& Document() { return FDocument; }
    TTreeNodes& Tree() { return FDocument.Tree(); }
    TMainForm& Form() { return *FForm; }
    TMainWindow& Window() { return *FWindow; }
    QSystemTrayIcon* TrayIcon() const { return FTray; }
    QMenu* TrayPopup() const { return FTrayPopup; }

signals:
    // The data is saved: the event loop may end.
    void Finished();

private:
    void BuildTray();
    void UpdateTrayTip();

    ISettings& FSettings;
    TContactStore FDocument;
    std::unique_ptr<TMainForm> FForm;
    std::unique_ptr<TMainWindow> FWindow;
    QSystemTrayIcon* FTray = nullptr;
    QMenu* FTrayPopup = nullptr;
    bool FEnded = false;
};
