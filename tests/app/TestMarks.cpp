#include "AppFixture.h"
#include "app/Screens.h"
#include "app/WindowState.h"
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

QAction* action(const App& app, const QString& name)
{
    return app.find<QAction>(name);
}
} // namespace

class TestMarks : public QObject
{
    Q_OBJECT
private slots:
    void testTheDaysTheSkyMarks_data();
    void testTheDaysTheSkyMarks();
    void testSwitchedOffAndOnAgain();
    void testTheSwitchIsKept();
};

void TestMarks::testTheDaysTheSkyMarks_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("said");
    QTest::newRow("full moon, 13:53 UT 23 May 2024") << QDate(2024, 5, 23) << "Full moon";
    QTest::newRow("new moon at 03:22 UT 8 May is the 7th here") << QDate(2024, 5, 7) << "New moon";
    QTest::newRow("the day after, in Greenwich the new moon's") << QDate(2024, 5, 8) << "";
    QTest::newRow("full moon at 02:34 UT 18 September is the 17th") << QDate(2024, 9, 17) << "Full moon";
    QTest::newRow("June solstice, 20:51 UT 20 June 2024") << QDate(2024, 6, 20) << "Equinox or solstice";
    QTest::newRow("December solstice, 09:20 UT 21 December") << QDate(2024, 12, 21) << "Equinox or solstice";
    QTest::newRow("today") << QDate(2024, 5, 15) << "Today";
    QTest::newRow("a day of the user's events") << QDate(2024, 5, 10) << "Your events";
    QTest::newRow("a plain day") << QDate(2024, 5, 11) << "";
}

void TestMarks::testTheDaysTheSkyMarks()
{
    QFETCH(QDate, day);
    QFETCH(QString, said);
    App app;
    app.activate();
    app.find<YearView>(names::YearView)->setHasEvents([](const QDate& d) { return d == QDate(2024, 5, 10); });
    QCOMPARE(spoken(app, day), said);
}

void TestMarks::testSwitchedOffAndOnAgain()
{
    App app;
    app.calendar->show();
    app.activate();
    TMonthCalendar* may = app.month(5);
    QCOMPARE(spoken(app, QDate(2024, 5, 23)), QStringLiteral("Full moon"));
    const QImage marked = may->grab().toImage();

    // The calendars' menu (and its key) switches them off, and the tray's item follows.
    QVERIFY(action(app, names::MarksSwitch)->isChecked());
    action(app, names::MarksSwitch)->trigger();
    QVERIFY(!action(app, names::TrayMarks)->isChecked());
    QCOMPARE(spoken(app, QDate(2024, 5, 23)), QString());
    QVERIFY(!may->showsMarks());
    const QImage plain = may->grab().toImage();
    QVERIFY(plain != marked);

    // The tray's item switches them on again, and the calendars' menu follows.
    action(app, names::TrayMarks)->trigger();
    QVERIFY(action(app, names::MarksSwitch)->isChecked());
    QCOMPARE(spoken(app, QDate(2024, 5, 23)), QStringLiteral("Full moon"));
    QCOMPARE(may->grab().toImage(), marked);
    QCOMPARE(app.world.prompter.boxes.size(), 0);
}

void TestMarks::testTheSwitchIsKept()
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
        // The key of the calendars' menu item, wherever the focus is in the window.
        QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : app.calendar.get(),
                           QKeySequence(QStringLiteral("Ctrl+K")));
        QVERIFY(!action(app, names::TrayMarks)->isChecked());
        app.calendar->close();
    }
    QCOMPARE(windowstate::read(path).marksShown, false);
    App next;
    next.calendar->keepStateIn(path, screens);
    next.calendar->show();
    next.activate();
    QVERIFY(!action(next, names::TrayMarks)->isChecked());
    QVERIFY(!action(next, names::MarksSwitch)->isChecked());
    QCOMPARE(spoken(next, QDate(2024, 5, 23)), QString());
}

QTEST_MAIN(TestMarks)
#include "TestMarks.moc"
