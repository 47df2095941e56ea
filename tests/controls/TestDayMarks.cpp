#include "controls/TMonthCalendar.h"
#include "support/DayCell.h"
#include <QTableView>
#include <QTest>

// The marks drawn on a calendar's days: each inside its own day's cell, on the month shown only, today's mark kept
// under them, and a calendar without marks (or whose days have none) painted pixel for pixel as before.
namespace {
const TDateTime TenThirty = 10.5 / 24.0;
const QDate Today(2026, 11, 9);

QImage painted(TMonthCalendar& calendar)
{
    calendar.dayView()->viewport()->repaint();
    return calendar.grab().toImage();
}

// The pixels of a day's cell in a grab of the calendar.
QRect cellIn(TMonthCalendar& calendar, const QDate& day)
{
    const QRect cell = dayCell(calendar, calendar.dayView(), day);
    return QRect(calendar.dayView()->viewport()->mapTo(&calendar, cell.topLeft()), cell.size());
}

// Pixels that differ between two grabs, outside a rectangle and inside it.
QPair<int, int> differences(const QImage& a, const QImage& b, const QRect& inside)
{
    int out = 0, in = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++(inside.contains(x, y) ? in : out);
    return {out, in};
}

struct Calendar
{
    Calendar()
    {
        month.setDate(rt::fromQDate(QDate(2026, 11, 1)));
        month.markToday(Today);
        month.show();
    }
    TMonthCalendar month{TenThirty};
};
} // namespace
Q_DECLARE_METATYPE(DayMarks)

class TestDayMarks : public QObject
{
    Q_OBJECT
private slots:
    void testMarksStayInTheirCell_data();
    void testMarksStayInTheirCell();
    void testDescription_data();
    void testDescription();
};

void TestDayMarks::testMarksStayInTheirCell_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<DayMarks>("marks");
    QTest::addColumn<bool>("drawn");
    DayMarks newMoon, fullMoon, season, event, none, all;
    newMoon.newMoon = fullMoon.fullMoon = season.season = event.event = true;
    all.newMoon = all.fullMoon = all.season = all.event = true;
    QTest::newRow("new moon, 20 Nov") << QDate(2026, 11, 20) << newMoon << true;
    QTest::newRow("full moon, 24 Nov") << QDate(2026, 11, 24) << fullMoon << true;
    QTest::newRow("season, the first") << QDate(2026, 11, 1) << season << true;
    QTest::newRow("events, the last day") << QDate(2026, 11, 30) << event << true;
    QTest::newRow("everything on today") << Today << all << true;
    QTest::newRow("a day with none") << QDate(2026, 11, 12) << none << false;
    QTest::newRow("the next month's day in the grey rows") << QDate(2026, 12, 3) << all << false;
    QTest::newRow("the month before's day in the grey rows") << QDate(2026, 10, 31) << all << false;
}

void TestDayMarks::testMarksStayInTheirCell()
{
    QFETCH(QDate, day);
    QFETCH(DayMarks, marks);
    QFETCH(bool, drawn);
    Calendar plain;
    const QImage before = painted(plain.month);
    Calendar marked;
    marked.month.setDayMarks([&](const QDate& d) { return d == day ? marks : DayMarks(); });
    const QImage with = painted(marked.month);
    const QRect cell = cellIn(marked.month, day);
    const auto [outside, inside] = differences(before, with, cell);
    QCOMPARE(outside, 0);
    QCOMPARE(inside > 0, drawn);
    // Switched off again, the calendar is the one that never had marks.
    marked.month.setDayMarks(nullptr);
    QCOMPARE(painted(marked.month), before);
}

void TestDayMarks::testDescription_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("withMarks");
    QTest::addColumn<QString>("said");
    QTest::newRow("full moon") << QDate(2026, 11, 24) << true << "Full moon";
    QTest::newRow("today with an event") << Today << true << "Your events, Today";
    QTest::newRow("a plain day") << QDate(2026, 11, 12) << true << "";
    QTest::newRow("a grey day of December") << QDate(2026, 12, 3) << true << "";
    QTest::newRow("without marks, today is not said") << Today << false << "";
}

void TestDayMarks::testDescription()
{
    QFETCH(QDate, day);
    QFETCH(bool, withMarks);
    QFETCH(QString, said);
    Calendar calendar;
    if (withMarks)
        calendar.month.setDayMarks([](const QDate& d) {
            DayMarks marks;
            marks.fullMoon = d.day() == 24;
            marks.event = d == Today;
            return marks;
        });
    QCOMPARE(calendar.month.dayDescription(day), said);
    if (day.month() == 11) {
        calendar.month.setDate(rt::fromQDate(day));
        QCOMPARE(calendar.month.dayView()->accessibleDescription(), said);
    }
}

QTEST_MAIN(TestDayMarks)
#include "TestDayMarks.moc"
