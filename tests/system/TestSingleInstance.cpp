// SPDX-License-Identifier: GPL-3.0-or-later
// One running copy per session bus, tried on a private bus with several connections in one process; the runtime
// folder the program makes for itself when the session has none.
#include "system/SingleInstance.h"
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void testASecondStart_data();
    void testASecondStart();
    void testTheDesktopActivatesByName();
    void testPrivateFolder_data();
    void testPrivateFolder();
    void testNoRuntimeFolderAndALinkInTheWay();

private:
    QDBusConnection connection(const QString& name);

    QProcess m_daemon;
    QString m_address;
    int m_connections = 0;
};

void TestSingleInstance::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
        QFAIL("dbus-daemon is missing (scripts/install-deps.sh installs it)");
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    QVERIFY(m_daemon.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(m_daemon.canReadLine(), 10000);
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void TestSingleInstance::cleanupTestCase()
{
    m_daemon.kill();
    m_daemon.waitForFinished();
}

// A fresh client of the private bus: a start of the program of its own.
QDBusConnection TestSingleInstance::connection(const QString& name)
{
    return QDBusConnection::connectToBus(m_address, name + QString::number(++m_connections));
}

void TestSingleInstance::testASecondStart_data()
{
    QTest::addColumn<QString>("holder"); // who holds the name when the second start comes
    QTest::addColumn<int>("role");       // the second start's
    QTest::addColumn<int>("shown");      // how often the first copy is asked to the front
    QTest::addColumn<bool>("hidden");    // a start behind the tray icon
    using R = SingleInstance::Role;
    QTest::newRow("a running copy: asked to the front, the start ends") << "running" << int(R::Forwarded) << 1 << false;
    QTest::newRow("a copy that gave the name up while closing") << "released" << int(R::First) << 0 << false;
    QTest::newRow("no one: the start is the first") << "nobody" << int(R::First) << 0 << false;
    QTest::newRow("a holder that does not answer: runs on its own") << "silent" << int(R::Alone) << 0 << false;
    QTest::newRow("no session bus: runs on its own, says nothing") << "no bus" << int(R::Alone) << 0 << false;
    QTest::newRow("behind the icon, a running copy: left where it is, the start ends")
        << "running" << int(R::Forwarded) << 0 << true;
    QTest::newRow("behind the icon, a holder that does not answer: runs on its own")
        << "silent" << int(R::Alone) << 0 << true;
}

void TestSingleInstance::testASecondStart()
{
    QFETCH(QString, holder);
    QFETCH(int, role);
    QFETCH(int, shown);
    QFETCH(bool, hidden);
    SingleInstance first(connection(QStringLiteral("first")));
    QSignalSpy firstShown(&first, &SingleInstance::showRequested);
    QDBusConnection silent = connection(QStringLiteral("silent"));
    if (holder == QLatin1String("running") || holder == QLatin1String("released"))
        QCOMPARE(first.claim(), SingleInstance::Role::First);
    if (holder == QLatin1String("released"))
        first.release();
    if (holder == QLatin1String("silent"))
        QVERIFY(silent.registerService(SingleInstance::ServiceName));
    const QDBusConnection bus =
        holder == QLatin1String("no bus")
            ? QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("nowhere"))
            : connection(QStringLiteral("second"));
    SingleInstance second(bus);
    QCOMPARE(int(second.claim(hidden ? SingleInstance::Ask::OnlyAnswer : SingleInstance::Ask::ToFront)), role);
    QCOMPARE(firstShown.count(), shown);
    silent.unregisterService(SingleInstance::ServiceName);
}

// The desktop starts the program by its name and calls Activate, as it does for every entry marked as activatable
// on the bus; a third start after the first ended owns the name again.
void TestSingleInstance::testTheDesktopActivatesByName()
{
    QDBusConnection desktop = connection(QStringLiteral("desktop"));
    {
        SingleInstance running(connection(QStringLiteral("running")));
        QCOMPARE(running.claim(), SingleInstance::Role::First);
        QSignalSpy shown(&running, &SingleInstance::showRequested);
        for (const QString& method : {QStringLiteral("Activate"), QStringLiteral("Open")}) {
            QDBusMessage call = QDBusMessage::createMethodCall(SingleInstance::ServiceName, SingleInstance::ObjectPath,
                                                               QStringLiteral("org.freedesktop.Application"), method);
            if (method == QLatin1String("Open"))
                call << QStringList();
            call << QVariantMap();
            QCOMPARE(desktop.call(call, QDBus::BlockWithGui, 5000).type(), QDBusMessage::ReplyMessage);
        }
        QCOMPARE(shown.count(), 2);
    }
    SingleInstance after(connection(QStringLiteral("after")));
    QCOMPARE(after.claim(), SingleInstance::Role::First);
}

