// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's zone as TZ names it, each case in a fresh process: the zone library reads TZ once per process.
#include "prefs/MachineDefault.h"
#include "support/Fakes.h"
#include "zones/ZoneOffsets.h"
#include <QTimeZone>
#include <QtTest>
#include <cstdio>
#include <ctime>
#include <sys/stat.h>

namespace {
// Set in the child this test starts for each row.
const char* const ChildMark = "DORVANE_TEST_MACHINE_ZONE";

// In the child: the machine's zone, whether its default is the sample, and TZ afterwards, one a line.
int printMachineZone()
{
    // The guard comes first, as in the program: even the fake clock's local time reads the zone.
    zones::guardEnvironmentZone();
    FakeClock clock;
    clock.set(2026, 12, 9);
    clock.zone = QTimeZone::systemTimeZoneId();
    const QByteArray sample =
        prefs::thisMachineDefaultPrefs(clock, FormatSettings()).toBytes() == prefs::samplePrefs().toBytes() ? "sample"
                                                                                                            : "own";
    // The zone list too is read beside the library's system zone.
    const bool berlin = zones::isKnownZone(QStringLiteral("Europe/Berlin"));
    // The local time as the C library finds it: a TZDIR naming a FIFO would hang here.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::printf("%s\n%s\n%s\n%s\n%s\n", zones::machineZoneId(clock.zone).toLatin1().constData(), sample.constData(),
                qgetenv("TZ").constData(), berlin ? "listed" : "unlisted", qgetenv("TZDIR").constData());
    return 0;
}

// A zone file with one transition and no local time types: the zone library's system zone crashes on it.
QByteArray craftedZoneFile()
{
    QByteArray header("TZif2");
    header.append(15, '\0');
    for (const int count : {0, 0, 0, 1, 0, 0}) // UT/local, standard/wall, leaps, transitions, types, characters
        header.append(char(0)).append(char(0)).append(char(0)).append(char(count));
    QByteArray v1 = header + QByteArray(4, '\0') + QByteArray(1, '\0');
    QByteArray v2 = header + QByteArray(8, '\0') + QByteArray(1, '\0') + "\n\n";
    return v1 + v2;
}
} // namespace

class TestEnvironmentZone : public QObject
{
    Q_OBJECT

private slots:
    void testMachineZone_data();
    void testMachineZone();

private:
    QTemporaryDir dir;
};

void TestEnvironmentZone::testMachineZone_data()
{
    QTest::addColumn<QString>("tz");   // "@" stands for the crafted file's absolute path
    QTest::addColumn<QString>("zone"); // a TZ naming a file outside the database is replaced by UTC
    QTest::addColumn<QString>("prefs");
    QTest::addColumn<QString>("tzAfter");
    QTest::addColumn<QString>("tzdir");      // "@" stands for a folder holding the crafted file and a FIFO
    QTest::addColumn<QString>("tzdirAfter"); // only the zone database may stay the C library's zone folder

    QTest::newRow("an id of the list") << "Europe/Berlin"
                                       << "Europe/Berlin"
                                       << "own"
                                       << "Europe/Berlin"
                                       << ""
                                       << "";
    QTest::newRow("an id after a colon") << ":Europe/Berlin"
                                         << "Europe/Berlin"
                                         << "own"
                                         << ":Europe/Berlin"
                                         << ""
                                         << "";
    QTest::newRow("a path into the database") << "/usr/share/zoneinfo/Asia/Kolkata"
                                              << "Asia/Kolkata"
                                              << "own"
                                              << "/usr/share/zoneinfo/Asia/Kolkata"
                                              << ""
                                              << "";
    QTest::newRow("UTC") << "UTC"
                         << "UTC"
                         << "sample"
                         << "UTC"
                         << ""
                         << "";
    QTest::newRow("a plain word") << "Tokyo"
                                  << ""
                                  << "sample"
                                  << "Tokyo"
                                  << ""
                                  << "";
    QTest::newRow("a crafted file through ../") << "../../../..@"
                                                << "UTC"
                                                << "sample"
                                                << "UTC"
                                                << ""
                                                << "";
    QTest::newRow("a crafted file after a colon") << ":../../..@"
                                                  << "UTC"
                                                  << "sample"
                                                  << "UTC"
                                                  << ""
                                                  << "";
    QTest::newRow("a crafted file by its path") << "@"
                                                << "UTC"
                                                << "sample"
                                                << "UTC"
                                                << ""
                                                << "";
    QTest::newRow("the terminal") << "../../../dev/tty"
                                  << "UTC"
                                  << "sample"
                                  << "UTC"
                                  << ""
                                  << "";
    QTest::newRow("standard input") << "/dev/stdin"
                                    << "UTC"
                                    << "sample"
                                    << "UTC"
                                    << ""
                                    << "";
    QTest::newRow("a database path climbing out") << "/usr/share/zoneinfo/../../../etc/passwd"
                                                  << "UTC"
                                                  << "sample"
                                                  << "UTC"
                                                  << ""
                                                  << "";
    QTest::newRow("a zone folder of one's own naming a FIFO") << "fifo"
                                                              << ""
                                                              << "sample"
                                                              << "fifo"
                                                              << "@"
                                                              << "";
    QTest::newRow("a zone folder of one's own naming the crafted file") << "crafted"
                                                                        << ""
                                                                        << "sample"
                                                                        << "crafted"
                                                                        << "@"
                                                                        << "";
    QTest::newRow("the zone database as the zone folder") << "Europe/Berlin"
                                                          << "Europe/Berlin"
                                                          << "own"
                                                          << "Europe/Berlin"
                                                          << "/usr/share/zoneinfo"
                                                          << "/usr/share/zoneinfo";
}

void TestEnvironmentZone::testMachineZone()
{
    QFETCH(QString, tz);
    QFETCH(QString, zone);
    QFETCH(QString, prefs);
    QFETCH(QString, tzAfter);
    QFETCH(QString, tzdir);
    QFETCH(QString, tzdirAfter);
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(QFileInfo::exists(fifo) || ::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const QString crafted = dir.filePath(QStringLiteral("crafted"));
    QFile file(crafted);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(craftedZoneFile());
    file.close();
    tz.replace(QLatin1Char('@'), crafted);
    tzAfter.replace(QLatin1Char('@'), crafted);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildMark), QStringLiteral("1"));
    environment.insert(QStringLiteral("TZ"), tz);
    environment.remove(QStringLiteral("TZDIR"));
    if (!tzdir.isEmpty())
        environment.insert(QStringLiteral("TZDIR"), tzdir.replace(QLatin1Char('@'), dir.path()));
    child.setProcessEnvironment(environment);
    child.setStandardInputFile(QProcess::nullDevice());
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    // A child hanging on a FIFO is ended, and the row fails.
    if (!child.waitForFinished(20000)) {
        child.kill();
        child.waitForFinished();
        QFAIL("the child hung");
    }
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    const QStringList lines = QString::fromLatin1(child.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), zone);
    QCOMPARE(lines.value(1), prefs);
    QCOMPARE(lines.value(2), tzAfter);
    QCOMPARE(lines.value(3), QStringLiteral("listed"));
    QCOMPARE(lines.value(4), tzdirAfter);
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(ChildMark))
        return printMachineZone();
    QCoreApplication application(argc, argv);
    TestEnvironmentZone test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestEnvironmentZone.moc"
