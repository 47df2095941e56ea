// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

// What became of one calendar file at its last read, told in one line ("Holidays: 14 events").
struct IcsOutcome
{
    enum class Kind { Waiting, Read, Gone, NotAFile, TooLarge, NotICalendar, Unreadable };

    Kind kind = Kind::Waiting;
    QString fileName;     // the file's name in its folder, for the lines of a file that gave nothing
    QString calendarName; // for a file read
    int eventCount = 0;   // the events the file holds, each repeating one counted once
    bool cut = false;     // a cap left instances or days out

    bool operator==(const IcsOutcome& other) const
    {
        return kind == other.kind && fileName == other.fileName && calendarName == other.calendarName &&
               eventCount == other.eventCount && cut == other.cut;
    }
    bool operator!=(const IcsOutcome& other) const { return !(*this == other); }
    bool failed() const { return kind != Kind::Waiting && kind != Kind::Read; }
    // The line the chooser and the Day panel show.
    QString line() const;
};
