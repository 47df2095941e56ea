// One running copy per user and display, tried with two guards in one process.
#include "app/SingleInstance.h"
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
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

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "TestSingleInstance.moc"
