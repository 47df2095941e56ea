// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/OwnDay.h"
#include <QByteArray>
#include <QHash>
#include <QList>

// One component of the calendar, as its bytes stood in the file: written back unchanged unless the user changed it.
struct OwnCalendarBlock
{
    QByteArray text;
    QString uid;               // of an event; empty for another component (a zone, a to-do, ...)
    std::optional<OwnDay> day; // an event this program can show and edit: all-day, once or every year
    bool loose = false;        // the calendar's own lines after its components
};

// An iCalendar file of the user's days as blocks of bytes: the calendar's own lines, each component, the end.
struct OwnCalendarDocument
{
    QByteArray head; // "BEGIN:VCALENDAR" and the calendar's properties, the categories among them
    QList<OwnCalendarBlock> blocks;
    QByteArray tail; // "END:VCALENDAR" and anything after it
    QList<Category> categories;
    bool valid = false;         // the text was a calendar
    bool lineFeedsOnly = false; // its lines end in LF alone, as the lines it gains will

    // Reads a file's text; a calendar without categories of its own takes fallback.
    static OwnCalendarDocument parse(const QByteArray& text, const QList<Category>& fallback);
    // A calendar of that name with no event yet.
    static OwnCalendarDocument fresh(const QString& name, const QList<Category>& categories);

    QByteArray text() const;
    // Lines written with CRLF, ending as the file's lines end.
    QByteArray inItsLineEnds(QByteArray lines) const;
    QList<OwnDay> days() const;
    // The block of the event of that UID, or -1. The events of one UID that move single occurrences are one block's
    // concern only when the block holds them all; the first is found.
    int indexOf(const QString& uid) const;
    // The calendar's lines with the categories written in place of those it had.
    void setCategories(const QList<Category>& categories);
};

// The event's block for day: the block it had (base, empty for a new event) with what the user changed set on it
// and every other property and component kept; its SEQUENCE counted up when its dates, repeat or title changed,
// DTSTAMP and LAST-MODIFIED set to the day's modified time.
QByteArray eventBlock(const OwnDay& day, const QByteArray& base, const QList<Category>& categories);
