// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>
#include <optional>

// A reminder of a marked day: a desktop notification at a time of the day, that day or some days before.
struct Reminder
{
    bool on = false;
    int daysBefore = 0; // 0 to MostDaysBefore
    QTime at = QTime(9, 0);
    static constexpr int MostDaysBefore = 365;

    bool operator==(const Reminder& other) const
    {
        return on == other.on && (!on || (daysBefore == other.daysBefore && at == other.at));
    }
    bool operator!=(const Reminder& other) const { return !(*this == other); }
};

// A day or a range of days the user marked: once, or every year on the same dates.
struct OwnDay
{
    QString uid;
    QString title;
    QString category; // a Category's key
    QString note;
    QDate first;
    QDate last; // included; first for a single day
    bool yearly = false;
    Reminder reminder;
    // When the reminder of the latest occurrence was told (the file's ACKNOWLEDGED); none before any.
    QDateTime acknowledged;
    // Set at each change the user makes: the newer side wins when the file changed meanwhile.
    QDateTime modified;

    int length() const { return int(first.daysTo(last)) + 1; }
    // The first day of the occurrence that covers day, or an invalid date when none does.
    QDate occurrenceCovering(const QDate& day) const;
    // The first days of the occurrences that meet [from, to], in order.
    QList<QDate> occurrencesMeeting(const QDate& from, const QDate& to) const;
    // When the reminder of the occurrence starting on start is due, in local time.
    QDateTime reminderDue(const QDate& start) const;

    // The user's content; the stamps do not make two days differ.
    bool sameContent(const OwnDay& other) const;
    bool operator==(const OwnDay& other) const
    {
        return sameContent(other) && acknowledged == other.acknowledged && modified == other.modified;
    }
    bool operator!=(const OwnDay& other) const { return !(*this == other); }
};

// The start of the occurrence of a yearly day in year; none for a 29 February in another year, which the standard's
// yearly rule skips as every other calendar program does.
std::optional<QDate> yearlyStartIn(const QDate& first, int year);

// A kind of marked day with its colour. The key stays when the user renames it.
struct Category
{
    QString key;
    QString name;
    QString colour; // #rrggbb

    bool operator==(const Category& other) const
    {
        return key == other.key && name == other.name && colour == other.colour;
    }
    bool operator!=(const Category& other) const { return !(*this == other); }
};

namespace owndays {
// The categories a new file starts with, named in English (the file is shared with other programs).
QList<Category> firstCategories();
// A new unique id, as the standard asks for every event.
QString newUid();
} // namespace owndays
