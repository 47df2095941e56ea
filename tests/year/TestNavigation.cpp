// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TumNumberEdit.h"
#include "support/AppFixture.h"
#include <QFrame>
#include <QToolButton>

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void testPreviousAndNextInFullView();
    void testPreviousAndNextInCompactView();
    void testToggleToCompactAndBack();
    void testToggleSwitchesWeekNumbersOff();
    void testCompactSizeCycleKeepsMonths();
    void testYearEntry_data();
    void testYearEntry();
    void testEnterActsAsOk();
    void testTypingReplacesTheKeptYear();
    void testYearEntryOpensWithPointerAndFocus();
    void testClosingTheWarningReactivates();
    void testParametersOpensTheDialog();
};

void TestNavigation::testPreviousAndNextInFullView()
{
    App app;
    app.activate();
    app.enterYear(2001);
    app.month(2)->setHint("01.040");
    app.find<QToolButton>(names::SpeedButton11)->click();
    QCOMPARE(app.title(1), QStringLiteral("1 January 2000"));
    QCOMPARE(app.title(12), QStringLiteral("12 December 2000"));
    QCOMPARE(app.month(2)->Hint(), QString());
    app.find<QToolButton>(names::SpeedButton9)->click();
    QCOMPARE(app.title(1), QStringLiteral("1 January 2001"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), QStringLiteral("2024"));
}

void TestNavigation::testPreviousAndNextInCompactView()
{
    App app;
    app.activate();
    app.click(names::SpeedButton8);
    QCOMPARE(app.title(1), QStringLiteral("1 May 2024"));
    app.find<QToolButton>(names::SpeedButton11)->click();
    QCOMPARE(app.title(1), QStringLiteral("1 April 2024"));
    QCOMPARE(app.title(2), QStringLiteral("2 May 2024"));
    QCOMPARE(app.title(3), QStringLiteral("3 June 2024"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), QStringLiteral("May 2024"));
    QVERIFY(!app.grid().yearButtonShowsJan());
    app.find<QToolButton>(names::SpeedButton9)->click();
    app.find<QToolButton>(names::SpeedButton9)->click();
    QCOMPARE(app.title(1), QStringLiteral("1 June 2024"));
}

void TestNavigation::testToggleToCompactAndBack()
{
    App app;
    TCalendar& c = *app.calendar;
    c.move(240, 270);
    app.activate();
    c.move(10, 20); // moved by the user in the full view: not remembered across a toggle
    app.find<QToolButton>(names::SpeedButton8)->click();
    QVERIFY(app.grid().compact());
    QCOMPARE(c.pos(), QPoint(209, 121));
    QCOMPARE(app.outerSize(), QSize(402, 199));
    QVERIFY(!app.month(4)->isEnabled());
    QVERIFY(app.titlePanel(5)->isHidden());
    QVERIFY(app.find<QLabel>(names::Label3)->isHidden());
    QVERIFY(app.find<QLabel>(names::Image3)->isHidden());
    QCOMPARE(app.world.pointer.last(), QPoint(209 - 3 - 1 + 173 + 20, 121 - 29 + 142 + 2 + 37));

    c.move(300, 400);
    app.find<QToolButton>(names::SpeedButton8)->click();
    QVERIFY(!app.grid().compact());
    QCOMPARE(c.pos(), QPoint(240, 270));
    QCOMPARE(app.outerSize(), QSize(800, 485));
    QVERIFY(app.month(12)->isEnabled());
    QVERIFY(!app.titlePanel(5)->isHidden());
    QVERIFY(!app.find<QToolButton>(names::SpeedButton6)->isHidden());
    QVERIFY(!app.find<QLabel>(names::Image3)->isHidden());
    QVERIFY(app.find<QToolButton>(names::SpeedButton7)->isHidden());
    QCOMPARE(app.find<QToolButton>(names::SpeedButton10)->text(), QStringLiteral("2024"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton8)->x(), 378);
    QCOMPARE(app.find<QToolButton>(names::SpeedButton5)->x(), 639);
    QCOMPARE(app.title(1), QStringLiteral("1 January 2024"));
    QCOMPARE(app.world.pointer.last(), QPoint(240 - 3 - 1 + 378 + 20, 270 - 29 + 428 + 2 + 37));

    // The months shown in the compact view come back at its next entry.
    app.find<QToolButton>(names::SpeedButton8)->click();
    QCOMPARE(app.title(1), QStringLiteral("1 May 2024"));
    QCOMPARE(c.pos(), QPoint(300, 400));
}

void TestNavigation::testToggleSwitchesWeekNumbersOff()
{
    App app;
    app.activate();
    app.find<QToolButton>(names::SpeedButton5)->click();
    QVERIFY(app.month(7)->WeekNumbers());
    app.find<QToolButton>(names::SpeedButton8)->click();
    QVERIFY(!app.grid().weekNumbersShown());
    for (int n = 1; n <= 12; ++n)
        QVERIFY(!app.month(n)->WeekNumbers());
    app.find<QToolButton>(names::SpeedButton5)->click();
    QVERIFY(app.month(1)->WeekNumbers());
}

void TestNavigation::testCompactSizeCycleKeepsMonths()
{
    App app;
    app.activate();
    app.find<QToolButton>(names::SpeedButton8)->click();
    app.find<QToolButton>(names::SpeedButton11)->click();
    const QStringList before = {app.title(1), app.title(2), app.title(3)};
    const QSize sizes[] = {QSize(600, 198), QSize(203, 198), QSize(402, 199)};
    for (const QSize& size : sizes) {
        app.find<QToolButton>(names::SpeedButton7)->click();
        QCOMPARE(app.outerSize(), size);
        QCOMPARE(QStringList({app.title(1), app.title(2), app.title(3)}), before);
    }
    QCOMPARE(app.grid().compactCount(), 2);
}

