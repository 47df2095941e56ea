// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/CalendarFiles.h"
#include "webcalendars/WebCalendars.h"
#include "yourcalendars/CalendarsDialog.h"
#include <QObject>
#include <functional>
#include <optional>
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
    void setAddressAsker(CalendarsDialog::AddressAsker asker);
    // The time in UTC the web calendars go by, and where they keep their copies; before any is listed.
    void setWebClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    void setWebCacheFolder(const QString& folder) { m_webFolder = folder; }
    // Runs on the web calendars' model once it is made (a test trusts its own server there).
    void setWebSetup(std::function<void(WebCalendars&)> setup) { m_webSetup = std::move(setup); }
    // The window is up: the web calendars' first fetches are planned from now.
    void windowUp();
    // None until a web calendar is listed.
    WebCalendars* web() const { return m_web.get(); }

    // The grid's question for each day it paints; a day of another year has that year's files read.
    bool hasEvents(const QDate& day);
    // The grid moved to show that year: its neighbours are read behind it.
    void followYear(int year);
    QList<CalendarEvent> eventsOn(const QDate& day) const { return m_files.days().on(day); }
    // The lines of the files whose last read failed, and of the web calendars whose last fetch failed.
    QStringList problems() const;
    const CalendarFiles& files() const { return m_files; }

    // Built when first opened; stays until the program ends. The files are read for the year of the day shown,
    // also while the grid is hidden and asks for none.
    void openDialog(const QDate& shown);
    CalendarsDialog* dialog() const { return m_dialog; }
    // These files from now on, kept with the window's state: the dialog's additions and removals.
    void choose(const QStringList& paths);
    // A calendar by web address listed after the others and fetched at once; false when it cannot be.
    bool addAddress(const QString& address, const QString& name);
    void removeWeb(const QString& id);
    // The user's own calendar, listed first: its line and path, asked each time the list is shown.
    void setOwnCalendar(std::function<std::pair<QString, QString>()> lineAndPath) { m_own = std::move(lineAndPath); }
    // The own calendar's line changed.
    void ownChanged() { showInDialog(); }

signals:
    // New days or new lines: the grid shows the months of those days again, the panel its day.
    void changed(const CalendarNews& news);

private:
    void showInDialog();
    WebCalendars& makeWeb();
    // The files read: the chosen ones, then the web calendars' copies.
    void readFiles();
    // What the last read of a web calendar's copy found, and whether it found no calendar there.
    std::optional<IcsOutcome> copyOutcome(int index) const;
    bool copyUnreadable(int index) const;
    // The web copies the last read found no calendar in are fetched whole the next time.
    void forgetUnreadableCopies();
    void keep();
    QString webProblem(const QString& address) const;
    QString webLine(int index) const;

    QWidget* m_window;
    CalendarFiles m_files;
    QStringList m_chosen; // the files the user chose, without the web calendars' copies
    std::unique_ptr<WebCalendars> m_web;
    std::function<QDateTime()> m_now;
    QString m_webFolder;
    std::function<void(WebCalendars&)> m_webSetup;
    bool m_windowUp = false;
    CalendarsDialog::AddressAsker m_asker;
    WindowStateKeeper* m_keeper = nullptr;
    CalendarsDialog* m_dialog = nullptr;
    CalendarsDialog::Chooser m_chooser;
    std::function<std::pair<QString, QString>()> m_own;
};
