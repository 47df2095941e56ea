// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MoonPictures.h"
#include "support/AppFixture.h"
#include <QFrame>

namespace {
TDateTime v(int y, int m, int day)
{
    return rt::encodeDate(y, m, day);
}
QColor colourOf(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}
const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);
} // namespace

class TestDayClicks : public QObject
{
    Q_OBJECT
private slots:
    void testClickShowsTheDaysFigures();
    void testTwoClicksGiveTheSpan_data();
    void testTwoClicksGiveTheSpan();
    void testLastRowTakesLettersFromTheFourthCharacter();
    void testGreyDayLaysTheGridOutAgain();
    void testClickBeforeFirstActivationLeavesCaption();
    void testCountdownReturnsToToday();
    void testNewClickRestartsTheCountdown();
    void testFirstTitleFollowsTheFirstCalendar();
    void testClickOnTodayKeepsItsHint();
    void testCalendarAtMidnightTodayRestoresTheGrid();
    void testADayOfTicksAcrossMidnight();
    void testTimerReportDoesNotNestInsideItsBox();
    void testSunTimesFitTheirLabels_data();
    void testSunTimesFitTheirLabels();
};

void TestDayClicks::testClickShowsTheDaysFigures()
{
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)));
    app.activate();
    app.clickDay(3, QDate(2024, 3, 15));
    QCOMPARE(app.date(3), QDate(2024, 3, 15));
    for (int n = 1; n <= 12; ++n) {
        if (n != 3)
            QCOMPARE(app.date(n).day(), 1);
        QCOMPARE(app.month(n)->Hint(), n == 3 ? QStringLiteral("24.075") : QString());
    }
    QCOMPARE(app.calendar->windowTitle(),
             QStringLiteral("Dorvane   Today:  (5) May 15, 2024   Julian: 24.075     3.15.2024 > "));
    // The report for that day: maroon times and the countdown started.
    QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Maroon);
    QCOMPARE(app.calendar->dayReport().countdown(), 300);
    QCOMPARE(app.find<QLabel>(names::Label3)->text(), QStringLiteral("6:39A"));
    QCOMPARE(app.find<QLabel>(names::Label4)->text(), QStringLiteral("6:38P"));
}

void TestDayClicks::testTwoClicksGiveTheSpan_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<QString>("ending");
    QTest::newRow("5 then 20 March") << QDate(2024, 3, 5) << QDate(2024, 3, 20)
                                     << "Julian: 24.080     3.5.2024 > 3.20.2024   Dy = 16  Wk = 3  Mo = 1";
    QTest::newRow("20 then 5 March") << QDate(2024, 3, 20) << QDate(2024, 3, 5)
                                     << "Julian: 24.065     3.20.2024 > 3.5.2024   Dy = 16  Wk = 3  Mo = 1";
    QTest::newRow("the same day twice") << QDate(2024, 7, 4) << QDate(2024, 7, 4)
                                        << "Julian: 24.186     7.4.2024 > 7.4.2024   Dy = 1  Wk = 1  Mo = 1";
    QTest::newRow("31 Jan to 1 Mar") << QDate(2024, 1, 31) << QDate(2024, 3, 1)
                                     << "Julian: 24.061     1.31.2024 > 3.1.2024   Dy = 31  Wk = 5  Mo = 2";
}

void TestDayClicks::testTwoClicksGiveTheSpan()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(QString, ending);
    App app;
    app.activate();
    app.clickDay(first.month(), first);
    app.clickDay(second.month(), second);
    QVERIFY2(app.calendar->windowTitle().endsWith(ending), qPrintable(app.calendar->windowTitle()));
    QVERIFY(app.calendar->windowTitle().startsWith(QStringLiteral("Dorvane   Today:  (5) May 15, 2024   ")));
    // The span stands highlighted, from either end, until the next click starts another.
    const auto highlighted = [&app](const QDate& day) {
        for (const DayContent& cell : app.month(day.month())->picture().days)
            if (cell.inMonth && cell.date == day)
                return cell.range != RangePlace::None;
        return false;
    };
    QVERIFY(highlighted(first));
    QVERIFY(highlighted(second));
    app.clickDay(8, QDate(2024, 8, 14));
    QVERIFY(!highlighted(first));
    QVERIFY(!highlighted(second));
    QVERIFY(!highlighted(QDate(2024, 8, 14)));
}

