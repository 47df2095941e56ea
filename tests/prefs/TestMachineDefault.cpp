// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/MachineDefault.h"
#include <QtTest>
#include <sys/stat.h>

namespace {
// A few lines as tzdata writes them, and one with impossible minutes.
const QByteArray Table = "# tzdb timezone descriptions\n"
                         "AU\t-3352+15113\tAustralia/Sydney\tNew South Wales (most areas)\n"
                         "DE,DK,NO,SE,SJ\t+5230+01322\tEurope/Berlin\tmost of Germany\n"
                         "IN\t+2232+08822\tAsia/Kolkata\n"
                         "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
                         "US\t+4160-08739\tAmerica/Chicago\tCentral (most areas)\n";
const QByteArray SecondTable = "DK\t+5540+01235\tEurope/Copenhagen\n";

QByteArray sourceFile(const QString& relative)
{
    QFile file(QStringLiteral(DORVANE_SOURCE_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
} // namespace

class TestMachineDefault : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void testTabPosition_data();
    void testTabPosition();
    void testDefaultFile_data();
    void testDefaultFile();
    void testSampleIsTheShippedFile();
    void testWriteNeverReplaces();
    void testWrittenUnderTheUmask_data();
    void testWrittenUnderTheUmask();
    void testMachinesWithoutAPlace_data();
    void testMachinesWithoutAPlace();

private:
    std::unique_ptr<QTemporaryDir> dir;
    QString table;
};

void TestMachineDefault::init()
{
    dir = std::make_unique<QTemporaryDir>();
    table = dir->filePath("zone1970.tab");
    QFile file(table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Table);
    QFile second(dir->filePath("zone.tab"));
    QVERIFY(second.open(QIODevice::WriteOnly));
    second.write(SecondTable);
}

void TestMachineDefault::testTabPosition_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");

    QTest::newRow("Berlin, degrees and minutes") << "+5230+01322" << true << 52.5 << 13.3667;
    QTest::newRow("Sydney, south and east") << "-3352+15113" << true << -33.8667 << 151.2167;
    QTest::newRow("New York, with seconds") << "+404251-0740023" << true << 40.7142 << -74.0064;
    QTest::newRow("60 minutes") << "+4160-08739" << false << 0.0 << 0.0;
    QTest::newRow("no sign") << "5230+01322" << false << 0.0 << 0.0;
    QTest::newRow("a digit too many") << "+52300+01322" << false << 0.0 << 0.0;
    QTest::newRow("latitude beyond the pole") << "+9130+01322" << false << 0.0 << 0.0;
    QTest::newRow("empty") << "" << false << 0.0 << 0.0;
}

void TestMachineDefault::testTabPosition()
{
    QFETCH(QString, field);
    QFETCH(bool, valid);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const std::optional<ZonePosition> position = prefs::parseTabPosition(field);
    QCOMPARE(position.has_value(), valid);
    if (valid) {
        QVERIFY(qAbs(position->latitude - latitude) < 1e-4);
        QVERIFY(qAbs(position->longitude - longitude) < 1e-4);
    }
}

void TestMachineDefault::testDefaultFile_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QStringList>("tables"); // names in the test's folder
    QTest::addColumn<QByteArray>("expected");

    const QStringList both{"zone1970.tab", "zone.tab"};
    QTest::newRow("Berlin") << "Europe/Berlin" << both
                            << QByteArray("01\r\nE\xb0"
                                          "13.37\r\nN\xb0"
                                          "52.50\r\n1\r\nEurope/Berlin\r\n");
    QTest::newRow("Sydney, standard offset in its summer") << "Australia/Sydney" << both
                                                           << QByteArray("01\r\nE\xb0"
                                                                         "151.22\r\nS\xb0"
                                                                         "33.87\r\n10\r\nAustralia/Sydney\r\n");
    QTest::newRow("New York, with seconds in the table") << "America/New_York" << both
                                                         << QByteArray("01\r\nW\xb0"
                                                                       "74.01\r\nN\xb0"
                                                                       "40.71\r\n-5\r\nAmerica/New_York\r\n");
    QTest::newRow("Kolkata, half an hour") << "Asia/Kolkata" << both
                                           << QByteArray("01\r\nE\xb0"
                                                         "88.37\r\nN\xb0"
                                                         "22.53\r\n5.5\r\nAsia/Kolkata\r\n");
    QTest::newRow("Copenhagen from the second table") << "Europe/Copenhagen" << both
                                                      << QByteArray("01\r\nE\xb0"
                                                                    "12.58\r\nN\xb0"
                                                                    "55.67\r\n1\r\nEurope/Copenhagen\r\n");
    QTest::newRow("UTC") << "UTC" << both << sourceFile("assets/prefs.cal.default");
    QTest::newRow("Etc/UTC") << "Etc/UTC" << both << sourceFile("assets/prefs.cal.default");
    QTest::newRow("a known zone without a line") << "Asia/Tokyo" << both << sourceFile("assets/prefs.cal.default");
    QTest::newRow("a line with a broken position")
        << "America/Chicago" << both << sourceFile("assets/prefs.cal.default");
    QTest::newRow("an unknown zone") << "Mars/Olympus_Mons" << both << sourceFile("assets/prefs.cal.default");
    QTest::newRow("no zone at all") << "" << both << sourceFile("assets/prefs.cal.default");
    QTest::newRow("tables missing") << "Europe/Berlin" << QStringList{"none.tab"}
                                    << sourceFile("assets/prefs.cal.default");
    QTest::newRow("a folder instead of a table")
        << "Europe/Berlin" << QStringList{"."} << sourceFile("assets/prefs.cal.default");
}

