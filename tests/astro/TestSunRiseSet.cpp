// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/SunRiseSet.h"
#include "runtime/ConvertError.h"
#include <QtTest>
#include <climits>
#include <cmath>
#include <limits>

class TestSunRiseSet : public QObject
{
    Q_OBJECT

private slots:
    void testEventTimes_data();
    void testEventTimes();
    void testPolarDayAndNightKeepTexts_data();
    void testPolarDayAndNightKeepTexts();
    void testZeroPositionChangesNothing_data();
    void testZeroPositionChangesNothing();
    void testInputsOverwrittenForNextCall();
    void testBadDateThrowsBeforeAnyChange_data();
    void testBadDateThrowsBeforeAnyChange();
    void testEventText_data();
    void testEventText();
    void testJulianCalendarBefore1583();
    void testWildInputsDoNotCrash_data();
    void testWildInputsDoNotCrash();
};

namespace {
// The messages as the program compares them.
QStringList english(const QList<Wording>& messages)
{
    QStringList texts;
    for (const Wording& message : messages)
        texts.append(message.english());
    return texts;
}
} // namespace

void TestSunRiseSet::testEventTimes_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("military");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");

    QTest::newRow("21 Jun 2024, 40N 75W, -5h") << "06/21/2024" << 40.0 << -75.0 << -5.0 << 0 << "4:32A"
                                               << "7:32P";
    QTest::newRow("21 Jun 2024, 40N 75W, -5h, 24-hour") << "06/21/2024" << 40.0 << -75.0 << -5.0 << 1 << "04:32"
                                                        << "19:32";
    QTest::newRow("21 Dec 2024, 40N 75W, -5h") << "12/21/2024" << 40.0 << -75.0 << -5.0 << 0 << "7:19A"
                                               << "4:38P";
    QTest::newRow("21 Jun 2024, 51.5N 0.13W, 0h") << "06/21/2024" << 51.5 << -0.13 << 0.0 << 0 << "3:44A"
                                                  << "8:22P";
    QTest::newRow("21 Jun 2024, 40N 75W, 0h: times in the zone given")
        << "06/21/2024" << 40.0 << -75.0 << 0.0 << 0 << "9:32A"
        << "12:32P";
    QTest::newRow("21 Jun 2024, 40N 75W, 0h, 24-hour: setting past 24")
        << "06/21/2024" << 40.0 << -75.0 << 0.0 << 1 << "09:32"
        << "24:32";
    QTest::newRow("any flag other than 1 is 12-hour") << "06/21/2024" << 40.0 << -75.0 << -5.0 << 2 << "4:32A"
                                                      << "7:32P";
}

void TestSunRiseSet::testEventTimes()
{
    QFETCH(QString, date);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    QFETCH(int, military);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);

    SunState rising;
    rising.SunLatitude = latitude;
    rising.SunLongitude = longitude;
    rising.SunZoneOffset = offset;
    rising.SunEventKind = 1;
    QCOMPARE(english(SunRiseSet(rising, date, military, FormatSettings())), QStringList());
    QCOMPARE(rising.SunriseText, sunrise);

    SunState setting;
    setting.SunLatitude = latitude;
    setting.SunLongitude = longitude;
    setting.SunZoneOffset = offset;
    setting.SunEventKind = 2;
    QCOMPARE(english(SunRiseSet(setting, date, military, FormatSettings())), QStringList());
    QCOMPARE(setting.SunsetText, sunset);
}

void TestSunRiseSet::testPolarDayAndNightKeepTexts_data()
{
    QTest::addColumn<QString>("date");
    QTest::newRow("21 Jun 2024 at 70N 25E: Sun up all day") << "06/21/2024";
    QTest::newRow("21 Dec 2024 at 70N 25E: Sun down all day") << "12/21/2024";
}

void TestSunRiseSet::testPolarDayAndNightKeepTexts()
{
    QFETCH(QString, date);
    SunState state;
    state.SunLatitude = 70;
    state.SunLongitude = 25;
    state.SunZoneOffset = 2;
    state.SunEventKind = 1;
    state.SunriseText = "6:01A";
    state.SunsetText = "6:02P";
    QCOMPARE(english(SunRiseSet(state, date, 0, FormatSettings())), QStringList{"Sun up or down all day"});
    QCOMPARE(state.SunriseText, QString("6:01A"));
    QCOMPARE(state.SunsetText, QString("6:02P"));
    QCOMPARE(state.SunEventKind, 1);
}

