// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendars/IcsOutcome.h"
#include "calendars/IcsReader.h"
#include <QCoreApplication>

namespace {
class CalendarWords
{
    Q_DECLARE_TR_FUNCTIONS(YourCalendars)
};
} // namespace

QString IcsOutcome::line() const
{
    switch (kind) {
    case Kind::Waiting:
        return CalendarWords::tr("%1: being read").arg(fileName);
    case Kind::Read: {
        // The count goes in first: a calendar named with "%2" in it stays as named.
        const QString count = CalendarWords::tr("%1: %n event(s)", nullptr, eventCount).arg(calendarName);
        return cut ? CalendarWords::tr("%1, not all of their days shown").arg(count) : count;
    }
    case Kind::Gone:
        return CalendarWords::tr("%1: the file is gone").arg(fileName);
    case Kind::NotAFile:
        return CalendarWords::tr("%1: not a file").arg(fileName);
    case Kind::TooLarge:
        return CalendarWords::tr("%1: larger than %2 MB, not read")
            .arg(fileName)
            .arg(IcsLimits().maxFileBytes / (1024 * 1024));
    case Kind::NotICalendar:
        return CalendarWords::tr("%1: not an iCalendar file").arg(fileName);
    case Kind::Unreadable:
        return CalendarWords::tr("%1: cannot be opened").arg(fileName);
    }
    return fileName;
}
