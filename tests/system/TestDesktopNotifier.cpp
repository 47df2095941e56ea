// SPDX-License-Identifier: GPL-3.0-or-later
// The notifications sent to a stand-in for the desktop's notification service, registered on a private bus that
// starts no service of its own.
#include "system/DesktopNotifier.h"
#include <QDBusConnection>
#include <QDBusContext>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A bus like the session's, but one that starts no service on demand: no notification service of this machine's
// can answer in place of the test's.
const char* const BusConfig = "<busconfig>\n"
                              "  <type>session</type>\n"
                              "  <listen>unix:tmpdir=/tmp</listen>\n"
                              "  <auth>EXTERNAL</auth>\n"
                              "  <policy context=\"default\">\n"
                              "    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
                              "    <allow eavesdrop=\"true\"/>\n"
                              "    <allow own=\"*\"/>\n"
                              "  </policy>\n"
                              "</busconfig>\n";
} // namespace

// The desktop's side of org.freedesktop.Notifications: records each notification, or refuses it.
class FakeNotifications : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Shown
    {
        QString app;
        uint replaces = 0;
        QString icon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int timeout = 0;
    };
    QStringList capabilities;
    bool refuse = false;
    QList<Shown> shown;
    int asked = 0; // GetCapabilities calls

public slots:
    QStringList GetCapabilities()
    {
        ++asked;
        return capabilities;
    }
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        if (refuse) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("Too many notifications"));
            return 0;
        }
        shown.append({app, replaces, icon, summary, body, actions, hints, timeout});
        return uint(shown.size());
    }
};

class TestDesktopNotifier : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void testNotify_data();
    void testNotify();
    void testServiceStartedLater();

private:
    QDBusConnection connection(const QString& name);
    // Sends one notification and waits for the answer; -1 when none came.
    int notifyAndWait(DesktopNotifier& notifier, const QString& title, const QString& body);

    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    int m_connections = 0;
};

