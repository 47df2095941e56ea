#include "AppFixture.h"
#include <QAction>
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
    app.calendar->SpeedButton1->click();
    QVERIFY(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(app.calendar->isVisible());
    QCOMPARE(app.calendar->pos(), QPoint(120, 80));
    QCOMPARE(app.month(2)->Hint(), QString());
    app.calendar->SpeedButton1->click();
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
    app.calendar->SpeedButton5->click();
    QCOMPARE(app.calendar->WeekNumbersShown, 1);
    for (int n = 1; n <= 12; ++n)
        QVERIFY(app.month(n)->WeekNumbers());
    QCOMPARE(app.month(4)->Hint(), QString());
    app.calendar->SpeedButton5->click();
    QCOMPARE(app.calendar->WeekNumbersShown, 0);
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
    app.calendar->trayAvailable = [] { return true; };
    app.calendar->show();
    app.activate();
    app.calendar->SpeedButton2->click();
    QVERIFY(!app.calendar->isVisible());
    // The clock keeps running while hidden.
    QVERIFY(app.calendar->Timer1->isActive());
    emit app.calendar->RxTrayIcon1->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(app.calendar->isVisible(), shown);
}

void TestWindowModes::testWithoutNotificationAreaTrayMinimises()
{
    App app;
    app.calendar->trayAvailable = [] { return false; };
    app.calendar->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calendar.get()));
    app.calendar->SpeedButton2->click();
    QVERIFY(app.calendar->isVisible());
    QTRY_VERIFY(app.calendar->isMinimized());
    app.calendar->RxTrayIcon1Click();
    QVERIFY(!app.calendar->isMinimized());
}

void TestWindowModes::testTrayItemOfTheOneMonthView()
{
    App app;
    app.calendar->trayAvailable = [] { return true; };
    app.calendar->show();
    app.activate();
    app.calendar->SpeedButton8->click();
    app.calendar->SpeedButton7->click();
    app.calendar->SpeedButton7->click();
    QCOMPARE(app.calendar->SmallCalCount, 1);
    QVERIFY(app.calendar->Tray1->isVisible());
    QCOMPARE(app.calendar->Tray1->text(), QStringLiteral("Tray"));
    app.month(1)->setHint("24.122");
    app.calendar->Tray1->trigger();
    QVERIFY(!app.calendar->isVisible());
    // The menu item hides without clearing the hints.
    QCOMPARE(app.month(1)->Hint(), QStringLiteral("24.122"));
}

void TestWindowModes::testHintsOfTheToolbar()
{
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), QByteArray("01\r\nW\xB0"
                                                                     "97.45\r\nN\xB0"
                                                                     "30.15\r\n-6\r\n"));
    QCOMPARE(app.calendar->SpeedButton1->toolTip(), QString());
    app.activate();
    QCOMPARE(app.calendar->SpeedButton1->toolTip(), QStringLiteral("Always on top"));
    QCOMPARE(app.calendar->SpeedButton2->toolTip(), QStringLiteral("Tray"));
    QCOMPARE(app.calendar->SpeedButton5->toolTip(), QStringLiteral("Display week number"));
    QCOMPARE(app.calendar->Image1->toolTip(), QStringLiteral("Sunrise"));
    QCOMPARE(app.calendar->Image3->toolTip(), QStringLiteral("Moon phase"));
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.136"));
    app.clickDay(1, QDate(2024, 1, 9));
    QCOMPARE(app.month(1)->toolTip(), QStringLiteral("24.009"));
}

QTEST_MAIN(TestWindowModes)
#include "TestWindowModes.moc"
