// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolButton>

class TestWindowModes : public QObject
{
    Q_OBJECT
private slots:
    void testAlwaysOnTopFlipsAndKeepsThePlace();
    void testWeekNumbersInAllCalendars();
    void testTrayHidesAndTheIconBringsBack_data();
    void testTrayHidesAndTheIconBringsBack();
    void testWithoutNotificationAreaTrayMinimises();
    void testTrayItemOfTheOneMonthView();
    void testTrayFollowsTheNotificationArea_data();
    void testTrayFollowsTheNotificationArea();
    void testTrayMenu_data();
    void testTrayMenu();
    void testTrayTipNamesToday();
    void testHintsOfTheToolbar();
    void testHintsFlagReadByTheWindowItself();
};

void TestWindowModes::testAlwaysOnTopFlipsAndKeepsThePlace()
{
    App app;
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    app.calendar->move(120, 80);
    app.month(2)->setHint("24.040");
    app.find<QToolButton>(names::SpeedButton1)->click();
    QVERIFY(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(app.calendar->isVisible());
    QCOMPARE(app.calendar->pos(), QPoint(120, 80));
    QCOMPARE(app.month(2)->Hint(), QString());
    app.find<QToolButton>(names::SpeedButton1)->click();
    QVERIFY(!(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(app.calendar->pos(), QPoint(120, 80));
    QCOMPARE(app.outerSize(), QSize(800, 485));
}

void TestWindowModes::testWeekNumbersInAllCalendars()
{
    App app;
    app.activate();
    app.clickDay(4, QDate(2024, 4, 9));
    QCOMPARE(app.month(4)->Hint(), QStringLiteral("24.100"));
    app.find<QToolButton>(names::SpeedButton5)->click();
    QVERIFY(app.grid().weekNumbersShown());
    for (int n = 1; n <= 12; ++n)
        QVERIFY(app.month(n)->WeekNumbers());
    QCOMPARE(app.month(4)->Hint(), QString());
    app.find<QToolButton>(names::SpeedButton5)->click();
    QVERIFY(!app.grid().weekNumbersShown());
    for (int n = 1; n <= 12; ++n)
        QVERIFY(!app.month(n)->WeekNumbers());
}

void TestWindowModes::testTrayHidesAndTheIconBringsBack_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("shown");
    QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << true;
    // The right button opens the icon's menu instead.
    QTest::newRow("right click opens the menu, not the window") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("middle click does nothing") << int(QSystemTrayIcon::MiddleClick) << false;
}

void TestWindowModes::testTrayHidesAndTheIconBringsBack()
{
    QFETCH(int, reason);
    QFETCH(bool, shown);
    App app;
    app.tray()->setAvailable([] { return true; });
    app.calendar->show();
    app.activate();
    app.find<QToolButton>(names::SpeedButton2)->click();
    QVERIFY(!app.calendar->isVisible());
    // The report's countdown goes on while hidden.
    QVERIFY(app.find<QTimer>(names::Timer1)->isActive());
    emit app.find<QSystemTrayIcon>(names::RxTrayIcon1)->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(app.calendar->isVisible(), shown);
}

void TestWindowModes::testWithoutNotificationAreaTrayMinimises()
{
    App app;
    app.tray()->setAvailable([] { return false; });
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.find<QToolButton>(names::SpeedButton2)->click();
    QVERIFY(app.calendar->isVisible());
    QTRY_VERIFY(app.calendar->isMinimized());
    emit app.find<QSystemTrayIcon>(names::RxTrayIcon1)->activated(QSystemTrayIcon::Trigger);
    QVERIFY(!app.calendar->isMinimized());
}

void TestWindowModes::testTrayItemOfTheOneMonthView()
{
    App app;
    app.tray()->setAvailable([] { return true; });
    app.calendar->show();
    app.activate();
    app.find<QToolButton>(names::SpeedButton8)->click();
    app.find<QToolButton>(names::SpeedButton7)->click();
    app.find<QToolButton>(names::SpeedButton7)->click();
    QCOMPARE(app.grid().compactCount(), 1);
    QVERIFY(app.find<QAction>(names::Tray1)->isVisible());
    QCOMPARE(app.find<QAction>(names::Tray1)->text(), QStringLiteral("Tray"));
    app.month(1)->setHint("24.122");
    app.find<QAction>(names::Tray1)->trigger();
    QVERIFY(!app.calendar->isVisible());
    // The menu item hides without clearing the hints.
    QCOMPARE(app.month(1)->Hint(), QStringLiteral("24.122"));
}

void TestWindowModes::testTrayFollowsTheNotificationArea_data()
{
    // The program starts with no notification area (as offscreen has none); then the steps, in order.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("iconShown");
    QTest::addColumn<bool>("windowVisible");
    QTest::addColumn<bool>("minimised");
    QTest::newRow("no tray ever: Ctrl+H minimises") << "hide" << false << true << true;
    QTest::newRow("a tray appears, then Ctrl+H") << "tray told hide" << true << false << false;
    QTest::newRow("a tray appears, Ctrl+H before the news") << "tray hide" << true << false << false;
    QTest::newRow("the tray goes while hidden: the window comes back minimised")
        << "tray told hide gone told" << true << true << true;
    QTest::newRow("the tray goes while shown: Ctrl+H minimises") << "tray told gone told hide" << true << true << true;
}

void TestWindowModes::testTrayFollowsTheNotificationArea()
{
    QFETCH(QString, steps);
    QFETCH(bool, iconShown);
    QFETCH(bool, windowVisible);
    QFETCH(bool, minimised);
    App app;
    bool area = false;
    app.tray()->setAvailable([&area] { return area; });
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    auto* icon = app.find<QSystemTrayIcon>(names::RxTrayIcon1);
    QVERIFY(!icon->isVisible());
    const QStringList list = steps.split(QLatin1Char(' '));
    for (const QString& step : list) {
        if (step == QLatin1String("tray"))
            area = true;
        else if (step == QLatin1String("gone"))
            area = false;
        else if (step == QLatin1String("told"))
            app.tray()->trayAreaChanged();
        else if (step == QLatin1String("hide"))
            app.click(names::SpeedButton2);
    }
    QCOMPARE(icon->isVisible(), iconShown);
    QCOMPARE(app.calendar->isVisible(), windowVisible);
    if (minimised)
        QTRY_VERIFY(app.calendar->isMinimized());
    else
        QVERIFY(!app.calendar->isMinimized());
    // Whichever way it went, the icon or the taskbar brings the window back.
    emit app.find<QSystemTrayIcon>(names::RxTrayIcon1)->activated(QSystemTrayIcon::Trigger);
    QVERIFY(app.calendar->isVisible());
    QTRY_VERIFY(!app.calendar->isMinimized());
}

void TestWindowModes::testTrayMenu_data()
{
    QTest::addColumn<bool>("hiddenFirst");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("itemText");
    QTest::addColumn<bool>("visibleAfter");
    QTest::addColumn<QString>("dialogs");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Hide while shown") << false << names::TrayShowHide << "Hide" << false << "" << false;
    QTest::newRow("Show while hidden") << true << names::TrayShowHide << "Show" << true << "" << false;
    QTest::newRow("Parameters, as the toolbar button")
        << false << names::TrayParameters << "Parameters" << true << "Home" << false;
    QTest::newRow("Quit, as the close button") << false << names::TrayQuit << "Quit" << false << "" << true;
}

void TestWindowModes::testTrayMenu()
{
    QFETCH(bool, hiddenFirst);
    QFETCH(QString, item);
    QFETCH(QString, itemText);
    QFETCH(bool, visibleAfter);
    QFETCH(QString, dialogs);
    QFETCH(bool, closed);
    App app;
    app.tray()->setAvailable([] { return true; });
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    if (hiddenFirst)
        app.click(names::SpeedButton2);
    auto* icon = app.find<QSystemTrayIcon>(names::RxTrayIcon1);
    QMenu* menu = icon->contextMenu();
    QVERIFY(menu);
    // The menu is read as it opens: the first item names what it will do.
    emit menu->aboutToShow();
    QCOMPARE(app.find<QAction>(item)->text(), itemText);
    QCOMPARE(menu->actions().first()->objectName(), names::TrayShowHide);
    bool wasClosed = false;
    connect(app.calendar.get(), &TCalendar::closed, [&wasClosed] { wasClosed = true; });
    app.find<QAction>(item)->trigger();
    QCOMPARE(app.calendar->isVisible(), visibleAfter);
    QCOMPARE(wasClosed, closed);
    QStringList opened;
    for (const FakePrompter::Box& box : app.world.prompter.boxes)
        if (box.kind == QLatin1String("dialog"))
            opened << box.text;
    QCOMPARE(opened.join(QLatin1Char(' ')), dialogs);
}

void TestWindowModes::testTrayTipNamesToday()
{
    App app(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 980)));
    auto* icon = app.find<QSystemTrayIcon>(names::RxTrayIcon1);
    QCOMPARE(icon->toolTip(), QStringLiteral("Dorvane\nToday: Thursday, 31 December 2026"));
    app.world.clock.set(QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1)));
    QTRY_COMPARE(icon->toolTip(), QStringLiteral("Dorvane\nToday: Friday, 1 January 2027"));
}