void TestSunRiseSet::testZeroPositionChangesNothing_data()
{
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::newRow("on the equator") << 0.0 << -75.0;
    QTest::newRow("on the prime meridian") << 51.5 << 0.0;
    QTest::newRow("negative zero latitude") << -0.0 << -75.0;
}

void TestSunRiseSet::testZeroPositionChangesNothing()
{
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    SunState state;
    state.SunLatitude = latitude;
    state.SunLongitude = longitude;
    state.SunZoneOffset = -5;
    state.SunEventKind = 2;
    state.SunriseText = "5:00A";
    state.SunsetText = "7:00P";
    // Nothing is read, not even the date.
    QCOMPARE(english(SunRiseSet(state, "not a date", 0, FormatSettings())), QStringList());
    QCOMPARE(state.SunLongitude, longitude);
    QCOMPARE(state.SunZoneOffset, -5.0);
    QCOMPARE(state.SunEventKind, 2);
    QCOMPARE(state.SunriseText, QString("5:00A"));
    QCOMPARE(state.SunsetText, QString("7:00P"));
}

void TestSunRiseSet::testInputsOverwrittenForNextCall()
{
    SunState state;
    state.SunLatitude = 40;
    state.SunLongitude = -75;
    state.SunZoneOffset = -5;
    state.SunEventKind = 1;
    SunRiseSet(state, "06/21/2024", 0, FormatSettings());
    QCOMPARE(state.SunLatitude, 40.0);
    QCOMPARE(state.SunLongitude, -75.0 / 360);
    QCOMPARE(state.SunZoneOffset, -7.0); // -12 - (-5): the scan starts at local noon of the day before
    QCOMPARE(state.SunEventKind, 1);     // the rising is the last event of a scan that starts at noon

    // Called again without storing the inputs afresh, the leftovers give another answer.
    SunRiseSet(state, "06/21/2024", 0, FormatSettings());
    QVERIFY(state.SunriseText != QString("4:32A"));
}

void TestSunRiseSet::testBadDateThrowsBeforeAnyChange_data()
{
    QTest::addColumn<QString>("date");
    QTest::newRow("letters in the month") << "ab/21/2024";
    QTest::newRow("letters in the day") << "06/xx/2024";
    QTest::newRow("letters in the year") << "06/21/20x4";
    QTest::newRow("too short for a year") << "06/21/";
    QTest::newRow("empty") << "";
}

void TestSunRiseSet::testBadDateThrowsBeforeAnyChange()
{
    QFETCH(QString, date);
    SunState state;
    state.SunLatitude = 40;
    state.SunLongitude = -75;
    state.SunZoneOffset = -5;
    state.SunEventKind = 2;
    state.SunriseText = "5:00A";
    QVERIFY_THROWS_EXCEPTION(ConvertError, SunRiseSet(state, date, 0, FormatSettings()));
    QCOMPARE(state.SunLongitude, -75.0);
    QCOMPARE(state.SunZoneOffset, -5.0);
    QCOMPARE(state.SunEventKind, 2);
    QCOMPARE(state.SunriseText, QString("5:00A"));
    QCOMPARE(state.SunsetText, QString());
}

void TestSunRiseSet::testEventText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("military");
    QTest::addColumn<int>("hh");
    QTest::addColumn<int>("mm");
    QTest::addColumn<QString>("text");

    QTest::newRow("rising 17:31 into the scan") << 1 << 0 << 17 << 31 << "5:31A";
    QTest::newRow("rising 17:31 into the scan, 24-hour") << 1 << 1 << 17 << 31 << "05:31";
    QTest::newRow("setting 7:32 into the scan") << 2 << 0 << 7 << 32 << "7:32P";
    QTest::newRow("setting 7:32 into the scan, 24-hour") << 2 << 1 << 7 << 32 << "19:32";
    QTest::newRow("rising at a quarter past midnight") << 1 << 0 << 12 << 15 << "0:15A";
    QTest::newRow("rising at a quarter past midnight, 24-hour") << 1 << 1 << 12 << 15 << "00:15";
    QTest::newRow("rising before midnight") << 1 << 0 << 11 << 15 << "-1:15A";
    QTest::newRow("rising before midnight, 24-hour") << 1 << 1 << 11 << 15 << "-01:15";
    QTest::newRow("setting twelve hours in") << 2 << 0 << 12 << 5 << "12:05P";
    QTest::newRow("setting twelve hours in, 24-hour") << 2 << 1 << 12 << 5 << "24:05";
    QTest::newRow("setting at the scan start, 24-hour") << 2 << 1 << 0 << 0 << "12:00";
    QTest::newRow("no kind") << 0 << 0 << 7 << 32 << "";
    QTest::newRow("largest hour, 24-hour") << 2 << 1 << INT_MAX << 59 << "2147483659:59";
    QTest::newRow("smallest hour") << 1 << 0 << INT_MIN << -59 << "-2147483660:-59A";
}

