// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanel.h"
#include "daypanel/SkyWarmUp.h"
#include "shared/WindowState.h"
#include "support/AppFixture.h"
#include "support/PanelLine.h"
#include "system/Screens.h"
#include "window/RememberedWindow.h"
#include "yourcalendars/YourCalendars.h"
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>

// The Day panel as a user meets it: opened by a key, a double-click or the tray menu, following the days clicked,
// copied whole, a waiting first click cleared.
namespace {
// Shown and active, as a user's window is: its shortcuts act.
void show(App& app)
{
    app.calendar->show();
    QApplication::setActiveWindow(app.calendar.get());
    QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
    app.activate();
}

struct OneScreen : Screens
{
    QRect screen;
    explicit OneScreen(const QRect& rect) : screen(rect) {}
    QList<QRect> geometries() const override { return {screen}; }
};

// A calendar file of the test's own, read as the window reads the user's.
bool keepCalendar(App& app, const QTemporaryDir& dir, const Screens& screens, const QByteArray& events)
{
    const QString path = dir.filePath(QStringLiteral("personal.ics"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Personal\r\n" + events + "END:VCALENDAR\r\n");
    file.close();
    const QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
    WindowState state;
    state.calendarFiles = {path};
    if (!windowstate::write(statePath, state))
        return false;
    app.calendar->keepStateIn(statePath, screens);
    return true;
}
} // namespace

class TestDayPanel : public QObject
{
    Q_OBJECT

private slots:
    void testOpenedOnlyWhenAsked_data();
    void testOpenedOnlyWhenAsked();
    void testFollowsClicksAndCopiesASpan();
    void testClearsAWaitingFirstClick();
    void testEveryLineHasAName();
    void testPreparesTheShownYearWhileOpen();
    void testKeepsOneSizeOnItsScreenWithALongTitle();
    void testEscapeClosesIt_data();
    void testEscapeClosesIt();
    void testTimesFollowTheToolbarsClock_data();
    void testTimesFollowTheToolbarsClock();
    void testAPolarDayIsToldWithoutABox_data();
    void testAPolarDayIsToldWithoutABox();
};

void TestDayPanel::testOpenedOnlyWhenAsked_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ctrl+D") << "key";
    QTest::newRow("double-click on a day") << "double-click";
    QTest::newRow("Enter on a day") << "enter";
    QTest::newRow("tray menu") << "tray";
}

void TestDayPanel::testOpenedOnlyWhenAsked()
{
    QFETCH(QString, how);
    App app;
    show(app);
    app.clickDay(5, QDate(2024, 5, 20));
    // Nothing of the panel exists before it is asked for.
    QVERIFY(!app.calendar->dayPanel());
    TMonthCalendar* may = app.month(5);
    if (how == QLatin1String("key")) {
        QTest::keyClick(may->dayView(), Qt::Key_D, Qt::ControlModifier);
    } else if (how == QLatin1String("double-click")) {
        const QRect cell = dayCell(*may, may->dayView(), QDate(2024, 5, 20));
        QTest::mouseDClick(may->dayView(), Qt::LeftButton, {}, cell.center());
    } else if (how == QLatin1String("enter")) {
        QTest::keyClick(may->dayView(), Qt::Key_Return);
    } else {
        app.calendar->findChild<QAction*>(names::TrayDayPanel)->trigger();
    }
    QVERIFY(app.calendar->dayPanel());
    QVERIFY(app.calendar->dayPanel()->isVisible());
    QCOMPARE(panelLine(*app.calendar->dayPanel(), QStringLiteral("Date")), QStringLiteral("Monday, 20 May 2024"));
}

void TestDayPanel::testFollowsClicksAndCopiesASpan()
{
    App app;
    show(app);
    app.clickDay(3, QDate(2024, 3, 1));
    QTest::keyClick(app.month(3)->dayView(), Qt::Key_D, Qt::ControlModifier);
    DayPanel& panel = *app.calendar->dayPanel();
    QCOMPARE(panelLine(panel, QStringLiteral("Date")), QStringLiteral("Friday, 1 March 2024"));
    app.clickDay(3, QDate(2024, 3, 15));
    QCOMPARE(panelLine(panel, QStringLiteral("Date")), QStringLiteral("Friday, 15 March 2024"));
    QCOMPARE(panelLine(panel, QStringLiteral("Span")), QStringLiteral("14 days from 1 to 15 March 2024"));
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("DayPanelCopy")), Qt::LeftButton);
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.startsWith(QStringLiteral("Date: Friday, 15 March 2024\n")), qPrintable(copied));
    QVERIFY2(copied.contains(QStringLiteral("\nCounting both days: 15 days\nSpan in weeks: 2 weeks\n")),
             qPrintable(copied));
    QCOMPARE(copied, panel.text());
    // A click elsewhere keeps the panel open; the toolbar's moon and the panel name the same phase.
    for (const QDate& day : {QDate(2024, 4, 2), QDate(2024, 4, 8), QDate(2024, 4, 15), QDate(2024, 4, 23)}) {
        app.clickDay(4, day);
        QVERIFY(panel.isVisible());
        QCOMPARE(app.find<QLabel>(names::Image3)->accessibleName(),
                 panelLine(panel, QStringLiteral("Moon phase at 18:00")));
    }
}

