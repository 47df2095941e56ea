// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/WeekRules.h"
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// What the window was like when it was left, kept from one run to the next in a file of its own beside the
// settings file. prefs.cal never holds any of it.
struct WindowState
{
    enum class View { Full, Compact };
    using WeekStart = weeks::FirstDay;
    using WeekNumbering = weeks::Numbering;

    // Where the client area of each view stood on the desktop (its top-left corner); none when not known.
    std::optional<QPoint> fullPosition;
    std::optional<QPoint> compactPosition;
    View view = View::Full;
    int compactMonths = 2; // 1..3
    bool weekNumbers = false;
    bool alwaysOnTop = false;
    bool dayPanelOpen = false;
    bool marksShown = true; // the moons, seasons and events marked on the calendars
    WeekStart weekStart = WeekStart::Locale;
    WeekNumbering weekNumbering = WeekNumbering::Iso;
    // The iCalendar files whose events the grid marks, in the user's order.
    QStringList calendarFiles;
    // The holidays the calendars mark, once the user chose them (a first start takes the time zone's instead).
    struct Holidays
    {
        bool shown = false;
        QString area; // a country or region of the data ("DE", "DE-BY"); empty: none
        bool bank = false;
        bool observances = false;
        bool operator==(const Holidays& other) const
        {
            return shown == other.shown && area == other.area && bank == other.bank && observances == other.observances;
        }
    };
    std::optional<Holidays> holidays;
    // The calendars followed by web address, in the user's order: the address as given (it may hold a secret of
    // the user's, and stays in this file only) and the name the user gave, if any.
    struct WebCalendar
    {
        QString address;
        QString name;
        bool operator==(const WebCalendar& other) const { return address == other.address && name == other.name; }
    };
    QList<WebCalendar> webCalendars;

    bool operator==(const WindowState& other) const;
    bool operator!=(const WindowState& other) const { return !(*this == other); }
};

namespace windowstate {

// The state file beside the settings file at prefsPath.
QString pathBeside(const QString& prefsPath);

// The state kept at path. No file, an unreadable or damaged one gives the state of a first start; a value that
// does not read as one of its kind gives that value's first-start value.
WindowState read(const QString& path);
// Replaces the file; false when it cannot be written (a read-only folder), which nobody is told of. Never writes
// through a link, into a pipe or device, nor over a file that does not read as a state file (see readsAsState).
bool write(const QString& path, const WindowState& state);
// Whether bytes found at the state file's place may be replaced: nothing, or a file that holds one of the
// sections the writer writes. Anything else (a copy of another file, a picture) is someone else's and kept.
bool readsAsState(const QByteArray& bytes);
// The most a state file may hold: a hundred long calendar paths fit many times over.
constexpr qint64 MostStateBytes = 1 << 20;

// Whether a window of that outer size with its top-left corner there could still be grabbed by its title bar on
// one of the screens: a monitor unplugged since, or a smaller desktop, leaves it nowhere.
bool reachable(const QPoint& corner, const QSize& outer, const QList<QRect>& screens);
// A reachable corner moved just enough for the whole window to lie on the screen that shows most of its title bar:
// a window left there at another display scale, or on a larger desktop, would otherwise hang over the edge.
QPoint withinScreen(const QPoint& corner, const QSize& outer, const QList<QRect>& screens);

} // namespace windowstate
