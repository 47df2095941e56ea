// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/ReminderSchedule.h"
#include <QCoreApplication>
#include <QLocale>
#include <QString>

// What a reminder's notification says, word for word, translated where used; the English text is the source.
class ReminderTexts
{
    Q_DECLARE_TR_FUNCTIONS(ReminderTexts)
public:
    // When the occurrence is, before %1: its dates under the day's title, or the day's title among several.
    static QString WhenToday() { return tr("Today: %1"); }
    static QString WhenTomorrow() { return tr("Tomorrow: %1"); }
    static QString WhenInDays(int days) { return tr("In %n day(s): %1", nullptr, days); }
    // A range whose first day is past and whose last is not.
    static QString WhenUnderWay() { return tr("Under way: %1"); }
    // %1: the first day, %2: the last day of a range.
    static QString FromTo() { return tr("%1 – %2"); }
    // The title of the one notification that tells the reminders past the first few due at once.
    static QString MoreReminders(int count) { return tr("%n more reminder(s)", nullptr, count); }

    // The text under the day's title: when and its dates, then its note.
    static QString body(const DueReminder& reminder, const QDate& today, const QLocale& locale);
    // One line for a reminder among several: when, and the day's title.
    static QString line(const DueReminder& reminder, const QDate& today);

private:
    static QString when(const DueReminder& reminder, const QDate& today, const QString& what);
};
