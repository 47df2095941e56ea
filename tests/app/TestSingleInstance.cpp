// One running copy per user and display, tried with two guards in one process; the display's key as each platform
// gives it, in a copy of this program started on that platform.
#include "app/SingleInstance.h"
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>
#include <sys/socket.h>
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

namespace {
// Set in a copy of this program that only prints the key its platform gives.
constexpr char PrintKeyVariable[] = "DORVANE_TEST_PRINT_DISPLAY_KEY";
constexpr char OtherX11Display[] = ":77";

// A headless Wayland compositor in a runtime folder of its own, stopped when the test ends.
struct HeadlessWayland
{
    QTemporaryDir runtime;
    QProcess weston;
    QString socket = QStringLiteral("dorvane-key-test");

    bool start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (program.isEmpty() || !runtime.isValid())
            return false;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.remove(QStringLiteral("DISPLAY"));
        weston.setProcessEnvironment(environment);
        weston.start(program, {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                               QStringLiteral("--socket=") + socket, QStringLiteral("--idle-time=0"),
                               QStringLiteral("--no-config")});
        if (!weston.waitForStarted(5000))
            return false;
        for (int i = 0; i < 100 && !QFile::exists(runtime.filePath(socket)); ++i)
            QTest::qWait(100);
        return QFile::exists(runtime.filePath(socket));
    }
    ~HeadlessWayland()
    {
        weston.terminate();
        weston.waitForFinished(5000);
    }
};
} // namespace

void TestSingleInstance::testTheKeyNamesThePlatformsOwnDisplay_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("expected"); // %1 the Wayland socket
    // An X server's DISPLAY stays set under Wayland (Xwayland): a key taken from it would let a copy on the X
    // display and one on the Wayland display take each other for the same.
    QTest::newRow("Wayland: the compositor's socket, not DISPLAY") << "wayland"
                                                                   << "wayland_%1";
    QTest::newRow("no display at all: neither variable") << "offscreen"
                                                         << "offscreen_";
}

void TestSingleInstance::testTheKeyNamesThePlatformsOwnDisplay()
{
    QFETCH(QString, platform);
    QFETCH(QString, expected);
    HeadlessWayland wayland;
    if (platform == QLatin1String("wayland") && !wayland.start())
        QSKIP("no headless weston to start a Wayland platform on");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(PrintKeyVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(OtherX11Display));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), wayland.runtime.path());
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland.socket);
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(copy.waitForFinished(30000));
    QCOMPARE(copy.exitCode(), 0);
    if (expected.contains(QLatin1String("%1")))
        expected = expected.arg(wayland.socket);
    QCOMPARE(QString::fromLocal8Bit(copy.readAllStandardOutput()).trimmed(), expected);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(PrintKeyVariable)) {
        QApplication app(argc, argv);
        std::printf("%s\n", qPrintable(SingleInstance::displayKey()));
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "TestSingleInstance.moc"
