// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/CalendarArithmetic.h"
#include "runtime/ConvertError.h"
#include "runtime/DateValue.h"
#include "runtime/FormatSettings.h"
#include <QtTest>

namespace {

TDateTime day(int year, int month, int dayOfMonth)
{
    return rt::encodeDate(year, month, dayOfMonth);
}

TDateTime at(int year, int month, int dayOfMonth, int hour, int minute)
{
    return rt::combine(day(year, month, dayOfMonth), rt::encodeTime(hour, minute, 0, 0));
}

QString julianText(const JulianState& state)
{
    return state.JulianYear + "." + QString::asprintf("%.3d", state.JulianDayOfYear);
}

const QString none = QStringLiteral("<no caption>");

// The C locale's settings, the month first.
FormatSettings plain()
{
    return FormatSettings::fromLocale(QLocale::c());
}

} // namespace

class TestCalendarArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void testDayOfYear_data();
    void testDayOfYear();
    void testCenturyYearsOfTheClickedDay_data();
    void testCenturyYearsOfTheClickedDay();
    void testStartUpCaption_data();
    void testStartUpCaption();
    void testSpanCaptions_data();
    void testSpanCaptions();
    void testThirdClickStartsNewSpan();
    void testSpanUnderTheSettingsGiven_data();
    void testSpanUnderTheSettingsGiven();
    void testNothingMovesBeforeFirstActivation_data();
    void testNothingMovesBeforeFirstActivation();
    void testBadDateText_data();
    void testBadDateText();
    void testDayCount_data();
    void testDayCount();
    void testWeekNumber_data();
    void testWeekNumber();
    void testCountMonths_data();
    void testCountMonths();
};

void TestCalendarArithmetic::testDayOfYear_data()
{
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("julian");
    QTest::addColumn<int>("februaryDays");

    QTest::newRow("1 Jan 2024") << "1/1/24"
                                << "24.001" << 29;
    QTest::newRow("1 Jan 2025 as start-up text") << "01/01/25"
                                                 << "25.001" << 28;
    QTest::newRow("31 Dec, year 24") << "12/31/24"
                                     << "24.366" << 29;
    QTest::newRow("31 Dec, year 25") << "12/31/25"
                                     << "25.365" << 28;
    QTest::newRow("31 Dec, year 00") << "12/31/00"
                                     << "00.366" << 29;
    QTest::newRow("1 Mar, year 00") << "3/1/00"
                                    << "00.061" << 29;
    QTest::newRow("1 Mar, year 23") << "3/1/23"
                                    << "23.060" << 28;
    QTest::newRow("29 Feb, year 24") << "2/29/24"
                                     << "24.060" << 29;
    QTest::newRow("5 Mar 2024") << "3/5/24"
                                << "24.065" << 29;
    QTest::newRow("2 May 2000 as start-up text") << "05/02/00"
                                                 << "00.123" << 29;
    QTest::newRow("1 Mar, four-digit year 2100") << "3/1/2100"
                                                 << "2100.061" << 29;
    QTest::newRow("year text cut to four characters") << "1/2/20245"
                                                      << "2024.002" << 29;
}

void TestCalendarArithmetic::testDayOfYear()
{
    QFETCH(QString, dateText);
    QFETCH(QString, julian);
    QFETCH(int, februaryDays);

    JulianState state;
    // The February entry comes from the last call, so start from the other length.
    state.JulianMonthDays[1] = februaryDays == 29 ? 28 : 29;
    const auto caption = CalcJulianDate(state, dateText, day(2024, 3, 5), false, day(2024, 3, 5), plain());

    QVERIFY(!caption);
    QCOMPARE(julianText(state), julian);
    QCOMPARE(state.JulianDateText, dateText);
    QCOMPARE(state.JulianMonthDays[1], februaryDays);
}

