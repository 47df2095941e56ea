#include "controls/Hints.h"
#include "controls/TMonthCalendar.h"
#include "runtime/ConvertError.h"
#include "support/DayCell.h"
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTextCharFormat>

namespace {
TDateTime v(int y, int m, int d)
{
    return rt::encodeDate(y, m, d);
}
const TDateTime TenThirty = 10.5 / 24.0;
} // namespace

class TestMonthCalendar : public QObject
{
    Q_OBJECT
private slots:
    void testSetDateKeepsTheControlsTimeOfDay_data();
    void testSetDateKeepsTheControlsTimeOfDay();
    void testOutsideTheRangeIsRefused_data();
    void testOutsideTheRangeIsRefused();
    void testClickRaisedAfterTheSelectionMoved_data();
    void testClickRaisedAfterTheSelectionMoved();
    void testWeekNumbersAndHints();
    void testTodayIsMarked();
    void testAllSixWeeksFitTheVisibleBand();
};

void TestMonthCalendar::testSetDateKeepsTheControlsTimeOfDay_data()
{
    QTest::addColumn<double>("given");
    QTest::addColumn<QDate>("shown");
    QTest::newRow("a whole day") << v(2024, 3, 15) << QDate(2024, 3, 15);
    QTest::newRow("a day with its own time of day") << v(2024, 7, 4) + 0.75 << QDate(2024, 7, 4);
    QTest::newRow("before 1900") << rt::combine(v(1850, 2, 28), 0.25) << QDate(1850, 2, 28);
    QTest::newRow("the first supported day") << v(1601, 1, 1) << QDate(1601, 1, 1);
    QTest::newRow("the last supported day") << v(9999, 12, 31) << QDate(9999, 12, 31);
}

void TestMonthCalendar::testSetDateKeepsTheControlsTimeOfDay()
{
    QFETCH(double, given);
    QFETCH(QDate, shown);
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(given);
    QCOMPARE(rt::toQDate(calendar.Date()), shown);
    QCOMPARE(calendar.selectedDate(), shown);
    // The month that holds the day is shown in the same step.
    QCOMPARE(calendar.monthShown(), shown.month());
    QCOMPARE(calendar.yearShown(), shown.year());
    QCOMPARE(rt::toQDateTime(calendar.Date()).time(), QTime(10, 30));
}

void TestMonthCalendar::testOutsideTheRangeIsRefused_data()
{
    QTest::addColumn<double>("given");
    QTest::newRow("31 Dec 1600") << v(1600, 12, 31);
    QTest::newRow("1 Jan 10000") << rt::fromQDate(QDate(10000, 1, 1));
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("huge") << 1e300;
}

void TestMonthCalendar::testOutsideTheRangeIsRefused()
{
    QFETCH(double, given);
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(v(2024, 5, 1));
    try {
        calendar.setDate(given);
        QFAIL("accepted a date it cannot show");
    } catch (const ConvertError& error) {
        QCOMPARE(error.text, QStringLiteral("Failed to set calendar date or time"));
    }
    QCOMPARE(rt::toQDate(calendar.Date()), QDate(2024, 5, 1));
}

void TestMonthCalendar::testClickRaisedAfterTheSelectionMoved_data()
{
    QTest::addColumn<QDate>("clicked");
    QTest::addColumn<int>("monthShown");
    QTest::newRow("a day of the month") << QDate(2024, 3, 20) << 3;
    QTest::newRow("a grey day of the next month") << QDate(2024, 4, 2) << 4;
    QTest::newRow("a grey day of the month before") << QDate(2024, 2, 26) << 2;
}

void TestMonthCalendar::testClickRaisedAfterTheSelectionMoved()
{
    QFETCH(QDate, clicked);
    QFETCH(int, monthShown);
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(v(2024, 3, 1));
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QDate seen;
    connect(&calendar, &TMonthCalendar::OnClick, this,
            [&](TMonthCalendar* sender) { seen = rt::toQDate(sender->Date()); });
    const QRect cell = dayCell(calendar, calendar.dayView(), clicked);
    QVERIFY(cell.isValid());
    QTest::mouseClick(calendar.dayView()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(seen, clicked);
    QCOMPARE(calendar.monthShown(), monthShown);
    QCOMPARE(rt::toQDateTime(calendar.Date()).time(), QTime(10, 30));
}

void TestMonthCalendar::testWeekNumbersAndHints()
{
    TMonthCalendar calendar(TenThirty);
    QVERIFY(!calendar.WeekNumbers());
    calendar.setWeekNumbers(true);
    QVERIFY(calendar.WeekNumbers());
    calendar.setWeekNumbers(false);
    QVERIFY(!calendar.WeekNumbers());

    calendar.setHint(QStringLiteral("24.075"));
    QCOMPARE(calendar.toolTip(), QStringLiteral("24.075"));
    calendar.setShowHint(false);
    QCOMPARE(calendar.toolTip(), QString());
    QCOMPARE(calendar.Hint(), QStringLiteral("24.075"));
    calendar.setShowHint(true);
    QCOMPARE(calendar.toolTip(), QStringLiteral("24.075"));
}

void TestMonthCalendar::testTodayIsMarked()
{
    TMonthCalendar calendar(TenThirty);
    calendar.markToday(QDate(2024, 5, 15));
    QCOMPARE(calendar.dateTextFormat(QDate(2024, 5, 15)).fontWeight(), int(QFont::Bold));
    calendar.markToday(QDate(2024, 5, 16));
    QCOMPARE(calendar.dateTextFormat(QDate(2024, 5, 15)).fontWeight(), int(QFont::Normal));
    QCOMPARE(calendar.dateTextFormat(QDate(2024, 5, 16)).fontWeight(), int(QFont::Bold));
}

void TestMonthCalendar::testAllSixWeeksFitTheVisibleBand()
{
    // Only rows 27 to 137 of a calendar are visible: the row bar covers the top and the next row the bottom.
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(v(2026, 8, 1)); // August 2026 spans six weeks
    calendar.setWeekNumbers(true);
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    const QRect first = dayCell(calendar, calendar.dayView(), QDate(2026, 7, 26));
    const QRect last = dayCell(calendar, calendar.dayView(), QDate(2026, 9, 5));
    const QPoint top = calendar.dayView()->viewport()->mapTo(&calendar, first.topLeft());
    const QPoint bottom = calendar.dayView()->viewport()->mapTo(&calendar, last.bottomRight());
    QVERIFY2(top.y() >= 27, qPrintable(QString::number(top.y())));
    QVERIFY2(bottom.y() <= 138, qPrintable(QString::number(bottom.y())));
}

QTEST_MAIN(TestMonthCalendar)
#include "TestMonthCalendar.moc"
