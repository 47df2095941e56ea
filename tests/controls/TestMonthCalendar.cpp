// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Hints.h"
#include "controls/TMonthCalendar.h"
#include "runtime/ConvertError.h"
#include "support/DayCell.h"
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {
TDateTime v(int y, int m, int d)
{
    return rt::encodeDate(y, m, d);
}
const TDateTime TenThirty = 10.5 / 24.0;
constexpr int DayRows = 6;

// The darkest pixel of a day's cell: the colour its number is drawn in.
QColor textColour(TMonthCalendar& calendar, const QDate& day)
{
    const QRect cell = dayCell(calendar, calendar.dayView(), day);
    const QImage image = calendar.grab().toImage();
    const QPoint origin = calendar.dayView()->mapTo(&calendar, cell.topLeft());
    QColor darkest(Qt::white);
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const QColor c = image.pixelColor(origin + QPoint(x, y));
            if (c.red() + c.green() + c.blue() < darkest.red() + darkest.green() + darkest.blue())
                darkest = c;
        }
    }
    return darkest;
}

bool isNavy(const QColor& c)
{
    return c.blue() - c.red() > 60 && c.blue() - c.green() > 60;
}

bool isGrey(const QColor& c)
{
    return qAbs(c.red() - c.blue()) < 25 && qAbs(c.green() - c.blue()) < 25 && c.blue() < 200;
}

QString describe(const QColor& c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}
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
    void testTodayStaysVisibleWhenSelected_data();
    void testTodayStaysVisibleWhenSelected();
    void testAllSixWeeksFitTheVisibleBand();
    void testNeighbouringMonthsDaysAreGrey_data();
    void testNeighbouringMonthsDaysAreGrey();
    void testDateFollowsKeysWheelAndArrows_data();
    void testDateFollowsKeysWheelAndArrows();
    void testDaysOutsideTheRangeAreEmptyGreyCells_data();
    void testDaysOutsideTheRangeAreEmptyGreyCells();
    void testKeyboardFocusIsFramed();
    void testTheChosenRuleIsPainted_data();
    void testTheChosenRuleIsPainted();
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
    QTest::mouseClick(calendar.dayView(), Qt::LeftButton, {}, cell.center());
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
    // Maroon letters on pale yellow: the mark moves with the day and leaves the day before as it was.
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(v(2024, 5, 2));
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    const auto marked = [&calendar](const QDate& day) {
        const QRect cell = dayCell(calendar, calendar.dayView(), day);
        const QImage image = calendar.grab().toImage();
        const QPoint origin = calendar.dayView()->mapTo(&calendar, cell.topLeft());
        int maroon = 0;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x) {
                const QColor c = image.pixelColor(origin + QPoint(x, y));
                maroon += c.red() > 90 && c.red() < 170 && c.green() < 60 && c.blue() < 60;
            }
        return maroon >= 3;
    };
    calendar.markToday(QDate(2024, 5, 15));
    QVERIFY(marked(QDate(2024, 5, 15)));
    calendar.markToday(QDate(2024, 5, 16));
    QVERIFY(!marked(QDate(2024, 5, 15)));
    QVERIFY(marked(QDate(2024, 5, 16)));
}

void TestMonthCalendar::testTodayStaysVisibleWhenSelected_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<QDate>("looked");
    QTest::addColumn<bool>("todayMark"); // pale yellow around maroon letters
    QTest::addColumn<bool>("selection"); // the selection's blue
    QTest::newRow("1 January, today and selected")
        << QDate(2027, 1, 1) << QDate(2027, 1, 1) << QDate(2027, 1, 1) << true << true;
    QTest::newRow("mid-month, today and selected")
        << QDate(2027, 3, 17) << QDate(2027, 3, 17) << QDate(2027, 3, 17) << true << true;
    QTest::newRow("today, another day selected")
        << QDate(2027, 1, 1) << QDate(2027, 1, 9) << QDate(2027, 1, 1) << true << false;
    QTest::newRow("the selected day, not today")
        << QDate(2027, 1, 1) << QDate(2027, 1, 9) << QDate(2027, 1, 9) << false << true;
}

