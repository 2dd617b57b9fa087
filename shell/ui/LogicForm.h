#pragma once

#include "store/ContactStore.h"

#include <QObject>
#include <memory>
#include <string>

class TMainForm;
class TMainWindow;
class TSignalPipe;
class ISettings;
class QMenu;
class QSystemTrayIcon;
class QTimer;

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

    // Runs the event loop until the program ends.
    int Exec();
    // Ends the program when a signal in pipe arrives, when the session ends
    // and when the event loop quits.
    void WatchEndRequests(TSignalPipe& pipe);

    // The ordinary end. Dialogs and menus still open are cancelled first (a
    // new record whose dialog was open goes, as on Cancel) and the end waits
    // until they have returned. Then the data is saved, then the settings;
    // whatever could not be saved is reported once, and Finished follows in
    // every case. A later call while the report is shown closes it; after
    // that, calls do nothing.
    void Exit();
    bool Ended() const { return FEnded; }
    // Something could not be saved at the end.
    bool EndFailed() const { return FEndFailed; }

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
    // No dialog, menu or event loop of a command is open.
    bool AtRest() const;
    void CancelOpenDialogs();
    void Finish();

    ISettings& FSettings;
    TContactStore FDocument;
    std::unique_ptr<TMainForm> FForm;
    std::unique_ptr<TMainWindow> FWindow;
    QSystemTrayIcon* FTray = nullptr;
    QMenu* FTrayPopup = nullptr;
    bool FEnded = false;
    bool FEndFailed = false;
    // The event loop level at which no command is running: that of Exec, or
    // none when the caller drives the events.
    int FBaseLoopLevel = 0;
    QTimer* FEndTimer = nullptr;
};
