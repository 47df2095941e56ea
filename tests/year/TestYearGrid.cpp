// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include "year/YearGrid.h"
#include <QAction>
#include <QFrame>
#include <QToolButton>

namespace {
QDate d(int y, int m, int day)
{
    return QDate(y, m, day);
}
TDateTime v(int y, int m, int day)
{
    return rt::encodeDate(y, m, day);
}
} // namespace

class TestYearGrid : public QObject
{
    Q_OBJECT
private slots:
    void testStartupCaption_data();
    void testStartupCaption();
    void testPlacement_data();
    void testPlacement();
    void testSteps_data();
    void testSteps();
    void testTitlesOfAYear();
    void testResetAllCalendar_data();
    void testResetAllCalendar();
    void testCompactLayout_data();
    void testCompactLayout();
    void testCompactSetUpInTheCurrentYear();
    void testCompactSetUpInAnotherYear();
    void testSavedMonthsWin();
    void testYearButtonInFullView();
    void testFirstActivationPointerAndPositions();
    void testLayoutPositions_data();
    void testLayoutPositions();
};

void TestYearGrid::testStartupCaption_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("yearButton");
    QTest::newRow("2 May 2000") << QDateTime(d(2000, 5, 2), QTime(9, 0))
                                << "Dorvane   Today:  (5) May 02, 2000   Julian: 00.123"
                                << "00.123"
                                << "2000";
    QTest::newRow("8 Dec 2026") << QDateTime(d(2026, 12, 8), QTime(23, 59))
                                << "Dorvane   Today:  (12) Dec 08, 2026   Julian: 26.342"
                                << "26.342"
                                << "2026";
    QTest::newRow("1 Jan 2025 at midnight")
        << QDateTime(d(2025, 1, 1), QTime(0, 0)) << "Dorvane   Today:  (1) Jan 01, 2025   Julian: 25.001"
        << "25.001"
        << "2025";
}

void TestYearGrid::testStartupCaption()
{
    QFETCH(QDateTime, start);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, yearButton);
    App app(start);
    QCOMPARE(app.calendar->windowTitle(), caption);
    QCOMPARE(app.month(1)->Hint(), hint);
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), yearButton);
    QCOMPARE(app.title(1), QStringLiteral("Date Panel"));
}

void TestYearGrid::testPlacement_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QDate>("calendar1");
    QTest::addColumn<QList<QDate>>("expected"); // calendars 1, 2, 3, 4 and 12
    QTest::addColumn<QString>("yearStart");
    QTest::newRow("fresh: today's year") << "" << d(1999, 7, 4)
                                         << QList<QDate>{d(2024, 1, 1), d(2024, 2, 1), d(2024, 3, 1), d(2024, 4, 1),
                                                         d(2024, 12, 1)}
                                         << "01/01/2024";
    QTest::newRow("view change: a December date's year")
        << "toCompact" << d(2019, 12, 15)
        << QList<QDate>{d(2019, 1, 1), d(2019, 2, 1), d(2019, 3, 1), d(2019, 4, 1), d(2019, 12, 1)} << "01/01/2019";
    QTest::newRow("kept: 31 January of a leap year")
        << "keep" << d(2024, 1, 31)
        << QList<QDate>{d(2024, 1, 31), d(2024, 2, 29), d(2024, 3, 31), d(2024, 4, 30), d(2024, 12, 31)} << "";
    QTest::newRow("kept: 31 January of a common year")
        << "keep" << d(2023, 1, 31)
        << QList<QDate>{d(2023, 1, 31), d(2023, 2, 28), d(2023, 3, 31), d(2023, 4, 30), d(2023, 12, 31)} << "";
}

void TestYearGrid::testPlacement()
{
    QFETCH(QString, before);
    QFETCH(QDate, calendar1);
    QFETCH(QList<QDate>, expected);
    QFETCH(QString, yearStart);
    grid::YearGrid model;
    if (before == "toCompact")
        model.toCompact();
    else if (before == "keep")
        model.keepCalendar1();
    const grid::Placement placement = model.place(rt::fromQDate(calendar1), v(2024, 5, 15), FormatSettings());
    const int checked[] = {1, 2, 3, 4, 12};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(rt::toQDate(grid::calendarDate(placement.calendar1, checked[i])), expected.at(i));
    QCOMPARE(model.yearStartText(), yearStart);
    // The source is used up: the next placement is today's year.
    QCOMPARE(rt::toQDate(model.place(rt::fromQDate(calendar1), v(2024, 5, 15), FormatSettings()).calendar1),
             d(2024, 1, 1));
}

