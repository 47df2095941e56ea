// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/FirstChoice.h"
#include "holidays/HolidayIndex.h"
#include <QtTest>

using holidays::FirstChoice;

// The holidays a first start chooses from the machine's time zone, by the system's zone tables and the shipped
// index: a region only where the zone tells it.
class TestFirstChoice : public QObject
{
    Q_OBJECT

private slots:
    void testSystemTables_data();
    void testSystemTables();
    void testTablesFromText();
    void testPlace_data();
    void testPlace();
};

void TestFirstChoice::testSystemTables_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("region");
    QTest::addColumn<FirstChoice::Why>("why");

    QTest::newRow("Berlin: all of Germany, no state") << "Europe/Berlin"
                                                      << "DE"
                                                      << "" << FirstChoice::Why::ZoneSpansRegions;
    QTest::newRow("Chicago: many states") << "America/Chicago"
                                          << "US"
                                          << "" << FirstChoice::Why::ZoneSpansRegions;
    QTest::newRow("Sydney: New South Wales, though Canberra shares it") << "Australia/Sydney"
                                                                        << "AU"
                                                                        << "AU-NSW" << FirstChoice::Why::RegionOfZone;
    QTest::newRow("Indianapolis: Indiana alone") << "America/Indiana/Indianapolis"
                                                 << "US"
                                                 << "US-IN" << FirstChoice::Why::RegionOfZone;
    QTest::newRow("Manaus: Amazonas") << "America/Manaus"
                                      << "BR"
                                      << "BR-AM" << FirstChoice::Why::RegionOfZone;
    QTest::newRow("Toronto: Ontario and Quebec") << "America/Toronto"
                                                 << "CA"
                                                 << "" << FirstChoice::Why::ZoneSpansRegions;
    QTest::newRow("London: the nations share it") << "Europe/London"
                                                  << "GB"
                                                  << "" << FirstChoice::Why::ZoneSpansRegions;
    QTest::newRow("Belfast, an old name the tables lack") << "Europe/Belfast"
                                                          << "GB"
                                                          << "GB-NIR" << FirstChoice::Why::RegionOfZone;
    QTest::newRow("Tokyo: no regions") << "Asia/Tokyo"
                                       << "JP"
                                       << "" << FirstChoice::Why::CountryWithoutRegions;
    QTest::newRow("Troll: Antarctica has no holidays") << "Antarctica/Troll"
                                                       << ""
                                                       << "" << FirstChoice::Why::CountryNotInData;
    QTest::newRow("UTC: no country") << "UTC"
                                     << ""
                                     << "" << FirstChoice::Why::ZoneWithoutCountry;
    QTest::newRow("blanks around the id") << " Asia/Tokyo\n"
                                          << "JP"
                                          << "" << FirstChoice::Why::CountryWithoutRegions;
    QTest::newRow("a path is no zone") << "../../etc/passwd"
                                       << ""
                                       << "" << FirstChoice::Why::ZoneWithoutCountry;
    QTest::newRow("empty") << ""
                           << ""
                           << "" << FirstChoice::Why::ZoneWithoutCountry;
}

void TestFirstChoice::testSystemTables()
{
    QFETCH(QString, zone);
    QFETCH(QString, country);
    QFETCH(QString, region);
    QFETCH(FirstChoice::Why, why);
    if (!QFile::exists(holidays::zoneInfoFolder() + QStringLiteral("/zone.tab")))
        QSKIP("the system has no zone tables");
    const FirstChoice choice = holidays::firstChoice(zone);
    QCOMPARE(choice.country, country);
    QCOMPARE(choice.region, region);
    QCOMPARE(choice.why, why);
}

