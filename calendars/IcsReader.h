// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "calendars/CalendarEvent.h"
#include "calendars/IcsOutcome.h"
#include <QByteArray>
#include <QTimeZone>
#include <atomic>

// What one read may cost at most: a file anyone can drop into the list must not stall the reading or fill memory.
struct IcsLimits
{
    qint64 maxFileBytes = 64 * 1024 * 1024;
    int maxInstancesPerEvent = 2000; // within the range; an hourly rule over a year stays whole
    int maxStepsPerEvent = 200000;   // a rule's steps before the range, for a rule the range cannot skip to
    qint64 maxStepsPerFile = 5000000;
    int maxDays = 200000;      // days of events of one file
    int maxDaysPerEvent = 400; // an event going on longer marks its first 400 days
    // Whatever a file holds, its reading ends this long after it began, with what it read so far.
    int maxMillisPerFile = 20000;
};

struct IcsRead
{
    IcsOutcome outcome;
    QList<CalendarEvent> events; // in the order found, each day of each instance within the range
};

// Reads one iCalendar file into the days of its events within a range: repeating events expanded (RRULE, RDATE,
// EXDATE, instances moved by RECURRENCE-ID), all-day and timed ones, each day of an event going on over several,
// times in the file's zones or UTC moved to the local zone's days. The file is only ever opened for reading.
// The bytes of a file, opened without waiting (a FIFO put in its place after a look at it would block the open)
// and read only if the opened file is a regular one no larger than maxBytes.
struct FileBytes
{
    IcsOutcome::Kind kind = IcsOutcome::Kind::Read; // Read, Gone, NotAFile, TooLarge or Unreadable
    QByteArray bytes;
};
FileBytes readRegularFile(const QString& path, qint64 maxBytes);

class IcsReader
{
public:
    explicit IcsReader(QTimeZone local = QTimeZone::systemTimeZone(), IcsLimits limits = {});

    IcsRead read(const QString& path, const DayRange& range) const;
    // The text of a file named fileName, already in memory.
    IcsRead readText(const QByteArray& text, const QString& fileName, const DayRange& range) const;

    // A read in progress gives up at its next step once the flag is set: the program is ending.
    void stopWhen(const std::atomic<bool>* stop) { m_stop = stop; }

private:
    QTimeZone m_local;
    IcsLimits m_limits;
    const std::atomic<bool>* m_stop = nullptr;
};
