#include "AppFixture.h"
#include <QAction>
#include <QCheckBox>
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
    void testHintsOfTheToolbar();
};

void TestWindowModes::testAlwaysOnTopFlipsAndKeepsThePlace()
{
    App app;
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.activate();
    app.calendar->move(120, 80);
    app.month(2)->setHint("24.040");
    app.find<QToolButton>("SpeedButton1")->click();
    QVERIFY(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(app.calendar->isVisible());
    QCOMPARE(app.calendar->pos(), QPoint(120, 80));
    QCOMPARE(app.month(2)->Hint(), QString());
    app.find<QToolButton>("SpeedButton1")->click();
    QVERIFY(!(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint));
    QCOMPARE(app.calendar->pos(), QPoint(120, 80));
    QCOMPARE(app.calendar->outerSize(), QSize(800, 485));
}

void TestWindowModes::testWeekNumbersInAllCalendars()
{
    App app;
    app.activate();
    app.clickDay(4, QDate(2024, 4, 9));
    QCOMPARE(app.month(4)->Hint(), QStringLiteral("24.100"));
    app.find<QToolButton>("SpeedButton5")->click();
    QVERIFY(app.calendar->yearGrid().weekNumbersShown());
    for (int n = 1; n <= 12; ++n)
        QVERIFY(app.month(n)->WeekNumbers());
    QCOMPARE(app.month(4)->Hint(), QString());
    app.find<QToolButton>("SpeedButton5")->click();
    QVERIFY(!app.calendar->yearGrid().weekNumbersShown());
    for (int n = 1; n <= 12; ++n)
        QVERIFY(!app.month(n)->WeekNumbers());
}

void TestWindowModes::testTrayHidesAndTheIconBringsBack_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("shown");
    QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("right click") << int(QSystemTrayIcon::Context) << true;
    QTest::newRow("middle click does nothing") << int(QSystemTrayIcon::MiddleClick) << false;
}

void TestWindowModes::testTrayHidesAndTheIconBringsBack()
{
    QFETCH(int, reason);
    QFETCH(bool, shown);
    App app;
    app.calendar->setTrayAvailable([] { return true; });
    app.calendar->show();
    app.activate();
    app.find<QToolButton>("SpeedButton2")->click();
    QVERIFY(!app.calendar->isVisible());
    // The report's countdown goes on while hidden.
    QVERIFY(app.find<QTimer>("Timer1")->isActive());
    emit app.find<QSystemTrayIcon>("RxTrayIcon1")->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(app.calendar->isVisible(), shown);
}

void TestWindowModes::testWithoutNotificationAreaTrayMinimises()
{
    App app;
    app.calendar->setTrayAvailable([] { return false; });
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.find<QToolButton>("SpeedButton2")->click();
    QVERIFY(app.calendar->isVisible());
    QTRY_VERIFY(app.calendar->isMinimized());
    app.calendar->RxTrayIcon1Click();
    QVERIFY(!app.calendar->isMinimized());
}

void TestWindowModes::testTrayItemOfTheOneMonthView()
{
    App app;
    app.calendar->setTrayAvailable([] { return true; });
    app.calendar->show();
    app.activate();
    app.find<QToolButton>("SpeedButton8")->click();
    app.find<QToolButton>("SpeedButton7")->click();
    app.find<QToolButton>("SpeedButton7")->click();
    QCOMPARE(app.calendar->yearGrid().compactCount(), 1);
    QVERIFY(app.find<QAction>("Tray1")->isVisible());
    QCOMPARE(app.find<QAction>("Tray1")->text(), QStringLiteral("Tray"));
    app.month(1)->setHint("24.122");
    app.find<QAction>("Tray1")->trigger();
    QVERIFY(!app.calendar->isVisible());
    // The menu item hides without clearing the hints.
    QCOMPARE(app.month(1)->Hint(), QStringLiteral("24.122"));
}

void TestWindowModes::testHintsOfTheToolbar()
{
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), QByteArray("01\r\nW\xB0"
                                                                     "97.45\r\nN\xB0"
                                                                     "30.15\r\n-6\r\n"));
    QCOMPARE(app.find<QToolButton>("SpeedButton1")->toolTip(), QString());
    app.activate();
    // The hint's own words come first, the shortcut after them.
    QCOMPARE(app.find<QToolButton>("SpeedButton1")->toolTip(), QStringLiteral("Always on top (Ctrl+T)"));
    QCOMPARE(app.find<QToolButton>("SpeedButton2")->toolTip(), QStringLiteral("Tray (Ctrl+H)"));
    QCOMPARE(app.find<QToolButton>("SpeedButton5")->toolTip(), QStringLiteral("Display week number (Ctrl+W)"));
    QCOMPARE(app.find<QLabel>("Image1")->toolTip(), QStringLiteral("Sunrise"));
    QCOMPARE(app.find<QLabel>("Image3")->toolTip(), QStringLiteral("Moon phase"));
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.136"));
    app.clickDay(1, QDate(2024, 1, 9));
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.009"));
    // Hints unticked in the Parameters dialog: the toolbar falls silent, the month calendars keep their hint.
    app.home->findChild<QCheckBox*>("CheckBox2")->setChecked(false);
    QCOMPARE(app.find<QToolButton>("SpeedButton1")->toolTip(), QString());
    QCOMPARE(app.find<QLabel>("Image1")->toolTip(), QString());
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.009"));
}

QTEST_MAIN(TestWindowModes)
#include "TestWindowModes.moc"
