// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/ConvertError.h"
#include "runtime/DateValue.h"
#include "support/DateShown.h"
#include <QtTest>
#include <limits>

namespace {

TDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return rt::combine(rt::encodeDate(year, month, day), rt::encodeTime(hour, minute, second, 0));
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

} // namespace

class TestDateValue : public QObject
{
    Q_OBJECT

private slots:
    void testEncodeDate_data();
    void testEncodeDate();
    void testEncodeDateRefusesDaysThatDoNotExist_data();
    void testEncodeDateRefusesDaysThatDoNotExist();
    void testTimeOfDay_data();
    void testTimeOfDay();
    void testEncodeTimeRefusesBadTimes_data();
    void testEncodeTimeRefusesBadTimes();
    void testDayOfWeek_data();
    void testDayOfWeek();
    void testIncMonth_data();
    void testIncMonth();
    void testIncMonthOutOfRangeThrows();
    void testQDateTimeConversions_data();
    void testQDateTimeConversions();
    void testNotANumberNeverCrashes_data();
    void testNotANumberNeverCrashes();
};

void TestDateValue::testEncodeDate_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<double>("serial");

    QTest::newRow("30 Dec 1899 is day 0") << 1899 << 12 << 30 << 0.0;
    QTest::newRow("31 Dec 1899") << 1899 << 12 << 31 << 1.0;
    QTest::newRow("29 Dec 1899 is negative") << 1899 << 12 << 29 << -1.0;
    QTest::newRow("1 Jan 1900") << 1900 << 1 << 1 << 2.0;
    QTest::newRow("1 Jan 2000") << 2000 << 1 << 1 << 36526.0;
    QTest::newRow("3 Oct 2001") << 2001 << 10 << 3 << 37167.0;
    QTest::newRow("29 Feb 2024") << 2024 << 2 << 29 << 45351.0;
    QTest::newRow("5 Mar 2024") << 2024 << 3 << 5 << 45356.0;
    QTest::newRow("1 Jan 1601") << 1601 << 1 << 1 << -109205.0;
    QTest::newRow("1 Jan 0001") << 1 << 1 << 1 << -693593.0;
    QTest::newRow("31 Dec 9999") << 9999 << 12 << 31 << 2958465.0;
}

void TestDateValue::testEncodeDate()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(double, serial);

    QCOMPARE(rt::encodeDate(year, month, day), serial);
    int y = 0, m = 0, d = 0;
    rt::decodeDate(serial, y, m, d);
    QCOMPARE(y, year);
    QCOMPARE(m, month);
    QCOMPARE(d, day);
    QCOMPARE(rt::yearOf(serial), year);
    QCOMPARE(rt::monthOf(serial), month);
    QCOMPARE(rt::dayOf(serial), day);
    QCOMPARE(rt::toQDate(serial), QDate(year, month, day));
    QCOMPARE(rt::fromQDate(QDate(year, month, day)), serial);
}

void TestDateValue::testEncodeDateRefusesDaysThatDoNotExist_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");

    QTest::newRow("29 Feb 2023") << 2023 << 2 << 29;
    QTest::newRow("29 Feb 1900") << 1900 << 2 << 29;
    QTest::newRow("31 Apr 2024") << 2024 << 4 << 31;
    QTest::newRow("month 13") << 2024 << 13 << 1;
    QTest::newRow("month 0") << 2024 << 0 << 1;
    QTest::newRow("day 0") << 2024 << 1 << 0;
    QTest::newRow("year 0") << 0 << 1 << 1;
    QTest::newRow("year 10000") << 10000 << 1 << 1;
    QTest::newRow("year -1") << -1 << 1 << 1;
}

void TestDateValue::testEncodeDateRefusesDaysThatDoNotExist()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);

    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::encodeDate(year, month, day));
}