void TestDayPanel::testClearsAWaitingFirstClick()
{
    App app;
    show(app);
    app.clickDay(3, QDate(2024, 3, 1));
    QTest::keyClick(app.month(3)->dayView(), Qt::Key_D, Qt::ControlModifier);
    DayPanel& panel = *app.calendar->dayPanel();
    auto* clear = panel.findChild<QPushButton*>(QStringLiteral("DayPanelClear"));
    QVERIFY(clear->isEnabled());
    QVERIFY(panelLine(panel, QStringLiteral("First day of a span")).startsWith(QStringLiteral("Friday, 1 March 2024")));
    QTest::mouseClick(clear, Qt::LeftButton);
    QVERIFY(!clear->isEnabled());
    QVERIFY(panelLine(panel, QStringLiteral("First day of a span")).isEmpty());
    QVERIFY2(!app.calendar->windowTitle().contains(QLatin1Char('>')), qPrintable(app.calendar->windowTitle()));
    // The next click starts a span again instead of ending the cleared one.
    app.clickDay(3, QDate(2024, 3, 20));
    QVERIFY(panelLine(panel, QStringLiteral("Span")).isEmpty());
    QVERIFY(panelLine(panel, QStringLiteral("First day of a span")).startsWith(QStringLiteral("Wednesday, 20 March")));
}

void TestDayPanel::testEveryLineHasAName()
{
    App app;
    show(app);
    app.clickDay(6, QDate(2024, 6, 21));
    QTest::keyClick(app.month(6)->dayView(), Qt::Key_D, Qt::ControlModifier);
    DayPanel& panel = *app.calendar->dayPanel();
    int lines = 0;
    for (QLabel* label : panel.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&panel))
            continue;
        ++lines;
        QVERIFY2(label->accessibleName().contains(QStringLiteral(": ")), qPrintable(label->objectName()));
    }
    QVERIFY(lines >= 2 * 24);
}

// The idle preparation runs only while the panel is open, and starts again for another year shown.
void TestDayPanel::testPreparesTheShownYearWhileOpen()
{
    App app;
    show(app);
    app.clickDay(3, QDate(2024, 3, 1));
    QVERIFY(!app.calendar->findChild<SkyWarmUp*>());
    QTest::keyClick(app.month(3)->dayView(), Qt::Key_D, Qt::ControlModifier);
    const auto* warmUp = app.calendar->findChild<SkyWarmUp*>();
    QVERIFY(warmUp && warmUp->running());
    QTRY_VERIFY_WITH_TIMEOUT(!warmUp->running(), 60000);
    app.find<QToolButton>(names::SpeedButton11)->click();
    QVERIFY(warmUp->running());
    app.calendar->dayPanel()->close();
    QVERIFY(!warmUp->running());
}

// A title of 110 characters and a word longer than any line: the panel keeps its size from day to day, stays on
// its screen, and wraps the lines inside itself; Copy and the accessible name keep every character.
void TestDayPanel::testKeepsOneSizeOnItsScreenWithALongTitle()
{
    const QString title = QStringLiteral("Quarterly planning meeting with the regional partners about the new "
                                         "delivery routes and the winter timetable");
    const QString word = QString(120, QLatin1Char('x'));
    QTemporaryDir dir;
    App app;
    const OneScreen screen(QRect(0, 0, 1024, 768));
    QVERIFY(keepCalendar(app, dir, screen,
                         "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20240516\r\nSUMMARY:" + title.toUtf8() +
                             "\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20240516\r\nSUMMARY:" +
                             word.toUtf8() + "\r\nEND:VEVENT\r\n"));
    show(app);
    QTRY_VERIFY(app.calendar->calendars()->hasEvents(QDate(2024, 5, 16)));
    app.clickDay(5, QDate(2024, 5, 2));
    QTest::keyClick(app.month(5)->dayView(), Qt::Key_D, Qt::ControlModifier);
    DayPanel& panel = *app.calendar->dayPanel();
    const QSize size = panel.size();
    QVERIFY(screen.screen.contains(panel.frameGeometry()));
    for (const QDate& day : {QDate(2024, 5, 16), QDate(2024, 5, 20), QDate(2024, 5, 16)}) {
        app.clickDay(5, day);
        QCOMPARE(panel.size(), size);
    }
    QCOMPARE(panelLine(panel, QStringLiteral("Event")), QStringLiteral("All day: %1 (Personal)").arg(title));
    auto* scroll = panel.findChild<QScrollArea*>(QStringLiteral("DayPanelScroll"));
    QVERIFY(scroll);
    QCoreApplication::processEvents();
    const int room = scroll->viewport()->width();
    QStringList spoken;
    for (QLabel* label : panel.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&panel))
            continue;
        QVERIFY2(label->geometry().right() < room, qPrintable(label->objectName()));
        spoken.append(label->accessibleName());
    }
    QVERIFY(spoken.contains(QStringLiteral("Event: All day: %1 (Personal)").arg(title)));
    QVERIFY(spoken.contains(QStringLiteral("Event: All day: %1 (Personal)").arg(word)));
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("DayPanelCopy")), Qt::LeftButton);
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Event: All day: %1 (Personal)\n").arg(word)));
}

