// SPDX-License-Identifier: GPL-3.0-or-later
// The window wakes only for work: the report's countdown, the date-driven first title and grid restore, and one
// timer for local midnight armed from the clock.
#include "support/AppFixture.h"
#include <QTextCharFormat>
#include <QWheelEvent>
#include <ctime>

namespace {
QColor colourOf(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}
const QColor Navy(0, 0, 128);

// The day a calendar marks as today.
bool marked(const TMonthCalendar* month, const QDate& day)
{
    return month->today() == day;
}

// The process's local time zone for one test; the test runner pins UTC for the rest.
struct Zone
{
    explicit Zone(const QByteArray& name)
    {
        qputenv("TZ", name);
        tzset();
    }
    ~Zone()
    {
        qputenv("TZ", "UTC");
        tzset();
    }
};

qint64 hours(double h)
{
    return qint64(h * 3600 * 1000);
}
} // namespace

class TestIdleTimers : public QObject
{
    Q_OBJECT
private slots:
    void testTimer1RunsOnlyWhileCounting();
    void testTimerReportInsideItsBoxStopsOnce();
    void testFirstTitleFollowsThePageWithoutATick_data();
    void testFirstTitleFollowsThePageWithoutATick();
    void testKeyboardPageThenClickReportsTheDay();
    void testRestoreWithoutATick();
    void testMidnightTimerArmedFromTheClock_data();
    void testMidnightTimerArmedFromTheClock();
    void testMidnightMovesTheMarkAndRestores();
    void testLateFiringComputesFromTheClock();
    void testEverythingNamingTodayMoves_data();
    void testEverythingNamingTodayMoves();
    void testNewDayDuringABoxOpensNoSecondBox();
};

void TestIdleTimers::testTimer1RunsOnlyWhileCounting()
{
    App app;
    QTimer* timer = app.find<QTimer>(names::Timer1);
    // The countdown starts at 0: the first tick has today's report to bring.
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10);
    app.activate();
    app.ticks(301);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    QVERIFY(!timer->isActive());

    app.clickDay(1, QDate(2024, 1, 10));
    QVERIFY(timer->isActive());
    app.ticks(200);
    // A new report restarts the wait.
    app.clickDay(2, QDate(2024, 2, 10));
    app.ticks(300);
    QVERIFY(timer->isActive());
    QCOMPARE(app.calendar->dayReport().countdown(), 0);
    app.ticks(1);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Navy);
    QVERIFY(!timer->isActive());

    // Left to itself, the running timer brings today back and then rests.
    app.clickDay(3, QDate(2024, 3, 15));
    QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 15000);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label4)), Navy);
}

void TestIdleTimers::testTimerReportInsideItsBoxStopsOnce()
{
    // A polar position: today's report from the timer opens a box, and ticks go on inside it.
    App app(QDateTime(QDate(2024, 6, 21), QTime(12, 0)), QByteArray("00\r\nW\xB0"
                                                                    "-25\r\nN\xB0"
                                                                    "70\r\n2\r\n"));
    app.activate();
    app.clickDay(6, QDate(2024, 6, 22));
    app.world.clock.set(QDateTime(QDate(2024, 6, 23), QTime(12, 0)));
    QTimer* timer = app.find<QTimer>(names::Timer1);
    bool activeInside = false;
    app.world.prompter.whileOpen = [&](const FakePrompter::Box&) {
        app.ticks(400);
        activeInside = timer->isActive();
    };
    app.ticks(301);
    QVERIFY(activeInside);
    QCOMPARE(app.world.prompter.maxDepth, 1);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    QVERIFY(!timer->isActive());
}

void TestIdleTimers::testFirstTitleFollowsThePageWithoutATick_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("title");
    QTest::newRow("next-month arrow") << "NextArrow"
                                      << "1 February 2024";
    QTest::newRow("previous-month arrow") << "PreviousArrow"
                                          << "1 December 2023";
    QTest::newRow("PageDown") << "PageDown"
                              << "1 February 2024";
    QTest::newRow("Up into December") << "Up"
                                      << "1 December 2023";
    QTest::newRow("wheel towards the user") << "WheelDown"
                                            << "1 February 2024";
}

