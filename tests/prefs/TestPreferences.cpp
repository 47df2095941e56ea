// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/Preferences.h"
#include "support/TempPrefsDir.h"
#include <QtTest>

// The preferences value and its store: what a read gives, what Save writes, and the once-reported failure.
class TestPreferences : public QObject
{
    Q_OBJECT
private slots:
    void testValueOfAFile_data();
    void testValueOfAFile();
    void testEditedKeepsTheRestOfTheFlags();
    void testStoreReportsAMissingFileOnceAndKeepsTheLastValue();
    void testSavedValueIsWhatANewReadGives();
    void testZoneLine_data();
    void testZoneLine();
    void testOffsetUnderTheStoresDecimalMark();
};

void TestPreferences::testValueOfAFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("military");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<double>("offset");
    QTest::newRow("10 / W°97.45 / N°30.15 / -6") << QByteArray("10\r\nW\xB0"
                                                               "97.45\r\nN\xB0"
                                                               "30.15\r\n-6\r\n")
                                                 << true << false << "N°30.15" << -6.0;
    QTest::newRow("01, Kabul 4.5") << QByteArray("01\r\nE\xB0"
                                                 "69.2\r\nN\xB0"
                                                 "34.5\r\n4.5\r\n")
                                   << false << true << "N°34.5" << 4.5;
    QTest::newRow("one line: no position, offset 0") << QByteArray("11\r\n") << true << true << "" << 0.0;
    QTest::newRow("offset abc reads 0") << QByteArray("00\r\nx\r\ny\r\nabc\r\n") << false << false << "y" << 0.0;
}

void TestPreferences::testValueOfAFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, military);
    QFETCH(bool, hints);
    QFETCH(QString, latitude);
    QFETCH(double, offset);
    const Preferences value = Preferences::fromFile(PrefsFile::fromBytes(bytes), FormatSettings());
    QCOMPARE(value.militaryTime(), military);
    QCOMPARE(value.hints(), hints);
    QCOMPARE(value.latitude, latitude);
    QCOMPARE(value.gmtOffset, offset);
}

void TestPreferences::testEditedKeepsTheRestOfTheFlags()
{
    const Preferences before{"11xyz", "W°1", "N°2", 3};
    const Preferences after = before.edited(false, true, "E°5", "S°6", -3.5, QString());
    QCOMPARE(after.toFile(FormatSettings()).toBytes(), QByteArray("01xyz\r\nE\xB0"
                                                                  "5\r\nS\xB0"
                                                                  "6\r\n-3.5\r\n"));
}

void TestPreferences::testStoreReportsAMissingFileOnceAndKeepsTheLastValue()
{
    TempPrefsDir dir;
    PrefsStore store(dir.path(), FormatSettings());
    Wording message;
    QVERIFY(!store.load(&message));
    QCOMPARE(message.english(), "Cannot open file " + dir.path() + "/prefs.cal");
    QVERIFY(!store.load(&message));
    QCOMPARE(message.english(), QString());

    dir.write("10\r\nW\xB0"
              "97.45\r\nN\xB0"
              "30.15\r\n-6\r\n");
    QVERIFY(store.load(&message));
    dir.remove();
    QVERIFY(!store.load(&message));
    QCOMPARE(message.english(), "Cannot open file " + dir.path() + "/prefs.cal");
    QCOMPARE(store.value().gmtOffset, -6.0);
    QVERIFY(store.value().militaryTime());
}

void TestPreferences::testSavedValueIsWhatANewReadGives()
{
    TempPrefsDir dir;
    PrefsStore store(dir.path(), FormatSettings());
    QVERIFY(store.save(Preferences{"00", "W°1", "N€1", 0}));
    QCOMPARE(dir.read(), QByteArray("00\r\nW\xB0"
                                    "1\r\nN?1\r\n\r\n"));
    QCOMPARE(store.value().latitude, QStringLiteral("N?1"));
    PrefsStore gone(dir.path() + "/gone", FormatSettings());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Cannot create file .*/gone/prefs.cal: .+"));
    QVERIFY(!gone.save(store.value()));
    QCOMPARE(gone.value().PrefsFlags, QString());
    // The system's reason stays with the store for the caller, until a save succeeds.
    QVERIFY(!gone.lastError().isEmpty());
    QVERIFY(QDir().mkpath(dir.path() + "/gone"));
    QVERIFY(gone.save(store.value()));
    QCOMPARE(gone.lastError(), QString());
    // A line longer than a read keeps is in the value as a read gives it.
    QVERIFY(store.save(Preferences{"00", QString(5000, 'x'), "N°1", 0}));
    QCOMPARE(store.value().longitude, QString(PrefsFile::MaxLineLength, 'x'));
}

void TestPreferences::testZoneLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QByteArray>("saved");
    const QByteArray four("00\r\nE\xB0"
                          "13.37\r\nN\xB0"
                          "52.50\r\n1\r\n");
    QTest::newRow("four lines: no zone, saved as four") << four << "" << four;
    QTest::newRow("five lines: the zone, saved as five") << four + "Europe/Berlin\r\n"
                                                         << "Europe/Berlin" << four + "Europe/Berlin\r\n";
    QTest::newRow("empty fifth line: no zone, saved as four") << four + "\r\n"
                                                              << "" << four;
    QTest::newRow("lone LF, a sixth line ignored") << QByteArray("00\nE\xB0"
                                                                 "13.37\nN\xB0"
                                                                 "52.50\n1\nEurope/Berlin\nmore\n")
                                                   << "Europe/Berlin" << four + "Europe/Berlin\r\n";
}

void TestPreferences::testZoneLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, zone);
    QFETCH(QByteArray, saved);
    TempPrefsDir dir;
    dir.write(bytes);
    PrefsStore store = PrefsStore::atPath(dir.filePath(), FormatSettings());
    QVERIFY(store.load(nullptr));
    QCOMPARE(store.value().zone, zone);
    QVERIFY(store.save(store.value()));
    QCOMPARE(dir.read(), saved);
}

void TestPreferences::testOffsetUnderTheStoresDecimalMark()
{
    FormatSettings comma;
    comma.decimalSeparator = QLatin1Char(',');
    comma.thousandSeparator = QLatin1Char('.');
    TempPrefsDir dir;
    PrefsStore store(dir.path(), comma);
    QVERIFY(store.save(Preferences{"00", "E°69.2", "N°34.5", 4.5}));
    QCOMPARE(dir.read(), QByteArray("00\r\nE\xB0"
                                    "69.2\r\nN\xB0"
                                    "34.5\r\n4,5\r\n"));
    QCOMPARE(store.value().gmtOffset, 4.5);
    // The same file under a decimal point: the comma still reads, and Save writes the point.
    PrefsStore point(dir.path(), FormatSettings());
    QVERIFY(point.load(nullptr));
    QCOMPARE(point.value().gmtOffset, 4.5);
    QVERIFY(point.save(point.value()));
    QVERIFY(dir.read().endsWith("\r\n4.5\r\n"));
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "TestPreferences.moc"
