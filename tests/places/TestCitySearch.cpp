#include "places/CitySearch.h"
#include "places/CitySources.h"
#include "prefs/MachineDefault.h"
#include <QtTest>
#include <atomic>

namespace {
City city(const QString& name, const QString& country, const QString& zone, double latitude = 0, double longitude = 0)
{
    City c;
    c.name = name;
    c.country = country;
    c.zone = zone;
    c.latitude = latitude;
    c.longitude = longitude;
    return c;
}

QStringList labels(const QList<City>& cities)
{
    QStringList out;
    for (const City& c : cities)
        out.append(c.label());
    return out;
}
} // namespace

// Finding a city by the start of its words, in the world-locations database and in the zone tables.
class TestCitySearch : public QObject
{
    Q_OBJECT
private slots:
    void testMatching_data();
    void testMatching();
    void testNothingIsLoadedBeforeTheFirstUse();
    void testDatabase_data();
    void testDatabase();
    void testZoneTablesFallback_data();
    void testZoneTablesFallback();
};

void TestCitySearch::testMatching_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("the zone's own Berlin first") << "berl" << QStringList{"Berlin, Germany", "Berlin, United States"};
    QTest::newRow("capitals and blanks do not matter")
        << "  BERLIN " << QStringList{"Berlin, Germany", "Berlin, United States"};
    QTest::newRow("no accent typed") << "sao p" << QStringList{"São Paulo, Brazil"};
    QTest::newRow("accent typed") << "são p" << QStringList{"São Paulo, Brazil"};
    QTest::newRow("the second word's start")
        << "york" << QStringList{"York, United Kingdom", "New York, United States"};
    QTest::newRow("two words") << "new y" << QStringList{"New York, United States"};
    QTest::newRow("inside a word is no match") << "erlin" << QStringList{};
    QTest::newRow("a hyphen reads as a blank") << "saint e" << QStringList{"Saint-Étienne, France"};
    QTest::newRow("nothing matches") << "xqzw" << QStringList{};
    QTest::newRow("punctuation only") << "?!" << QStringList{};
}

void TestCitySearch::testMatching()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    const CityIndex index(
        {city("Berlin", "United States", "America/New_York"), city("Berlin", "Germany", "Europe/Berlin"),
         city("São Paulo", "Brazil", "America/Sao_Paulo"), city("New York", "United States", "America/New_York"),
         city("York", "United Kingdom", "Europe/London"), city("Saint-Étienne", "France", "Europe/Paris")});
    QCOMPARE(labels(index.matches(typed)), expected);
}

void TestCitySearch::testNothingIsLoadedBeforeTheFirstUse()
{
    std::atomic<int> loads{0};
    {
        CitySearch search([&loads] {
            ++loads;
            return std::vector<City>{city("Berlin", "Germany", "Europe/Berlin")};
        });
        QCOMPARE(loads.load(), 0);
        search.start();
        search.start();
        QCOMPARE(labels(search.matches("ber")), QStringList{"Berlin, Germany"});
        QCOMPARE(labels(search.matches("b")), QStringList{"Berlin, Germany"});
    }
    QCOMPARE(loads.load(), 1);
    // A search before start() loads by itself.
    CitySearch unstarted([] { return std::vector<City>{city("Oslo", "Norway", "Europe/Oslo")}; });
    QCOMPARE(labels(unstarted.matches("os")), QStringList{"Oslo, Norway"});
}

void TestCitySearch::testDatabase_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");

    QTest::newRow("berl") << "berl"
                          << "Berlin, Germany"
                          << "Europe/Berlin" << 52.52 << 13.40;
    QTest::newRow("são p") << "são p"
                           << "São Paulo, Brazil"
                           << "America/Sao_Paulo" << -23.55 << -46.63;
    QTest::newRow("new york") << "new york"
                              << "New York, United States"
                              << "America/New_York" << 40.71 << -74.01;
    QTest::newRow("sydn") << "sydn"
                          << "Sydney, New South Wales, Australia"
                          << "Australia/Sydney" << -33.87 << 151.21;
}

void TestCitySearch::testDatabase()
{
    if (!places::haveLocationsDatabase())
        QSKIP("built without the world-locations database");
    static CitySearch search([] { return places::databaseCities(); });
    QVERIFY2(search.size() > 1000, "the package's database gives the world's cities");
    QFETCH(QString, typed);
    QFETCH(QString, label);
    QFETCH(QString, zone);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const QList<City> found = search.matches(typed);
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first().label(), label);
    QCOMPARE(found.first().zone, zone);
    // Within a few kilometres of the city's centre.
    QVERIFY2(qAbs(found.first().latitude - latitude) < 0.1, qPrintable(QString::number(found.first().latitude)));
    QVERIFY2(qAbs(found.first().longitude - longitude) < 0.1, qPrintable(QString::number(found.first().longitude)));
    QVERIFY(search.matches("xqzw").isEmpty());
}

void TestCitySearch::testZoneTablesFallback_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");

    QTest::newRow("berl") << "berl"
                          << "Berlin, Germany" << 52.5 << 13.367;
    QTest::newRow("sao p, the zone's underscore a blank") << "sao p"
                                                          << "Sao Paulo, Brazil" << -23.533 << -46.617;
    QTest::newRow("new y") << "new y"
                           << "New York, United States" << 40.714 << -74.006;
}

void TestCitySearch::testZoneTablesFallback()
{
    const std::vector<City> cities = places::zoneTableCities(prefs::systemZoneTables());
    if (cities.empty())
        QSKIP("no time-zone tables on this machine");
    QFETCH(QString, typed);
    QFETCH(QString, label);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    const QList<City> found = CityIndex(cities).matches(typed);
    QVERIFY(!found.isEmpty());
    QCOMPARE(found.first().label(), label);
    QVERIFY(qAbs(found.first().latitude - latitude) < 0.01);
    QVERIFY(qAbs(found.first().longitude - longitude) < 0.01);
    // A table that cannot be read gives no city, and no error.
    QVERIFY(places::zoneTableCities({"/nonexistent/zone1970.tab"}).empty());
}

QTEST_GUILESS_MAIN(TestCitySearch)
#include "TestCitySearch.moc"
