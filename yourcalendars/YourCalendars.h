// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/CalendarFiles.h"
#include "yourcalendars/CalendarsDialog.h"
#include <QObject>
#include <functional>
#include <utility>

class QWidget;
class WindowStateKeeper;

// The user's calendar files for the main window: which are chosen (kept with the window's state), their events by
// day for the grid's marks and the Day panel, and the "Your calendars" window that chooses them.
class YourCalendars : public QObject
{
    Q_OBJECT
public:
    explicit YourCalendars(QWidget* window);

    // The choice is kept in the window's state from now on; the files chosen at the last run are read now.
    void keepIn(WindowStateKeeper& keeper);
    void setChooser(CalendarsDialog::Chooser chooser);

    // The grid's question for each day it paints; a day of another year has that year's files read.
    bool hasEvents(const QDate& day);
    // The grid moved to show that year: its neighbours are read behind it.
    void followYear(int year);
    QList<CalendarEvent> eventsOn(const QDate& day) const { return m_files.days().on(day); }
    // The lines of the files whose last read failed.
    QStringList problems() const;
    const CalendarFiles& files() const { return m_files; }

    // Built when first opened; stays until the program ends. The files are read for the year of the day shown,
    // also while the grid is hidden and asks for none.
    void openDialog(const QDate& shown);
    CalendarsDialog* dialog() const { return m_dialog; }
    // These files from now on, kept with the window's state: the dialog's additions and removals.
    void choose(const QStringList& paths);
    // The user's own calendar, listed first: its line and path, asked each time the list is shown.
    void setOwnCalendar(std::function<std::pair<QString, QString>()> lineAndPath) { m_own = std::move(lineAndPath); }
    // The own calendar's line changed.
    void ownChanged() { showInDialog(); }

signals:
    // New days or new lines: the grid shows the months of those days again, the panel its day.
    void changed(const CalendarNews& news);

private:
    void showInDialog();

    QWidget* m_window;
    CalendarFiles m_files;
    WindowStateKeeper* m_keeper = nullptr;
    CalendarsDialog* m_dialog = nullptr;
    CalendarsDialog::Chooser m_chooser;
    std::function<std::pair<QString, QString>()> m_own;
};