void TestCalendarArithmetic::testCenturyYearsOfTheClickedDay_data()
{
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("julian");
    QTest::newRow("31 Dec 1700, a common year") << "12/31/00" << QDate(1700, 12, 31) << "00.365";
    QTest::newRow("1 Mar 1700") << "3/1/00" << QDate(1700, 3, 1) << "00.060";
    QTest::newRow("1 Mar 1800") << "3/1/00" << QDate(1800, 3, 1) << "00.060";
    QTest::newRow("31 Dec 1900") << "12/31/00" << QDate(1900, 12, 31) << "00.365";
    QTest::newRow("1 Mar 2100") << "3/1/00" << QDate(2100, 3, 1) << "00.060";
    QTest::newRow("1 Mar 2000 stays a leap year") << "3/1/00" << QDate(2000, 3, 1) << "00.061";
    QTest::newRow("1 Mar 2024") << "3/1/24" << QDate(2024, 3, 1) << "24.061";
    QTest::newRow("a day not the text's: the text's rule") << "3/1/00" << QDate(1900, 3, 2) << "00.061";
}

void TestCalendarArithmetic::testCenturyYearsOfTheClickedDay()
{
    QFETCH(QString, dateText);
    QFETCH(QDate, date);
    QFETCH(QString, julian);
    JulianState state;
    CalcJulianDate(state, dateText, rt::fromQDate(date), false, day(2024, 3, 5), plain());
    QCOMPARE(julianText(state), julian);
}

void TestCalendarArithmetic::testStartUpCaption_data()
{
    QTest::addColumn<QString>("todayText");
    QTest::addColumn<TDateTime>("now");
    QTest::addColumn<QString>("caption");

    QTest::newRow("2 May 2000, 10:30") << "05/02/00" << at(2000, 5, 2, 10, 30)
                                       << "Dorvane   Today:  (5) May 02, 2000   Julian: 00.123";
    QTest::newRow("5 Mar 2024, 23:59") << "03/05/24" << at(2024, 3, 5, 23, 59)
                                       << "Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.065";
    QTest::newRow("31 Dec 2026, midnight")
        << "12/31/26" << day(2026, 12, 31) << "Dorvane   Today:  (12) Dec 31, 2026   Julian: 26.365";
}

void TestCalendarArithmetic::testStartUpCaption()
{
    QFETCH(QString, todayText);
    QFETCH(TDateTime, now);
    QFETCH(QString, caption);

    JulianState state;
    QVERIFY(!CalcJulianDate(state, todayText, rt::dateOf(now), false, now, plain()));
    QCOMPARE(captionHead(now, state.JulianYear, state.JulianDayOfYear, plain()), caption);
    QVERIFY(state.SpanStartText.isEmpty());
}

