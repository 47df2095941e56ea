// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnDay.h"
#include <QUuid>

std::optional<QDate> yearlyStartIn(const QDate& first, int year)
{
    if (year < first.year())
        return std::nullopt;
    const QDate start(year, first.month(), first.day());
    if (!start.isValid())
        return std::nullopt;
    return start;
}

QDate OwnDay::occurrenceCovering(const QDate& day) const
{
    if (!first.isValid() || !day.isValid() || day < first)
        return QDate();
    if (!yearly)
        return day <= last ? first : QDate();
    // An occurrence that began last year may still go on (a trip over New Year).
    const int span = length();
    for (int year = day.year(); year >= day.year() - 1 - span / 365; --year) {
        const std::optional<QDate> start = yearlyStartIn(first, year);
        if (start && *start <= day && start->addDays(span - 1) >= day)
            return *start;
    }
    return QDate();
}

QList<QDate> OwnDay::occurrencesMeeting(const QDate& from, const QDate& to) const
{
    QList<QDate> starts;
    if (!first.isValid() || to < first || from > to)
        return starts;
    if (!yearly) {
        if (last >= from)
            starts.append(first);
        return starts;
    }
    const int span = length();
    for (int year = qMax(first.year(), from.year() - 1 - span / 365); year <= to.year(); ++year) {
        const std::optional<QDate> start = yearlyStartIn(first, year);
        if (start && *start <= to && start->addDays(span - 1) >= from)
            starts.append(*start);
    }
    return starts;
}

QDateTime OwnDay::reminderDue(const QDate& start) const
{
    if (!reminder.on || !start.isValid())
        return QDateTime();
    return QDateTime(start.addDays(-reminder.daysBefore), reminder.at);
}

bool OwnDay::sameContent(const OwnDay& other) const
{
    return uid == other.uid && title == other.title && category == other.category && note == other.note &&
           first == other.first && last == other.last && yearly == other.yearly && reminder == other.reminder;
}

namespace owndays {
QList<Category> firstCategories()
{
    // Colours told apart by people with the common colour blindnesses too, and dark enough for white paper.
    return {
        {QStringLiteral("trip"), QStringLiteral("Trip"), QStringLiteral("#0072b2")},
        {QStringLiteral("holiday"), QStringLiteral("Holiday"), QStringLiteral("#009e73")},
        {QStringLiteral("birthday"), QStringLiteral("Birthday"), QStringLiteral("#cc79a7")},
        {QStringLiteral("work"), QStringLiteral("Work"), QStringLiteral("#d55e00")},
        {QStringLiteral("personal"), QStringLiteral("Personal"), QStringLiteral("#e69f00")},
    };
}

QString newUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("@dorvane");
}
} // namespace owndays
