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
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("said");
    QTest::newRow("full moon, 13:53 UT 23 May 2024") << QDate(2024, 5, 23) << "Full moon";
    QTest::newRow("new moon at 03:22 UT 8 May is the 7th here") << QDate(2024, 5, 7) << "New moon";
    QTest::newRow("the day after, in Greenwich the new moon's") << QDate(2024, 5, 8) << "";
    QTest::newRow("June solstice, 20:51 UT 20 June 2024") << QDate(2024, 6, 20) << "Equinox or solstice";
    QTest::newRow("today") << QDate(2024, 5, 15) << "Today";
    QTest::newRow("a day of the user's events") << QDate(2024, 5, 10) << "Your events";
}

void TestMarks::testTheDaysTheSkyMarks()
{
    QFETCH(QDate, day);
    QFETCH(QString, said);
    App app;
    app.calendar->show();
    app.activate();
    auto* view = app.find<YearView>(names::YearView);
    view->setHasEvents([](const QDate& d) { return d == QDate(2024, 5, 10); });
    // The year's moments are computed on a worker thread.
    QTRY_VERIFY(view->marksKnown(2024));
    QCOMPARE(spoken(app, day), said);
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
        QTRY_COMPARE(spoken(app, QDate(2024, 5, 23)), QStringLiteral("Full moon"));
        // The key of the calendars' menu, wherever the focus is; the tray's item follows.
        QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : app.calendar.get(),
                           QKeySequence(QStringLiteral("Ctrl+K")));
        QVERIFY(!app.find<QAction>(names::TrayMarks)->isChecked());
        QCOMPARE(spoken(app, QDate(2024, 5, 23)), QString());
        // The tray's item switches them on again, and the calendars' menu follows.
        app.find<QAction>(names::TrayMarks)->trigger();
        QVERIFY(app.find<QAction>(names::MarksSwitch)->isChecked());
        QCOMPARE(spoken(app, QDate(2024, 5, 23)), QStringLiteral("Full moon"));
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
