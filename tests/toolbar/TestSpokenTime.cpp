// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar/SpokenTime.h"
#include <QTest>

// Sun times as a screen reader says them: the clock time of the day it falls on, and which day that is.
class TestSpokenTime : public QObject
{
    Q_OBJECT
private slots:
    void testSaidAsAClockTime_data();
    void testSaidAsAClockTime();
};

void TestSpokenTime::testSaidAsAClockTime_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("said");
    const int sunrise = 1, sunset = 2;
    QTest::newRow("morning sunrise") << sunrise << "7:14A"
                                     << "7:14 AM";
    QTest::newRow("sunrise ten past midnight") << sunrise << "0:10A"
                                               << "12:10 AM";
    QTest::newRow("sunrise after noon") << sunrise << "12:30A"
                                        << "12:30 PM";
    QTest::newRow("sunrise before midnight, 12-hour") << sunrise << "-1:30A"
                                                      << "11:30 PM, previous day";
    QTest::newRow("sunrise before midnight, 24-hour") << sunrise << "-1:30"
                                                      << "23:30, previous day";
    QTest::newRow("evening sunset") << sunset << "7:16P"
                                    << "7:16 PM";
    QTest::newRow("sunset just after noon") << sunset << "0:30P"
                                            << "12:30 PM";
    QTest::newRow("sunset at 00:04, 12-hour") << sunset << "12:04P"
                                              << "12:04 AM, next day";
    QTest::newRow("sunset at 00:04, 24-hour") << sunset << "24:04"
                                              << "00:04, next day";
    QTest::newRow("sunset at 01:59, 12-hour") << sunset << "13:59P"
                                              << "1:59 AM, next day";
    QTest::newRow("sunset 24-hour, same day") << sunset << "19:16"
                                              << "19:16";
    QTest::newRow("sunrise 24-hour, same day") << sunrise << "05:36"
                                               << "05:36";
    QTest::newRow("no time") << sunset << ""
                             << "";
    QTest::newRow("a text that is not a time") << sunrise << "none"
                                               << "none";
    // Not the shape of a sun time: said as shown.
    for (const char* text : {"123:45", "1:5", "1:050", "1:05Q", "1:05AP", "+1:05", "--1:05", ":05", "1:05 "})
        QTest::newRow(text) << sunrise << text << text;
    QTest::newRow("a line feed at the end, as the pattern took it") << sunrise << "7:14A\n"
                                                                    << "7:14 AM";
}

void TestSpokenTime::testSaidAsAClockTime()
{
    QFETCH(int, kind);
    QFETCH(QString, shown);
    QFETCH(QString, said);
    QCOMPARE(spokenSunTime(kind, shown), said);
}

QTEST_GUILESS_MAIN(TestSpokenTime)
#include "TestSpokenTime.moc"
