// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/PlaceCheck.h"
#include "prefs/MachineDefault.h"
#include <QtTest>

// What the dialog may save of the position fields, the distance to a zone's city and the offset's check.
class TestPlaceCheck : public QObject
{
    Q_OBJECT
private slots:
    void testSave_data();
    void testSave();
    void testDistance_data();
    void testDistance();
    void testOffsetFarFromTheSun_data();
    void testOffsetFarFromTheSun();
    void testZoneCity();
};

void TestPlaceCheck::testSave_data()
{
    QTest::addColumn<QStringList>("fields"); // latitude, longitude as typed
    QTest::addColumn<QStringList>("file");   // latitude, longitude as read
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QStringList>("lines"); // latitude, longitude as saved

    const QStringList austin{"N°30.15", "W°97.45"};
    QTest::newRow("untouched file lines") << austin << austin << true << austin;
    QTest::newRow("a file's 13.40 untouched stays as it is")
        << QStringList{"N°52.52", "13.40"} << QStringList{"N°52.52", "13.40"} << true
        << QStringList{"N°52.52", "13.40"};
    QTest::newRow("13.40 typed means east")
        << QStringList{"N°30.15", "13.40"} << austin << true << QStringList{"N°30.15", "E°13.40"};
    QTest::newRow("Berlin's pasted halves")
        << QStringList{"52.5200", "13.4050"} << austin << true << QStringList{"N°52.52", "E°13.41"};
    QTest::newRow("both emptied: no position") << QStringList{"", ""} << austin << true << QStringList{"", ""};
    QTest::newRow("only the latitude emptied")
        << QStringList{"", "W°97.45"} << austin << false << QStringList{"", "W°97.45"};
    QTest::newRow("a typed text that is no position")
        << QStringList{"abc", "W°97.45"} << austin << false << QStringList{"abc", "W°97.45"};
    QTest::newRow("the file's unreadable lines, untouched")
        << QStringList{"a", "b"} << QStringList{"a", "b"} << true << QStringList{"a", "b"};
    QTest::newRow("a file's N52.52, which the report cannot read, reads as meant")
        << QStringList{"N52.52", "E 13.40"} << QStringList{"N52.52", "E 13.40"} << true
        << QStringList{"N°52.52", "E°13.40"};
    QTest::newRow("a file with one line empty saves as before")
        << QStringList{"", "W°97.45"} << QStringList{"", "W°97.45"} << true << QStringList{"", "W°97.45"};
}

void TestPlaceCheck::testSave()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, file);
    QFETCH(bool, allowed);
    QFETCH(QStringList, lines);
    const place::Check check = place::check({fields[0], fields[1], file[0], file[1]}, FormatSettings());
    QCOMPARE(check.saveAllowed, allowed);
    QCOMPARE(check.latitudeLine, lines[0]);
    QCOMPARE(check.longitudeLine, lines[1]);
}

void TestPlaceCheck::testDistance_data()
{
    QTest::addColumn<QList<double>>("points");
    QTest::addColumn<double>("km");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("Berlin to New York") << QList<double>{52.52, 13.405, 40.7128, -74.006} << 6385.0 << 10.0;
    QTest::newRow("Paris to London") << QList<double>{48.8566, 2.3522, 51.5074, -0.1278} << 344.0 << 3.0;
    QTest::newRow("the same place") << QList<double>{52.52, 13.405, 52.52, 13.405} << 0.0 << 0.001;
    QTest::newRow("across the date line") << QList<double>{0.0, 179.5, 0.0, -179.5} << 111.2 << 0.5;
    QTest::newRow("pole to pole") << QList<double>{90.0, 0.0, -90.0, 0.0} << 20015.1 << 1.0;
}

void TestPlaceCheck::testDistance()
{
    QFETCH(QList<double>, points);
    QFETCH(double, km);
    QFETCH(double, tolerance);
    const double d = place::distanceKm(points[0], points[1], points[2], points[3]);
    QVERIFY2(qAbs(d - km) <= tolerance, qPrintable(QString::number(d)));
}

void TestPlaceCheck::testOffsetFarFromTheSun_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<bool>("far");
    QTest::newRow("Berlin at +1") << 13.40 << 1.0 << false;
    QTest::newRow("Berlin at New York's -5") << 13.40 << -5.0 << true;
    QTest::newRow("Paris at +5.5") << 2.35 << 5.5 << true;
    QTest::newRow("Madrid in summer, +2") << -3.70 << 2.0 << false;
    QTest::newRow("three hours exactly is not more") << 0.0 << 3.0 << false;
    QTest::newRow("3.02 hours is more") << 0.0 << 3.02 << true;
    QTest::newRow("Kiribati's +14 across the date line") << -157.4 << 14.0 << false;
    QTest::newRow("179 W at +12") << -179.0 << 12.0 << false;
}

void TestPlaceCheck::testOffsetFarFromTheSun()
{
    QFETCH(double, longitude);
    QFETCH(double, offset);
    QFETCH(bool, far);
    QCOMPARE(place::offsetFarFromLongitude(longitude, offset), far);
}

void TestPlaceCheck::testZoneCity()
{
    const std::optional<place::ZoneCity> berlin =
        place::zoneCityFrom("America/New_York", 52.52, 13.405, prefs::systemZoneTables());
    if (!berlin)
        QSKIP("no time-zone tables on this machine");
    QCOMPARE(berlin->name, QString("New York"));
    QVERIFY(qAbs(berlin->distanceKm - 6385) < 15);
    QVERIFY(!place::zoneCityFrom("Mars/Olympus", 0, 0, prefs::systemZoneTables()));
}

QTEST_GUILESS_MAIN(TestPlaceCheck)
#include "TestPlaceCheck.moc"
