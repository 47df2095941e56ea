// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanel.h"
#include "shared/WindowState.h"
#include "support/AppFixture.h"
#include "system/Screens.h"
#include "window/RememberedWindow.h"
#include "year/YearView.h"
#include "yourcalendars/CalendarsDialog.h"
#include "yourcalendars/CalendarsTexts.h"
#include "yourcalendars/YourCalendars.h"
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
struct OneScreen : Screens
{
    QList<QRect> geometries() const override { return {QRect(0, 0, 1024, 768)}; }
};

QString writeCalendar(const QTemporaryDir& dir, const QString& name, const QByteArray& events)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nX-WR-CALNAME:Personal\r\n" + events + "END:VCALENDAR\r\n");
    return path;
}

QStringList rows(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.item(i)->text());
    return texts;
}

QStringList lastLines(const DayPanel& panel)
{
    QStringList texts;
    for (const QLabel* label : panel.findChildren<QLabel*>())
        if (label->isVisibleTo(&panel) && label->objectName().endsWith(QLatin1String("Text")) &&
            !label->accessibleName().startsWith(QLatin1String("Coming up:")))
            texts.append(label->accessibleName());
    // The calendars' lines come last, before the days coming up.
    return texts.mid(texts.size() - 3);
}
} // namespace

class TestYourCalendars : public QObject
{
    Q_OBJECT
private slots:
    void testChosenInTheDialogAndKept();
    void testTheDayPanelListsTheDay();
    void testTheDayPanelFollowsAChange_data();
    void testTheDayPanelFollowsAChange();
    void testAChangeAsksItsMonthsAgain_data();
    void testAChangeAsksItsMonthsAgain();
};

void TestYourCalendars::testChosenInTheDialogAndKept()
{
    QTemporaryDir dir;
    const QString holidays = writeCalendar(dir, QStringLiteral("holidays.ics"),
                                           "BEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:20240515\r\n"
                                           "SUMMARY:Fair\r\nEND:VEVENT\r\n");
    const QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
    App app;
    OneScreen screens;
    app.calendar->keepStateIn(statePath, screens);
    QStringList chosen{holidays, dir.filePath(QStringLiteral("gone.ics"))};
    app.calendar->calendars()->setChooser([&chosen](QWidget*) { return chosen; });
    app.calendar->show();
    app.activate();

    // The tray menu names the window; the shortcut opens it.
    QVERIFY(app.calendar->findChild<QMenu*>(names::TrayMenu)->findChild<QAction*>(calendarsnames::TrayItem));
    app.find<QAction>(calendarsnames::Keys)->trigger();
    auto* dialog = app.calendar->findChild<CalendarsDialog*>(calendarsnames::Dialog);
    QVERIFY(dialog && dialog->isVisible());
    for (const QString& name :
         {calendarsnames::List, calendarsnames::Add, calendarsnames::Remove, calendarsnames::Close}) {
        auto* control = dialog->findChild<QWidget*>(name);
        QVERIFY2(control && !control->accessibleName().isEmpty(), qPrintable(name));
    }
    auto* list = dialog->findChild<QListWidget*>(calendarsnames::List);
    QCOMPARE(rows(*list), QStringList{CalendarsTexts::Empty()});

    QTest::mouseClick(dialog->findChild<QPushButton*>(calendarsnames::Add), Qt::LeftButton);
    QTRY_COMPARE(rows(*list), (QStringList{"Personal: 1 event", "gone.ics: the file is gone"}));
    QTRY_VERIFY(app.calendar->calendars()->hasEvents(QDate(2024, 5, 15)));
    app.calendar->findChild<RememberedWindow*>()->flush();
    QCOMPARE(windowstate::read(statePath).calendarFiles, chosen);

    // Remove drops the file chosen, and the day loses its mark.
    list->setCurrentRow(0);
    QTest::mouseClick(dialog->findChild<QPushButton*>(calendarsnames::Remove), Qt::LeftButton);
    QCOMPARE(rows(*list), QStringList{"gone.ics: the file is gone"});
    QVERIFY(!app.calendar->calendars()->hasEvents(QDate(2024, 5, 15)));
    app.calendar->findChild<RememberedWindow*>()->flush();
    QCOMPARE(windowstate::read(statePath).calendarFiles, QStringList{chosen[1]});
}

void TestYourCalendars::testTheDayPanelListsTheDay()
{
    QTemporaryDir dir;
    const QString personal =
        writeCalendar(dir, QStringLiteral("personal.ics"),
                      "BEGIN:VEVENT\r\nUID:a\r\nDTSTART:20240515T140000Z\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\n"
                      "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20240515\r\nSUMMARY:Fair\r\nEND:VEVENT\r\n");
    const QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
    WindowState state;
    state.calendarFiles = {personal, dir.filePath(QStringLiteral("work.ics"))};
    QVERIFY(windowstate::write(statePath, state));
    App app;
    OneScreen screens;
    app.calendar->keepStateIn(statePath, screens);
    app.calendar->show();
    app.activate();
    app.calendar->openDayPanel();
    const QStringList expected{"Event: All day: Fair (Personal)", "Event: 2:00 PM Dentist (Personal)",
                               "Calendar file: work.ics: the file is gone"};
    QTRY_COMPARE(lastLines(*app.calendar->dayPanel()), expected);
}

