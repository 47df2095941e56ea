// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include <QLineEdit>

// When the window counts as activated: its first showing and the closing of a box or dialog of its own bring back
// today's year; a restore from the tray and coming back from another application change nothing.
class TestActivation : public QObject
{
    Q_OBJECT
private slots:
    void testWhatBringsBackTodaysYear_data();
    void testWhatBringsBackTodaysYear();
    void testComingBackRepaintsWhatLooksInactive_data();
    void testComingBackRepaintsWhatLooksInactive();
    void testOtherKindsHearOfIt();
};

namespace {
enum Return { FromAnotherWindow, YearWarningClosed, ParametersClosed, RestoredFromTray, TrayClickWhileShown };

// What the user sees of the grid: the month titles and the year button.
QStringList shown(const App& app)
{
    QStringList texts;
    for (int n = 1; n <= 12; ++n)
        texts.append(app.title(n));
    texts.append(app.find<QToolButton>(names::SpeedButton10)->text());
    return texts;
}

// Another application takes the focus; the window is then activated again as a click on it would.
bool anotherWindowThenBack(App& app, QWidget& other)
{
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other))
        return false;
    app.calendar->activateWindow();
    return QTest::qWaitForWindowActive(app.calendar.get());
}

// The widgets of the window painted while it watches.
struct Painted : QObject
{
    QWidget* window = nullptr;
    QList<QWidget*> widgets;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == window)
            widgets.append(widget);
        return false;
    }
};
} // namespace

void TestActivation::testWhatBringsBackTodaysYear_data()
{
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("compact");
    QTest::addColumn<bool>("today");
    QTest::newRow("from another application") << int(FromAnotherWindow) << false << false;
    QTest::newRow("from another application, compact view") << int(FromAnotherWindow) << true << false;
    QTest::newRow("tray icon clicked while the window is shown") << int(TrayClickWhileShown) << false << false;
    QTest::newRow("the year warning closed") << int(YearWarningClosed) << false << true;
    QTest::newRow("the Parameters dialog closed") << int(ParametersClosed) << false << true;
    QTest::newRow("restored from the tray") << int(RestoredFromTray) << false << false;
    QTest::newRow("restored from the tray, compact view") << int(RestoredFromTray) << true << false;
}

void TestActivation::testWhatBringsBackTodaysYear()
{
    QFETCH(int, back);
    QFETCH(bool, compact);
    QFETCH(bool, today);
    App app;
    app.tray()->setAvailable([] { return true; });
    app.calendar->show();
    app.calendar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    // The first showing lays out today's year.
    QTRY_COMPARE(app.title(1), QStringLiteral("1 January 2024"));
    const QStringList todays = shown(app);
    if (compact)
        app.click(names::SpeedButton8);
    app.click(names::SpeedButton9);
    app.click(names::SpeedButton9);
    const QStringList before = shown(app);
    QVERIFY(before != todays);

    QWidget other;
    QSystemTrayIcon* icon = app.find<QSystemTrayIcon>(names::RxTrayIcon1);
    switch (back) {
    case FromAnotherWindow:
        QVERIFY(anotherWindowThenBack(app, other));
        break;
    case TrayClickWhileShown:
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        emit icon->activated(QSystemTrayIcon::Trigger);
        QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
        break;
    case YearWarningClosed:
        app.enterYear(1500);
        QCOMPARE(app.world.prompter.texts(), QStringList{QStringLiteral("Year must be between 1700 and 3000")});
        break;
    case ParametersClosed:
        app.click(names::SpeedButton4);
        QCOMPARE(app.world.prompter.boxes.size(), 1);
        break;
    case RestoredFromTray:
        app.click(names::SpeedButton2);
        QVERIFY(!app.calendar->isVisible());
        emit icon->activated(QSystemTrayIcon::Trigger);
        QVERIFY(app.calendar->isVisible());
        break;
    }
    if (today) {
        QTRY_COMPARE(app.title(1), QStringLiteral("1 January 2024"));
        QCOMPARE(app.title(12), QStringLiteral("12 December 2024"));
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(shown(app), before);
    }
}

