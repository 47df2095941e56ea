// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TMonthCalendar.h"
#include "support/DayCell.h"
#include <QTest>

// The marks drawn on a calendar's days: each inside its own day's cell, on the month shown only, and a calendar
// without marks (or whose days have none) painted pixel for pixel as before.
namespace {
QImage painted(TMonthCalendar& calendar)
{
    calendar.setDate(rt::fromQDate(QDate(2026, 11, 1)));
    calendar.markToday(QDate(2026, 11, 9));
    calendar.show();
    calendar.dayView()->repaint();
    return calendar.grab().toImage();
}
} // namespace

class TestDayMarks : public QObject
{
    Q_OBJECT
private slots:
    void testMarksStayInTheirCell_data();
    void testMarksStayInTheirCell();
};

void TestDayMarks::testMarksStayInTheirCell_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("kinds"); // new moon, full moon, season, events
    QTest::addColumn<bool>("drawn");
    QTest::newRow("new moon, 20 Nov") << QDate(2026, 11, 20) << "n" << true;
    QTest::newRow("full moon, 24 Nov") << QDate(2026, 11, 24) << "f" << true;
    QTest::newRow("season, the first") << QDate(2026, 11, 1) << "s" << true;
    QTest::newRow("events, the last day") << QDate(2026, 11, 30) << "e" << true;
    QTest::newRow("everything on today") << QDate(2026, 11, 9) << "nfse" << true;
    QTest::newRow("a day with none") << QDate(2026, 11, 12) << "" << false;
    QTest::newRow("the next month's day in the grey rows") << QDate(2026, 12, 3) << "nfse" << false;
    QTest::newRow("the month before's day in the grey rows") << QDate(2026, 10, 31) << "nfse" << false;
}

void TestDayMarks::testMarksStayInTheirCell()
{
    QFETCH(QDate, day);
    QFETCH(QString, kinds);
    QFETCH(bool, drawn);
    DayMarks marks;
    marks.newMoon = kinds.contains('n'), marks.fullMoon = kinds.contains('f');
    marks.season = kinds.contains('s'), marks.event = kinds.contains('e');
    TMonthCalendar plain(0), marked(0);
    const QImage before = painted(plain);
    marked.setDayMarks([&](const QDate& d) { return d == day ? marks : DayMarks(); });
    const QImage with = painted(marked);
    const QRect cell = dayCell(marked, marked.dayView(), day);
    const QRect inside(marked.dayView()->mapTo(&marked, cell.topLeft()), cell.size());
    int changedOutside = 0, changedInside = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (before.pixel(x, y) != with.pixel(x, y))
                ++(inside.contains(x, y) ? changedInside : changedOutside);
    QCOMPARE(changedOutside, 0);
    QCOMPARE(changedInside > 0, drawn);
    // Switched off again, the calendar is the one that never had marks.
    marked.setDayMarks(nullptr);
    QCOMPARE(painted(marked), before);
}

QTEST_MAIN(TestDayMarks)
#include "TestDayMarks.moc"
