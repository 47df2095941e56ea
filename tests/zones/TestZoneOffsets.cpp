// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/SunReport.h"
#include "zones/ZoneOffsets.h"
#include <QtTest>

class TestZoneOffsets : public QObject
{
    Q_OBJECT

private slots:
    void testOffsetsAndReport_data();
    void testOffsetsAndReport();
    void testUnknownZones_data();
    void testUnknownZones();
    void testUnknownZoneMessage();
    void testUnknownZoneEscaped_data();
    void testUnknownZoneEscaped();
};

void TestZoneOffsets::testOffsetsAndReport_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<double>("onDay");
    QTest::addColumn<double>("standard");

    QTest::newRow("Berlin 21 Jun 2026, summer time") << "Europe/Berlin" << QDate(2026, 6, 21) << 2.0 << 1.0;
    QTest::newRow("Berlin 21 Dec 2026") << "Europe/Berlin" << QDate(2026, 12, 21) << 1.0 << 1.0;
    QTest::newRow("Berlin 28 Mar 2026, day before the change") << "Europe/Berlin" << QDate(2026, 3, 28) << 1.0 << 1.0;
    QTest::newRow("Berlin 29 Mar 2026, clocks forward at 2:00") << "Europe/Berlin" << QDate(2026, 3, 29) << 2.0 << 1.0;
    QTest::newRow("Berlin 24 Oct 2026, day before the change") << "Europe/Berlin" << QDate(2026, 10, 24) << 2.0 << 1.0;
    QTest::newRow("Berlin 25 Oct 2026, clocks back at 3:00") << "Europe/Berlin" << QDate(2026, 10, 25) << 1.0 << 1.0;
    QTest::newRow("New York 21 Jun 2026") << "America/New_York" << QDate(2026, 6, 21) << -4.0 << -5.0;
    QTest::newRow("New York 21 Dec 2026") << "America/New_York" << QDate(2026, 12, 21) << -5.0 << -5.0;
    QTest::newRow("Sydney 21 Dec 2026, southern summer") << "Australia/Sydney" << QDate(2026, 12, 21) << 11.0 << 10.0;
    QTest::newRow("Sydney 21 Jun 2026, southern winter") << "Australia/Sydney" << QDate(2026, 6, 21) << 10.0 << 10.0;
    QTest::newRow("Kolkata 21 Jun 2026, no daylight saving") << "Asia/Kolkata" << QDate(2026, 6, 21) << 5.5 << 5.5;
    QTest::newRow("Kolkata 21 Dec 2026") << "Asia/Kolkata" << QDate(2026, 12, 21) << 5.5 << 5.5;
    // Pyongyang was half an hour behind Seoul from August 2015 to May 2018.
    QTest::newRow("Pyongyang 21 Jun 2014") << "Asia/Pyongyang" << QDate(2014, 6, 21) << 9.0 << 9.0;
    QTest::newRow("Pyongyang 21 Jun 2016") << "Asia/Pyongyang" << QDate(2016, 6, 21) << 8.5 << 8.5;
    QTest::newRow("Pyongyang 21 Jun 2019") << "Asia/Pyongyang" << QDate(2019, 6, 21) << 9.0 << 9.0;
    // Moscow kept summer time all year from 2011 to 2014.
    QTest::newRow("Moscow 21 Dec 2012") << "Europe/Moscow" << QDate(2012, 12, 21) << 4.0 << 4.0;
    QTest::newRow("Moscow 21 Dec 2026") << "Europe/Moscow" << QDate(2026, 12, 21) << 3.0 << 3.0;
    QTest::newRow("blanks around the id") << "  Europe/Berlin \t" << QDate(2026, 6, 21) << 2.0 << 1.0;
    QTest::newRow("an old name, a link of the database") << "Asia/Calcutta" << QDate(2026, 6, 21) << 5.5 << 5.5;
}