void TestYearGrid::testSteps_data()
{
    QTest::addColumn<bool>("compact");
    QTest::addColumn<QDate>("calendar1");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QDate>("expected"); // invalid: nothing moves
    QTest::newRow("full view: next year from mid-March") << false << d(2024, 3, 15) << 1 << d(2025, 1, 1);
    QTest::newRow("compact: previous month") << true << d(2024, 3, 15) << -1 << d(2024, 2, 15);
    QTest::newRow("previous from 1601 stays") << false << d(1601, 1, 1) << -1 << QDate();
    QTest::newRow("next from 9999 stays") << false << d(9999, 1, 1) << 1 << QDate();
    QTest::newRow("previous from 1602 goes") << false << d(1602, 1, 1) << -1 << d(1601, 1, 1);
    QTest::newRow("next from 9998 goes") << false << d(9998, 1, 1) << 1 << d(9999, 1, 1);
    QTest::newRow("compact: April 9999 is the last first month") << true << d(9999, 4, 1) << 1 << QDate();
}

void TestYearGrid::testSteps()
{
    QFETCH(bool, compact);
    QFETCH(QDate, calendar1);
    QFETCH(int, direction);
    QFETCH(QDate, expected);
    grid::YearGrid model;
    if (compact)
        model.toCompact();
    const std::optional<TDateTime> stepped = model.step(rt::fromQDate(calendar1), direction, 1601, 9999);
    QCOMPARE(stepped ? rt::toQDate(*stepped) : QDate(), expected);
    // A step keeps the first calendar at the next placement; a refused one changes nothing.
    QCOMPARE(model.source() == grid::YearSource::Calendar1, expected.isValid());
}

void TestYearGrid::testTitlesOfAYear()
{
    App app;
    app.activate();
    app.enterYear(2001);
    const QStringList expected = {"1 January 2001",   "2 February 2001", "3 March 2001",     "4 April 2001",
                                  "5 May 2001",       "6 June 2001",     "7 July 2001",      "8 August 2001",
                                  "9 September 2001", "10 October 2001", "11 November 2001", "12 December 2001"};
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(app.title(n), expected.at(n - 1));
        // A day of the month the title names counts as that calendar's own, a day of the next month does not.
        QVERIFY(app.grid().inTitledMonth(n, v(2001, n, 28)));
        QVERIFY(!app.grid().inTitledMonth(n, v(n == 12 ? 2002 : 2001, n % 12 + 1, 1)));
    }
}

void TestYearGrid::testResetAllCalendar_data()
{
    QTest::addColumn<int>("keep");
    QTest::addColumn<int>("day");
    QTest::newRow("a day of calendar 5") << 5 << 20;
    QTest::newRow("a day of calendar 12") << 12 << 3;
}

void TestYearGrid::testResetAllCalendar()
{
    QFETCH(int, keep);
    QFETCH(int, day);
    App app;
    app.activate();
    for (int n = 1; n <= 12; ++n) {
        app.month(n)->setDate(v(2024, n, 17));
        app.month(n)->setHint("hint");
    }
    // A day click resets every other calendar to its first day, and their hints.
    app.clickDay(keep, d(2024, keep, day));
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(app.date(n), d(2024, n, n == keep ? day : 1));
        if (n != keep)
            QCOMPARE(app.month(n)->Hint(), QString());
    }
    QVERIFY(app.month(keep)->Hint().startsWith(QStringLiteral("24.")));
}