void TestIdleTimers::testFirstTitleFollowsThePageWithoutATick()
{
    QFETCH(QString, action);
    QFETCH(QString, title);
    App app;
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    app.ticks(301);
    QVERIFY(!app.find<QTimer>(names::Timer1)->isActive());
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    TMonthCalendar* first = app.month(1);
    QWidget* view = first->dayView();
    view->setFocus();
    if (action == QLatin1String("PageDown")) {
        QTest::keyClick(view, Qt::Key_PageDown);
    } else if (action == QLatin1String("Up")) {
        QTest::keyClick(view, Qt::Key_Up);
    } else if (action == QLatin1String("WheelDown")) {
        const QPoint at = view->rect().center();
        QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(first->dayView(), &wheel);
    } else {
        QWidget* arrow =
            first->findChild<QWidget*>(action == QLatin1String("NextArrow") ? QStringLiteral("qt_calendar_nextmonth")
                                                                            : QStringLiteral("qt_calendar_prevmonth"));
        QVERIFY(arrow);
        QTest::mouseClick(arrow, Qt::LeftButton);
    }
    QCOMPARE(app.title(1), title);
    QVERIFY(!app.find<QTimer>(names::Timer1)->isActive());
}

void TestIdleTimers::testKeyboardPageThenClickReportsTheDay()
{
    App app;
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    app.ticks(301);
    app.clickDay(1, QDate(2024, 1, 10));
    app.month(1)->dayView()->setFocus();
    QTest::keyClick(app.month(1)->dayView(), Qt::Key_PageDown);
    QCOMPARE(app.title(1), QStringLiteral("1 February 2024"));
    app.clickDay(1, QDate(2024, 2, 18));
    // That day's report, and the grid stays where it was.
    QCOMPARE(app.date(1), QDate(2024, 2, 18));
    QCOMPARE(app.month(1)->Hint(), QStringLiteral("24.049"));
    QVERIFY2(app.calendar->windowTitle().endsWith(QStringLiteral("1.10.2024 > 2.18.2024   Dy = 40  Wk = 7  Mo = 2")),
             qPrintable(app.calendar->windowTitle()));
    QCOMPARE(app.calendar->dayReport().countdown(), 300);
    QCOMPARE(app.title(1), QStringLiteral("1 February 2024"));
    QCOMPARE(app.date(2), QDate(2024, 2, 1));
    QCOMPARE(app.title(2), QStringLiteral("2 February 2024"));
}

void TestIdleTimers::testRestoreWithoutATick()
{
    // Calendars made at midnight hold midnight as their time of day; one landing on today matches it exactly.
    App app(QDateTime(QDate(2024, 5, 15), QTime(0, 0)));
    app.activate();
    app.ticks(301);
    app.clickDay(5, QDate(2024, 5, 15));
    QCOMPARE(app.month(5)->Hint(), QStringLiteral("24.136"));
    // The click handler ends first; the restore follows once the event loop runs, with no tick.
    app.find<QTimer>(names::Timer1)->stop();
    QTRY_COMPARE(app.date(5), QDate(2024, 5, 1));
    QCOMPARE(app.month(5)->Hint(), QString());
    QCOMPARE(app.title(12), QStringLiteral("12 December 2024"));
}

void TestIdleTimers::testMidnightTimerArmedFromTheClock_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint64>("wait");
    QTest::newRow("10:30 UTC") << QByteArray("UTC") << QDateTime(QDate(2024, 5, 15), QTime(10, 30)) << hours(13.5);
    QTest::newRow("50 ms before midnight")
        << QByteArray("UTC") << QDateTime(QDate(2024, 5, 15), QTime(23, 59, 59, 950)) << qint64(50);
    QTest::newRow("Berlin, the day clocks go forward")
        << QByteArray("Europe/Berlin") << QDateTime(QDate(2025, 3, 30), QTime(0, 0)) << hours(23);
    QTest::newRow("Berlin, the day clocks go back")
        << QByteArray("Europe/Berlin") << QDateTime(QDate(2025, 10, 26), QTime(0, 0)) << hours(25);
    QTest::newRow("Santiago, midnight skipped: the day starts at 1:00")
        << QByteArray("America/Santiago") << QDateTime(QDate(2024, 9, 7), QTime(23, 0)) << hours(1);
}

void TestIdleTimers::testMidnightTimerArmedFromTheClock()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, now);
    QFETCH(qint64, wait);
    Zone local(zone);
    App app(QDateTime(now.date(), now.time()));
    QTimer* midnight = app.find<QTimer>(names::MidnightTimer);
    QVERIFY(midnight->isSingleShot());
    QVERIFY(midnight->isActive());
    QCOMPARE(qint64(midnight->interval()), wait);
}

