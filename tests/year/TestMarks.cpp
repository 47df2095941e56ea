// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/WindowState.h"
#include "support/AppFixture.h"
#include "system/Screens.h"
#include <QApplication>
#include <QTemporaryDir>

// The moons, seasons and events marked on the year's calendars, as a screen reader hears the day selected, and
// their switch in the tray's menu, the calendars' menu and the window's state. The place's clock is 6 hours west
// of Greenwich; the moments were taken from PyEphem.
namespace {
struct OneScreen : Screens
{
    QList<QRect> geometries() const override { return {QRect(0, 0, 1024, 768)}; }
};

QString spoken(const App& app, const QDate& day)
{
    TMonthCalendar* month = app.month(day.month());
    month->setDate(rt::fromQDate(day));
    return month->dayView()->accessibleDescription();
}
} // namespace

class TestMarks : public QObject
{
    Q_OBJECT
private slots:
    void testTheDaysTheSkyMarks_data();
    void testTheDaysTheSkyMarks();
    void testTheSwitchFollowsAndIsKept();
};

void TestMarks::testTheDaysTheSkyMarks_data()
{
    QTest::addColumn<QByteArray>("flags"); // the first line of prefs.cal: "10" is military time
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("said");
    QTest::newRow("full moon, 13:53 UT 23 May 2024")
        << QByteArray("00") << QDate(2024, 5, 23) << "Full moon at 7:53 AM";
    QTest::newRow("the same at military time") << QByteArray("10") << QDate(2024, 5, 23) << "Full moon at 07:53";
    QTest::newRow("new moon at 03:22 UT 8 May is the 7th here")
        << QByteArray("00") << QDate(2024, 5, 7) << "New moon at 9:22 PM";
    QTest::newRow("the day after, in Greenwich the new moon's") << QByteArray("00") << QDate(2024, 5, 8) << "";
    QTest::newRow("June solstice, 20:51 UT 20 June 2024")
        << QByteArray("10") << QDate(2024, 6, 20) << "June solstice at 14:51";
    QTest::newRow("today") << QByteArray("00") << QDate(2024, 5, 15) << "Today";
    QTest::newRow("a day of the user's events") << QByteArray("00") << QDate(2024, 5, 10) << "Your events";
}

void TestMarks::testTheDaysTheSkyMarks()
{
    QFETCH(QByteArray, flags);
    QFETCH(QDate, day);
    QFETCH(QString, said);
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), flags + QByteArray("\r\nW\xB0"
                                                                             "97.45\r\nN\xB0"
                                                                             "30.15\r\n-6\r\n"));
    app.calendar->show();
    app.activate();
    auto* view = app.find<YearView>(names::YearView);
    view->setHasEvents([](const QDate& d) { return d == QDate(2024, 5, 10); });
    // The year's moments are computed on a worker thread.
    QTRY_VERIFY(view->marksKnown(2024));
    QCOMPARE(spoken(app, day), said);
    // The day's cell says the same after its date, the moments as they stand.
    const QString cell = app.month(day.month())->spokenDay(day);
    QVERIFY2(cell.startsWith(QLocale().toString(day, QLocale::LongFormat)), qPrintable(cell));
    if (!said.isEmpty() && said != QLatin1String("Today"))
        QVERIFY2(cell.endsWith(said.mid(1)), qPrintable(cell));
}

void TestMarks::testTheSwitchFollowsAndIsKept()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dorvane-state.ini"));
    OneScreen screens;
    {
        App app;
        app.calendar->keepStateIn(path, screens);
        app.calendar->show();
        QApplication::setActiveWindow(app.calendar.get());
        QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
        app.activate();
        QTRY_COMPARE(spoken(app, QDate(2024, 5, 23)), QStringLiteral("Full moon at 7:53 AM"));
        // The key of the calendars' menu, wherever the focus is; the tray's item follows.
        QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : app.calendar.get(),
                           QKeySequence(QStringLiteral("Ctrl+K")));
        QVERIFY(!app.find<QAction>(names::TrayMarks)->isChecked());
        QCOMPARE(spoken(app, QDate(2024, 5, 23)), QString());
        // The tray's item switches them on again, and the calendars' menu follows.
        app.find<QAction>(names::TrayMarks)->trigger();
        QVERIFY(app.find<QAction>(names::MarksSwitch)->isChecked());
        QCOMPARE(spoken(app, QDate(2024, 5, 23)), QStringLiteral("Full moon at 7:53 AM"));
        app.find<QAction>(names::TrayMarks)->trigger();
        app.calendar->close();
    }
    QCOMPARE(windowstate::read(path).marksShown, false);
    App next;
    next.calendar->keepStateIn(path, screens);
    next.activate();
    QVERIFY(!next.find<QAction>(names::TrayMarks)->isChecked() && !next.find<QAction>(names::MarksSwitch)->isChecked());
    QCOMPARE(spoken(next, QDate(2024, 5, 23)), QString());
}

QTEST_MAIN(TestMarks)
#include "TestMarks.moc"