void TestCalendarArithmetic::testSpanCaptions_data()
{
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<TDateTime>("firstDate");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<TDateTime>("secondDate");
    QTest::addColumn<TDateTime>("now");
    QTest::addColumn<QString>("pendingCaption");
    QTest::addColumn<QString>("reportCaption");
    QTest::addColumn<QString>("days");

    QTest::newRow("5 then 20 Mar 2024")
        << "3/5/24" << day(2024, 3, 5) << "3/20/24" << day(2024, 3, 20) << at(2024, 3, 5, 9, 0)
        << "Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.065     3.5.2024 > "
        << "Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.080     3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1"
        << "16";
    QTest::newRow("20 then 5 Mar 2024")
        << "3/20/24" << day(2024, 3, 20) << "3/5/24" << day(2024, 3, 5) << at(2024, 3, 5, 9, 0)
        << "Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.080     3.20.2024 > "
        << "Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.065     3.20.2024 > 3.5.2024   Dy = 16  Wk = 3  Mo = 1"
        << "16";
    QTest::newRow("same day twice")
        << "7/4/24" << day(2024, 7, 4) << "7/4/24" << day(2024, 7, 4) << at(2024, 5, 15, 10, 30)
        << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.186     7.4.2024 > "
        << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.186     7.4.2024 > 7.4.2024   Dy = 1  Wk = 1  Mo = 1"
        << "1";
    QTest::newRow("31 Jan to 1 Mar 2024")
        << "1/31/24" << day(2024, 1, 31) << "3/1/24" << day(2024, 3, 1) << at(2024, 5, 15, 10, 30)
        << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.031     1.31.2024 > "
        << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.061     1.31.2024 > 3.1.2024   Dy = 31  Wk = 5  Mo = 2"
        << "31";
    QTest::newRow("31 Dec 2026 to 7 Jan 2027, week 53 meets week 1")
        << "12/31/26" << day(2026, 12, 31) << "1/7/27" << day(2027, 1, 7) << at(2026, 12, 31, 8, 0)
        << "Dorvane   Today:  (12) Dec 31, 2026   Julian: 26.365     12.31.2026 > "
        << "Dorvane   Today:  (12) Dec 31, 2026   Julian: 27.007     12.31.2026 > 1.7.2027   Dy = 8  Wk = 1  Mo = 1"
        << "8";
    QTest::newRow("whole year 2024")
        << "1/1/24" << day(2024, 1, 1) << "12/31/24" << day(2024, 12, 31) << at(2024, 6, 1, 12, 0)
        << "Dorvane   Today:  (6) Jun 01, 2024   Julian: 24.001     1.1.2024 > "
        << "Dorvane   Today:  (6) Jun 01, 2024   Julian: 24.366     1.1.2024 > 12.31.2024   Dy = 366  Wk = 53  Mo = 12"
        << "366";
    // The texts say 99 and 00; the span keeps the days' full years instead of a century apart.
    QTest::newRow("31 Dec 1999 to 1 Jan 2000, clicked in 2026")
        << "12/31/99" << day(1999, 12, 31) << "1/1/00" << day(2000, 1, 1) << at(2026, 5, 2, 10, 30)
        << "Dorvane   Today:  (5) May 02, 2026   Julian: 99.365     12.31.1999 > "
        << "Dorvane   Today:  (5) May 02, 2026   Julian: 00.001     12.31.1999 > 1.1.2000   Dy = 2  Wk = 1  Mo = 1"
        << "2";
    QTest::newRow("5 then 20 Mar 1984, clicked in 2026")
        << "3/5/84" << day(1984, 3, 5) << "3/20/84" << day(1984, 3, 20) << at(2026, 5, 2, 10, 30)
        << "Dorvane   Today:  (5) May 02, 2026   Julian: 84.065     3.5.1984 > "
        << "Dorvane   Today:  (5) May 02, 2026   Julian: 84.080     3.5.1984 > 3.20.1984   Dy = 16  Wk = 3  Mo = 1"
        << "16";
}

void TestCalendarArithmetic::testSpanCaptions()
{
    QFETCH(QString, firstText);
    QFETCH(TDateTime, firstDate);
    QFETCH(QString, secondText);
    QFETCH(TDateTime, secondDate);
    QFETCH(TDateTime, now);
    QFETCH(QString, pendingCaption);
    QFETCH(QString, reportCaption);
    QFETCH(QString, days);

    JulianState state;
    QCOMPARE(CalcJulianDate(state, firstText, firstDate, true, now, plain()).value_or(none), pendingCaption);
    QCOMPARE(state.SpanStartText, firstText);
    QVERIFY(state.SpanEndText.isEmpty());

    QCOMPARE(CalcJulianDate(state, secondText, secondDate, true, now, plain()).value_or(none), reportCaption);
    QCOMPARE(state.SpanDaysText, days);
    QVERIFY(state.SpanStartText.isEmpty());
    QVERIFY(state.SpanEndText.isEmpty());
}

void TestCalendarArithmetic::testThirdClickStartsNewSpan()
{
    JulianState state;
    const TDateTime now = at(2024, 3, 5, 9, 0);
    CalcJulianDate(state, "3/5/24", day(2024, 3, 5), true, now, plain());
    CalcJulianDate(state, "3/20/24", day(2024, 3, 20), true, now, plain());

    QCOMPARE(CalcJulianDate(state, "4/1/24", day(2024, 4, 1), true, now, plain()).value_or(none),
             QString("Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.092     4.1.2024 > "));
    QCOMPARE(
        CalcJulianDate(state, "4/2/24", day(2024, 4, 2), true, now, plain()).value_or(none),
        QString(
            "Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.093     4.1.2024 > 4.2.2024   Dy = 2  Wk = 1  Mo = 1"));
}

