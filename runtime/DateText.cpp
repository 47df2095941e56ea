// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/DateText.h"
#include "runtime/ConvertError.h"
#include <QRegularExpression>

namespace {

int runLength(const QString& text, int start)
{
    const QChar c = text.at(start).toLower();
    int end = start;
    while (end < text.size() && text.at(end).toLower() == c)
        ++end;
    return end - start;
}

bool startsWithAt(const QString& text, int pos, QLatin1String word)
{
    return text.mid(pos, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

QString padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

ConvertError invalidDate(const QString& text)
{
    return ConvertError(convertText::InvalidDate, text);
}

ConvertError invalidTime(const QString& text)
{
    return ConvertError(convertText::InvalidTime, text);
}

// The order of day, month and year in the short date format, as the letters d, m, y.
QString fieldOrder(const QString& shortDateFormat)
{
    QString order;
    for (const QChar c : shortDateFormat) {
        const QChar lower = c.toLower();
        if ((lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')) &&
            !order.contains(lower))
            order.append(lower);
    }
    return order.size() == 3 ? order : QStringLiteral("mdy");
}

bool toNumber(const QString& text, int& value)
{
    if (text.isEmpty() || text.size() > 9)
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    value = text.toInt();
    return true;
}

// The text of a run of n date letters: "y" (yy or yyyy), "m" (m, mm, mmm, mmmm) or "d" (d, dd).
QString datePiece(QChar letter, int n, int year, int month, int day, const FormatSettings& settings)
{
    if (letter == QLatin1Char('y'))
        return n <= 2 ? padded(year % 100, 2) : padded(year, 4);
    if (letter == QLatin1Char('d'))
        return n == 1 ? QString::number(day) : padded(day, 2);
    if (n == 1)
        return QString::number(month);
    if (n == 2)
        return padded(month, 2);
    return n == 3 ? settings.shortMonthNames.value(month - 1) : settings.longMonthNames.value(month - 1);
}

// The text of a run of n time letters: "h" (the 12-hour clock when the pattern has an am/pm), "n" or "s".
QString timePiece(QChar letter, int n, int hour, int minute, int second, bool twelveHour)
{
    int shown = letter == QLatin1Char('n') ? minute : letter == QLatin1Char('s') ? second : hour;
    if (letter == QLatin1Char('h') && twelveHour) {
        shown = hour % 12;
        if (shown == 0)
            shown = 12;
    }
    return n == 1 ? QString::number(shown) : padded(shown, 2);
}

} // namespace

namespace rt {

QString formatDateTime(const QString& pattern, TDateTime value, const FormatSettings& settings)
{
    int year, month, day, hour, minute, second, msec;
    decodeDate(value, year, month, day);
    decodeTime(value, hour, minute, second, msec);
    const bool twelveHour = pattern.contains(QLatin1String("ampm"), Qt::CaseInsensitive) ||
                            pattern.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);

    QString out;
    int i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        const QChar lower = c.toLower();
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int close = pattern.indexOf(c, i + 1);
            const int end = close < 0 ? pattern.size() : close;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
        } else if (startsWithAt(pattern, i, QLatin1String("ampm"))) {
            out += hour < 12 ? settings.timeAMString : settings.timePMString;
            i += 4;
        } else if (startsWithAt(pattern, i, QLatin1String("am/pm"))) {
            out += hour < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            i += 5;
        } else if (QStringLiteral("ymd").contains(lower)) {
            const int n = runLength(pattern, i);
            out += datePiece(lower, n, year, month, day, settings);
            i += n;
        } else if (QStringLiteral("hns").contains(lower)) {
            const int n = runLength(pattern, i);
            out += timePiece(lower, n, hour, minute, second, twelveHour);
            i += n;
        } else if (c == QLatin1Char('/')) {
            out += settings.dateSeparator;
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

TDateTime strToDate(const QString& text, int clockYear, const FormatSettings& settings)
{
    const QString trimmed = text.trimmed();
    QString normalised = trimmed;
    if (settings.dateSeparator != QLatin1Char('/'))
        normalised.replace(settings.dateSeparator, QLatin1Char('/'));
    const QStringList parts = normalised.split(QLatin1Char('/'));
    if (parts.size() < 2 || parts.size() > 3)
        throw invalidDate(text);

    int numbers[3] = {0, 0, 0};
    for (int k = 0; k < parts.size(); ++k)
        if (!toNumber(parts.at(k).trimmed(), numbers[k]))
            throw invalidDate(text);

    const QString order = fieldOrder(settings.shortDateFormat);
    int year = clockYear, month = 0, day = 0;
    bool shortYear = false;
    if (parts.size() == 3) {
        for (int k = 0; k < 3; ++k) {
            const QChar field = order.at(k);
            if (field == QLatin1Char('y')) {
                year = numbers[k];
                shortYear = parts.at(k).trimmed().size() <= 2;
            } else if (field == QLatin1Char('m')) {
                month = numbers[k];
            } else {
                day = numbers[k];
            }
        }
    } else {
        // Two parts: month and day in the format's order, in the clock's year.
        const QString md = QString(order).remove(QLatin1Char('y'));
        month = md.startsWith(QLatin1Char('m')) ? numbers[0] : numbers[1];
        day = md.startsWith(QLatin1Char('m')) ? numbers[1] : numbers[0];
    }
    if (shortYear)
        year += (clockYear / 100) * 100;
    try {
        return encodeDate(year, month, day);
    } catch (const ConvertError&) {
        throw invalidDate(text);
    }
}

TDateTime strToDateTime(const QString& text, int clockYear, const FormatSettings& settings)
{
    const QString trimmed = text.trimmed();
    const int space = trimmed.indexOf(QLatin1Char(' '));
    if (space < 0)
        return strToDate(trimmed, clockYear, settings);
    const TDateTime date = strToDate(trimmed.left(space), clockYear, settings);

    // The suffix is the rest of the text: some locales' AM/PM texts have blanks inside ("da tarde").
    static const QRegularExpression timePattern(
        QStringLiteral("^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2})(?:\\.(\\d{1,3}))?)?\\s*(.*)$"));
    const QString timeText = trimmed.mid(space + 1).trimmed();
    const QRegularExpressionMatch match = timePattern.match(timeText);
    if (!match.hasMatch())
        throw invalidTime(text);
    int hour = match.captured(1).toInt();
    const int minute = match.captured(2).toInt();
    const int second = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    const int msec = match.captured(4).isEmpty() ? 0 : match.captured(4).leftJustified(3, QLatin1Char('0')).toInt();
    const QString suffix = match.captured(5).trimmed();
    if (!suffix.isEmpty()) {
        const bool am = suffix.compare(settings.timeAMString, Qt::CaseInsensitive) == 0 ||
                        suffix.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0;
        const bool pm = suffix.compare(settings.timePMString, Qt::CaseInsensitive) == 0 ||
                        suffix.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
        if ((!am && !pm) || hour < 1 || hour > 12)
            throw invalidTime(text);
        hour = hour % 12 + (pm ? 12 : 0);
    }
    try {
        return combine(date, encodeTime(hour, minute, second, msec));
    } catch (const ConvertError&) {
        throw invalidTime(text);
    }
}

QString dateTimeToStr(TDateTime value, const FormatSettings& settings)
{
    return formatDateTime(settings.shortDateFormat, value, settings) + QLatin1Char(' ') +
           formatDateTime(settings.longTimeFormat, value, settings);
}

} // namespace rt
