#include "runtime/WeekRules.h"
#include <QtTest>

using weeks::FirstDay;
using weeks::Numbering;

Q_DECLARE_METATYPE(Qt::DayOfWeek)
Q_DECLARE_METATYPE(weeks::Numbering)
Q_DECLARE_METATYPE(weeks::FirstDay)

class TestWeekRules : public QObject
{
    Q_OBJECT

private slots:
    void testFirstDayOfEachChoice_data();
    void testFirstDayOfEachChoice();
    void testRowsOfAMonthGrid_data();
    void testRowsOfAMonthGrid();
    void testWeekOfADate_data();
    void testWeekOfADate();
};

void TestWeekRules::testFirstDayOfEachChoice_data()
{
    QTest::addColumn<FirstDay>("choice");
    QTest::addColumn<Qt::DayOfWeek>("locale");
    QTest::addColumn<Qt::DayOfWeek>("first");
    QTest::newRow("the locale's: a German run") << FirstDay::Locale << Qt::Monday << Qt::Monday;
    QTest::newRow("the locale's: an American run") << FirstDay::Locale << Qt::Sunday << Qt::Sunday;
    QTest::newRow("the locale's: a Persian run") << FirstDay::Locale << Qt::Saturday << Qt::Saturday;
    QTest::newRow("Monday over an American run") << FirstDay::Monday << Qt::Sunday << Qt::Monday;
    QTest::newRow("Sunday over a German run") << FirstDay::Sunday << Qt::Monday << Qt::Sunday;
    QTest::newRow("Saturday over a German run") << FirstDay::Saturday << Qt::Monday << Qt::Saturday;
}

void TestWeekRules::testFirstDayOfEachChoice()
{
    QFETCH(FirstDay, choice);
    QFETCH(Qt::DayOfWeek, locale);
    QFETCH(Qt::DayOfWeek, first);
    QCOMPARE(weeks::firstDayOf(choice, locale), first);
}

// Two rows of a month's grid from row: the day the first of them starts on, and the number each stands for.
void TestWeekRules::testRowsOfAMonthGrid_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<Qt::DayOfWeek>("first");
    QTest::addColumn<Numbering>("rule");
    QTest::addColumn<int>("row");
    QTest::addColumn<QDate>("starts");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("next");

    // 1 January 2021 is a Friday: its days still belong to the 53rd ISO week of 2020.
    QTest::newRow("2021, Monday first, ISO: 53 before 1")
        << 2021 << 1 << Qt::Monday << Numbering::Iso << 0 << QDate(2020, 12, 28) << 53 << 1;
    QTest::newRow("2021, Monday first, 1 January: the same row is week 1")
        << 2021 << 1 << Qt::Monday << Numbering::FirstJanuary << 0 << QDate(2020, 12, 28) << 1 << 2;
    // 1 January 2023 is a Sunday, the first column: the grid keeps the week before in its first row.
    QTest::newRow("2023, Sunday first, ISO: a row is its Monday's week, not its Sunday's")
        << 2023 << 1 << Qt::Sunday << Numbering::Iso << 0 << QDate(2022, 12, 25) << 52 << 1;
    QTest::newRow("2023, Sunday first, 1 January: the last row of 2022 is a 53rd")
        << 2023 << 1 << Qt::Sunday << Numbering::FirstJanuary << 0 << QDate(2022, 12, 25) << 53 << 1;
    // 1 January 2026 is a Thursday: the row from 29 December is already week 1 of the new year.
    QTest::newRow("2026, Monday first, ISO: December's days in week 1")
        << 2026 << 1 << Qt::Monday << Numbering::Iso << 0 << QDate(2025, 12, 29) << 1 << 2;
    QTest::newRow("2026, Sunday first, 1 January: a row from 28 December is week 1, not 53")
        << 2026 << 1 << Qt::Sunday << Numbering::FirstJanuary << 0 << QDate(2025, 12, 28) << 1 << 2;
    // 1 January 2027 is a Friday, after the 53-week ISO year 2026.
    QTest::newRow("2027, Saturday first, ISO: named by the Monday, two days in")
        << 2027 << 1 << Qt::Saturday << Numbering::Iso << 0 << QDate(2026, 12, 26) << 53 << 1;
    QTest::newRow("2027, Saturday first, 1 January: the Saturday row holding it")
        << 2027 << 1 << Qt::Saturday << Numbering::FirstJanuary << 0 << QDate(2026, 12, 26) << 1 << 2;
    QTest::newRow("2027, Monday first, 1 January")
        << 2027 << 1 << Qt::Monday << Numbering::FirstJanuary << 0 << QDate(2026, 12, 28) << 1 << 2;
    // The leap year 2024 starts on a Monday.
    QTest::newRow("2024, Monday first, ISO: the first row is the week before")
        << 2024 << 1 << Qt::Monday << Numbering::Iso << 0 << QDate(2023, 12, 25) << 52 << 1;
    QTest::newRow("2024, Sunday first, 1 January: December's last row is 2025's week 1")
        << 2024 << 12 << Qt::Sunday << Numbering::FirstJanuary << 4 << QDate(2024, 12, 22) << 52 << 1;
    QTest::newRow("2020, Monday first, ISO: the leap year's 53rd week")
        << 2020 << 12 << Qt::Monday << Numbering::Iso << 4 << QDate(2020, 12, 28) << 53 << 1;
    QTest::newRow("March 2024, Saturday first, past 29 February")
        << 2024 << 3 << Qt::Saturday << Numbering::FirstJanuary << 0 << QDate(2024, 2, 24) << 9 << 10;
}

