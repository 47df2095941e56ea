#pragma once
#include "app/TCalendar.h"
#include "controls/TMonthCalendar.h"
#include "dialog/THome.h"
#include "runtime/DateText.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include <QLabel>
#include <QTableView>
#include <QTest>
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
        calendar = std::make_unique<TCalendar>(world.services);
        home = std::make_unique<THome>(world.services, folder.path(), calendar.get(), calendar->PrefsFlags);
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

    TMonthCalendar* month(int n) const { return calendar->calendar(n); }
    QString title(int n) const { return calendar->titlePanel(n)->text(); }
    QDate date(int n) const { return rt::toQDate(month(n)->Date()); }

    // A user's click on a day cell of calendar n.
    void clickDay(int n, const QDate& day)
    {
        TMonthCalendar* target = month(n);
        const QRect cell = target->dayCellRect(day);
        QVERIFY2(cell.isValid(), qPrintable(day.toString()));
        QTest::mouseClick(target->dayView()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            calendar->Timer1Timer();
    }

    FakeWorld world;
    TempPrefsDir folder;
    std::unique_ptr<TCalendar> calendar;
    std::unique_ptr<THome> home;
};