void TestYearGrid::testCompactLayout_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("toolbarWidth");
    QTest::addColumn<int>("textureWidth");
    // SpeedButton11, 10, 9, 8, 7, 6, 5, 3, 2, 1; a button a size leaves alone keeps the left the size before gave.
    QTest::addColumn<QList<int>>("lefts");
    QTest::addColumn<bool>("trayItem");
    QTest::newRow("one month") << 1 << QSize(203, 198) << 205 << 203
                               << QList<int>{0, 27, 104, 131, 165, 356, 639, 266, 349, 412} << true;
    QTest::newRow("two months") << 2 << QSize(402, 199) << 398 << 397
                                << QList<int>{33, 62, 141, 173, 207, 356, 287, 238, 347, 317} << false;
    QTest::newRow("three months") << 3 << QSize(600, 198) << 595 << 810
                                  << QList<int>{130, 159, 238, 270, 304, 356, 382, 333, 442, 412} << false;
}

void TestYearGrid::testCompactLayout()
{
    QFETCH(int, months);
    QFETCH(QSize, window);
    QFETCH(int, toolbarWidth);
    QFETCH(int, textureWidth);
    QFETCH(QList<int>, lefts);
    QFETCH(bool, trayItem);
    App app;
    app.activate();
    // The view toggle opens the compact view with two months; the size button cycles 2 -> 3 -> 1 -> 2, at least
    // once, so the pointer ends on it.
    app.click(names::SpeedButton8);
    int size = 2;
    do {
        app.click(names::SpeedButton7);
        size = size % 3 + 1;
    } while (size != months);
    TCalendar& c = *app.calendar;
    QCOMPARE(app.outerSize(), window);
    QCOMPARE(app.find<QFrame>(names::Panel28)->width(), toolbarWidth);
    QCOMPARE(app.find<QFrame>(names::Panel28)->y(), 142);
    QCOMPARE(c.findChild<QWidget*>(names::JPanelTexture1)->width(), textureWidth);
    const QString buttons[] = {names::SpeedButton11, names::SpeedButton10, names::SpeedButton9, names::SpeedButton8,
                               names::SpeedButton7,  names::SpeedButton6,  names::SpeedButton5, names::SpeedButton3,
                               names::SpeedButton2,  names::SpeedButton1};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(app.find<QToolButton>(buttons[i])->x(), lefts.at(i));
    QCOMPARE(app.find<QAction>(names::Tray1)->isVisible(), trayItem);
    QVERIFY(app.find<QToolButton>(names::SpeedButton6)->isHidden());
    QVERIFY(!app.find<QToolButton>(names::SpeedButton7)->isHidden());
    // The pointer goes to the compact-size button: window left + toolbar left + its left + 13.
    const QPoint corner = c.geometry().topLeft() - QPoint(3, 29); // outer corner with the usual frame
    QCOMPARE(app.world.pointer.last(), corner + QPoint(-1 + lefts.at(4) + 13, 142 + 2 + 37));
}

void TestYearGrid::testCompactSetUpInTheCurrentYear()
{
    App app;
    app.activate();
    app.click(names::SpeedButton8);
    QCOMPARE(app.title(1), QStringLiteral("1 May 2024"));
    QCOMPARE(app.title(2), QStringLiteral("2 June 2024"));
    QCOMPARE(app.title(3), QStringLiteral("3 July 2024"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), QStringLiteral("Jan 2024"));

    app.click(names::SpeedButton10);
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    QCOMPARE(app.title(3), QStringLiteral("3 March 2024"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), QStringLiteral("May 2024"));

    app.click(names::SpeedButton10);
    QCOMPARE(app.title(1), QStringLiteral("1 May 2024"));
    QCOMPARE(app.date(3), d(2024, 7, 1));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), QStringLiteral("Jan 2024"));
}

void TestYearGrid::testCompactSetUpInAnotherYear()
{
    App app;
    app.activate();
    app.enterYear(2031);
    app.click(names::SpeedButton8);
    QCOMPARE(app.title(1), QStringLiteral("1 January 2031"));
    QCOMPARE(app.title(2), QStringLiteral("2 February 2031"));
    QCOMPARE(app.title(3), QStringLiteral("3 March 2031"));
}

