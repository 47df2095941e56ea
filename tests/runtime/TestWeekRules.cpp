// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/WeekRules.h"
#include <QtTest>

using weeks::Numbering;

Q_DECLARE_METATYPE(weeks::Numbering)

class TestWeekRules : public QObject
{
    Q_OBJECT

private slots:
    void testRowsOfAMonthGrid_data();
    void testRowsOfAMonthGrid();
};

// Two rows of a month's grid from row: the number each stands for.
void TestWeekRules::testRowsOfAMonthGrid_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("first");
    QTest::addColumn<Numbering>("rule");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("next");
    const auto add = [](const char* name, int year, int month, Qt::DayOfWeek first, Numbering rule, int row, int number,
                        int next) {
        QTest::newRow(name) << year << month << int(first) << rule << row << number << next;
    };
    // 1 January 2021 is a Friday, still in the 53rd ISO week of 2020.
    add("2021, Monday, ISO: 53 before 1", 2021, 1, Qt::Monday, Numbering::Iso, 0, 53, 1);
    add("2021, Monday, 1 January: that row is week 1", 2021, 1, Qt::Monday, Numbering::FirstJanuary, 0, 1, 2);
    // 1 January 2023 is a Sunday, in the first column: the grid keeps the week before in its first row.
    add("2023, Sunday, ISO: a row is its Monday's week", 2023, 1, Qt::Sunday, Numbering::Iso, 0, 52, 1);
    add("2023, Sunday, 1 January: 2022's last row is a 53rd", 2023, 1, Qt::Sunday, Numbering::FirstJanuary, 0, 53, 1);
    // 1 January 2026 is a Thursday.
    add("2026, Monday, ISO: December's days in week 1", 2026, 1, Qt::Monday, Numbering::Iso, 0, 1, 2);
    add("2026, Sunday, 1 January: a row from 28 December is 1, not 53", 2026, 1, Qt::Sunday, Numbering::FirstJanuary, 0,
        1, 2);
    // 1 January 2027 is a Friday, after the 53-week ISO year 2026.
    add("2027, Saturday, ISO: named by its Monday, two days in", 2027, 1, Qt::Saturday, Numbering::Iso, 0, 53, 1);
    add("2027, Saturday, 1 January", 2027, 1, Qt::Saturday, Numbering::FirstJanuary, 0, 1, 2);
    // The leap year 2024 starts on a Monday.
    add("2024, Monday, ISO: the first row is the week before", 2024, 1, Qt::Monday, Numbering::Iso, 0, 52, 1);
    add("March 2024, Saturday, past 29 February", 2024, 3, Qt::Saturday, Numbering::FirstJanuary, 0, 9, 10);
    add("December 2024, Sunday: the last row is 2025's week 1", 2024, 12, Qt::Sunday, Numbering::FirstJanuary, 4, 52,
        1);
    add("December 2020, Monday, ISO: the leap year's 53rd", 2020, 12, Qt::Monday, Numbering::Iso, 4, 53, 1);
}

void TestWeekRules::testRowsOfAMonthGrid()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, first);
    QFETCH(Numbering, rule);
    QFETCH(int, row);
    QFETCH(int, number);
    QFETCH(int, next);
    const auto day = Qt::DayOfWeek(first);
    const QDate start = weeks::gridRowStart(year, month, row, day);
    QCOMPARE(weeks::rowNumber(start, rule, day), number);
    QCOMPARE(weeks::rowNumber(weeks::gridRowStart(year, month, row + 1, day), rule, day), next);
    // Every day of a row, December's and January's alike, lies in the week it stands for.
    if (rule == Numbering::FirstJanuary)
        for (int d = 0; d < 7; ++d)
            QCOMPARE(weeks::weekNumber(start.addDays(d), rule, day), number);
}

QTEST_GUILESS_MAIN(TestWeekRules)
#include "TestWeekRules.moc"