void TestMachineDefault::testDefaultFile()
{
    QFETCH(QString, zone);
    QFETCH(QStringList, tables);
    QFETCH(QByteArray, expected);
    QStringList paths;
    for (const QString& name : tables)
        paths << dir->filePath(name);
    FormatSettings settings;
    settings.decimalSeparator = QLatin1Char('.');
    QCOMPARE(prefs::machineDefaultPrefs(zone, paths, QDate(2026, 12, 8), settings).toBytes(), expected);
}

void TestMachineDefault::testSampleIsTheShippedFile()
{
    // Written as a first start writes it, the sample is the shipped file byte for byte.
    const QString path = dir->filePath("sample/prefs.cal");
    QCOMPARE(prefs::samplePrefs().saveNew(path), PrefsFile::WriteResult::Written);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), sourceFile("assets/prefs.cal.default"));
}

void TestMachineDefault::testWriteNeverReplaces()
{
    const QString path = dir->filePath("config/dorvane/prefs.cal");
    QCOMPARE(PrefsFile({"first"}).saveNew(path), PrefsFile::WriteResult::Written);
    QCOMPARE(PrefsFile({"second"}).saveNew(path), PrefsFile::WriteResult::AlreadyThere);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("first\r\n"));
    QCOMPARE(QDir(dir->filePath("config/dorvane")).entryList(QDir::Files | QDir::Hidden), QStringList{"prefs.cal"});

    // A folder that cannot be made: a file stands where it should be.
    QString reason;
    QCOMPARE(PrefsFile({"x"}).saveNew(dir->filePath("zone.tab/dorvane/prefs.cal"), &reason),
             PrefsFile::WriteResult::Failed);
    QVERIFY(!reason.isEmpty());

    // A dangling link where the file should be is not followed: nothing appears where it points.
    const QString pointedAt = dir->filePath("elsewhere.cal");
    const QString link = dir->filePath("linked/prefs.cal");
    QVERIFY(QDir().mkpath(dir->filePath("linked")));
    QVERIFY(QFile::link(pointedAt, link));
    QVERIFY(PrefsFile({"x"}).saveNew(link) != PrefsFile::WriteResult::Written);
    QVERIFY(!QFileInfo::exists(pointedAt));
}

void TestMachineDefault::testWrittenUnderTheUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("mode");
    QTest::newRow("umask 022") << 022 << 0644;
    QTest::newRow("umask 077: private") << 077 << 0600;
    QTest::newRow("umask 002: group writable") << 002 << 0664;
}

void TestMachineDefault::testWrittenUnderTheUmask()
{
    QFETCH(int, mask);
    QFETCH(int, mode);
    const QString path = dir->filePath("mode/prefs.cal");
    const mode_t before = ::umask(mode_t(mask));
    const PrefsFile::WriteResult result = PrefsFile({"x"}).saveNew(path);
    ::umask(before);
    QCOMPARE(result, PrefsFile::WriteResult::Written);
    struct stat status = {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(int(status.st_mode & 0777), mode);
}

void TestMachineDefault::testMachinesWithoutAPlace_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("hasPlace");
    QTest::newRow("UTC") << "UTC" << false;
    QTest::newRow("Etc/UTC") << "Etc/UTC" << false;
    QTest::newRow("GMT") << "GMT" << false;
    QTest::newRow("no zone") << "" << false;
    QTest::newRow("an unknown id") << "Mars/Olympus" << false;
    QTest::newRow("Europe/Berlin") << "Europe/Berlin" << true;
    QTest::newRow("America/Sao_Paulo") << "America/Sao_Paulo" << true;
}

void TestMachineDefault::testMachinesWithoutAPlace()
{
    QFETCH(QString, zone);
    QFETCH(bool, hasPlace);
    if (prefs::zonePosition("Europe/Berlin", prefs::systemZoneTables()) == std::nullopt)
        QSKIP("no time-zone tables on this machine");
    QCOMPARE(prefs::machineHasPlace(zone, prefs::systemZoneTables(), QDate(2024, 5, 15)), hasPlace);
}

QTEST_GUILESS_MAIN(TestMachineDefault)
#include "TestMachineDefault.moc"
