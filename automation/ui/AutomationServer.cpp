#include "automation/ui/AutomationServer.h"

#include "automation/ServerRegistration.h"
#include "automation/TaviApp.h"
#include "platform/ProgramFolder.h"
#include "platform/TextCodec.h"
#include "platform/ui/QtText.h"

#include <QCryptographicHash>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QVariantMap>
#include <cstdio>
#include <exception>
#include <functional>

// Outside any namespace, as the resource's initializer is declared there.
static void InitAutomationResources() {
    Q_INIT_RESOURCE(automation);
}

namespace {
const QString kRoot = QStringLiteral("/Tavi");
const QString kApplicationPath = QStringLiteral("/Tavi/Application");
const QString kCursorFolder = QStringLiteral("/Tavi/Cursor");
const QString kApplicationInterface = QStringLiteral("Tavi.Application");
const QString kCursorInterface = QStringLiteral("Tavi.Application.Cursor");
const QString kErrorName = QStringLiteral("Tavi.Application.Error");
const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
const QString kUnknownMethod = QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod");
const QString kUnknownObject = QStringLiteral("org.freedesktop.DBus.Error.UnknownObject");

// The interface's element from the documented introspection data, which the
// program serves as it is.
QString InterfaceXml(const QString& name) {
    static const QString xml = [] {
        InitAutomationResources();
        QFile f(QStringLiteral(":/automation/tavi-application.xml"));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }();
    const QString open = QStringLiteral("<interface name=\"%1\">").arg(name);
    const qsizetype from = xml.indexOf(open);
    const QString close = QStringLiteral("</interface>");
    const qsizetype to = from < 0 ? -1 : xml.indexOf(close, from);
    return to < 0 ? QString() : xml.mid(from, to + close.size() - from) + "\n";
}

const char* const kStandardInterfaces =
    "<interface name=\"org.freedesktop.DBus.Introspectable\">"
    "<method name=\"Introspect\"><arg name=\"xml_data\" type=\"s\" direction=\"out\"/></method>"
    "</interface>\n"
    "<interface name=\"org.freedesktop.DBus.Properties\">"
    "<method name=\"Get\"><arg name=\"interface_name\" type=\"s\" direction=\"in\"/>"
    "<arg name=\"property_name\" type=\"s\" direction=\"in\"/>"
    "<arg name=\"value\" type=\"v\" direction=\"out\"/></method>"
    "<method name=\"Set\"><arg name=\"interface_name\" type=\"s\" direction=\"in\"/>"
    "<arg name=\"property_name\" type=\"s\" direction=\"in\"/>"
    "<arg name=\"value\" type=\"v\" direction=\"in\"/></method>"
    "<method name=\"GetAll\"><arg name=\"interface_name\" type=\"s\" direction=\"in\"/>"
    "<arg name=\"values\" type=\"a{sv}\" direction=\"out\"/></method>"
    "</interface>\n";

QString Text(const std::string& stored) {
    return FromStored(stored);
}

std::string Stored(const QVariant& v) {
    return ToStored(v.toString());
}

// The cursor's readable properties, by name, and the writable ones.
using TGetter = std::function<QVariant(TTaviApp&)>;
using TSetter = std::function<void(TTaviApp&, const QVariant&)>;

const std::vector<std::pair<QString, TGetter>>& CursorGetters() {
    static const std::vector<std::pair<QString, TGetter>> getters = {
        {"taviID", [](TTaviApp& a) { return QVariant(a.taviID()); }},
        {"taviClass", [](TTaviApp& a) { return QVariant(a.taviClass()); }},
        {"taviTitle", [](TTaviApp& a) { return QVariant(Text(a.taviTitle())); }},
        {"taviTarget", [](TTaviApp& a) { return QVariant(Text(a.taviTarget())); }},
        {"taviComment", [](TTaviApp& a) { return QVariant(Text(a.taviComment())); }},
        {"ItemCount", [](TTaviApp& a) { return QVariant(a.ItemCount()); }},
        {"CurrentItemIndex", [](TTaviApp& a) { return QVariant(a.CurrentItemIndex()); }},
        {"NextSiblingIndex", [](TTaviApp& a) { return QVariant(a.NextSiblingIndex()); }},
        {"ChildCount", [](TTaviApp& a) { return QVariant(a.ChildCount()); }},
        {"SelectCount", [](TTaviApp& a) { return QVariant(a.SelectCount()); }},
    };
    return getters;
}

const std::map<QString, TSetter>& CursorSetters() {
    static const std::map<QString, TSetter> setters = {
        {"taviTitle", [](TTaviApp& a, const QVariant& v) { a.SetTaviTitle(Stored(v)); }},
        {"taviTarget", [](TTaviApp& a, const QVariant& v) { a.SetTaviTarget(Stored(v)); }},
        {"taviComment", [](TTaviApp& a, const QVariant& v) { a.SetTaviComment(Stored(v)); }},
    };
    return setters;
}

// The cursor's methods: the signature of their arguments and what they do
// (the answer is the reply's argument; an invalid one means none).
struct TMethod {
    QString Signature;
    std::function<QVariant(TTaviApp&, const QVariantList&)> Call;
};

const std::map<QString, TMethod>& CursorMethods() {
    static const std::map<QString, TMethod> methods = {
        {"Insert",
         {"issss",
          [](TTaviApp& a, const QVariantList& x) {
              a.Insert(x[0].toInt(), Stored(x[1]), Stored(x[2]), Stored(x[3]), Stored(x[4]));
              return QVariant();
          }}},
        {"CopyClipboard",
         {"",
          [](TTaviApp& a, const QVariantList&) {
              a.CopyClipboard();
              return QVariant();
          }}},
        {"DoDefaultAction",
         {"",
          [](TTaviApp& a, const QVariantList&) {
              a.DoDefaultAction();
              return QVariant();
          }}},
        {"GetField",
         {"s", [](TTaviApp& a,
                  const QVariantList& x) { return QVariant(Text(a.taviField(Stored(x[0])))); }}},
        {"SetField",
         {"ss",
          [](TTaviApp& a, const QVariantList& x) {
              a.SetTaviField(Stored(x[0]), Stored(x[1]));
              return QVariant();
          }}},
        {"Items",
         {"i", [](TTaviApp& a, const QVariantList& x) { return QVariant(a.Items(x[0].toInt())); }}},
        {"Child",
         {"i", [](TTaviApp& a, const QVariantList& x) { return QVariant(a.Child(x[0].toInt())); }}},
        {"UserSelected",
         {"i", [](TTaviApp& a,
                  const QVariantList& x) { return QVariant(a.UserSelected(x[0].toInt())); }}},
        {"NextItemWithTitle",
         {"s", [](TTaviApp& a,
                  const QVariantList& x) { return QVariant(a.NextItemWithTitle(Stored(x[0]))); }}},
        {"ItemWithId",
         {"i",
          [](TTaviApp& a, const QVariantList& x) { return QVariant(a.ItemWithId(x[0].toInt())); }}},
    };
    return methods;
}

// Runs f; a failure becomes the error reply carrying its message.
template <typename F>
void Answer(const QDBusMessage& message, const QDBusConnection& connection, F&& f) {
    QDBusMessage reply;
    try {
        reply = f();
    } catch (const std::exception& e) {
        reply = message.createErrorReply(
            kErrorName, QString::fromStdString(textcodec::ToDisplayUtf8(e.what())));
    } catch (...) {
        reply = message.createErrorReply(kErrorName, QStringLiteral("Unknown error"));
    }
    if (!message.isReplyRequired() && reply.type() != QDBusMessage::ErrorMessage) return;
    connection.send(reply);
}

// The bus's address must be the user's own socket: never TCP or a system bus.
bool LocalSessionBus(QString& why) {
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    for (const QString& a : address.split(';', Qt::SkipEmptyParts))
        if (!a.startsWith(QStringLiteral("unix:"))) {
            why = QStringLiteral("the session bus address is not a local socket: ") + a;
            return false;
        }
    return true;
}
} // namespace

