// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include <QAccessible>

// What a screen reader reads of the main window, through the accessibility interfaces it uses.
class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void testEveryControlIsNamedAndDescribed_data();
    void testEveryControlIsNamedAndDescribed();
    void testSunTimesInFull_data();
    void testSunTimesInFull();
    void testSunTimeAfterMidnightSaysTheDay_data();
    void testSunTimeAfterMidnightSaysTheDay();
    void testMoonByItsPhase_data();
    void testMoonByItsPhase();
    void testCalendarsByTheirMonth();

private:
    static QString read(QObject* control, QAccessible::Text what)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        return face ? face->text(what) : QStringLiteral("<no interface>");
    }
    static QString name(QObject* control) { return read(control, QAccessible::Name); }
};

void TestAccessibility::testEveryControlIsNamedAndDescribed_data()
{
    QTest::addColumn<QString>("control");
    for (const QString& control : QStringList{names::SpeedButton11, names::SpeedButton10,    names::SpeedButton9,
                                              names::SpeedButton8,  names::SpeedButton7,     names::SpeedButton6,
                                              names::SpeedButton3,  names::SpeedButton5,     names::SpeedButton4,
                                              names::SpeedButton1,  names::SpeedButton2,     names::SpeedButton54,
                                              names::umNumberEdit1, names::Label1,           names::Image1,
                                              names::Label3,        names::Image2,           names::Label4,
                                              names::Image3,        names::MonthCalendar(1), names::MonthCalendar(12),
                                              names::TitlePanel(1), names::TitlePanel(12)})
        QTest::newRow(qPrintable(control)) << control;
}

void TestAccessibility::testEveryControlIsNamedAndDescribed()
{
    QFETCH(QString, control);
    App app;
    app.activate();
    // The year entry's controls exist once it has been opened.
    app.click(names::SpeedButton6);
    QWidget* widget = app.find<QWidget>(control);
    QVERIFY2(!name(widget).isEmpty(), qPrintable(control));
    QVERIFY2(!read(widget, QAccessible::Description).isEmpty(), qPrintable(control));
}

void TestAccessibility::testSunTimesInFull_data()
{
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QString>("sunrise");
    QTest::addColumn<QString>("sunset");
    QTest::addColumn<QString>("clickedSunrise");
    QTest::newRow("12-hour") << QByteArray("00") << "Sunrise 5:36 AM"
                             << "Sunset 7:16 PM"
                             << "Sunrise 7:27 AM";
    QTest::newRow("military time") << QByteArray("10") << "Sunrise 05:36"
                                   << "Sunset 19:16"
                                   << "Sunrise 07:27";
}

void TestAccessibility::testSunTimesInFull()
{
    QFETCH(QByteArray, flags);
    QFETCH(QString, sunrise);
    QFETCH(QString, sunset);
    QFETCH(QString, clickedSunrise);
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), flags + QByteArray("\r\nW\xB0"
                                                                             "97.45\r\nN\xB0"
                                                                             "30.15\r\n-6\r\n"));
    app.activate();
    QCOMPARE(name(app.find<QLabel>(names::Label3)), sunrise);
    QCOMPARE(name(app.find<QLabel>(names::Label4)), sunset);
    // A clicked day's times are said while they stand, and today's again after them.
    app.clickDay(1, QDate(2024, 1, 9));
    QCOMPARE(name(app.find<QLabel>(names::Label3)), clickedSunrise);
    app.ticks(DayReport::ReportHoldTicks + 1);
    QCOMPARE(name(app.find<QLabel>(names::Label3)), sunrise);
}

void TestAccessibility::testSunTimeAfterMidnightSaysTheDay_data()
{
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("said");
    // Reykjavik on midsummer day: the sun sets a few minutes after midnight.
    QTest::newRow("Reykjavik, 21 June, 12-hour") << QByteArray("00") << "12:04P"
                                                 << "Sunset 12:04 AM, next day";
    QTest::newRow("Reykjavik, 21 June, 24-hour") << QByteArray("10") << "24:04"
                                                 << "Sunset 00:04, next day";
}

void TestAccessibility::testSunTimeAfterMidnightSaysTheDay()
{
    QFETCH(QByteArray, flags);
    QFETCH(QString, shown);
    QFETCH(QString, said);
    App app(QDateTime(QDate(2026, 6, 21), QTime(10, 30)), flags + QByteArray("\r\nW\xB0"
                                                                             "21.94\r\nN\xB0"
                                                                             "64.15\r\n0\r\n"));
    app.activate();
    // The label keeps the text its rule gives; only what is said names the day.
    QCOMPARE(app.find<QLabel>(names::Label4)->text(), shown);
    QCOMPARE(name(app.find<QLabel>(names::Label4)), said);
}

void TestAccessibility::testMoonByItsPhase_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("phase");
    QTest::newRow("4 May 2024") << QDate(2024, 5, 4) << "Waning crescent";
    QTest::newRow("23 May 2024") << QDate(2024, 5, 23) << "Full moon";
    QTest::newRow("27 May 2024") << QDate(2024, 5, 27) << "Waning gibbous";
}

void TestAccessibility::testMoonByItsPhase()
{
    QFETCH(QDate, day);
    QFETCH(QString, phase);
    App app;
    app.activate();
    // Today, 15 May 2024: the first quarter fell at 11:48 UT.
    QCOMPARE(name(app.find<QLabel>(names::Image3)), QStringLiteral("First quarter"));
    app.clickDay(5, day);
    QCOMPARE(name(app.find<QLabel>(names::Image3)), phase);
}

void TestAccessibility::testCalendarsByTheirMonth()
{
    App app;
    app.activate();
    QCOMPARE(name(app.month(1)), QStringLiteral("January 2024"));
    QCOMPARE(name(app.month(12)), QStringLiteral("December 2024"));
    // The day grid, which takes the focus, says the same.
    QCOMPARE(name(app.month(12)->dayView()), QStringLiteral("December 2024"));
    app.click(names::SpeedButton9);
    QCOMPARE(name(app.month(12)), QStringLiteral("December 2025"));
    app.click(names::SpeedButton8);
    app.click(names::SpeedButton11);
    QCOMPARE(name(app.month(1)), QStringLiteral("December 2024"));
    QCOMPARE(name(app.month(2)), QStringLiteral("January 2025"));
    // The calendar's own keys move its month too.
    app.month(2)->setFocus();
    QTest::keyClick(app.month(2)->dayView(), Qt::Key_PageDown);
    QCOMPARE(name(app.month(2)), QStringLiteral("February 2025"));
}

QTEST_MAIN(TestAccessibility)
#include "TestAccessibility.moc"
