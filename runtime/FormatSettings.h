// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

// Date and number settings of the process, read from the locale at start. The short date format stays the
// program's own "m/d/yy", so that texts built in month/day/year order parse back whatever the locale's own order.
struct FormatSettings
{
    QChar dateSeparator = QLatin1Char('/');
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandSeparator = QLatin1Char(',');
    QString shortDateFormat = QStringLiteral("m/d/yy");
    QString longTimeFormat = QStringLiteral("h:nn:ss AMPM");
    QString timeAMString = QStringLiteral("AM");
    QString timePMString = QStringLiteral("PM");
    QStringList shortMonthNames; // 12 entries, January first
    QStringList longMonthNames;
    // The first column of the month calendars. The C and POSIX locales keep the Sunday-first look the program has
    // always had; a named locale brings its own (Monday for German, Sunday for American English).
    Qt::DayOfWeek firstDayOfWeek = Qt::Sunday;
    // The order in which the locale's reader reads day, month and year ("dmy" in German): only for dates shown,
    // never for the texts the program passes between its handlers. C and POSIX keep the month first.
    QString shownDateOrder = QStringLiteral("mdy");
    // The locale writes its times on the 24-hour clock (German, French); the default for the sun times where the
    // preferences ask for no 24-hour time. C and POSIX keep the 12-hour times the program has always shown.
    bool twentyFourHourClock = false;

    static FormatSettings fromLocale(const QLocale& locale);
};

namespace rt {
// The settings of this run, read-only: the system locale's unless set before the first use. main() sets them once
// before any window. Only the windows and controls read them here; every model and text function takes the
// settings it works under as a parameter, so a test or fuzzer hands it another locale's without setting these.
const FormatSettings& formatSettings();
void setFormatSettings(const FormatSettings& settings);
} // namespace rt