TAutomationServer::TAutomationServer(TMainForm& form, const std::string& programFolder,
                                     QObject* parent)
    : QDBusVirtualObject(parent), FForm(form), FProgramFolder(programFolder),
      FBus(QStringLiteral("merrowin-none")) {}

TAutomationServer::~TAutomationServer() {
    if (!FRegistered) return;
    FBus.unregisterObject(kRoot, QDBusConnection::UnregisterTree);
    FBus.unregisterService(FBusName);
}

QString TAutomationServer::FolderBusName(const std::string& programFolder) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(programFolder),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return kApplicationInterface + ".F" + QString::fromLatin1(hash);
}

bool TAutomationServer::Start() {
    if (!LocalSessionBus(FError)) return false;
    FBus = QDBusConnection::sessionBus();
    if (!FBus.isConnected()) {
        FError = QStringLiteral("no session bus: ") + FBus.lastError().message();
        return false;
    }
    if (!FBus.registerVirtualObject(kRoot, this, QDBusConnection::SubPath)) {
        FError = QStringLiteral("the objects below /Tavi are taken");
        return false;
    }
    FRegistered = true;
    QDBusConnectionInterface* bus = FBus.interface();
    for (const QString& name : {kApplicationInterface, FolderBusName(FProgramFolder)}) {
        auto reply = bus->registerService(name, QDBusConnectionInterface::DontQueueService,
                                          QDBusConnectionInterface::DontAllowReplacement);
        if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
            FBusName = name;
            break;
        }
    }
    if (FBusName.isEmpty()) {
        FError = QStringLiteral("the names Tavi.Application and ") + FolderBusName(FProgramFolder) +
                 QStringLiteral(" are both taken");
        FBus.unregisterObject(kRoot, QDBusConnection::UnregisterTree);
        FRegistered = false;
        return false;
    }
    // Programs that the Tools menu starts inherit the name.
    qputenv("TAVI_APPLICATION", FBusName.toUtf8());
    FWatcher = new QDBusServiceWatcher(this);
    FWatcher->setConnection(FBus);
    FWatcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(FWatcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &TAutomationServer::ClientLeft);
    return true;
}

