// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/ReminderTexts.h"

QString ReminderTexts::when(const DueReminder& reminder, const QDate& today, const QString& what)
{
    const qint64 days = today.daysTo(reminder.start);
    if (days > 1)
        return WhenInDays(int(days)).arg(what);
    if (days == 1)
        return WhenTomorrow().arg(what);
    return (days == 0 ? WhenToday() : WhenUnderWay()).arg(what);
}

QString ReminderTexts::body(const DueReminder& reminder, const QDate& today, const QLocale& locale)
{
    const QString first = locale.toString(reminder.start, QLocale::LongFormat);
    const QString dates =
        reminder.day.length() > 1 ? FromTo().arg(first, locale.toString(reminder.last(), QLocale::LongFormat)) : first;
    QString text = when(reminder, today, dates);
    const QString note = reminder.day.note.trimmed();
    if (!note.isEmpty())
        text += QLatin1Char('\n') + note;
    return text;
}

QString ReminderTexts::line(const DueReminder& reminder, const QDate& today)
{
    return when(reminder, today, reminder.day.title);
}