void TestYourCalendars::testTheDayPanelFollowsAChange_data()
{
    QTest::addColumn<QByteArray>("day"); // of the event added; the panel shows today, 15 May 2024
    QTest::addColumn<QString>("line");   // the panel's line that names it
    QTest::newRow("on the day shown") << QByteArray("20240515") << "Event: All day: Party (Personal)";
    QTest::newRow("three days ahead") << QByteArray("20240518") << "Coming up: Sat 18 May: Party";
}

// An open panel lists a change of a file on its day or on the days coming up a moment after it is saved.
void TestYourCalendars::testTheDayPanelFollowsAChange()
{
    QFETCH(QByteArray, day);
    QFETCH(QString, line);
    // The party moves from August: the file's line stays as it was, only the days tell the change.
    const auto calendarWithParty = [](const QByteArray& on) {
        return "BEGIN:VEVENT\r\nUID:f\r\nDTSTART;VALUE=DATE:20240601\r\nSUMMARY:Fair\r\nEND:VEVENT\r\n"
               "BEGIN:VEVENT\r\nUID:p\r\nDTSTART;VALUE=DATE:" +
               on + "\r\nSUMMARY:Party\r\nEND:VEVENT\r\n";
    };
    QTemporaryDir dir;
    const QString path = writeCalendar(dir, QStringLiteral("personal.ics"), calendarWithParty("20240801"));
    const QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
    WindowState state;
    state.calendarFiles = {path};
    QVERIFY(windowstate::write(statePath, state));
    App app;
    OneScreen screens;
    app.calendar->keepStateIn(statePath, screens);
    app.calendar->show();
    app.activate();
    app.calendar->openDayPanel();
    YourCalendars& calendars = *app.calendar->calendars();
    QTRY_VERIFY(calendars.hasEvents(QDate(2024, 8, 1)) && !calendars.files().reading());
    const auto shown = [&app] {
        QStringList names;
        for (const QLabel* label : app.calendar->dayPanel()->findChildren<QLabel*>())
            if (label->isVisibleTo(app.calendar->dayPanel()))
                names.append(label->accessibleName());
        return names;
    };
    QVERIFY(!shown().join(QLatin1Char('|')).contains(QLatin1String("Party")));
    writeCalendar(dir, QStringLiteral("personal.ics"), calendarWithParty(day));
    QTRY_VERIFY2(shown().contains(line), qPrintable(shown().join(QLatin1Char('|'))));
}

void TestYourCalendars::testAChangeAsksItsMonthsAgain_data()
{
    QTest::addColumn<QByteArray>("day");    // the event's day written over 15 May 2024
    QTest::addColumn<QList<int>>("months"); // the months whose days are asked again
    QTest::newRow("moved within May") << QByteArray("20240520") << QList<int>{5};
    QTest::newRow("moved to August") << QByteArray("20240801") << QList<int>{5, 8};
}

// A file changed shows its change a moment after, and only the months showing a day it changed ask for their days
// again.
void TestYourCalendars::testAChangeAsksItsMonthsAgain()
{
    QFETCH(QByteArray, day);
    QFETCH(QList<int>, months);
    const auto eventOn = [](const QByteArray& date) {
        return "BEGIN:VEVENT\r\nUID:x\r\nDTSTART;VALUE=DATE:" + date + "\r\nSUMMARY:Fair\r\nEND:VEVENT\r\n";
    };
    QTemporaryDir dir;
    const QString path = writeCalendar(dir, QStringLiteral("fair.ics"), eventOn("20240515"));
    const QString statePath = dir.filePath(QStringLiteral("dorvane-state.ini"));
    WindowState state;
    state.calendarFiles = {path};
    QVERIFY(windowstate::write(statePath, state));
    App app;
    OneScreen screens;
    app.calendar->keepStateIn(statePath, screens);
    app.calendar->show();
    app.activate();
    YourCalendars& calendars = *app.calendar->calendars();
    auto* view = app.find<YearView>(names::YearView);
    QTRY_VERIFY(calendars.hasEvents(QDate(2024, 5, 15)) && !calendars.files().reading() && view->marksKnown(2024));
    QList<QDate> asked;
    view->setHasEvents([&](const QDate& shown) {
        asked.append(shown);
        return calendars.hasEvents(shown);
    });
    asked.clear();

    QCOMPARE(writeCalendar(dir, QStringLiteral("fair.ics"), eventOn(day)), path);
    const QDate moved = QDate::fromString(QString::fromLatin1(day), QStringLiteral("yyyyMMdd"));
    QTRY_VERIFY(calendars.hasEvents(moved) && !calendars.files().reading());
    QVERIFY(!calendars.hasEvents(QDate(2024, 5, 15)));
    QList<int> askedMonths;
    for (const QDate& shown : std::as_const(asked))
        if (!askedMonths.contains(shown.month()))
            askedMonths.append(shown.month());
    std::sort(askedMonths.begin(), askedMonths.end());
    QCOMPARE(askedMonths, months);
}

QTEST_MAIN(TestYourCalendars)
#include "TestYourCalendars.moc"