void TestDayPanel::testEscapeClosesIt_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("the panel itself") << "DayPanel";
    QTest::newRow("on Copy") << "DayPanelCopy";
    QTest::newRow("on Close") << "DayPanelClose";
    QTest::newRow("on the lines") << "DayPanelScroll";
}

void TestDayPanel::testEscapeClosesIt()
{
    QFETCH(QString, focus);
    App app;
    show(app);
    app.calendar->openDayPanel();
    DayPanel& panel = *app.calendar->dayPanel();
    QWidget* target = focus == panel.objectName() ? &panel : panel.findChild<QWidget*>(focus);
    QVERIFY(target);
    QSignalSpy closed(&panel, &DayPanel::closed);
    QTest::keyClick(target, Qt::Key_Escape);
    QVERIFY(!panel.isVisible());
    QCOMPARE(closed.size(), 1);
    QVERIFY(app.calendar->isVisible());
}

// Every time the panel tells reads on the toolbar's clock: the 24-hour flag, else the locale's own clock.
void TestDayPanel::testTimesFollowTheToolbarsClock_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<bool>("twentyFour");
    for (const char* name : {"de_DE", "fr_FR", "es_ES", "en_US", "C"}) {
        const bool localeTwentyFour = QByteArray(name) != "en_US" && QByteArray(name) != "C";
        QTest::addRow("%s, 24-hour flag off", name) << name << QByteArray("00") << localeTwentyFour;
        QTest::addRow("%s, 24-hour flag on", name) << name << QByteArray("10") << true;
    }
}

void TestDayPanel::testTimesFollowTheToolbarsClock()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, flags);
    QFETCH(bool, twentyFour);
    const FormatSettings saved = rt::formatSettings();
    rt::setFormatSettings(FormatSettings::fromLocale(QLocale(locale)));
    QLocale::setDefault(QLocale(locale));
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), flags + "\r\nW\xB0"
                                                                  "97.45\r\nN\xB0"
                                                                  "30.15\r\n-6\r\n");
    show(app);
    // 7 May 2024: a new moon at 21:22 of the place's clock.
    app.clickDay(5, QDate(2024, 5, 7));
    app.calendar->openDayPanel();
    DayPanel& panel = *app.calendar->dayPanel();
    const QString toolbar = app.find<QLabel>(names::Label3)->text();
    const QString sunrise = panelLine(panel, QStringLiteral("Sunrise"));
    const QString marked = panelLine(panel, QStringLiteral("Marked"));
    QLocale::setDefault(QLocale::c());
    rt::setFormatSettings(saved);
    QCOMPARE(toolbar.contains(QLatin1Char('A')), !twentyFour);
    const QRegularExpression clock(twentyFour ? QStringLiteral("^\\d\\d:\\d\\d(, |$)")
                                              : QStringLiteral("^\\d{1,2}:\\d\\d [AP]M(, |$)"));
    QVERIFY2(clock.match(sunrise).hasMatch(), qPrintable(sunrise));
    QVERIFY2(marked.startsWith(QStringLiteral("new moon at ")), qPrintable(marked));
    QCOMPARE(marked.mid(12), twentyFour ? QStringLiteral("21:22") : QStringLiteral("9:22 PM"));
}

// A click on a day the sun stays up: with the panel open its line says so and no box stops the next click; without
// the panel the box comes as before.
void TestDayPanel::testAPolarDayIsToldWithoutABox_data()
{
    QTest::addColumn<bool>("panelOpen");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("panel open") << true << QStringList{};
    QTest::newRow("panel closed") << false << QStringList{"Sun up or down all day", "Sun up or down all day"};
}

void TestDayPanel::testAPolarDayIsToldWithoutABox()
{
    QFETCH(bool, panelOpen);
    QFETCH(QStringList, boxes);
    App app(QDateTime(QDate(2024, 6, 21), QTime(12, 0)), QByteArray("00\r\nW\xB0"
                                                                    "-25\r\nN\xB0"
                                                                    "70\r\n2\r\n"));
    show(app);
    if (panelOpen)
        app.calendar->openDayPanel();
    app.world.prompter.boxes.clear();
    app.clickDay(6, QDate(2024, 6, 22));
    app.clickDay(6, QDate(2024, 6, 23));
    QCOMPARE(app.world.prompter.texts(), boxes);
    if (panelOpen)
        QCOMPARE(panelLine(*app.calendar->dayPanel(), QStringLiteral("Sun")),
                 QStringLiteral("Midnight sun: above the horizon all day"));
}

QTEST_MAIN(TestDayPanel)
#include "TestDayPanel.moc"
