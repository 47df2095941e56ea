// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/CityList.h"
#include "places/CitySearch.h"
#include "places/CitySources.h"
#include "prefs/MachineDefault.h"
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <future>

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
    void testListReadBack_data();
    void testListReadBack();
    void testDamagedDatabase_data();
    void testDamagedDatabase();
    void testChildThatIsNoList_data();
    void testChildThatIsNoList();
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

// The cities as the child writes them read back the same; a list cut short, miscounted or damaged is no list.
void TestCitySearch::testListReadBack_data()
{
    QTest::addColumn<QByteArray>("damage"); // what is done to the lines: "", "cut", "count", "latitude", "tab"
    QTest::addColumn<int>("cities");        // read back, -1 for no list
    QTest::newRow("as written") << QByteArray() << 3;
    QTest::newRow("cut before the end") << QByteArray("cut") << -1;
    QTest::newRow("one city more than counted") << QByteArray("count") << -1;
    QTest::newRow("a latitude beyond the pole, that city left out") << QByteArray("latitude") << 2;
    QTest::newRow("a latitude that is no number") << QByteArray("no number") << -1;
    QTest::newRow("nothing at all") << QByteArray("empty") << -1;
}

void TestCitySearch::testListReadBack()
{
    QFETCH(QByteArray, damage);
    QFETCH(int, cities);
    City portland = city("Portland", "United States", "America/Los_Angeles", 45.5, -122.676207);
    portland.region = "Oregon";
    portland.keys = QStringList{"portland"};
    // A name with a tab and a line end in it stays one line.
    City odd = city("Tab\tand\nline", "", "", -90, 180);
    odd.keys = QStringList{"tab and line", "second key"};
    const std::vector<City> written{portland, odd, city("São Paulo", "Brazil", "America/Sao_Paulo", -23.55, -46.63)};
    QByteArray lines = citylist::lines(written);
    if (damage == "cut")
        lines.chop(8);
    else if (damage == "count")
        lines.replace("end\t3", "end\t2");
    else if (damage == "latitude")
        lines.replace("45.5", "91.5");
    else if (damage == "no number")
        lines.replace("45.5", "4x5");
    else if (damage == "empty")
        lines.clear();
    const std::optional<std::vector<City>> read = citylist::read(lines);
    QCOMPARE(read ? int(read->size()) : -1, cities);
    if (!read || int(read->size()) != int(written.size()))
        return;
    for (std::size_t i = 0; i < written.size(); ++i) {
        QCOMPARE(read->at(i).label(), QString(written[i].label()).replace('\t', ' ').replace('\n', ' '));
        QCOMPARE(read->at(i).zone, written[i].zone);
        QCOMPARE(read->at(i).latitude, written[i].latitude);
        QCOMPARE(read->at(i).longitude, written[i].longitude);
        QCOMPARE(read->at(i).keys, written[i].keys);
    }
}

// A damaged database file makes the library abort the process that loads it: the child, never this one. The
// search then has the zone tables' cities.
void TestCitySearch::testDamagedDatabase_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("cities"); // the database's, the zone tables', or either as the library copes
    QTest::newRow("intact") << "intact"
                            << "database";
    QTest::newRow("cut to a sixth") << "truncated"
                                    << "tables";
    QTest::newRow("empty") << "empty"
                           << "tables";
    QTest::newRow("random bytes") << "random"
                                  << "tables";
    QTest::newRow("bytes flipped all through") << "flipped"
                                               << "either";
}

void TestCitySearch::testDamagedDatabase()
{
    if (!places::databaseBuiltIn() || !places::haveLocationsDatabase())
        QSKIP("built or run without the world-locations database");
    QFETCH(QString, damage);
    QFETCH(QString, cities);
    const QString installed = QStringLiteral("/usr/lib/x86_64-linux-gnu/libgweather-4/Locations.bin");
    QFile original(qEnvironmentVariable("LIBGWEATHER_LOCATIONS_PATH", installed));
    if (!original.open(QIODevice::ReadOnly))
        QSKIP("no locations file to damage");
    QByteArray bytes = original.readAll();
    QRandomGenerator random(31);
    if (damage == "truncated") {
        bytes.truncate(bytes.size() / 6);
    } else if (damage == "empty") {
        bytes.clear();
    } else if (damage == "random") {
        for (char& c : bytes)
            c = char(random.bounded(256));
    } else if (damage == "flipped") {
        for (qsizetype i = 64; i < bytes.size(); i += 997)
            bytes[i] = char(bytes[i] ^ (1 << random.bounded(8)));
    }
    QTemporaryDir folder;
    const QString damaged = folder.filePath("Locations.bin");
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    const QByteArray before = qgetenv("LIBGWEATHER_LOCATIONS_PATH");
    qputenv("LIBGWEATHER_LOCATIONS_PATH", QFile::encodeName(damaged));
    if (cities == "tables")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("world-locations database could not be read"));
    else if (cities == "database")
        QTest::failOnWarning(QRegularExpression("world-locations database"));
    const std::vector<City> found = places::availableCities(prefs::systemZoneTables());
    // The same read here, as before, but for the few off the globe.
    const std::vector<City> all = cities == "database" ? places::databaseCities() : std::vector<City>();
    if (before.isNull())
        qunsetenv("LIBGWEATHER_LOCATIONS_PATH");
    else
        qputenv("LIBGWEATHER_LOCATIONS_PATH", before);
    const std::size_t tables = places::zoneTableCities(prefs::systemZoneTables()).size();
    QVERIFY(!found.empty());
    if (cities == "tables")
        QCOMPARE(found.size(), tables);
    else if (cities == "database")
        QCOMPARE(found.size(), std::size_t(std::count_if(all.begin(), all.end(), [](const City& c) {
                     return qAbs(c.latitude) <= 90 && qAbs(c.longitude) <= 180;
                 })));
}

// A child that prints no list, or never ends, gives no cities; one told to stop is killed at once. Each call runs
// with a time limit, as a hang here would freeze the search.
void TestCitySearch::testChildThatIsNoList_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("stopped");
    QTest::newRow("says something else") << QByteArray("echo hello") << false;
    QTest::newRow("ends with an error after a good start")
        << QByteArray("printf 'Oslo\\t\\tNorway\\tEurope/Oslo\\t59.9\\t10.7\\n'; exit 3") << false;
    QTest::newRow("killed by a signal") << QByteArray("kill -ABRT $$") << false;
    QTest::newRow("never ends, stopped") << QByteArray("exec sleep 60") << true;
    QTest::newRow("keeps its output open, stopped") << QByteArray("echo 'end\t0'; exec sleep 60") << true;
}

void TestCitySearch::testChildThatIsNoList()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, stopped);
    QTemporaryDir folder;
    const QString program = folder.filePath("child");
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + script + "\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    std::atomic<bool> stop{false};
    auto listing = std::async(std::launch::async,
                              [&program, &stop] { return citylist::fromChild(QFile::encodeName(program), &stop); });
    if (stopped) {
        QTest::qWait(200);
        stop = true;
    }
    QVERIFY2(listing.wait_for(std::chrono::seconds(5)) == std::future_status::ready, "the child was not ended");
    QVERIFY(!listing.get());
}

QTEST_GUILESS_MAIN(TestCitySearch)
#include "TestCitySearch.moc"
