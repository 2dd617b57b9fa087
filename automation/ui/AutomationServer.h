#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QString>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TMainForm;
class TTaviApp;
class QDBusMessage;
class QDBusServiceWatcher;

// The running program on the user's session bus: the name "Tavi.Application"
// (or, when another copy holds it, "Tavi.Application.F" and a hash of the
// program folder), the object /Tavi/Application whose CreateObject makes a
// cursor (TTaviApp) at /Tavi/Cursor/N, and the cursors' interface
// "Tavi.Application.Cursor". A cursor ends with Release or when the client
// that made it leaves the bus. Failures of the raising members come back as
// the error "Tavi.Application.Error" with their message.
//
// Text crosses as UTF-8: stored text that is not UTF-8 is read as
// Windows-1252; text that comes in is stored as it comes.
class TAutomationServer : public QDBusVirtualObject {
    Q_OBJECT
public:
    // The form outlives the server.
    TAutomationServer(TMainForm& form, const std::string& programFolder, QObject* parent = nullptr);
    ~TAutomationServer() override;

    // Takes a name on the session bus and serves the objects; false (with
    // Error() saying why) when there is no session bus of the user's own or
    // no name could be had. Programs started afterwards find the name in
    // $TAVI_APPLICATION.
    bool Start();
    const QString& BusName() const { return FBusName; }
    const QString& Error() const { return FError; }
    int CursorCount() const { return static_cast<int>(FCursors.size()); }

    // The name a copy takes when "Tavi.Application" is another copy's.
    static QString FolderBusName(const std::string& programFolder);

    // The automation switches of the command line, before any window: writes
    // or removes the bus's activation file below $XDG_DATA_HOME. True when
    // the program is to end now, with exitCode.
    static bool HandleSwitches(const std::vector<std::string>& args, int& exitCode);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    struct TCursor {
        std::shared_ptr<TTaviApp> App;
        QString Client; // the unique bus name of the caller that made it
    };

    void CallApplication(const QDBusMessage& message, const QDBusConnection& connection);
    void CallCursor(int id, const QDBusMessage& message, const QDBusConnection& connection);
    void Release(int id);
    void ClientLeft(const QString& client);

    TMainForm& FForm;
    std::string FProgramFolder;
    QDBusConnection FBus;
    QString FBusName;
    QString FError;
    bool FRegistered = false;
    int FNextId = 1;
    std::map<int, TCursor> FCursors;
    QDBusServiceWatcher* FWatcher = nullptr;
};