void TestIdleTimers::testMidnightMovesTheMarkAndRestores()
{
    // Made at midnight, the calendars hold whole days: at the next midnight June's calendar holds today.
    App app(QDateTime(QDate(2024, 5, 31), QTime(0, 0)));
    app.activate();
    app.ticks(301);
    QVERIFY(marked(app.month(5), QDate(2024, 5, 31)));
    app.month(3)->setHint(QStringLiteral("24.075"));
    app.world.clock.set(QDateTime(QDate(2024, 5, 31), QTime(23, 59, 59, 980)));
    app.clockChanged();
    QTimer* midnight = app.find<QTimer>(names::MidnightTimer);
    QCOMPARE(midnight->interval(), 20);
    app.world.clock.advance(40);
    QTRY_VERIFY(marked(app.month(6), QDate(2024, 6, 1)));
    QVERIFY(!marked(app.month(5), QDate(2024, 5, 31)));
    // The restore ran: hints cleared, the grid on its year.
    QTRY_COMPARE(app.month(3)->Hint(), QString());
    QCOMPARE(app.date(6), QDate(2024, 6, 1));
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    // Re-armed for the next midnight, and no tick was needed.
    QVERIFY(midnight->isActive());
    QCOMPARE(qint64(midnight->interval()), hours(24) - 20);
    QVERIFY(!app.find<QTimer>(names::Timer1)->isActive());
}

void TestIdleTimers::testLateFiringComputesFromTheClock()
{
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)));
    app.activate();
    app.ticks(301);
    app.world.clock.set(QDateTime(QDate(2024, 5, 15), QTime(23, 59, 59, 970)));
    app.clockChanged();
    // A timer that fires early finds the same day and waits the rest.
    QTRY_VERIFY(app.find<QTimer>(names::MidnightTimer)->interval() <= 30);
    QVERIFY(marked(app.month(5), QDate(2024, 5, 15)));
    // The machine slept two and a half days: the firing reads the day from the clock.
    app.world.clock.set(QDateTime(QDate(2024, 5, 18), QTime(12, 0)));
    QTRY_VERIFY(marked(app.month(5), QDate(2024, 5, 18)));
    QVERIFY(!marked(app.month(5), QDate(2024, 5, 15)));
    QVERIFY(!marked(app.month(5), QDate(2024, 5, 16)));
    QCOMPARE(qint64(app.find<QTimer>(names::MidnightTimer)->interval()), hours(12));
}

void TestIdleTimers::testEverythingNamingTodayMoves_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("before");
    QTest::addColumn<QDateTime>("after");
    QTest::addColumn<QString>("action"); // what the user did before: "", "previous year", "click 10 Apr"
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("yearButton");
    QTest::addColumn<QString>("firstTitle");
    const QTime lastMoment(23, 59, 59, 980);
    QTest::newRow("plain midnight") << QByteArray("UTC") << QDateTime(QDate(2026, 5, 14), lastMoment)
                                    << QDateTime(QDate(2026, 5, 15), QTime(0, 0, 1)) << ""
                                    << "Dorvane   Today:  (5) May 15, 2026   Julian: 26.135"
                                    << "2026"
                                    << "1 January 2026";
    QTest::newRow("New Year") << QByteArray("UTC") << QDateTime(QDate(2026, 12, 31), lastMoment)
                              << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1)) << ""
                              << "Dorvane   Today:  (1) Jan 01, 2027   Julian: 27.001"
                              << "2027"
                              << "1 January 2027";
    QTest::newRow("New Year, the user on another year")
        << QByteArray("UTC") << QDateTime(QDate(2026, 12, 31), lastMoment)
        << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1)) << "previous year"
        << "Dorvane   Today:  (1) Jan 01, 2027   Julian: 27.001"
        << "2027"
        << "1 January 2025";
    QTest::newRow("New Year after a day click: its figure and span stay")
        << QByteArray("UTC") << QDateTime(QDate(2026, 12, 31), lastMoment)
        << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1)) << "click 10 Apr"
        << "Dorvane   Today:  (1) Jan 01, 2027   Julian: 26.100     4.10.2026 > "
        << "2027"
        << "1 January 2027";
    QTest::newRow("New Year in the compact view: its months stay, the year button moves")
        << QByteArray("UTC") << QDateTime(QDate(2026, 12, 31), lastMoment)
        << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1)) << "compact view"
        << "Dorvane   Today:  (1) Jan 01, 2027   Julian: 27.001"
        << "Jan 2027"
        << "1 December 2026";
    QTest::newRow("Berlin, the night clocks go back")
        << QByteArray("Europe/Berlin") << QDateTime(QDate(2026, 10, 24), lastMoment)
        << QDateTime(QDate(2026, 10, 25), QTime(2, 30)) << ""
        << "Dorvane   Today:  (10) Oct 25, 2026   Julian: 26.298"
        << "2026"
        << "1 January 2026";
    QTest::newRow("Santiago, midnight skipped")
        << QByteArray("America/Santiago") << QDateTime(QDate(2026, 9, 5), lastMoment)
        << QDateTime(QDate(2026, 9, 6), QTime(1, 0, 1)) << ""
        << "Dorvane   Today:  (9) Sep 06, 2026   Julian: 26.249"
        << "2026"
        << "1 January 2026";
    QTest::newRow("clock set forward by days, across New Year")
        << QByteArray("UTC") << QDateTime(QDate(2026, 12, 20), QTime(10, 30))
        << QDateTime(QDate(2027, 3, 2), QTime(9, 0)) << ""
        << "Dorvane   Today:  (3) Mar 02, 2027   Julian: 27.061"
        << "2027"
        << "1 January 2027";
    QTest::newRow("clock set back, across New Year") << QByteArray("UTC") << QDateTime(QDate(2027, 1, 2), QTime(10, 0))
                                                     << QDateTime(QDate(2026, 12, 30), QTime(10, 0)) << ""
                                                     << "Dorvane   Today:  (12) Dec 30, 2026   Julian: 26.364"
                                                     << "2026"
                                                     << "1 January 2026";
}