bool TAutomationServer::HandleSwitches(const std::vector<std::string>& args, int& exitCode) {
    TServerRegistration registration(args);
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (!dataHome.startsWith('/')) dataHome = qEnvironmentVariable("HOME") + "/.local/share";
    try {
        registration.Apply(dataHome.toStdString(), programfolder::ExecutablePath());
        exitCode = 0;
    } catch (const std::exception& e) {
        // An ordinary start goes on without activation; a registration fails.
        std::fprintf(stderr, "merrowin: the automation registration failed: %s\n", e.what());
        exitCode = 1;
    }
    return registration.EndsAtOnce();
}

// --- introspection ---------------------------------------------------------------

QString TAutomationServer::introspect(const QString& path) const {
    QString xml;
    if (path == kRoot) {
        xml = "<node name=\"Application\"/>\n<node name=\"Cursor\"/>\n";
    } else if (path == kApplicationPath) {
        xml = kStandardInterfaces + InterfaceXml(kApplicationInterface);
    } else if (path == kCursorFolder) {
        for (const auto& [id, cursor] : FCursors)
            xml += QStringLiteral("<node name=\"%1\"/>\n").arg(id);
    } else if (path.startsWith(kCursorFolder + "/")) {
        bool ok = false;
        const int id = path.mid(kCursorFolder.size() + 1).toInt(&ok);
        if (ok && FCursors.count(id)) xml = kStandardInterfaces + InterfaceXml(kCursorInterface);
    }
    return xml;
}

// --- calls ---------------------------------------------------------------------------

bool TAutomationServer::handleMessage(const QDBusMessage& message,
                                      const QDBusConnection& connection) {
    if (message.type() != QDBusMessage::MethodCallMessage) return false;
    const QString path = message.path();
    if (message.interface() == QStringLiteral("org.freedesktop.DBus.Introspectable") &&
        message.member() == QStringLiteral("Introspect")) {
        const QString xml = QStringLiteral(
            "<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n<node>\n");
        connection.send(message.createReply(xml + introspect(path) + "</node>\n"));
        return true;
    }
    if (path == kApplicationPath) {
        CallApplication(message, connection);
        return true;
    }
    if (path.startsWith(kCursorFolder + "/")) {
        bool ok = false;
        const int id = path.mid(kCursorFolder.size() + 1).toInt(&ok);
        if (ok && FCursors.count(id)) {
            CallCursor(id, message, connection);
            return true;
        }
    }
    connection.send(message.createErrorReply(kUnknownObject, "No object at " + path));
    return true;
}

