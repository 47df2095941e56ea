// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/FormatSettings.h"
#include <optional>

namespace {
// Whether a time format has an AM/PM field ("h:mm AP"); quoted text ("HH 'h' mm") is no field.
bool hasDayPeriod(const QString& timeFormat)
{
    bool quoted = false;
    for (const QChar c : timeFormat) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        else if (!quoted && (c == QLatin1Char('a') || c == QLatin1Char('A')))
            return true;
    }
    return false;
}
} // namespace

FormatSettings FormatSettings::fromLocale(const QLocale& locale)
{
    FormatSettings settings;
    // The separator is the first mark between the fields of the locale's own short date format; invisible
    // direction marks (Arabic formats put one before each "/") are not it.
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : pattern) {
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\'') && c.category() != QChar::Other_Format) {
            settings.dateSeparator = c;
            break;
        }
    }
    settings.decimalSeparator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().at(0);
    settings.thousandSeparator = locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator().at(0);
    if (settings.thousandSeparator == settings.decimalSeparator)
        settings.thousandSeparator =
            settings.decimalSeparator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    if (!locale.amText().isEmpty())
        settings.timeAMString = locale.amText();
    if (!locale.pmText().isEmpty())
        settings.timePMString = locale.pmText();
    for (int month = 1; month <= 12; ++month) {
        settings.shortMonthNames.append(locale.monthName(month, QLocale::ShortFormat));
        settings.longMonthNames.append(locale.monthName(month, QLocale::LongFormat));
    }
    settings.firstDayOfWeek = locale.language() == QLocale::C ? Qt::Sunday : locale.firstDayOfWeek();
    if (locale.language() != QLocale::C) {
        settings.twentyFourHourClock = !hasDayPeriod(locale.timeFormat(QLocale::ShortFormat));
        QString order;
        for (const QChar c : pattern) {
            const QChar lower = c.toLower();
            if ((lower == QLatin1Char('d') || lower == QLatin1Char('m') || lower == QLatin1Char('y')) &&
                !order.contains(lower))
                order.append(lower);
        }
        if (order.size() == 3)
            settings.shownDateOrder = order;
    }
    return settings;
}

namespace {
// Empty until set or first read, so setting them at start costs no reading of the locale before.
std::optional<FormatSettings>& runSettings()
{
    static std::optional<FormatSettings> settings;
    return settings;
}
} // namespace

namespace rt {
const FormatSettings& formatSettings()
{
    std::optional<FormatSettings>& settings = runSettings();
    if (!settings)
        settings = FormatSettings::fromLocale(QLocale::system());
    return *settings;
}

void setFormatSettings(const FormatSettings& settings)
{
    runSettings() = settings;
}
} // namespace rt
