// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/PlaceWords.h"
#include "dialog/HomeTexts.h"
#include "runtime/NumberText.h"
#include <QLocale>
#include <cmath>

using coordinate::Axis;
using coordinate::Reading;
using coordinate::Refusal;

namespace {
const coordinate::Reading& readingOf(const place::Check& check, Axis axis)
{
    return axis == Axis::Latitude ? check.latitude : check.longitude;
}

const char* refusalText(Refusal refusal, Axis axis)
{
    const bool latitude = axis == Axis::Latitude;
    switch (refusal) {
    case Refusal::WrongLetter:
        return latitude ? HomeTexts::LongitudeLetter : HomeTexts::LatitudeLetter;
    case Refusal::SignAndLetter:
        return HomeTexts::SignAndLetter;
    case Refusal::TwoLetters:
        return HomeTexts::TwoLetters;
    case Refusal::TooManyParts:
        return HomeTexts::TooManyParts;
    case Refusal::FractionNotLast:
        return HomeTexts::FractionNotLast;
    case Refusal::MinutesOver59:
        return HomeTexts::MinutesOver59;
    case Refusal::BeyondLimit:
        return latitude ? HomeTexts::LatitudeBeyond : HomeTexts::LongitudeBeyond;
    case Refusal::FileFormUnreadable:
        return HomeTexts::FileFormUnreadable;
    case Refusal::NotANumber:
    case Refusal::None:
        break;
    }
    return HomeTexts::NotANumber;
}

// "+1", "-5", "+5.5": hours with their sign, at most two decimals.
QString signedHours(double hours, const FormatSettings& settings)
{
    const QString text = rt::fieldText(hours, settings);
    if (text.isEmpty())
        return QStringLiteral("0");
    return hours > 0 ? QLatin1Char('+') + text : text;
}
} // namespace

QString placewords::reading(const place::Check& check, Axis axis, const FormatSettings& settings)
{
    const Reading& r = readingOf(check, axis);
    switch (r.kind) {
    case Reading::Kind::Read:
        return coordinate::describe(r.degrees, axis, settings);
    case Reading::Kind::Refused:
        return HomeTexts::tr(refusalText(r.refusal, axis));
    case Reading::Kind::Empty:
        break;
    }
    if (check.onlyOne)
        return HomeTexts::tr(axis == Axis::Latitude ? HomeTexts::NeedsLatitude : HomeTexts::NeedsLongitude);
    // Said once, beside the latitude, when both are empty.
    return axis == Axis::Latitude && check.longitude.kind == Reading::Kind::Empty ? HomeTexts::tr(HomeTexts::NoPosition)
                                                                                  : QString();
}

bool placewords::refused(const place::Check& check, Axis axis)
{
    const Reading& r = readingOf(check, axis);
    return r.kind == Reading::Kind::Refused || (r.kind == Reading::Kind::Empty && check.onlyOne);
}

QString placewords::offsetWarning(const place::Check& check, double offsetHours, const FormatSettings& settings)
{
    if (!check.hasPosition() || !place::offsetFarFromLongitude(check.longitude.degrees, offsetHours))
        return QString();
    const double sunHours = std::round(place::solarHours(check.longitude.degrees));
    return HomeTexts::tr(HomeTexts::OffsetFarFromPosition)
        .arg(coordinate::describe(check.longitude.degrees, Axis::Longitude, settings), signedHours(sunHours, settings),
             signedHours(offsetHours, settings));
}

QString placewords::zoneCityDistance(const QString& zoneId, const place::ZoneCity& city, const QLocale& locale)
{
    return HomeTexts::tr(HomeTexts::ZoneCityDistance)
        .arg(zoneId.trimmed(), locale.toString(qRound64(city.distanceKm)), city.name);
}