void TestWindowModes::testHintsOfTheToolbar()
{
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), QByteArray("01\r\nW\xB0"
                                                                     "97.45\r\nN\xB0"
                                                                     "30.15\r\n-6\r\n"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton1)->toolTip(), QString());
    app.activate();
    // The hint's own words come first, the shortcut after them.
    QCOMPARE(app.find<QToolButton>(names::SpeedButton1)->toolTip(), QStringLiteral("Always on top (Ctrl+T)"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton2)->toolTip(), QStringLiteral("Tray (Ctrl+H)"));
    QCOMPARE(app.find<QToolButton>(names::SpeedButton5)->toolTip(), QStringLiteral("Display week number (Ctrl+W)"));
    QCOMPARE(app.find<QLabel>(names::Image1)->toolTip(), QStringLiteral("Sunrise"));
    QCOMPARE(app.find<QLabel>(names::Image3)->toolTip(), QStringLiteral("Moon phase"));
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.136"));
    app.clickDay(1, QDate(2024, 1, 9));
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.009"));
    // Hints unticked in the Parameters dialog: the toolbar falls silent, the month calendars keep their hint.
    app.world.prompter.whileDialogOpen = [](QDialog* dialog) {
        QCheckBox* hints = dialog->findChild<QCheckBox*>("CheckBox2");
        QVERIFY(hints->isChecked());
        hints->setChecked(false);
    };
    app.click(names::SpeedButton4);
    QCOMPARE(app.find<QToolButton>(names::SpeedButton1)->toolTip(), QString());
    QCOMPARE(app.find<QLabel>(names::Image1)->toolTip(), QString());
    // Opening the dialog cleared the day's hint; the next click shows one again.
    app.clickDay(1, QDate(2024, 1, 10));
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.010"));
}

void TestWindowModes::testHintsFlagReadByTheWindowItself()
{
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), QByteArray("01\r\nW\xB0"
                                                                     "97.45\r\nN\xB0"
                                                                     "30.15\r\n-6\r\n"));
    // No dialog to pass the flag through: the window reads it from the file.
    app.calendar->setHome(nullptr);
    app.activate();
    QCOMPARE(app.find<QToolButton>(names::SpeedButton1)->toolTip(), QStringLiteral("Always on top (Ctrl+T)"));
    // A file read later with the flag off leaves them on.
    app.folder.write(QByteArray("00\r\nW\xB0"
                                "97.45\r\nN\xB0"
                                "30.15\r\n-6\r\n"));
    app.activate();
    QCOMPARE(app.find<QToolButton>(names::SpeedButton1)->toolTip(), QStringLiteral("Always on top (Ctrl+T)"));
}

QTEST_MAIN(TestWindowModes)
#include "TestWindowModes.moc"