void TestNavigation::testYearEntry_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("firstTitle");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("panelOpen");
    QTest::newRow("1700 accepted") << "1700"
                                   << "1 January 1700" << false << false;
    QTest::newRow("3000 accepted") << "3000"
                                   << "1 January 3000" << false << false;
    QTest::newRow("1699 refused") << "1699"
                                  << "1 January 2024" << true << true;
    QTest::newRow("3001 refused") << "3001"
                                  << "1 January 2024" << true << true;
    QTest::newRow("empty closes") << ""
                                  << "1 January 2024" << false << false;
    QTest::newRow("0 closes") << "0"
                              << "1 January 2024" << false << false;
    QTest::newRow("leading zero") << "0999"
                                  << "1 January 2024" << true << true;
}

void TestNavigation::testYearEntry()
{
    QFETCH(QString, typed);
    QFETCH(QString, firstTitle);
    QFETCH(bool, warned);
    QFETCH(bool, panelOpen);
    App app;
    app.world.pointer.desktop = QSize(1280, 1024);
    app.calendar->show();
    app.activate();
    app.find<QToolButton>(names::SpeedButton6)->click();
    QVERIFY(app.find<QFrame>(names::Panel25)->isVisible());
    app.find<TumNumberEdit>(names::umNumberEdit1)->selectAll();
    app.find<TumNumberEdit>(names::umNumberEdit1)->del();
    QTest::keyClicks(app.find<TumNumberEdit>(names::umNumberEdit1), typed);
    QCOMPARE(app.find<TumNumberEdit>(names::umNumberEdit1)->text(), typed);
    app.find<QToolButton>(names::SpeedButton54)->click();
    QCOMPARE(app.title(1), firstTitle);
    QCOMPARE(app.world.prompter.count(QStringLiteral("Year must be between 1700 and 3000")), warned ? 1 : 0);
    QCOMPARE(app.find<QFrame>(names::Panel25)->isVisible(), panelOpen);
    if (warned)
        QCOMPARE(app.world.pointer.last(), QPoint(1280 / 2 + 10, 1024 / 2 + 37));
    else
        QCOMPARE(app.world.pointer.last(), app.calendar->pointerTarget(pointer::Target::YearEntryButton));
}

void TestNavigation::testEnterActsAsOk()
{
    App app;
    app.calendar->show();
    app.activate();
    app.find<QToolButton>(names::SpeedButton6)->click();
    app.find<TumNumberEdit>(names::umNumberEdit1)->selectAll();
    QTest::keyClicks(app.find<TumNumberEdit>(names::umNumberEdit1), "1984");
    QTest::keyClick(app.find<TumNumberEdit>(names::umNumberEdit1), Qt::Key_Return);
    QCOMPARE(app.title(1), QStringLiteral("1 January 1984"));
    QVERIFY(!app.find<QFrame>(names::Panel25)->isVisible());
}

void TestNavigation::testTypingReplacesTheKeptYear()
{
    App app;
    app.calendar->show();
    app.activate();
    for (const QString& year : {QStringLiteral("2030"), QStringLiteral("1999")}) {
        app.find<QToolButton>(names::SpeedButton6)->click();
        auto* field = app.find<TumNumberEdit>(names::umNumberEdit1);
        QTest::keyClicks(field, year);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(app.title(1), "1 January " + year);
    }
    QVERIFY(app.world.prompter.boxes.isEmpty());
    // The kept year is still there when the panel opens again.
    app.find<QToolButton>(names::SpeedButton6)->click();
    QCOMPARE(app.find<TumNumberEdit>(names::umNumberEdit1)->text(), QStringLiteral("1999"));
}

void TestNavigation::testYearEntryOpensWithPointerAndFocus()
{
    App app;
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    app.find<QToolButton>(names::SpeedButton6)->click();
    const QPoint w = app.calendar->geometry().topLeft() - QPoint(3, 29);
    QCOMPARE(app.world.pointer.last(), QPoint(w.x() + 323 + 47 + 0 + 43, w.y() + 215 + 69));
    QTRY_VERIFY(app.find<TumNumberEdit>(names::umNumberEdit1)->hasFocus());
}

void TestNavigation::testClosingTheWarningReactivates()
{
    App app;
    app.activate();
    app.enterYear(1990);
    app.find<QToolButton>(names::SpeedButton6)->click();
    app.find<TumNumberEdit>(names::umNumberEdit1)->setText("1500");
    app.find<QToolButton>(names::SpeedButton54)->click();
    QCOMPARE(app.title(1), QStringLiteral("1 January 1990"));
    // Closing the box makes the main window active again: that activation shows today's year.
    QTRY_COMPARE(app.title(1), QStringLiteral("1 January 2024"));
}

void TestNavigation::testParametersOpensTheDialog()
{
    App app;
    app.activate();
    app.month(3)->setHint("24.065");
    app.find<QToolButton>(names::SpeedButton4)->click();
    QCOMPARE(app.world.prompter.boxes.size(), 1);
    QCOMPARE(app.world.prompter.boxes.first().kind, QStringLiteral("dialog"));
    QCOMPARE(app.month(3)->Hint(), QString());
}

QTEST_MAIN(TestNavigation)
#include "TestNavigation.moc"