void TestCalendarArithmetic::testSpanUnderTheSettingsGiven_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<QString>("reportCaption");
    QTest::addColumn<QString>("nextDayCaption");

    // The texts keep the month first; the separator and the order the span is shown in are the settings'.
    QTest::newRow("German")
        << "de_DE"
        << "3.5.24"
        << "3.20.24"
        << "Dorvane   Today:  (5) Mai 15, 2024   Julian: 24.080     5.3.2024 > 20.3.2024   Dy = 16  Wk = 3  Mo = 1"
        << "Dorvane   Today:  (5) Mai 16, 2024   Julian: 24.080     5.3.2024 > 20.3.2024   Dy = 16  Wk = 3  Mo = 1";
    QTest::newRow("C")
        << "C"
        << "3/5/24"
        << "3/20/24"
        << "Dorvane   Today:  (5) May 15, 2024   Julian: 24.080     3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1"
        << "Dorvane   Today:  (5) May 16, 2024   Julian: 24.080     3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1";
}

void TestCalendarArithmetic::testSpanUnderTheSettingsGiven()
{
    QFETCH(QString, locale);
    QFETCH(QString, firstText);
    QFETCH(QString, secondText);
    QFETCH(QString, reportCaption);
    QFETCH(QString, nextDayCaption);
    const FormatSettings settings = FormatSettings::fromLocale(QLocale(locale));

    JulianState state;
    const TDateTime now = at(2024, 5, 15, 10, 30);
    CalcJulianDate(state, firstText, day(2024, 3, 5), true, now, settings);
    const QString caption = CalcJulianDate(state, secondText, day(2024, 3, 20), true, now, settings).value_or(none);
    QCOMPARE(caption, reportCaption);
    // At midnight only the date named as today moves.
    QCOMPARE(captionMovedToToday(caption, now, at(2024, 5, 16, 0, 0), settings), nextDayCaption);
}

void TestCalendarArithmetic::testNothingMovesBeforeFirstActivation_data()
{
    QTest::addColumn<QString>("spanStartText");

    QTest::newRow("no span pending") << "";
    QTest::newRow("a span start already stored") << "3/5/24";
}

void TestCalendarArithmetic::testNothingMovesBeforeFirstActivation()
{
    QFETCH(QString, spanStartText);

    JulianState state;
    state.SpanStartText = spanStartText;
    state.SpanStartDate = day(2024, 3, 5);
    state.SpanDaysText = "9";

    const auto caption = CalcJulianDate(state, "03/20/24", day(2024, 3, 20), false, day(2024, 3, 20), plain());

    QVERIFY(!caption);
    QCOMPARE(julianText(state), QString("24.080"));
    QCOMPARE(state.SpanStartText, spanStartText);
    QCOMPARE(state.SpanStartDate, day(2024, 3, 5));
    QVERIFY(state.SpanEndText.isEmpty());
    QCOMPARE(state.SpanDaysText, QString("9"));
}

void TestCalendarArithmetic::testBadDateText_data()
{
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("julianYear");
    QTest::addColumn<int>("dayOfYear");

    QTest::newRow("letters for the month") << "x/5/24"
                                           << "24" << 0;
    QTest::newRow("letters for the day, after January and February") << "3/x/24"
                                                                     << "24" << 60;
    QTest::newRow("decimal day") << "3/5.5/24"
                                 << "24" << 60;
    QTest::newRow("letters for the year") << "3/5/yy"
                                          << "yy" << 0;
    QTest::newRow("no year") << "3/5/"
                             << "" << 0;
    QTest::newRow("empty text") << ""
                                << "" << 0;
    QTest::newRow("no slashes") << "20240305"
                                << "2024" << 0;
    QTest::newRow("month 13") << "13/1/24"
                              << "24" << 0;
    QTest::newRow("month 0") << "0/5/24"
                             << "24" << 0;
    QTest::newRow("month -1") << "-1/5/24"
                              << "24" << 0;
    QTest::newRow("30 February") << "2/30/24"
                                 << "24" << 31;
    QTest::newRow("29 February, year 23") << "2/29/23"
                                          << "23" << 31;
    QTest::newRow("day 0") << "1/0/24"
                           << "24" << 0;
    QTest::newRow("31 April") << "4/31/24"
                              << "24" << 91;
}