namespace {
enum Change { Nothing, DesktopInactiveColours, OneLabelsOwn };

// Colours that tell an inactive window: the window text greyed.
QPalette greyedWhenInactive(QPalette palette)
{
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::gray);
    return palette;
}

// What Qt repaints as the window's activation changes: each visible widget whose palette's active and inactive
// colours differ and that shows on the screen, but for the month calendars, which draw the same either way.
QList<QWidget*> looksInactive(QWidget& window)
{
    QList<QWidget*> widgets;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        bool inMonth = false;
        for (QWidget* up = widget; up && !inMonth; up = up->parentWidget())
            inMonth = up->inherits("TMonthCalendar");
        if (widget->isVisible() && !widget->visibleRegion().isEmpty() && !inMonth &&
            !widget->palette().isEqual(QPalette::Active, QPalette::Inactive))
            widgets.append(widget);
    }
    return widgets;
}

} // namespace

void TestActivation::testComingBackRepaintsWhatLooksInactive_data()
{
    QTest::addColumn<int>("change");
    QTest::newRow("nothing differs") << int(Nothing);
    QTest::newRow("the desktop's inactive colours") << int(DesktopInactiveColours);
    QTest::newRow("one label's own") << int(OneLabelsOwn);
}

// Coming back from another application repaints what shows the window's activation, as Qt would, though a round trip
// before found nothing to repaint; with nothing changed, nothing: the first row's bar holds the focus as the window
// opens, and shows nothing of it.
void TestActivation::testComingBackRepaintsWhatLooksInactive()
{
    QFETCH(int, change);
    App app;
    app.calendar->show();
    app.calendar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    QTRY_COMPARE(app.title(1), QStringLiteral("1 January 2024"));
    QWidget other;
    QVERIFY(anotherWindowThenBack(app, other));
    QCoreApplication::processEvents();
    auto* sunrise = app.find<QLabel>(names::Label3);
    // The desktop's colours reach the window's widgets as the window's own do.
    if (change == DesktopInactiveColours)
        app.calendar->setPalette(greyedWhenInactive(app.calendar->palette()));
    else if (change == OneLabelsOwn)
        sunrise->setPalette(greyedWhenInactive(sunrise->palette()));
    QTest::qWait(50); // the repaint that change asks for, before the round trip
    const QList<QWidget*> expected = looksInactive(*app.calendar);
    if (change == Nothing)
        QCOMPARE(expected, QList<QWidget*>());
    else if (change == OneLabelsOwn)
        QCOMPARE(expected, QList<QWidget*>{sunrise});
    else
        QVERIFY(expected.size() > 10);
    Painted painted;
    painted.window = app.calendar.get();
    qApp->installEventFilter(&painted);
    QVERIFY(anotherWindowThenBack(app, other));
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&painted);
    if (change == Nothing)
        QCOMPARE(painted.widgets, QList<QWidget*>());
    for (QWidget* widget : expected)
        QVERIFY2(painted.widgets.contains(widget), qPrintable(widget->objectName()));
    // The label's neighbour, alike but for its palette, is left alone.
    if (change == OneLabelsOwn)
        QVERIFY(!painted.widgets.contains(app.find<QLabel>(names::Label4)));
}

// A kind of widget the window does not know of hears of the activation from Qt, as before.
void TestActivation::testOtherKindsHearOfIt()
{
    struct Heard : QObject
    {
        QList<QEvent::Type> events;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
                events.append(event->type());
            return false;
        }
    } heard;
    App app;
    auto* entry = new QLineEdit(app.find<QLabel>(names::Label3)->parentWidget());
    entry->installEventFilter(&heard);
    app.calendar->show();
    app.calendar->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    heard.events.clear();
    QWidget other;
    QVERIFY(anotherWindowThenBack(app, other));
    QCOMPARE(heard.events, (QList<QEvent::Type>{QEvent::WindowDeactivate, QEvent::WindowActivate}));
}

QTEST_MAIN(TestActivation)
#include "TestActivation.moc"
