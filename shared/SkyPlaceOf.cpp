// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/SkyPlaceOf.h"
#include "astro/SunReport.h"
#include "zones/ZoneOffsets.h"
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

namespace {
constexpr double UnixEpochJulianDay = 2440587.5;
}

SkyPlace skyPlaceOf(const Preferences& preferences, double latitude, double longitudeWest)
{
    SkyPlace place;
    place.latitude = latitude;
    place.longitudeEast = -longitudeWest;
    if (zones::isKnownZone(preferences.zone)) {
        const QTimeZone zone(preferences.zone.trimmed().toUtf8());
        place.offsetHoursAt = [zone](double jd) {
            const auto ms = static_cast<qint64>(std::llround((jd - UnixEpochJulianDay) * 86400000.0));
            return zone.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC)) / 3600.0;
        };
    } else {
        const double fixed = std::abs(preferences.gmtOffset) > sunReportLimits::OffsetHours ? 0 : preferences.gmtOffset;
        place.offsetHoursAt = [fixed](double) { return fixed; };
    }
    return place;
}