// The offsets of the day, and the key property: the report for a zone equals the report with the offset the
// user would have picked from the Offset List that day.
void TestZoneOffsets::testOffsetsAndReport()
{
    QFETCH(QString, zone);
    QFETCH(QDate, day);
    QFETCH(double, onDay);
    QFETCH(double, standard);
    const ZoneOffsets offsets = zones::offsetsOn(zone, day);
    QVERIFY(offsets.known);
    QVERIFY(zones::isKnownZone(zone));
    QCOMPARE(offsets.onDay, onDay);
    QCOMPARE(offsets.standard, standard);

    // Each zone's city, as its default preferences hold it: latitude north, longitude west.
    const QHash<QString, QPair<double, double>> cities{
        {"Europe/Berlin", {52.50, -13.37}},      {"America/New_York", {40.71, 74.01}},
        {"Australia/Sydney", {-33.87, -151.22}}, {"Asia/Kolkata", {22.53, -88.37}},
        {"Asia/Pyongyang", {39.02, -125.75}},    {"Europe/Moscow", {55.76, -37.62}}};
    const auto [latitude, longitude] = cities.value(zone.trimmed(), {22.53, -88.37});
    const QString dateText = day.toString(QStringLiteral("MM/dd/yyyy"));
    const auto report = [&](double offset) {
        SunState state;
        return computeSunReport({latitude, longitude, offset, 1, dateText}, state, FormatSettings());
    };
    const SunReportResult byZone = report(offsets.reportOffset(standard));
    const SunReportResult byFixed = report(onDay);
    QVERIFY(!byZone.sunrise.isEmpty());
    QVERIFY(byZone.messages.isEmpty());
    QCOMPARE(byZone.sunrise, byFixed.sunrise);
    QCOMPARE(byZone.sunset, byFixed.sunset);
    if (onDay != standard)
        QVERIFY(report(standard).sunrise != byZone.sunrise);
}

void TestZoneOffsets::testUnknownZones_data()
{
    QTest::addColumn<QString>("zone");

    QTest::newRow("empty") << "";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("no such zone") << "Mars/Olympus_Mons";
    QTest::newRow("a misspelt city") << "Europe/Berln";
    QTest::newRow("a path") << "../../../etc/passwd";
    QTest::newRow("an absolute path") << "/proc/self/mem";
    QTest::newRow("a device") << "/dev/stdin";
    QTest::newRow("a zone and a way out of the database") << "Europe/../../../../dev/tty";
    QTest::newRow("a word the library would take as a rule at +0") << "Tokyo";
    QTest::newRow("part of a name") << "sydn";
    QTest::newRow("a region, not a zone") << "Europe";
    QTest::newRow("a POSIX rule") << "EST5EDT4,M3.2.0,M11.1.0";
    QTest::newRow("a command") << "Europe/Berlin; rm -rf ~";
    QTest::newRow("not ASCII") << "Europe/Zürich";
    QTest::newRow("4,000 characters") << QString(4000, QLatin1Char('A'));
    QTest::newRow("a valid id followed by 4,000 characters") << "Europe/Berlin" + QString(4000, QLatin1Char('x'));
}

void TestZoneOffsets::testUnknownZones()
{
    QFETCH(QString, zone);
    const ZoneOffsets offsets = zones::offsetsOn(zone, QDate(2026, 6, 21));
    QVERIFY(!offsets.known);
    QVERIFY(!zones::isKnownZone(zone));
    QCOMPARE(offsets.onDay, 0.0);
    QCOMPARE(offsets.reportOffset(-6), -6.0);
}

void TestZoneOffsets::testUnknownZoneMessage()
{
    QCOMPARE(zoneText::unknownZone("Europe/Berln").english(),
             QString("Unknown time zone Europe/Berln in preferences."));
    QCOMPARE(zoneText::unknownZone(QString(4000, QLatin1Char('A'))).english(),
             QString("Unknown time zone " + QString(64, QLatin1Char('A')) + "... in preferences."));
}

void TestZoneOffsets::testUnknownZoneEscaped_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a NUL byte") << QString::fromLatin1("Europe/\0Berlin", 14) << "Europe/\\x00Berlin";
    QTest::newRow("a tab") << "a\tb"
                           << "a\\tb";
    QTest::newRow("an escape and a delete") << "\x1b[2J\x7f"
                                            << "\\x1b[2J\\x7f";
    QTest::newRow("a C1 control from Latin-1") << QString(QChar(0x85)) << "\\x85";
    QTest::newRow("a backslash") << "a\\x00"
                                 << "a\\\\x00";
    QTest::newRow("letters beyond ASCII stay") << "Z\u00fcrich"
                                               << "Z\u00fcrich";
}

void TestZoneOffsets::testUnknownZoneEscaped()
{
    QFETCH(QString, zone);
    QFETCH(QString, shown);
    QCOMPARE(zoneText::unknownZone(zone).english(), QStringLiteral("Unknown time zone %1 in preferences.").arg(shown));
}

QTEST_GUILESS_MAIN(TestZoneOffsets)
#include "TestZoneOffsets.moc"