void TestYearGrid::testSavedMonthsWin()
{
    App app;
    app.activate();
    app.enterYear(2010);
    app.click(names::SpeedButton8);
    for (int month = 1; month < 10; ++month)
        app.click(names::SpeedButton9);
    QCOMPARE(app.title(1), QStringLiteral("1 October 2010"));
    // Back to the full view and compact again: the months it showed come back, not today's.
    app.click(names::SpeedButton8);
    QCOMPARE(app.title(12), QStringLiteral("12 December 2010"));
    app.click(names::SpeedButton8);
    QCOMPARE(app.title(1), QStringLiteral("1 October 2010"));
    QCOMPARE(app.title(3), QStringLiteral("3 December 2010"));
}

void TestYearGrid::testYearButtonInFullView()
{
    App app;
    app.activate();
    app.enterYear(1988);
    app.month(4)->setHint("88.100");
    app.find<QToolButton>(names::SpeedButton10)->click();
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    QCOMPARE(app.month(4)->Hint(), QString());
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), QStringLiteral("2024"));
}

void TestYearGrid::testFirstActivationPointerAndPositions()
{
    App app;
    TCalendar& c = *app.calendar;
    c.move(100, 50);
    app.activate();
    app.activate();
    QCOMPARE(app.world.pointer.moves.size(), 1);
    // On the close button: outer corner (with the usual frame of 3 by 29 around the client area) + (481, 467).
    QCOMPARE(app.world.pointer.last(), QPoint(100 - 3 + 481, 50 - 29 + 467));
    // The compact view starts from the window's design place; the full view comes back where it was activated.
    c.move(300, 300);
    app.click(names::SpeedButton8);
    QCOMPARE(c.pos(), QPoint(209, 121));
    app.click(names::SpeedButton8);
    QCOMPARE(c.pos(), QPoint(100, 50));
}

void TestYearGrid::testLayoutPositions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("MonthCalendar1") << names::MonthCalendar(1) << QRect(0, 0, 197, 153);
    QTest::newRow("MonthCalendar7") << names::MonthCalendar(7) << QRect(398, 143, 197, 153);
    QTest::newRow("MonthCalendar12") << names::MonthCalendar(12) << QRect(597, 286, 197, 153);
    QTest::newRow("Panel9") << names::Panel9 << QRect(0, 147, 794, 23);
    QTest::newRow("Panel17") << names::Panel17 << QRect(0, 290, 794, 23);
    QTest::newRow("Panel30") << names::TitlePanel(1) << QRect(40, 7, 112, 16);
    QTest::newRow("Panel36") << names::TitlePanel(7) << QRect(431, 150, 112, 16);
    QTest::newRow("Panel37") << names::TitlePanel(8) << QRect(630, 150, 112, 16);
    QTest::newRow("Panel41") << names::TitlePanel(12) << QRect(637, 294, 112, 16);
    QTest::newRow("Panel27") << names::Panel27 << QRect(0, 424, 794, 17);
    QTest::newRow("Panel28") << names::Panel28 << QRect(-1, 428, 795, 25);
    QTest::newRow("JPanelTexture1") << names::JPanelTexture1 << QRect(0, 1, 794, 23);
    QTest::newRow("Panel25") << names::Panel25 << QRect(323, 215, 155, 54);
    QTest::newRow("umNumberEdit1") << names::umNumberEdit1 << QRect(28, 7, 120, 21);
    QTest::newRow("SpeedButton11") << names::SpeedButton11 << QRect(236, 2, 25, 19);
    QTest::newRow("SpeedButton10") << names::SpeedButton10 << QRect(265, 2, 75, 19);
    QTest::newRow("SpeedButton3") << names::SpeedButton3 << QRect(446, 2, 48, 19);
    QTest::newRow("SpeedButton4") << names::SpeedButton4 << QRect(670, 2, 29, 19);
    QTest::newRow("SpeedButton2") << names::SpeedButton2 << QRect(732, 2, 29, 19);
    QTest::newRow("Moon1") << names::Moon1 << QRect(158, -29, 20, 19);
    QTest::newRow("Label4") << names::Label4 << QRect(80, 5, 36, 13);
}

void TestYearGrid::testLayoutPositions()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    App app;
    // The year entry's controls exist once it has been opened.
    app.click(names::SpeedButton6);
    QWidget* control = app.calendar->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(app.outerSize(), QSize(800, 485));
}

QTEST_MAIN(TestYearGrid)
#include "TestYearGrid.moc"
