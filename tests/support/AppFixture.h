// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/TMonthCalendar.h"
#include "controls/TumNumberEdit.h"
#include "dialog/THome.h"
#include "runtime/DateText.h"
#include "shared/CalendarNames.h"
#include "shared/WindowFrame.h"
#include "support/DayCell.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include "system/DayWatch.h"
#include "toolbar/DayReport.h"
#include "tray/TrayIcon.h"
#include "window/TCalendar.h"
#include "year/YearView.h"
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

// The main window and its Parameters dialog over fakes, with prefs.cal in a folder of the test's own.
struct App
{
    explicit App(const QDateTime& start = QDateTime(QDate(2024, 5, 15), QTime(10, 30)),
                 const QByteArray& prefs = QByteArray("00\r\nW\xB0"
                                                      "97.45\r\nN\xB0"
                                                      "30.15\r\n-6\r\n"))
    {
        world.clock.set(start);
        if (!prefs.isNull())
            folder.write(prefs);
        gate = std::make_unique<BoxGate>(world.services);
        preferences = std::make_unique<PrefsStore>(folder.path(), rt::formatSettings());
        calendar = std::make_unique<TCalendar>(world.services, *gate, *preferences);
        home = std::make_unique<THome>(world.services, *gate, *preferences);
        calendar->setHome(home.get());
    }
    ~App()
    {
        calendar->setHome(nullptr);
        home.reset();
        calendar.reset();
    }

    // The first activation, as showing the window would bring it.
    void activate() { calendar->FormActivate(); }

    // A control of the main window by its name; the test fails on a missing one.
    template <class T> T* find(const QString& name) const
    {
        T* control = calendar->findChild<T*>(name);
        if (!control)
            qFatal("no control %s", qPrintable(name));
        return control;
    }
    template <class T> T* dialogControl(const QString& name) const { return home->findChild<T*>(name); }

    TMonthCalendar* month(int n) const { return find<TMonthCalendar>(names::MonthCalendar(n)); }
    QLabel* titlePanel(int n) const { return find<QLabel>(names::TitlePanel(n)); }
    QString title(int n) const { return titlePanel(n)->text(); }
    QDate date(int n) const { return rt::toQDate(month(n)->Date()); }

    const grid::YearGrid& grid() const { return find<YearView>(names::YearView)->grid(); }
    QSize outerSize() const { return frame::outerSize(*calendar); }
    TrayIcon* tray() const { return find<TrayIcon>(names::TrayIcon); }
    // The clock was set, the machine resumed or midnight came: the day watch looks at the clock again.
    void clockChanged() { find<DayWatch>(names::DayWatch)->look(); }

    // A click on a toolbar button, as the user gives it.
    void click(const QString& button) { QTest::mouseClick(find<QToolButton>(button), Qt::LeftButton); }

    // A year typed into the year-entry panel and confirmed.
    void enterYear(int year)
    {
        click(names::SpeedButton6);
        find<TumNumberEdit>(names::umNumberEdit1)->setText(QString::number(year));
        click(names::SpeedButton54);
    }

    // A user's click on a day cell of calendar n.
    void clickDay(int n, const QDate& day)
    {
        TMonthCalendar* target = month(n);
        const QRect cell = dayCell(*target, target->dayView(), day);
        QVERIFY2(cell.isValid(), qPrintable(day.toString()));
        QTest::mouseClick(target->dayView(), Qt::LeftButton, {}, cell.center());
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            calendar->Timer1Timer();
    }

    FakeWorld world;
    TempPrefsDir folder;
    std::unique_ptr<BoxGate> gate;
    std::unique_ptr<PrefsStore> preferences;
    std::unique_ptr<TCalendar> calendar;
    std::unique_ptr<THome> home;
};