// zone1970.tab names several countries for one zone, the first its own; a zone both tables lack and several
// countries' data name is no country's.
void TestFirstChoice::testTablesFromText()
{
    const QList<holidays::Country> countries = holidays::countries({QStringLiteral("en")});
    const QByteArray zoneTab = "# comment\nDE\t+5230+01322\tEurope/Berlin\tmost of Germany\n";
    const QByteArray zone1970 = "CH,DE,LI\t+4723+00832\tEurope/Zurich\nNO,SJ\t+5955+01045\tEurope/Oslo\n";
    QCOMPARE(holidays::firstChoiceFrom(QStringLiteral("Europe/Zurich"), countries, zoneTab, zone1970).country,
             QStringLiteral("CH"));
    QCOMPARE(holidays::firstChoiceFrom(QStringLiteral("Europe/Berlin"), countries, zoneTab, zone1970).country,
             QStringLiteral("DE"));
    QCOMPARE(holidays::firstChoiceFrom(QStringLiteral("Europe/Zurich"), {}, zoneTab, zone1970).why,
             FirstChoice::Why::CountryNotInData);

    holidays::Country one{QStringLiteral("AA"), QStringLiteral("A"), {}, {QStringLiteral("X/Shared")}, {}};
    holidays::Country other{QStringLiteral("BB"), QStringLiteral("B"), {}, {QStringLiteral("X/Shared")}, {}};
    QCOMPARE(holidays::firstChoiceFrom(QStringLiteral("X/Shared"), {one}, {}, {}).country, QStringLiteral("AA"));
    QCOMPARE(holidays::firstChoiceFrom(QStringLiteral("X/Shared"), {one, other}, {}, {}).why,
             FirstChoice::Why::ZoneWithoutCountry);
}

QTEST_GUILESS_MAIN(TestFirstChoice)
#include "TestFirstChoice.moc"

// Where the zone spans regions, the user's place tells theirs: the nearest place the data knows, within reach and in
// the zone's country; the zone's own city, where a first start puts everyone, tells nothing; a zone that names its
// region keeps it.
void TestFirstChoice::testPlace_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("region");
    QTest::addColumn<FirstChoice::Why>("why");
    using Why = FirstChoice::Why;
    QTest::newRow("Munich") << "Europe/Berlin" << 48.14 << 11.58 << "DE-BY" << Why::RegionOfPlace;
    QTest::newRow("Stuttgart") << "Europe/Berlin" << 48.78 << 9.18 << "DE-BW" << Why::RegionOfPlace;
    QTest::newRow("Hamburg") << "Europe/Berlin" << 53.55 << 9.99 << "DE-HH" << Why::RegionOfPlace;
    QTest::newRow("Berlin's own place, rounded as settings keep it")
        << "Europe/Berlin" << 52.50 << 13.37 << "" << Why::ZoneSpansRegions;
    QTest::newRow("Paris with Berlin's zone: too far from any German place")
        << "Europe/Berlin" << 48.86 << 2.35 << "" << Why::ZoneSpansRegions;
    QTest::newRow("Houston") << "America/Chicago" << 29.76 << -95.37 << "US-TX" << Why::RegionOfPlace;
    QTest::newRow("Chicago's own place") << "America/Chicago" << 41.85 << -87.65 << "" << Why::ZoneSpansRegions;
    QTest::newRow("Edinburgh") << "Europe/London" << 55.95 << -3.19 << "GB-SCT" << Why::RegionOfPlace;
    QTest::newRow("Melbourne with Sydney's zone: the zone's region")
        << "Australia/Sydney" << -37.81 << 144.96 << "AU-NSW" << Why::RegionOfZone;
    QTest::newRow("a place in the sea") << "Europe/Berlin" << 0.0 << 0.0 << "" << Why::ZoneSpansRegions;
    // Near no known place: Brandenburg has none in the data, so Cottbus is left to the user, not given Saxony's.
    QTest::newRow("Cottbus") << "Europe/Berlin" << 51.76 << 14.33 << "" << Why::ZoneSpansRegions;
    // Belgium's regions are not the provinces the places are filed under: none is told.
    QTest::newRow("Antwerp") << "Europe/Brussels" << 51.22 << 4.40 << "" << Why::ZoneSpansRegions;
    // A lake of Ontario misfiled under British Columbia tells nothing.
    QTest::newRow("Big Trout Lake") << "America/Toronto" << 53.83 << -89.87 << "" << Why::ZoneSpansRegions;
    QTest::newRow("Toronto") << "America/Toronto" << 43.70 << -79.42 << "CA-ON" << Why::RegionOfPlace;
}

void TestFirstChoice::testPlace()
{
    QFETCH(QString, zone);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, region);
    QFETCH(FirstChoice::Why, why);
    if (!QFile::exists(holidays::zoneInfoFolder() + QStringLiteral("/zone.tab")))
        QSKIP("the system has no zone tables");
    const FirstChoice choice = holidays::firstChoice(zone, holidays::zoneInfoFolder(), holidays::dataFolder(),
                                                     holidays::Place{latitude, longitude});
    QCOMPARE(choice.region, region);
    QCOMPARE(choice.why, why);
}
