// One running copy per user and display, tried with two guards in one process; the display's key as each platform
// names its own display.
#include "system/SingleInstance.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// A socket file as a crashed run leaves it: bound once, nobody listening any more.
bool leaveDeadSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof address.sun_path) {
        ::close(fd);
        return false;
    }
    std::copy(name.begin(), name.end(), address.sun_path);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}
} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void testSecondStartIsForwarded_data();
    void testSecondStartIsForwarded();
    void testTheNameIsFreeAgainAfterTheFirstEnds_data();
    void testTheNameIsFreeAgainAfterTheFirstEnds();
    void testCallersThatAreNoStart_data();
    void testCallersThatAreNoStart();
    void testPrivateFolder_data();
    void testPrivateFolder();
    void testNoRuntimeFolderAndALinkInTheWay();
    void testTheKeyNamesThePlatformsOwnDisplay_data();
    void testTheKeyNamesThePlatformsOwnDisplay();
};

void TestSingleInstance::testSecondStartIsForwarded_data()
{
    QTest::addColumn<QString>("leftOver"); // what lies at the socket's place before the first start
    QTest::addColumn<QString>("secondKey");
    QTest::addColumn<bool>("forwarded");
    QTest::newRow("a second start on the same display") << ""
                                                        << "xcb_:0" << true;
    QTest::newRow("a socket left by a crashed run") << "dead socket"
                                                    << "xcb_:0" << true;
    QTest::newRow("a plain file in the way") << "file"
                                             << "xcb_:0" << true;
    QTest::newRow("another display runs its own copy") << ""
                                                       << "xcb_:1" << false;
}

void TestSingleInstance::testSecondStartIsForwarded()
{
    QFETCH(QString, leftOver);
    QFETCH(QString, secondKey);
    QFETCH(bool, forwarded);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    SingleInstance first(folder.path(), QStringLiteral("xcb_:0"));
    if (leftOver == QLatin1String("dead socket")) {
        QVERIFY(leaveDeadSocket(first.socketPath()));
    } else if (leftOver == QLatin1String("file")) {
        QFile file(first.socketPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(first.claim(), SingleInstance::Role::First);
    QSignalSpy shown(&first, &SingleInstance::showRequested);

    SingleInstance second(folder.path(), secondKey);
    QCOMPARE(second.claim() == SingleInstance::Role::Forwarded, forwarded);
    if (forwarded) {
        QTRY_COMPARE(shown.count(), 1);
        // A third start is told the same, and asks once more.
        SingleInstance third(folder.path(), QStringLiteral("xcb_:0"));
        QCOMPARE(third.claim(), SingleInstance::Role::Forwarded);
        QTRY_COMPARE(shown.count(), 2);
    } else {
        QTest::qWait(50);
        QCOMPARE(shown.count(), 0);
    }
}

void TestSingleInstance::testTheNameIsFreeAgainAfterTheFirstEnds_data()
{
    QTest::addColumn<bool>("stillThere"); // the first copy still exists, closing, when the next one starts
    QTest::newRow("ended") << false;
    QTest::newRow("closing") << true;
}

void TestSingleInstance::testTheNameIsFreeAgainAfterTheFirstEnds()
{
    QFETCH(bool, stillThere);
    QTemporaryDir folder;
    auto first = std::make_unique<SingleInstance>(folder.path(), QStringLiteral("xcb_:0"));
    QCOMPARE(first->claim(), SingleInstance::Role::First);
    if (stillThere)
        first->release();
    else
        first.reset();
    SingleInstance next(folder.path(), QStringLiteral("xcb_:0"));
    QCOMPARE(next.claim(), SingleInstance::Role::First);
}

// A caller that says too much, too little or too slowly is dropped, holds no memory of the running copy's, and a
// real start is still heard meanwhile.
void TestSingleInstance::testCallersThatAreNoStart_data()
{
    QTest::addColumn<int>("callers");
    QTest::addColumn<QByteArray>("said");
    QTest::addColumn<bool>("droppedAtOnce"); // else when their time is up
    QTest::newRow("a megabyte without a line's end") << 1 << QByteArray(1 << 20, 'x') << true;
    QTest::newRow("a long line") << 1 << QByteArray("show me everything\n") << true;
    QTest::newRow("half a line, then nothing") << 1 << QByteArray("sh") << false;
    QTest::newRow("silent") << 1 << QByteArray() << false;
    QTest::newRow("two hundred silent ones") << 200 << QByteArray() << false;
}

void TestSingleInstance::testCallersThatAreNoStart()
{
    QFETCH(int, callers);
    QFETCH(QByteArray, said);
    QFETCH(bool, droppedAtOnce);
    QTemporaryDir folder;
    SingleInstance first(folder.path(), QStringLiteral("xcb_:0"));
    QCOMPARE(first.claim(), SingleInstance::Role::First);
    QSignalSpy shown(&first, &SingleInstance::showRequested);
    std::vector<std::unique_ptr<QLocalSocket>> sockets;
    for (int i = 0; i < callers; ++i) {
        sockets.push_back(std::make_unique<QLocalSocket>());
        sockets.back()->connectToServer(first.socketPath());
        QVERIFY(sockets.back()->waitForConnected(1000));
        if (!said.isEmpty())
            sockets.back()->write(said);
        // The running copy takes each call as it comes, as its event loop would.
        QCoreApplication::processEvents();
    }
    const auto connected = [&sockets] {
        return std::count_if(sockets.begin(), sockets.end(),
                             [](const auto& socket) { return socket->state() == QLocalSocket::ConnectedState; });
    };
    // Never more than a few heard at once.
    QTRY_VERIFY(connected() <= SingleInstance::MostCallers);
    if (droppedAtOnce)
        QTRY_COMPARE_WITH_TIMEOUT(connected(), 0, SingleInstance::CallerWaitMs / 2);
    SingleInstance second(folder.path(), QStringLiteral("xcb_:0"));
    QCOMPARE(second.claim(), SingleInstance::Role::Forwarded);
    QTRY_COMPARE(shown.count(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(connected(), 0, SingleInstance::CallerWaitMs * 3);
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
    // Unguarded, the start goes on as the first.
    SingleInstance unguarded(folder, QStringLiteral("xcb_:0"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no private runtime folder"));
    QCOMPARE(unguarded.claim(), SingleInstance::Role::First);
}

void TestSingleInstance::testTheKeyNamesThePlatformsOwnDisplay_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("expected");
    // An X server's DISPLAY stays set under Wayland (Xwayland): a key taken from it would let a copy on the X
    // display and one on the Wayland display take each other for the same.
    QTest::newRow("X11: its DISPLAY") << "xcb"
                                      << "xcb_:0";
    QTest::newRow("Wayland: the compositor's socket, not DISPLAY") << "wayland"
                                                                   << "wayland_wayland-1";
    QTest::newRow("Wayland with decorations named: the same") << "wayland-egl"
                                                              << "wayland-egl_wayland-1";
    QTest::newRow("no display at all: neither variable") << "offscreen"
                                                         << "offscreen_";
}

void TestSingleInstance::testTheKeyNamesThePlatformsOwnDisplay()
{
    QFETCH(QString, platform);
    QFETCH(QString, expected);
    QCOMPARE(SingleInstance::displayKey(platform, ":0", "wayland-1"), expected);
    // A remote display's host and slash never reach the socket's name.
    QVERIFY(!SingleInstance::displayKey(platform, "host/unix:0", "../w").contains(QLatin1Char('/')));
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
