#pragma once

#include <QObject>
#include <QString>
#include <string>

class QLocalServer;

// One running copy per user and program folder. The first copy listens on a
// local socket private to the user; a later copy hands its command line over
// and ends. Copies with different program folders do not meet.
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit TSingleInstance(const std::string& programFolder, QObject* parent = nullptr);
    ~TSingleInstance() override;

    // The socket's name: the user's id and a hash of the program folder, in
    // the user's runtime folder when there is one.
    static QString ServerName(const std::string& programFolder);

    // Hands the command line to a running copy; true when one took it.
    bool HandOver(const std::string& commandLine, int timeoutMs = 5000);
    // Listens as the only copy (a socket left by a crashed copy is removed).
    bool Listen();

    // Hand-overs larger than this are refused.
    static constexpr int kMaxCommandLine = 1 << 20;

signals:
    void CommandLineReceived(const std::string& commandLine);

private:
    void Accept();

    QString FName;
    QLocalServer* FServer = nullptr;
};