void TestDesktopNotifier::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        QFAIL("dbus-daemon is missing (scripts/install-deps.sh installs it)");
    QFile config(m_folder.filePath(QStringLiteral("bus.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(BusConfig);
    config.close();
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config.fileName(),
                                                   QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(m_daemon.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 10000);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void TestDesktopNotifier::cleanupTestCase()
{
    m_daemon.kill();
    m_daemon.waitForFinished();
}

QDBusConnection TestDesktopNotifier::connection(const QString& name)
{
    return QDBusConnection::connectToBus(m_address, name + QString::number(++m_connections));
}

int TestDesktopNotifier::notifyAndWait(DesktopNotifier& notifier, const QString& title, const QString& body)
{
    int answer = -1;
    notifier.notify(title, body, [&answer](bool shown) { answer = shown ? 1 : 0; });
    return QTest::qWaitFor([&answer] { return answer >= 0; }, 10000) ? answer : -1;
}

void TestDesktopNotifier::testNotify_data()
{
    QTest::addColumn<QString>("service"); // "markup", "plain", "refusing", "none", "no bus"
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("body"); // as the service receives it
    QTest::newRow("a service that reads markup: the note's < and & shown as typed")
        << "markup" << true << "Tomorrow: 4 January\nFish &amp; chips &lt;b&gt;at noon&lt;/b&gt;";
    QTest::newRow("a plain-text service: the note as typed")
        << "plain" << true << "Tomorrow: 4 January\nFish & chips <b>at noon</b>";
    QTest::newRow("a service that refuses: not shown") << "refusing" << false << "";
    QTest::newRow("no notification service: not shown") << "none" << false << "";
    QTest::newRow("no session bus: not shown") << "no bus" << false << "";
}

void TestDesktopNotifier::testNotify()
{
    QFETCH(QString, service);
    QFETCH(bool, shown);
    QFETCH(QString, body);
    FakeNotifications desktop;
    desktop.capabilities =
        service == QLatin1String("markup") ? QStringList{"body", "body-markup", "persistence"} : QStringList{"body"};
    desktop.refuse = service == QLatin1String("refusing");
    QDBusConnection desktopBus = connection(QStringLiteral("desktop"));
    const bool serving = service != QLatin1String("none") && service != QLatin1String("no bus");
    if (serving) {
        QVERIFY(desktopBus.registerObject(DesktopNotifier::ObjectPath, &desktop, QDBusConnection::ExportAllSlots));
        QVERIFY(desktopBus.registerService(DesktopNotifier::Service));
    }
    const QDBusConnection bus =
        service == QLatin1String("no bus")
            ? QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere"))
            : connection(QStringLiteral("program"));
    DesktopNotifier notifier(bus);
    QCOMPARE(notifyAndWait(notifier, QStringLiteral("Dentist <Dr. Ray>"),
                           QStringLiteral("Tomorrow: 4 January\nFish & chips <b>at noon</b>")),
             shown ? 1 : 0);
    if (shown) {
        QCOMPARE(desktop.shown.size(), 1);
        const FakeNotifications::Shown& note = desktop.shown[0];
        QCOMPARE(note.app, QStringLiteral("Dorvane"));
        QCOMPARE(note.replaces, 0u);
        QCOMPARE(note.icon, QStringLiteral("dorvane"));
        QCOMPARE(note.summary, QStringLiteral("Dentist <Dr. Ray>")); // the summary is plain text for every service
        QCOMPARE(note.body, body);
        QVERIFY(note.actions.isEmpty());
        QCOMPARE(note.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("org.dorvane.Dorvane"));
        QCOMPARE(note.timeout, -1);
        // The service's way with markup is asked once.
        QCOMPARE(notifyAndWait(notifier, QStringLiteral("Trip"), QString()), 1);
        QCOMPARE(desktop.asked, 1);
    }
    if (serving) {
        desktopBus.unregisterService(DesktopNotifier::Service);
        desktopBus.unregisterObject(DesktopNotifier::ObjectPath);
    }
}

// The desktop's service comes after the program (a login that starts both) or is replaced: the next notification
// finds it, and asks the new one how it reads markup.
void TestDesktopNotifier::testServiceStartedLater()
{
    DesktopNotifier notifier(connection(QStringLiteral("program")));
    QCOMPARE(notifyAndWait(notifier, QStringLiteral("Dentist"), QStringLiteral("a & b")), 0);
    FakeNotifications plain;
    plain.capabilities = QStringList{"body"};
    QDBusConnection first = connection(QStringLiteral("desktop"));
    QVERIFY(first.registerObject(DesktopNotifier::ObjectPath, &plain, QDBusConnection::ExportAllSlots));
    QVERIFY(first.registerService(DesktopNotifier::Service));
    QCOMPARE(notifyAndWait(notifier, QStringLiteral("Dentist"), QStringLiteral("a & b")), 1);
    QCOMPARE(plain.shown.last().body, QStringLiteral("a & b"));
    first.unregisterService(DesktopNotifier::Service);
    first.unregisterObject(DesktopNotifier::ObjectPath);
    QCOMPARE(notifyAndWait(notifier, QStringLiteral("Dentist"), QStringLiteral("a & b")), 0);
    FakeNotifications markup;
    markup.capabilities = QStringList{"body", "body-markup"};
    QDBusConnection second = connection(QStringLiteral("desktop"));
    QVERIFY(second.registerObject(DesktopNotifier::ObjectPath, &markup, QDBusConnection::ExportAllSlots));
    QVERIFY(second.registerService(DesktopNotifier::Service));
    QCOMPARE(notifyAndWait(notifier, QStringLiteral("Dentist"), QStringLiteral("a & b")), 1);
    QCOMPARE(markup.shown.last().body, QStringLiteral("a &amp; b"));
    second.unregisterService(DesktopNotifier::Service);
    second.unregisterObject(DesktopNotifier::ObjectPath);
}

QTEST_GUILESS_MAIN(TestDesktopNotifier)
#include "TestDesktopNotifier.moc"