void TestCalendarArithmetic::testBadDateText()
{
    QFETCH(QString, dateText);
    QFETCH(QString, julianYear);
    QFETCH(int, dayOfYear);

    JulianState state;
    const TDateTime now = at(2024, 3, 5, 9, 0);
    CalcJulianDate(state, "3/5/24", day(2024, 3, 5), true, now, plain());

    QVERIFY_THROWS_EXCEPTION(ConvertError, CalcJulianDate(state, dateText, day(2024, 3, 20), true, now, plain()));

    QCOMPARE(state.JulianDateText, dateText);
    QCOMPARE(state.JulianYear, julianYear);
    QCOMPARE(state.JulianDayOfYear, dayOfYear);
    QCOMPARE(state.SpanStartText, QString("3/5/24"));
    QVERIFY(state.SpanEndText.isEmpty());
    QVERIFY(state.SpanDaysText.isEmpty());

    // The pending span survives the failed call.
    QCOMPARE(
        CalcJulianDate(state, "3/20/24", day(2024, 3, 20), true, now, plain()).value_or(none),
        QString(
            "Dorvane   Today:  (3) Mar 05, 2024   Julian: 24.080     3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1"));
}

void TestCalendarArithmetic::testDayCount_data()
{
    QTest::addColumn<TDateTime>("first");
    QTest::addColumn<TDateTime>("second");
    QTest::addColumn<QString>("days");

    QTest::newRow("same day") << day(2024, 3, 5) << day(2024, 3, 5) << "1";
    QTest::newRow("5 to 20 Mar 2024") << day(2024, 3, 5) << day(2024, 3, 20) << "16";
    QTest::newRow("20 to 5 Mar 2024") << day(2024, 3, 20) << day(2024, 3, 5) << "16";
    QTest::newRow("5 Mar 23:00 to 6 Mar 01:00") << at(2024, 3, 5, 23, 0) << at(2024, 3, 6, 1, 0) << "2";
    QTest::newRow("5 Mar 01:00 to 5 Mar 23:00") << at(2024, 3, 5, 1, 0) << at(2024, 3, 5, 23, 0) << "1";
    QTest::newRow("28 Feb to 1 Mar 2024, leap day between") << day(2024, 2, 28) << day(2024, 3, 1) << "3";
    QTest::newRow("31 Dec 1999 to 1 Jan 2000") << day(1999, 12, 31) << day(2000, 1, 1) << "2";
    QTest::newRow("1 Jan 1900 to 1 Jan 2000") << day(1900, 1, 1) << day(2000, 1, 1) << "36525";
    QTest::newRow("29 Dec 1899 to 2 Jan 1900, across day zero") << day(1899, 12, 29) << day(1900, 1, 2) << "5";
}

void TestCalendarArithmetic::testDayCount()
{
    QFETCH(TDateTime, first);
    QFETCH(TDateTime, second);
    QFETCH(QString, days);

    JulianState state;
    Calc_Day_Hour(state, first, second, plain());
    QCOMPARE(state.SpanDaysText, days);
}