// The cell's pixels, as the user sees them: selecting today must not paint over its mark.
void TestMonthCalendar::testTodayStaysVisibleWhenSelected()
{
    QFETCH(QDate, today);
    QFETCH(QDate, selected);
    QFETCH(QDate, looked);
    QFETCH(bool, todayMark);
    QFETCH(bool, selection);
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(rt::fromQDate(selected));
    calendar.markToday(today);
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    const QRect cell = dayCell(calendar, calendar.dayView(), looked);
    QVERIFY(cell.isValid());
    const QImage image = calendar.grab().toImage();
    const QPoint origin = calendar.dayView()->mapTo(&calendar, cell.topLeft());
    int pale = 0, blue = 0, maroon = 0;
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const QColor c = image.pixelColor(origin + QPoint(x, y));
            pale += c.red() > 240 && c.green() > 240 && c.blue() > 120 && c.blue() < 200;
            blue += c.blue() > 200 && c.red() < 60 && c.green() < 60;
            maroon += c.red() > 90 && c.red() < 170 && c.green() < 60 && c.blue() < 60;
        }
    }
    const QString seen = QStringLiteral("pale %1, blue %2, maroon %3").arg(pale).arg(blue).arg(maroon);
    QVERIFY2((pale > cell.width() * 2) == todayMark, qPrintable(seen));
    QVERIFY2((maroon >= 3) == todayMark, qPrintable(seen));
    QVERIFY2((blue > cell.width() * 2) == selection, qPrintable(seen));
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
    const QPoint top = calendar.dayView()->mapTo(&calendar, first.topLeft());
    const QPoint bottom = calendar.dayView()->mapTo(&calendar, last.bottomRight());
    QVERIFY2(top.y() >= 27, qPrintable(QString::number(top.y())));
    QVERIFY2(bottom.y() <= 138, qPrintable(QString::number(bottom.y())));
}

void TestMonthCalendar::testNeighbouringMonthsDaysAreGrey_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("grey");
    // January 2026 runs from a Thursday to a Saturday: 28-31 December before it, 1-7 February after it.
    QTest::newRow("Sunday 28 December") << QDate(2025, 12, 28) << true;
    QTest::newRow("Tuesday 30 December") << QDate(2025, 12, 30) << true;
    QTest::newRow("Sunday 1 February") << QDate(2026, 2, 1) << true;
    QTest::newRow("Wednesday 4 February") << QDate(2026, 2, 4) << true;
    QTest::newRow("Saturday 7 February") << QDate(2026, 2, 7) << true;
    QTest::newRow("Thursday 1 January") << QDate(2026, 1, 1) << false;
    QTest::newRow("Sunday 4 January") << QDate(2026, 1, 4) << false;
    QTest::newRow("Saturday 31 January") << QDate(2026, 1, 31) << false;
}

void TestMonthCalendar::testNeighbouringMonthsDaysAreGrey()
{
    QFETCH(QDate, day);
    QFETCH(bool, grey);
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(v(2026, 1, 15));
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QVERIFY(dayCell(calendar, calendar.dayView(), day).isValid());
    const QColor colour = textColour(calendar, day);
    QVERIFY2(grey ? isGrey(colour) : isNavy(colour), qPrintable(describe(colour)));
}

void TestMonthCalendar::testDateFollowsKeysWheelAndArrows_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("PageDown") << "PageDown" << QDate(2026, 2, 15);
    QTest::newRow("Down six times") << "Down6" << QDate(2026, 2, 26);
    QTest::newRow("Up into December") << "Up3" << QDate(2025, 12, 25);
    QTest::newRow("wheel towards the user") << "WheelDown" << QDate(2026, 2, 15);
    QTest::newRow("next-month arrow") << "NextArrow" << QDate(2026, 2, 15);
    QTest::newRow("previous-month arrow") << "PreviousArrow" << QDate(2025, 12, 15);
}