void TestSingleInstance::testPrivateFolder_data()
{
    QTest::addColumn<QString>("there"); // at the folder's name before the start
    QTest::addColumn<bool>("taken");
    QTest::newRow("nothing") << "nothing" << true;
    QTest::newRow("the user's own private folder") << "own 0700" << true;
    QTest::newRow("the user's own folder left open") << "own 0755" << true;
    QTest::newRow("a link to a folder") << "link" << false;
    QTest::newRow("a link to nothing") << "dangling link" << false;
    QTest::newRow("a plain file") << "file" << false;
    QTest::newRow("another user's folder") << "other's" << false;
}

void TestSingleInstance::testPrivateFolder()
{
    QFETCH(QString, there);
    QFETCH(bool, taken);
    QTemporaryDir base;
    const QString folder = QDir(base.path()).filePath(QStringLiteral("dorvane-runtime-%1").arg(::getuid()));
    const QString victim = base.filePath("victim home");
    QVERIFY(QDir().mkdir(victim));
    QVERIFY(QFile::setPermissions(victim, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                              QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QFileDevice::Permissions victimRights = QFileInfo(victim).permissions();
    if (there.startsWith("own")) {
        QVERIFY(QDir().mkdir(folder));
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), there.endsWith("0700") ? 0700 : 0755), 0);
    } else if (there == "link") {
        QVERIFY(QFile::link(victim, folder));
    } else if (there == "dangling link") {
        QVERIFY(QFile::link(base.filePath("nowhere"), folder));
    } else if (there == "file") {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (there == "other's") {
        QVERIFY(QDir().mkdir(folder));
        if (::chown(QFile::encodeName(folder).constData(), 65534, 65534) != 0)
            QSKIP("only root can give a folder to another user");
        QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0755), 0);
    }
    QCOMPARE(SingleInstance::privateFolderIn(base.path()), taken ? folder : QString());
    QCOMPARE(QFileInfo(victim).permissions(), victimRights);
    QVERIFY(!QFileInfo::exists(base.filePath("nowhere")));
    struct stat status = {};
    QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &status), 0);
    if (taken)
        QCOMPARE(int(status.st_mode & 0777), 0700);
    else if (there == "other's")
        QCOMPARE(int(status.st_mode & 0777), 0755);
}

// Without a session's runtime folder and with a link in the way, the program runs unguarded: nothing is changed
// through the link and the toolkit's own fallback, which would speak up, is not asked.
void TestSingleInstance::testNoRuntimeFolderAndALinkInTheWay()
{
    QTemporaryDir base;
    const QString victim = base.filePath("victim");
    QVERIFY(QDir().mkdir(victim));
    QCOMPARE(::chmod(QFile::encodeName(victim).constData(), 0755), 0);
    QVERIFY(QFile::link(victim, QDir(base.path()).filePath(QStringLiteral("dorvane-runtime-%1").arg(::getuid()))));
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray temporary = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(base.path()));
    static QStringList said;
    said.clear();
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { said << text; });
    const QString folder = SingleInstance::runtimeFolder();
    const QString given = qEnvironmentVariable("XDG_RUNTIME_DIR");
    qInstallMessageHandler(before);
    qputenv("XDG_RUNTIME_DIR", runtime);
    qputenv("TMPDIR", temporary);
    if (runtime.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    if (temporary.isNull())
        qunsetenv("TMPDIR");
    QCOMPARE(folder, QString());
    QCOMPARE(said, QStringList());
    // The toolkit gets a fresh private folder of this run's own, never the link.
    QVERIFY2(given.startsWith(base.path() + "/dorvane-runtime-") && !QFileInfo(given).isSymLink(), qPrintable(given));
    struct stat fresh = {};
    QCOMPARE(::lstat(QFile::encodeName(given).constData(), &fresh), 0);
    QVERIFY(S_ISDIR(fresh.st_mode) && (fresh.st_mode & 0777) == 0700 && fresh.st_uid == ::getuid());
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(victim).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 0777), 0755);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
