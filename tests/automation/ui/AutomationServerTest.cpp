#include "automation/ui/AutomationServer.h"

#include "automation/TaviApp.h"
#include "shell/MainFormFixture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A bus daemon of the tests' own, made the session bus before anything in
// the process first reaches the session bus.
class TPrivateBus {
public:
    TPrivateBus() {
        FDaemon.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (!FDaemon.waitForStarted(5000) || !FDaemon.waitForReadyRead(5000)) return;
        Address = QString::fromUtf8(FDaemon.readLine()).trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", Address.toUtf8());
    }
    ~TPrivateBus() {
        FDaemon.kill();
        FDaemon.waitForFinished(2000);
    }
    QString Address;

private:
    QProcess FDaemon;
};

TPrivateBus& Bus() {
    static TPrivateBus bus;
    return bus;
}

// The server over the fixture's window on the private bus, and a client of
// its own connection (another program, as far as the bus knows).
class AutomationServerTest : public MainFormFixture {
protected:
    AutomationServerTest() {
        if (Bus().Address.isEmpty()) return;
        started = server.Start();
        client = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(Bus().Address, QStringLiteral("client")));
    }
    ~AutomationServerTest() override {
        client.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    }

    QDBusMessage Call(const QString& path, const QString& interface, const QString& member,
                      const QVariantList& args = {}) {
        QDBusMessage m = QDBusMessage::createMethodCall(server.BusName(), path, interface, member);
        m.setArguments(args);
        // The server answers from this thread's event loop.
        return client->call(m, QDBus::BlockWithGui, 5000);
    }
    QString NewCursor() {
        QDBusMessage r = Call("/Tavi/Application", "Tavi.Application", "CreateObject");
        return r.arguments().value(0).value<QDBusObjectPath>().path();
    }
    QVariant Get(const QString& cursor, const QString& property) {
        QDBusMessage r = Call(cursor, "org.freedesktop.DBus.Properties", "Get",
                              {"Tavi.Application.Cursor", property});
        return r.arguments().value(0).value<QDBusVariant>().variant();
    }
    QDBusMessage Method(const QString& cursor, const QString& member, const QVariantList& a = {}) {
        return Call(cursor, "Tavi.Application.Cursor", member, a);
    }

    TAutomationServer server{form, svc.Home.Path()};
    bool started = false;
    std::unique_ptr<QDBusConnection> client;
};

TEST_F(AutomationServerTest, CursorOfADeletedRecordAnswersEmptyOrTheError) {
    ASSERT_TRUE(started) << server.Error().toStdString();
    EXPECT_EQ(qgetenv("TAVI_APPLICATION"), server.BusName().toUtf8());
    TTreeNode* bob = Node(kindPerson, "Bob");
    const QString cursor = NewCursor();
    ASSERT_TRUE(cursor.startsWith("/Tavi/Cursor/")) << cursor.toStdString();
    ASSERT_TRUE(Method(cursor, "Items", {bob->AbsoluteIndex()}).arguments().value(0).toBool());
    EXPECT_EQ(Get(cursor, "taviTitle").toString(), "Bob");

    // The user deletes Bob with the window's own command.
    form.SelectNode(root);
    SelectRows({"Bob"});
    form.DeleteBtnClick("CutBtn");
    ASSERT_TRUE(ChildTexts(root).empty());

    EXPECT_EQ(Get(cursor, "taviTitle").toString(), "");
    EXPECT_EQ(Get(cursor, "taviID").toInt(), 0);
    QDBusMessage failed = Method(cursor, "GetField", {"Title"});
    EXPECT_EQ(failed.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(failed.errorName(), "Tavi.Application.Error");
    EXPECT_EQ(failed.errorMessage(), kRecordDeletedMessage);
    QDBusMessage write = Call(
        cursor, "org.freedesktop.DBus.Properties", "Set",
        {"Tavi.Application.Cursor", "taviTitle", QVariant::fromValue(QDBusVariant(QString("x")))});
    EXPECT_EQ(write.errorMessage(), kRecordDeletedMessage);

    // Positioned again, it answers again.
    EXPECT_TRUE(Method(cursor, "Items", {0}).arguments().value(0).toBool());
    EXPECT_EQ(Get(cursor, "taviTitle").toString(), "My Contacts");
}

TEST_F(AutomationServerTest, TextCrossesAsUtf8AndIsStoredAsItComes) {
    ASSERT_TRUE(started) << server.Error().toStdString();
    Node(kindFolder, "J\xFCrgen"); // from an older file: Windows-1252
    const QString cursor = NewCursor();
    Method(cursor, "Items", {1});
    EXPECT_EQ(Get(cursor, "taviTitle").toString(), QString::fromUtf8("J\u00fcrgen"));
    Call(cursor, "org.freedesktop.DBus.Properties", "Set",
         {"Tavi.Application.Cursor", "taviComment",
          QVariant::fromValue(QDBusVariant(QString::fromUtf8("Zo\u00eb")))});
    EXPECT_EQ(root->GetFirstChild()->Data()->GetComment(), "Zo\xC3\xAB");
    // The title is untouched: it keeps its stored bytes.
    EXPECT_EQ(root->GetFirstChild()->Data()->GetTitle(), "J\xFCrgen");
}

TEST_F(AutomationServerTest, WrongCallsAreRefusedAndCursorsGoWithTheirClient) {
    ASSERT_TRUE(started) << server.Error().toStdString();
    const QString cursor = NewCursor();
    NewCursor();
    EXPECT_EQ(server.CursorCount(), 2);
    struct Case {
        QString Member;
        QVariantList Args;
        QString Error;
    } cases[] = {
        {"Items", {QString("1")}, "org.freedesktop.DBus.Error.UnknownMethod"}, // wrong type
        {"Insert", {6}, "org.freedesktop.DBus.Error.UnknownMethod"},           // too few
        {"Delete", {}, "org.freedesktop.DBus.Error.UnknownMethod"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Method(cursor, c.Member, c.Args).errorName(), c.Error) << c.Member.toStdString();
    QDBusMessage readOnly =
        Call(cursor, "org.freedesktop.DBus.Properties", "Set",
             {"Tavi.Application.Cursor", "taviID", QVariant::fromValue(QDBusVariant(5))});
    EXPECT_EQ(readOnly.errorName(), "org.freedesktop.DBus.Error.InvalidArgs");

    EXPECT_EQ(Method(cursor, "Release").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(server.CursorCount(), 1);
    EXPECT_EQ(Get(cursor, "taviTitle"), QVariant());

    // The client leaves the bus: its other cursor goes too.
    client.reset();
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.CursorCount() == 0; }, 5000));
}

} // namespace