void TAutomationServer::CallApplication(const QDBusMessage& message,
                                        const QDBusConnection& connection) {
    const QString member = message.member();
    const QVariantList args = message.arguments();
    std::map<QString, QVariant> properties = {
        {"Description", QString::fromUtf8(kAutomationDescription)},
        {"ProgramFolder", Text(FProgramFolder)},
    };
    if (message.interface() == kPropertiesInterface) {
        if (member == "GetAll" && message.signature() == "s") {
            QVariantMap all;
            if (args[0].toString() == kApplicationInterface)
                for (const auto& [name, value] : properties)
                    all.insert(name, value);
            connection.send(message.createReply(QVariant(all)));
            return;
        }
        if (member == "Get" && message.signature() == "ss") {
            auto it = properties.find(args[1].toString());
            if (args[0].toString() == kApplicationInterface && it != properties.end())
                connection.send(message.createReply(QVariant::fromValue(QDBusVariant(it->second))));
            else
                connection.send(message.createErrorReply(kInvalidArgs, "No such property"));
            return;
        }
        if (member == "Set") {
            connection.send(message.createErrorReply(
                QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly"),
                "The properties of /Tavi/Application are read-only"));
            return;
        }
    } else if (member == "CreateObject" && message.signature().isEmpty() &&
               (message.interface().isEmpty() || message.interface() == kApplicationInterface)) {
        const int id = FNextId++;
        FCursors[id] = TCursor{std::make_shared<TTaviApp>(FForm), message.service()};
        if (FWatcher && !message.service().isEmpty() &&
            !FWatcher->watchedServices().contains(message.service())) {
            FWatcher->addWatchedService(message.service());
            // A client that left before the watch began is not told of.
            if (!FBus.interface()->isServiceRegistered(message.service()).value())
                ClientLeft(message.service());
        }
        const QString cursorPath = kCursorFolder + "/" + QString::number(id);
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(cursorPath))));
        return;
    }
    connection.send(message.createErrorReply(kUnknownMethod, "No method " + member + " (" +
                                                                 message.signature() + ")"));
}

void TAutomationServer::CallCursor(int id, const QDBusMessage& message,
                                   const QDBusConnection& connection) {
    // The call keeps its cursor alive, even when a dialog it opened lets a
    // Release in meanwhile.
    std::shared_ptr<TTaviApp> app = FCursors.at(id).App;
    const QString member = message.member();
    const QString interface = message.interface();
    const QVariantList args = message.arguments();

    if (interface == kPropertiesInterface) {
        const bool ours = !args.isEmpty() && args[0].toString() == kCursorInterface;
        if (member == "GetAll" && message.signature() == "s") {
            Answer(message, connection, [&] {
                QVariantMap all;
                if (ours)
                    for (const auto& [name, get] : CursorGetters())
                        all.insert(name, get(*app));
                return message.createReply(QVariant(all));
            });
            return;
        }
        if (member == "Get" && message.signature() == "ss") {
            for (const auto& [name, get] : CursorGetters())
                if (ours && name == args[1].toString()) {
                    Answer(message, connection, [&] {
                        return message.createReply(QVariant::fromValue(QDBusVariant(get(*app))));
                    });
                    return;
                }
            connection.send(message.createErrorReply(kInvalidArgs, "No such property"));
            return;
        }
        if (member == "Set" && message.signature() == "ssv") {
            auto it = CursorSetters().find(args[1].toString());
            const QVariant value = args[2].value<QDBusVariant>().variant();
            if (!ours || it == CursorSetters().end()) {
                connection.send(message.createErrorReply(kInvalidArgs, "No writable property " +
                                                                           args[1].toString()));
            } else if (value.metaType() != QMetaType::fromType<QString>()) {
                connection.send(message.createErrorReply(kInvalidArgs, "A text is expected"));
            } else {
                Answer(message, connection, [&] {
                    it->second(*app, value);
                    return message.createReply();
                });
            }
            return;
        }
    } else if (interface.isEmpty() || interface == kCursorInterface) {
        if (member == "Release" && message.signature().isEmpty()) {
            Release(id);
            connection.send(message.createReply());
            return;
        }
        auto it = CursorMethods().find(member);
        if (it != CursorMethods().end() && message.signature() == it->second.Signature) {
            Answer(message, connection, [&] {
                const QVariant result = it->second.Call(*app, args);
                return result.isValid() ? message.createReply(result) : message.createReply();
            });
            return;
        }
    }
    connection.send(message.createErrorReply(kUnknownMethod, "No method " + interface + "." +
                                                                 member + " (" +
                                                                 message.signature() + ")"));
}

void TAutomationServer::Release(int id) {
    auto it = FCursors.find(id);
    if (it == FCursors.end()) return;
    const QString client = it->second.Client;
    FCursors.erase(it);
    for (const auto& [other, cursor] : FCursors)
        if (cursor.Client == client) return;
    if (FWatcher) FWatcher->removeWatchedService(client);
}

void TAutomationServer::ClientLeft(const QString& client) {
    for (auto it = FCursors.begin(); it != FCursors.end();)
        it = it->second.Client == client ? FCursors.erase(it) : std::next(it);
    if (FWatcher) FWatcher->removeWatchedService(client);
}