void TestMonthCalendar::testDateFollowsKeysWheelAndArrows()
{
    QFETCH(QString, action);
    QFETCH(QDate, expected);
    TMonthCalendar calendar(TenThirty);
    calendar.setDate(v(2026, 1, 15));
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QSignalSpy clicks(&calendar, &TMonthCalendar::OnClick);
    QList<QDate> pages;
    connect(&calendar, &TMonthCalendar::shownMonthChanged, this,
            [&](TMonthCalendar* sender) { pages.append(rt::toQDate(sender->Date())); });
    QWidget* view = calendar.dayView();
    view->setFocus();
    if (action == QLatin1String("PageDown")) {
        QTest::keyClick(view, Qt::Key_PageDown);
    } else if (action.startsWith(QLatin1String("Down")) || action.startsWith(QLatin1String("Up"))) {
        const int times = action.right(1).toInt();
        for (int i = 0; i < times; ++i)
            QTest::keyClick(view, action.startsWith(QLatin1String("Down")) ? Qt::Key_Down : Qt::Key_Up);
    } else if (action == QLatin1String("WheelDown")) {
        const QPoint at = dayCell(calendar, calendar.dayView(), QDate(2026, 1, 15)).center();
        QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(calendar.dayView(), &wheel);
    } else {
        const QString name = action == QLatin1String("NextArrow") ? QStringLiteral("qt_calendar_nextmonth")
                                                                  : QStringLiteral("qt_calendar_prevmonth");
        QWidget* arrow = calendar.findChild<QWidget*>(name);
        QVERIFY(arrow);
        QTest::mouseClick(arrow, Qt::LeftButton);
    }
    QCOMPARE(calendar.monthShown(), expected.month());
    QCOMPARE(rt::toQDate(calendar.Date()), expected);
    QCOMPARE(rt::toQDateTime(calendar.Date()).time(), QTime(10, 30));
    // The page signal comes once the date already lies in the new month.
    QVERIFY(!pages.isEmpty());
    QCOMPARE(pages.last().month(), expected.month());
    QCOMPARE(clicks.count(), 0);
}

void TestMonthCalendar::testDaysOutsideTheRangeAreEmptyGreyCells_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<QDate>("outside");
    QTest::newRow("1 January 10000 under December 9999") << QDate(9999, 12, 1) << QDate(10000, 1, 1);
    QTest::newRow("8 January 10000 under December 9999") << QDate(9999, 12, 1) << QDate(10000, 1, 8);
    QTest::newRow("31 December 1600 before January 1601") << QDate(1601, 1, 1) << QDate(1600, 12, 31);
}

void TestMonthCalendar::testDaysOutsideTheRangeAreEmptyGreyCells()
{
    QFETCH(QDate, shown);
    QFETCH(QDate, outside);
    // The main window's own background is blue.
    QWidget window;
    QPalette blue = window.palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    window.setPalette(blue);
    TMonthCalendar calendar(TenThirty, &window);
    calendar.setDate(rt::fromQDate(shown));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect cell = dayCell(calendar, calendar.dayView(), outside);
    QVERIFY(cell.isValid());
    const QImage image = calendar.grab().toImage();
    const QPoint origin = calendar.dayView()->mapTo(&calendar, cell.topLeft());
    const QColor first = image.pixelColor(origin);
    QVERIFY2(isGrey(first), qPrintable(describe(first)));
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            QCOMPARE(image.pixelColor(origin + QPoint(x, y)), first); // empty: no number drawn
}

void TestMonthCalendar::testKeyboardFocusIsFramed()
{
    QWidget window;
    auto* other = new QLineEdit(&window);
    TMonthCalendar calendar(TenThirty, &window);
    calendar.move(0, 30);
    calendar.setDate(v(2026, 1, 15));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Yellow pixels along the top edge of the selected day's cell, just inside it.
    auto framed = [&calendar] {
        const QRect cell = dayCell(calendar, calendar.dayView(), QDate(2026, 1, 15));
        const QImage image = calendar.grab().toImage();
        const QPoint origin = calendar.dayView()->mapTo(&calendar, cell.topLeft());
        int yellow = 0;
        for (int x = 2; x < cell.width() - 2; ++x) {
            const QColor c = image.pixelColor(origin + QPoint(x, 1));
            yellow += c.red() > 200 && c.green() > 200 && c.blue() < 80;
        }
        return yellow > cell.width() / 2;
    };
    // Focus the program gives, as when the window is first shown, leaves the look as it is.
    calendar.setFocus();
    QTRY_VERIFY(calendar.dayView()->hasFocus());
    QVERIFY(!framed());
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab);
    QTRY_VERIFY(calendar.dayView()->hasFocus());
    QVERIFY(framed());
    other->setFocus();
    QVERIFY(!framed());
}