void TestSunRiseSet::testEventText()
{
    QFETCH(int, kind);
    QFETCH(int, military);
    QFETCH(int, hh);
    QFETCH(int, mm);
    QFETCH(QString, text);
    QCOMPARE(sunEventText(kind, military, hh, mm), text);
}

void TestSunRiseSet::testJulianCalendarBefore1583()
{
    // 11 June 1582 of the old calendar is 21 June 1582 of the new one: the Sun stands as on 21 June 1583.
    SunState julian;
    julian.SunLatitude = 40;
    julian.SunLongitude = -75;
    julian.SunZoneOffset = -5;
    julian.SunEventKind = 1;
    QCOMPARE(english(SunRiseSet(julian, "06/11/1582", 0, FormatSettings())), QStringList());

    SunState gregorian;
    gregorian.SunLatitude = 40;
    gregorian.SunLongitude = -75;
    gregorian.SunZoneOffset = -5;
    gregorian.SunEventKind = 1;
    QCOMPARE(english(SunRiseSet(gregorian, "06/21/1583", 0, FormatSettings())), QStringList());

    QCOMPARE(julian.SunriseText, gregorian.SunriseText);
    QCOMPARE(julian.SunsetText, gregorian.SunsetText);
}

void TestSunRiseSet::testWildInputsDoNotCrash_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("offset");

    QTest::newRow("NaN latitude") << "06/21/2024" << nan << -75.0 << -5.0;
    QTest::newRow("NaN longitude") << "06/21/2024" << 40.0 << nan << -5.0;
    QTest::newRow("NaN offset") << "06/21/2024" << 40.0 << -75.0 << nan;
    QTest::newRow("infinite latitude") << "06/21/2024" << inf << -75.0 << -5.0;
    QTest::newRow("infinite longitude") << "06/21/2024" << 40.0 << -inf << -5.0;
    QTest::newRow("infinite offset") << "06/21/2024" << 40.0 << -75.0 << inf;
    QTest::newRow("latitude 1e300") << "06/21/2024" << 1e300 << -75.0 << -5.0;
    QTest::newRow("latitude 90") << "06/21/2024" << 90.0 << -75.0 << -5.0;
    QTest::newRow("latitude -90") << "06/21/2024" << -90.0 << -75.0 << -5.0;
    QTest::newRow("offset 1e300") << "06/21/2024" << 40.0 << -75.0 << 1e300;
    QTest::newRow("offset -1e300") << "06/21/2024" << 40.0 << -75.0 << -1e300;
    QTest::newRow("year 1") << "06/21/0001" << 40.0 << -75.0 << -5.0;
    QTest::newRow("year 9999") << "12/31/9999" << 40.0 << -75.0 << -5.0;
    QTest::newRow("year 0") << "01/01/0000" << 40.0 << -75.0 << -5.0;
    QTest::newRow("year with exponent") << "06/21/1e99" << 40.0 << -75.0 << -5.0;
    QTest::newRow("month 99, day 99") << "99/99/2024" << 40.0 << -75.0 << -5.0;
    QTest::newRow("negative fields") << "-1/-1/-999" << 40.0 << -75.0 << -5.0;
    QTest::newRow("fractional day") << "06/.5/2024" << 40.0 << -75.0 << -5.0;
}

void TestSunRiseSet::testWildInputsDoNotCrash()
{
    QFETCH(QString, date);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(double, offset);
    for (int military : {0, 1}) {
        for (int kind : {1, 2}) {
            SunState state;
            state.SunLatitude = latitude;
            state.SunLongitude = longitude;
            state.SunZoneOffset = offset;
            state.SunEventKind = kind;
            const QList<Wording> messages = SunRiseSet(state, date, military, FormatSettings());
            QVERIFY(messages.size() <= 2);
            QVERIFY(state.SunriseText.size() < 20);
            QVERIFY(state.SunsetText.size() < 20);
        }
    }
}

QTEST_GUILESS_MAIN(TestSunRiseSet)
#include "TestSunRiseSet.moc"