void TestDayClicks::testLastRowTakesLettersFromTheFourthCharacter()
{
    App app;
    app.activate();
    app.clickDay(11, QDate(2024, 11, 5));
    QCOMPARE(app.month(11)->Hint(), QStringLiteral("24.310"));
    app.clickDay(12, QDate(2024, 12, 31));
    QCOMPARE(app.month(12)->Hint(), QStringLiteral("24.366"));
    QVERIFY(app.calendar->windowTitle().endsWith(QStringLiteral("11.5.2024 > 12.31.2024   Dy = 57  Wk = 9  Mo = 2")));
}

void TestDayClicks::testGreyDayLaysTheGridOutAgain()
{
    App app;
    app.activate();
    app.enterYear(2019);
    app.month(2)->setHint("19.040");
    // 1 April 2019 is a grey day at the end of the March calendar.
    app.clickDay(3, QDate(2019, 4, 1));
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    QCOMPARE(app.date(3), QDate(2024, 3, 1));
    QCOMPARE(app.month(3)->Hint(), QString());
    QCOMPARE(app.month(2)->Hint(), QString());
}

void TestDayClicks::testClickBeforeFirstActivationLeavesCaption()
{
    App app;
    // The first tick names the first calendar's month, so the click is on a day of its own month.
    app.ticks(1);
    const QString caption = app.calendar->windowTitle();
    app.clickDay(1, QDate(2024, 5, 5));
    QCOMPARE(app.calendar->windowTitle(), caption);
}

void TestDayClicks::testCountdownReturnsToToday()
{
    App app;
    app.activate();
    app.clickDay(1, QDate(2024, 1, 10));
    QCOMPARE(app.find<QLabel>(names::Label3)->text(), QStringLiteral("7:27A"));
    app.ticks(299);
    QCOMPARE(app.calendar->dayReport().countdown(), 1);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Maroon);
    app.ticks(1);
    QCOMPARE(app.calendar->dayReport().countdown(), 0);
    app.ticks(1);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Navy);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label4)), Navy);
    QCOMPARE(app.find<QLabel>(names::Label3)->text(), QStringLiteral("5:36A"));
    app.ticks(1000);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
}

void TestDayClicks::testNewClickRestartsTheCountdown()
{
    App app;
    app.activate();
    app.clickDay(1, QDate(2024, 1, 10));
    app.ticks(200);
    app.clickDay(2, QDate(2024, 2, 10));
    QCOMPARE(app.calendar->dayReport().countdown(), 300);
    app.ticks(200);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Maroon);
    app.ticks(101);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Navy);
}

void TestDayClicks::testFirstTitleFollowsTheFirstCalendar()
{
    App app;
    app.activate();
    app.month(1)->setCurrentPage(2024, 2);
    app.month(1)->setDate(v(2024, 2, 1));
    app.ticks(1);
    QCOMPARE(app.title(1), QStringLiteral("1 February 2024"));
}

void TestDayClicks::testClickOnTodayKeepsItsHint()
{
    App app;
    app.activate();
    app.clickDay(5, QDate(2024, 5, 15));
    app.ticks(5);
    QCOMPARE(app.month(5)->Hint(), QStringLiteral("24.136"));
    QCOMPARE(app.date(5), QDate(2024, 5, 15));
}

void TestDayClicks::testCalendarAtMidnightTodayRestoresTheGrid()
{
    // Calendars made at midnight hold midnight as their time of day; one landing on today matches it exactly.
    App app(QDateTime(QDate(2024, 5, 15), QTime(0, 0)));
    app.activate();
    app.clickDay(5, QDate(2024, 5, 15));
    QCOMPARE(app.month(5)->Hint(), QStringLiteral("24.136"));
    app.ticks(1);
    QCOMPARE(app.date(5), QDate(2024, 5, 1));
    QCOMPARE(app.month(5)->Hint(), QString());
    QCOMPARE(app.title(12), QStringLiteral("12 December 2024"));
}

