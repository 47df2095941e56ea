// SPDX-License-Identifier: GPL-3.0-or-later
#include "paper/SheetContentOf.h"
#include "paper/SheetMarks.h"
#include "prefs/CoordinateText.h"
#include "prefs/PositionLine.h"
#include "shared/SkyPlaceOf.h"
#include "zones/ZoneOffsets.h"
#include <cmath>

namespace {
// "UTC+1", "UTC-6", "UTC+5:30".
QString offsetText(double hours)
{
    const int minutes = int(std::lround(std::abs(hours) * 60));
    QString text =
        QStringLiteral("UTC") + (hours < 0 ? QLatin1Char('-') : QLatin1Char('+')) + QString::number(minutes / 60);
    if (minutes % 60)
        text += QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return text;
}
} // namespace

QString sheetPlaceOf(const Preferences& preferences, const FormatSettings& settings)
{
    const std::optional<double> latitude = prefs::latitudeOf(preferences.latitude, settings);
    const std::optional<double> longitudeWest = prefs::longitudeWestOf(preferences.longitude, settings);
    if (!latitude || !longitudeWest)
        return {};
    const QString zone =
        zones::isKnownZone(preferences.zone) ? preferences.zone.trimmed() : offsetText(preferences.gmtOffset);
    return coordinate::describe(*latitude, coordinate::Axis::Latitude, settings) + QLatin1Char(' ') +
           coordinate::describe(-*longitudeWest, coordinate::Axis::Longitude, settings) + QStringLiteral(", ") + zone;
}

SheetContent sheetContentOf(int year, const Preferences& preferences, const FormatSettings& settings,
                            const QLocale& locale, weeks::FirstDay firstDay, weeks::Numbering numbering)
{
    SheetContent content;
    content.year = year;
    content.place = sheetPlaceOf(preferences, settings);
    content.locale = locale;
    content.firstDay = weeks::firstDayOf(firstDay, settings.firstDayOfWeek);
    content.numbering = numbering;
    return content;
}

SheetContent yearPageOf(int year, const Preferences& preferences, const FormatSettings& settings, const QLocale& locale,
                        const PageChoices& choices)
{
    SheetContent content = sheetContentOf(year, preferences, settings, locale, choices.firstDay, choices.numbering);
    std::vector<YearMark> sky;
    if (choices.skyMarksShown) {
        // Only the place's clock moves a mark to another day; the position stands in where it reads.
        const double latitude = prefs::latitudeOf(preferences.latitude, settings).value_or(0);
        const double longitudeWest = prefs::longitudeWestOf(preferences.longitude, settings).value_or(0);
        sky = yearMarksOf(year, skyPlaceOf(preferences, latitude, longitudeWest));
    }
    content.marks = sheetMarksOf(sky, choices.events);
    if (choices.ownDays) {
        SheetOwnDays own =
            sheetOwnDaysOf(year, choices.ownDays(QDate(year, 1, 1), QDate(year, 12, 31)), choices.categories);
        content.ranges = std::move(own.ranges);
        content.categories = std::move(own.categories);
    }
    content.holiday = choices.holiday;
    return content;
}