void TestIdleTimers::testEverythingNamingTodayMoves()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, before);
    QFETCH(QDateTime, after);
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(QString, yearButton);
    QFETCH(QString, firstTitle);
    Zone local(zone);
    App app(QDateTime(before.date(), before.time()));
    app.activate();
    app.ticks(301);
    if (action == QLatin1String("previous year")) {
        app.click(names::SpeedButton11);
    } else if (action == QLatin1String("compact view")) {
        app.click(names::SpeedButton8);
        app.ticks(301);
    } else if (action == QLatin1String("click 10 Apr")) {
        app.clickDay(4, QDate(2026, 4, 10));
        app.ticks(301);
    }
    QTimer* midnight = app.find<QTimer>(names::MidnightTimer);
    const QDateTime moved(after.date(), after.time());
    if (midnight->interval() <= 20) {
        // Midnight comes by the timer, as it does when the program is left running.
        app.world.clock.set(moved);
        QTRY_COMPARE(app.calendar->windowTitle(), caption);
    } else {
        // A clock set by hand, or a resume: the watch on clock jumps tells.
        app.world.clock.set(moved);
        app.clockChanged();
        QCOMPARE(app.calendar->windowTitle(), caption);
    }
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), yearButton);
    QCOMPARE(app.title(1), firstTitle);
    if (firstTitle.endsWith(QString::number(moved.date().year())))
        QVERIFY(marked(app.month(moved.date().month()), moved.date()));
    if (action.isEmpty()) {
        // Today's times, as the timer shows them after a hold: navy, and the timer at rest.
        QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Navy);
        QVERIFY(!app.find<QTimer>(names::Timer1)->isActive());
    }
    app.ticks(301);

    // The toolbar and the icon say what a program started on the new day says.
    App fresh(moved);
    fresh.activate();
    fresh.ticks(301);
    for (const QString& label : {names::Label3, names::Label4})
        QCOMPARE(app.find<QLabel>(label)->text(), fresh.find<QLabel>(label)->text());
    QCOMPARE(app.find<QLabel>(names::Image3)->accessibleName(), fresh.find<QLabel>(names::Image3)->accessibleName());
    QCOMPARE(app.find<QSystemTrayIcon>(names::RxTrayIcon1)->toolTip(),
             fresh.find<QSystemTrayIcon>(names::RxTrayIcon1)->toolTip());
    QVERIFY(app.find<QSystemTrayIcon>(names::RxTrayIcon1)->toolTip().contains(QString::number(moved.date().year())));
    QCOMPARE(app.world.prompter.boxes.size(), 0);
}

void TestIdleTimers::testNewDayDuringABoxOpensNoSecondBox()
{
    // A polar position: every report of today asks for a box. Midnight passes while the first one is open.
    App app(QDateTime(QDate(2026, 6, 20), QTime(23, 59, 59, 980)), QByteArray("00\r\nW\xB0"
                                                                              "-25\r\nN\xB0"
                                                                              "70\r\n2\r\n"));
    int midnightsInside = 0;
    app.world.prompter.whileOpen = [&](const FakePrompter::Box&) {
        if (midnightsInside++ > 0)
            return;
        app.world.clock.set(QDateTime(QDate(2026, 6, 21), QTime(0, 0, 1)));
        app.clockChanged();
    };
    app.activate();
    app.ticks(301);
    QCOMPARE(app.world.prompter.maxDepth, 1);
    QVERIFY(app.calendar->windowTitle().startsWith(QStringLiteral("Dorvane   Today:  (6) Jun 21, 2026")));
}

QTEST_MAIN(TestIdleTimers)
#include "TestIdleTimers.moc"