void TestDateValue::testTimeOfDay_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<double>("dateOf");
    QTest::addColumn<double>("timeOf");

    QTest::newRow("30 Dec 1899 06:00") << 0.25 << "1899-12-30 06:00:00.000" << 0.0 << 0.25;
    QTest::newRow("29 Dec 1899 06:00 counts forward") << -1.25 << "1899-12-29 06:00:00.000" << -1.0 << 0.25;
    QTest::newRow("29 Dec 1899 18:00") << -1.75 << "1899-12-29 18:00:00.000" << -1.0 << 0.75;
    QTest::newRow("2 Jan 1900 12:00") << 3.5 << "1900-01-02 12:00:00.000" << 3.0 << 0.5;
    QTest::newRow("31 Dec 9999 18:00") << 2958465.75 << "9999-12-31 18:00:00.000" << 2958465.0 << 0.75;
    QTest::newRow("1 Jan 1601 12:00") << -109205.5 << "1601-01-01 12:00:00.000" << -109205.0 << 0.5;
}

void TestDateValue::testTimeOfDay()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QFETCH(double, dateOf);
    QFETCH(double, timeOf);

    QCOMPARE(shown(value), expected);
    QCOMPARE(rt::dateOf(value), dateOf);
    QCOMPARE(rt::timeOf(value), timeOf);
    QCOMPARE(rt::combine(dateOf, timeOf), value);
}

void TestDateValue::testEncodeTimeRefusesBadTimes_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("msec");

    QTest::newRow("24:00") << 24 << 0 << 0 << 0;
    QTest::newRow("12:60") << 12 << 60 << 0 << 0;
    QTest::newRow("12:00:60") << 12 << 0 << 60 << 0;
    QTest::newRow("1000 ms") << 12 << 0 << 0 << 1000;
    QTest::newRow("hour -1") << -1 << 0 << 0 << 0;
}

void TestDateValue::testEncodeTimeRefusesBadTimes()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    QFETCH(int, msec);

    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::encodeTime(hour, minute, second, msec));
}

void TestDateValue::testDayOfWeek_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("dayOfWeek");

    QTest::newRow("Sun 3 Mar 2024") << rt::encodeDate(2024, 3, 3) << 1;
    QTest::newRow("Tue 5 Mar 2024") << rt::encodeDate(2024, 3, 5) << 3;
    QTest::newRow("Wed 3 Oct 2001 13:02") << at(2001, 10, 3, 13, 2) << 4;
    QTest::newRow("Sat 1 Jan 2000") << rt::encodeDate(2000, 1, 1) << 7;
    QTest::newRow("Sat 30 Dec 1899") << 0.0 << 7;
    QTest::newRow("Fri 29 Dec 1899 06:00") << -1.25 << 6;
    QTest::newRow("Mon 1 Jan 1601") << rt::encodeDate(1601, 1, 1) << 2;
    QTest::newRow("Fri 31 Dec 9999") << rt::encodeDate(9999, 12, 31) << 6;
}

void TestDateValue::testDayOfWeek()
{
    QFETCH(double, value);
    QFETCH(int, dayOfWeek);

    QCOMPARE(rt::dayOfWeek(value), dayOfWeek);
}

void TestDateValue::testIncMonth_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("expected");

    QTest::newRow("15 Mar 2024 +1") << rt::encodeDate(2024, 3, 15) << 1 << "2024-04-15 00:00:00.000";
    QTest::newRow("31 Jan 2024 +1 to leap February") << rt::encodeDate(2024, 1, 31) << 1 << "2024-02-29 00:00:00.000";
    QTest::newRow("31 Jan 2023 +1 to short February") << rt::encodeDate(2023, 1, 31) << 1 << "2023-02-28 00:00:00.000";
    QTest::newRow("31 Mar 2024 -1") << rt::encodeDate(2024, 3, 31) << -1 << "2024-02-29 00:00:00.000";
    QTest::newRow("31 May 2024 +1 to 30 Jun") << rt::encodeDate(2024, 5, 31) << 1 << "2024-06-30 00:00:00.000";
    QTest::newRow("15 Jan 2024 -1 back a year") << rt::encodeDate(2024, 1, 15) << -1 << "2023-12-15 00:00:00.000";
    QTest::newRow("15 Jan 2024 -13") << rt::encodeDate(2024, 1, 15) << -13 << "2022-12-15 00:00:00.000";
    QTest::newRow("15 Jan 2024 -24") << rt::encodeDate(2024, 1, 15) << -24 << "2022-01-15 00:00:00.000";
    QTest::newRow("15 Dec 2024 +1 into next year") << rt::encodeDate(2024, 12, 15) << 1 << "2025-01-15 00:00:00.000";
    QTest::newRow("29 Feb 2024 +12") << rt::encodeDate(2024, 2, 29) << 12 << "2025-02-28 00:00:00.000";
    QTest::newRow("29 Feb 2024 -48") << rt::encodeDate(2024, 2, 29) << -48 << "2020-02-29 00:00:00.000";
    QTest::newRow("zero steps") << rt::encodeDate(2024, 3, 5) << 0 << "2024-03-05 00:00:00.000";
    QTest::newRow("keeps 18:30") << at(2024, 1, 31, 18, 30) << 1 << "2024-02-29 18:30:00.000";
    QTest::newRow("keeps 06:00 before 1900") << -1.25 << 1 << "1900-01-29 06:00:00.000";
    QTest::newRow("keeps 06:00 stepping below 1900") << 2.25 << -1 << "1899-12-01 06:00:00.000";
    QTest::newRow("1 Feb 1601 -1") << rt::encodeDate(1601, 2, 1) << -1 << "1601-01-01 00:00:00.000";
    QTest::newRow("30 Nov 9999 +1") << rt::encodeDate(9999, 11, 30) << 1 << "9999-12-30 00:00:00.000";
}