void TestDayClicks::testADayOfTicksAcrossMidnight()
{
    App app(QDateTime(QDate(2024, 12, 31), QTime(23, 0)));
    app.activate();
    // Two hours of ticks: the grid stays on the year it shows and nothing is reported again.
    for (int i = 0; i < 720; ++i) {
        app.world.clock.advance(10000);
        app.calendar->Timer1Timer();
    }
    QCOMPARE(app.world.clock.now().date(), QDate(2025, 1, 1));
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    QVERIFY(app.world.prompter.boxes.isEmpty());
}

void TestDayClicks::testTimerReportDoesNotNestInsideItsBox()
{
    // A polar position: today's report from the timer opens a box, and ticks go on inside it.
    App app(QDateTime(QDate(2024, 6, 21), QTime(12, 0)), QByteArray("00\r\nW\xB0"
                                                                    "-25\r\nN\xB0"
                                                                    "70\r\n2\r\n"));
    app.activate();
    const int afterActivation = app.world.prompter.boxes.size();
    QCOMPARE(afterActivation, 1);
    app.clickDay(6, QDate(2024, 6, 22));
    QCOMPARE(app.world.prompter.boxes.size(), 2);
    // Two days on: today's report from the timer has something new to say, and its box stays open for 400 ticks.
    app.world.clock.set(QDateTime(QDate(2024, 6, 23), QTime(12, 0)));
    int nestedTicks = 0;
    app.world.prompter.whileOpen = [&](const FakePrompter::Box&) {
        for (int i = 0; i < 400; ++i, ++nestedTicks)
            app.calendar->Timer1Timer();
    };
    app.ticks(301);
    QCOMPARE(app.world.prompter.boxes.size(), 3);
    QCOMPARE(nestedTicks, 400);
    QCOMPARE(app.world.prompter.maxDepth, 1);
    QCOMPARE(app.calendar->dayReport().countdown(), -1);
    QCOMPARE(colourOf(app.find<QLabel>(names::Label3)), Navy);
}

void TestDayClicks::testSunTimesFitTheirLabels_data()
{
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    // Austin with line 4 "abc", which reads as an offset of 0: the widest times a real position gives.
    QTest::newRow("Austin, offset abc, 1 March") << QByteArray("00") << QDate(2024, 3, 1) << "-12:55A"
                                                 << "12:29P";
    QTest::newRow("Austin, offset abc, 15 December") << QByteArray("00") << QDate(2024, 12, 15) << "-11:19A"
                                                     << "11:32P";
    QTest::newRow("Austin, offset abc, 1 July") << QByteArray("00") << QDate(2024, 7, 1) << "11:33A"
                                                << "13:35P";
    QTest::newRow("Austin, offset abc, 24-hour, 1 March") << QByteArray("10") << QDate(2024, 3, 1) << "-12:55"
                                                          << "24:29";
}

void TestDayClicks::testSunTimesFitTheirLabels()
{
    QFETCH(QByteArray, flags);
    QFETCH(QDate, day);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), flags + QByteArray("\r\nW\xB0"
                                                                             "97.45\r\nN\xB0"
                                                                             "30.15\r\nabc\r\n"));
    app.activate();
    app.clickDay(day.month(), day);
    const auto* label3 = app.find<QLabel>(names::Label3);
    const auto* label4 = app.find<QLabel>(names::Label4);
    QCOMPARE(label3->text(), sunrise);
    QCOMPARE(label4->text(), sunset);
    for (const QLabel* label : {label3, label4})
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(label->objectName()));
    // Wider, not moved: each still starts where it did and ends before the next picture.
    QCOMPARE(label3->x(), 24);
    QCOMPARE(label4->x(), 80);
    QVERIFY(label3->geometry().right() < app.find<QLabel>(names::Image2)->x());
    QVERIFY(label4->geometry().right() < app.find<QLabel>(names::Image3)->x());
}

QTEST_MAIN(TestDayClicks)
#include "TestDayClicks.moc"