void TestWeekRules::testRowsOfAMonthGrid()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(Qt::DayOfWeek, first);
    QFETCH(Numbering, rule);
    QFETCH(int, row);
    QFETCH(QDate, starts);
    QFETCH(int, number);
    QFETCH(int, next);
    const QDate start = weeks::gridRowStart(year, month, row, first);
    QCOMPARE(start, starts);
    QCOMPARE(weeks::rowNumber(start, rule, first), number);
    QCOMPARE(weeks::rowNumber(weeks::gridRowStart(year, month, row + 1, first), rule, first), next);
}

void TestWeekRules::testWeekOfADate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<Qt::DayOfWeek>("first");
    QTest::addColumn<Numbering>("rule");
    QTest::addColumn<int>("number");
    QTest::newRow("ISO ignores the first day") << QDate(2021, 1, 3) << Qt::Sunday << Numbering::Iso << 53;
    QTest::newRow("Sunday 3 January 2021, Monday first")
        << QDate(2021, 1, 3) << Qt::Monday << Numbering::FirstJanuary << 1;
    QTest::newRow("Sunday 3 January 2021 starts week 2 when Sunday is first")
        << QDate(2021, 1, 3) << Qt::Sunday << Numbering::FirstJanuary << 2;
    QTest::newRow("31 December 2024 lies in 2025's week 1")
        << QDate(2024, 12, 31) << Qt::Monday << Numbering::FirstJanuary << 1;
    QTest::newRow("30 December 2023, Saturday first, is 2024's week 1")
        << QDate(2023, 12, 30) << Qt::Saturday << Numbering::FirstJanuary << 1;
    QTest::newRow("29 December 2023, the day before, is 2023's last")
        << QDate(2023, 12, 29) << Qt::Saturday << Numbering::FirstJanuary << 52;
    QTest::newRow("no date") << QDate() << Qt::Monday << Numbering::FirstJanuary << 0;
}

void TestWeekRules::testWeekOfADate()
{
    QFETCH(QDate, date);
    QFETCH(Qt::DayOfWeek, first);
    QFETCH(Numbering, rule);
    QFETCH(int, number);
    QCOMPARE(weeks::weekNumber(date, rule, first), number);
}

QTEST_GUILESS_MAIN(TestWeekRules)
#include "TestWeekRules.moc"