// The numbers "week 1 holds 1 January" gives the six rows. Each row starts where the control's own grid does, and its
// week cell looks like the control's own ISO cell where the two numbers agree, and differs where they do not.
void TestMonthCalendar::testTheChosenRuleIsPainted_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("first");
    QTest::addColumn<QDate>("start");    // the grid's first day
    QTest::addColumn<QList<int>>("iso"); // ISO 8601's week of each row (its Monday's), worked out by hand
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("2023, Sunday first: only the row before 1 January differs")
        << QDate(2023, 1, 1) << int(Qt::Sunday) << QDate(2022, 12, 25) << QList<int>{52, 1, 2, 3, 4, 5}
        << QList<int>{53, 1, 2, 3, 4, 5};
    QTest::newRow("2021, Monday first: every row one on")
        << QDate(2021, 1, 1) << int(Qt::Monday) << QDate(2020, 12, 28) << QList<int>{53, 1, 2, 3, 4, 5}
        << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("2026, Monday first: the two rules agree")
        << QDate(2026, 1, 1) << int(Qt::Monday) << QDate(2025, 12, 29) << QList<int>{1, 2, 3, 4, 5, 6}
        << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("2027, Saturday first") << QDate(2027, 1, 1) << int(Qt::Saturday) << QDate(2026, 12, 26)
                                          << QList<int>{53, 1, 2, 3, 4, 5} << QList<int>{1, 2, 3, 4, 5, 6};
}

void TestMonthCalendar::testTheChosenRuleIsPainted()
{
    QFETCH(QDate, month);
    QFETCH(int, first);
    QFETCH(QDate, start);
    QFETCH(QList<int>, iso);
    QFETCH(QList<int>, numbers);
    const auto day = Qt::DayOfWeek(first);
    TMonthCalendar isoCalendar(TenThirty);
    TMonthCalendar chosen(TenThirty);
    for (TMonthCalendar* calendar : {&isoCalendar, &chosen}) {
        calendar->setWeekRules(day, calendar == &isoCalendar ? weeks::Numbering::Iso : weeks::Numbering::FirstJanuary);
        calendar->setWeekNumbers(true);
        calendar->setDate(rt::fromQDate(month));
        calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
    }
    QCOMPARE(chosen.firstDayOfWeek(), day);
    const auto weekCell = [](TMonthCalendar& calendar, int row) {
        QWidget* grid = calendar.dayView();
        const QRect cell = calendar.drawer().weekRect(row).translated(-grid->pos()).toAlignedRect();
        return grid->grab(cell).toImage();
    };
    for (int row = 0; row < DayRows; ++row) {
        QCOMPARE(chosen.picture().days[row * 7].date, start.addDays(7 * row));
        QCOMPARE(isoCalendar.weekNumberOfRow(row), iso[row]);
        QCOMPARE(chosen.weekNumberOfRow(row), numbers[row]);
        const bool same = weekCell(isoCalendar, row) == weekCell(chosen, row);
        QVERIFY2(same == (iso[row] == numbers[row]), qPrintable(QStringLiteral("row %1").arg(row)));
    }
    // A click still picks the day under the pointer, in the shown month and in the grey days before it.
    for (const QDate& clicked : {month.addDays(14), month.addDays(-1)}) {
        QTest::mouseClick(chosen.dayView(), Qt::LeftButton, {}, dayCell(chosen, chosen.dayView(), clicked).center());
        QCOMPARE(rt::toQDate(chosen.Date()), clicked);
    }
}

QTEST_MAIN(TestMonthCalendar)
#include "TestMonthCalendar.moc"
