#include "shell/ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

TSingleInstance::TSingleInstance(const std::string& programFolder, QObject* parent)
    : QObject(parent), FName(ServerName(programFolder)) {}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ServerName(const std::string& programFolder) {
    QString folder = QDir::cleanPath(QString::fromStdString(programFolder));
    QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    QString name = QString("merrowin-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
    QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir())
        return QDir(QString::fromLocal8Bit(runtime)).filePath(name);
    return name;
}

bool TSingleInstance::HandOver(const std::string& commandLine, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(FName);
    if (!socket.waitForConnected(timeoutMs)) return false;
    QByteArray payload = QByteArray::fromStdString(commandLine);
    QByteArray frame;
    QDataStream(&frame, QIODevice::WriteOnly) << quint32(payload.size());
    frame += payload;
    socket.write(frame);
    if (!socket.waitForBytesWritten(timeoutMs)) return false;
    // The running copy answers once it has the whole command line.
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs)) return false;
    return socket.read(1) == "1";
}

bool TSingleInstance::Listen() {
    FServer = new QLocalServer(this);
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!FServer->listen(FName)) {
        // Nobody answered on it, so it is left over from a copy that died.
        QLocalServer::removeServer(FName);
        if (!FServer->listen(FName)) return false;
    }
    connect(FServer, &QLocalServer::newConnection, this, &TSingleInstance::Accept);
    return true;
}

void TSingleInstance::Accept() {
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->property("done").toBool()) return;
            QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
            if (buffer.size() < 4) {
                socket->setProperty("buffer", buffer);
                return;
            }
            quint32 size = 0;
            QDataStream(buffer.left(4)) >> size;
            if (size > quint32(kMaxCommandLine)) {
                socket->abort();
                return;
            }
            if (buffer.size() - 4 < qsizetype(size)) {
                socket->setProperty("buffer", buffer);
                return;
            }
            socket->setProperty("done", true);
            socket->write("1");
            socket->flush();
            socket->disconnectFromServer();
            emit CommandLineReceived(buffer.mid(4, qsizetype(size)).toStdString());
        });
    }
}