void TestCalendarArithmetic::testWeekNumber_data()
{
    QTest::addColumn<TDateTime>("date");
    QTest::addColumn<int>("weekYear");
    QTest::addColumn<int>("week");

    QTest::newRow("Sat 1 Jan 2022") << day(2022, 1, 1) << 2021 << 52;
    QTest::newRow("Fri 1 Jan 2021") << day(2021, 1, 1) << 2020 << 53;
    QTest::newRow("Sun 1 Jan 2023") << day(2023, 1, 1) << 2023 << 1;
    QTest::newRow("Sun 1 Jan 2023, 23:59") << at(2023, 1, 1, 23, 59) << 2023 << 1;
    QTest::newRow("Sat 31 Dec 2022") << day(2022, 12, 31) << 2022 << 52;
    QTest::newRow("Thu 31 Dec 2026") << day(2026, 12, 31) << 2026 << 53;
    QTest::newRow("Thu 7 Jan 2027") << day(2027, 1, 7) << 2027 << 1;
    QTest::newRow("Tue 5 Mar 2024") << day(2024, 3, 5) << 2024 << 10;
    QTest::newRow("Wed 20 Mar 2024") << day(2024, 3, 20) << 2024 << 12;
    QTest::newRow("Sun 29 Dec 2024") << day(2024, 12, 29) << 2025 << 1;
    QTest::newRow("Sat 4 Jan 2025") << day(2025, 1, 4) << 2025 << 1;
    QTest::newRow("Fri 1 Jan 1700") << day(1700, 1, 1) << 1699 << 53;
    QTest::newRow("Wed 31 Dec 3000") << day(3000, 12, 31) << 3001 << 1;
    QTest::newRow("Mon 1 Jan 0001") << day(1, 1, 1) << 1 << 1;
    QTest::newRow("Sun 7 Jan 0001") << day(1, 1, 7) << 1 << 2;
    QTest::newRow("before year 1, read as 1 Jan 0001") << -1.0e9 << 1 << 1;
    QTest::newRow("Fri 31 Dec 9999") << day(9999, 12, 31) << 9999 << 52;
}

void TestCalendarArithmetic::testWeekNumber()
{
    QFETCH(TDateTime, date);
    QFETCH(int, weekYear);
    QFETCH(int, week);

    QCOMPARE(WeekNumber(date), 52 * weekYear + week);
}

void TestCalendarArithmetic::testCountMonths_data()
{
    QTest::addColumn<TDateTime>("a");
    QTest::addColumn<TDateTime>("b");
    QTest::addColumn<double>("months");

    QTest::newRow("same day") << day(2024, 3, 5) << day(2024, 3, 5) << 1.0;
    QTest::newRow("5 to 20 Mar 2024") << day(2024, 3, 5) << day(2024, 3, 20) << 1.0;
    QTest::newRow("31 Jan to 1 Mar 2024") << day(2024, 1, 31) << day(2024, 3, 1) << 2.0;
    QTest::newRow("1 Mar to 31 Jan 2024") << day(2024, 3, 1) << day(2024, 1, 31) << 2.0;
    QTest::newRow("31 Jan to 29 Feb 2024") << day(2024, 1, 31) << day(2024, 2, 29) << 1.0;
    QTest::newRow("15 Jan to 15 Feb 2024") << day(2024, 1, 15) << day(2024, 2, 15) << 2.0;
    QTest::newRow("15 Jan to 14 Feb 2024") << day(2024, 1, 15) << day(2024, 2, 14) << 1.0;
    QTest::newRow("31 Dec 2026 to 7 Jan 2027") << day(2026, 12, 31) << day(2027, 1, 7) << 1.0;
    QTest::newRow("31 Dec 1999 to 1 Jan 2000") << day(1999, 12, 31) << day(2000, 1, 1) << 1.0;
    QTest::newRow("1 Jan 2024 to 31 Dec 2026") << day(2024, 1, 1) << day(2026, 12, 31) << 36.0;
    QTest::newRow("5 Mar 18:00 to 5 Apr 06:00") << at(2024, 3, 5, 18, 0) << at(2024, 4, 5, 6, 0) << 2.0;
}

void TestCalendarArithmetic::testCountMonths()
{
    QFETCH(TDateTime, a);
    QFETCH(TDateTime, b);
    QFETCH(double, months);

    QCOMPARE(CountMonths(a, b), months);
}

QTEST_GUILESS_MAIN(TestCalendarArithmetic)
#include "TestCalendarArithmetic.moc"