void TestDateValue::testIncMonth()
{
    QFETCH(double, value);
    QFETCH(int, months);
    QFETCH(QString, expected);

    QCOMPARE(shown(rt::incMonth(value, months)), expected);
}

void TestDateValue::testIncMonthOutOfRangeThrows()
{
    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::incMonth(rt::encodeDate(9999, 12, 1), 1));
    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::incMonth(rt::encodeDate(1, 1, 1), -1));
    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::incMonth(rt::encodeDate(2024, 1, 1), std::numeric_limits<int>::max()));
    QVERIFY_THROWS_EXCEPTION(ConvertError, rt::incMonth(rt::encodeDate(2024, 1, 1), std::numeric_limits<int>::min()));
}

void TestDateValue::testQDateTimeConversions_data()
{
    QTest::addColumn<QDateTime>("dateTime");
    QTest::addColumn<double>("value");

    QTest::newRow("29 Dec 1899 06:00") << QDateTime(QDate(1899, 12, 29), QTime(6, 0)) << -1.25;
    QTest::newRow("30 Dec 1899 midnight") << QDateTime(QDate(1899, 12, 30), QTime(0, 0)) << 0.0;
    QTest::newRow("1 Jan 1900 12:00") << QDateTime(QDate(1900, 1, 1), QTime(12, 0)) << 2.5;
    QTest::newRow("5 Mar 2024 18:00") << QDateTime(QDate(2024, 3, 5), QTime(18, 0)) << 45356.75;
}

void TestDateValue::testQDateTimeConversions()
{
    QFETCH(QDateTime, dateTime);
    QFETCH(double, value);

    QCOMPARE(rt::fromQDateTime(dateTime), value);
    QCOMPARE(rt::toQDateTime(value), dateTime);
}

void TestDateValue::testNotANumberNeverCrashes_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("NaN") << NaN;
    QTest::newRow("+inf") << Inf;
    QTest::newRow("-inf") << -Inf;
    QTest::newRow("1e300") << 1e300;
    QTest::newRow("-1e300") << -1e300;
}

void TestDateValue::testNotANumberNeverCrashes()
{
    QFETCH(double, value);

    int year = 0, month = 0, day = 0, hour = -1, minute = -1, second = -1, msec = -1;
    rt::decodeDate(value, year, month, day);
    rt::decodeTime(value, hour, minute, second, msec);
    QVERIFY(year >= 1 && year <= 9999);
    QVERIFY(month >= 1 && month <= 12);
    QVERIFY(day >= 1 && day <= 31);
    QVERIFY(hour >= 0 && hour <= 23);
    QVERIFY(minute >= 0 && minute <= 59);
    const int weekday = rt::dayOfWeek(value);
    QVERIFY(weekday >= 1 && weekday <= 7);
    QVERIFY(rt::toQDate(value).isValid());
    const double time = rt::timeOf(value);
    QVERIFY(time >= 0.0 && time < 1.0);
    try {
        const TDateTime stepped = rt::incMonth(value, 1);
        QVERIFY(std::isfinite(stepped));
    } catch (const ConvertError&) {
    }
}

QTEST_GUILESS_MAIN(TestDateValue)
#include "TestDateValue.moc"
