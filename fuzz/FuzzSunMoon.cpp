// SPDX-License-Identifier: GPL-3.0-or-later
// Sunrise and sunset over any position, offset and date text, and the moon's phase over any moment: no failure
// but ConvertError for an unreadable date, the documented messages only, short texts, and phases in (0, 2 pi].
#include "FuzzSupport.h"
#include "astro/MoonPhase.h"
#include "astro/SunReport.h"
#include "astro/SunRiseSet.h"
#include "runtime/ConvertError.h"

#include <QRegularExpression>
#include <cmath>

namespace {

QString dateText(FuzzedDataProvider& data, bool utf8)
{
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return fuzzText(data, 16, utf8);
    case 1: {
        // Digits in the fixed places but any numbers: month 0..99, day 0..99, year 0..9999.
        const int month = data.ConsumeIntegralInRange<int>(0, 99);
        const int day = data.ConsumeIntegralInRange<int>(0, 99);
        const int year = data.ConsumeIntegralInRange<int>(0, 9999);
        return QStringLiteral("%1/%2/%3")
            .arg(month, 2, 10, QLatin1Char('0'))
            .arg(day, 2, 10, QLatin1Char('0'))
            .arg(year, 4, 10, QLatin1Char('0'));
    }
    default: {
        const int month = data.ConsumeIntegralInRange<int>(1, 12);
        const int day = data.ConsumeIntegralInRange<int>(1, 31);
        const int year = data.ConsumeIntegralInRange<int>(1, 9999);
        return QStringLiteral("%1/%2/%3")
            .arg(month, 2, 10, QLatin1Char('0'))
            .arg(day, 2, 10, QLatin1Char('0'))
            .arg(year, 4, 10, QLatin1Char('0'));
    }
    }
}

bool isEventText(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^-?\\d{1,7}:-?\\d\\d[AP]?$"));
    return text.size() <= 13 && form.match(text).hasMatch();
}

void checkSunRiseSet(const SunState& before, const QString& date, int MilitaryTime, const FormatSettings& settings)
{
    SunState state = before;
    QList<Wording> messages;
    try {
        messages = SunRiseSet(state, date, MilitaryTime, settings);
    } catch (const ConvertError&) {
        // Nothing changes before the date is read.
        FUZZ_CHECK(std::memcmp(&state.SunLatitude, &before.SunLatitude, sizeof(double)) == 0 &&
                       std::memcmp(&state.SunLongitude, &before.SunLongitude, sizeof(double)) == 0 &&
                       std::memcmp(&state.SunZoneOffset, &before.SunZoneOffset, sizeof(double)) == 0 &&
                       state.SunEventKind == before.SunEventKind && state.SunriseText == before.SunriseText &&
                       state.SunsetText == before.SunsetText,
                   date);
        return;
    }
    FUZZ_CHECK(messages.size() <= 2, date);
    for (const Wording& message : messages)
        FUZZ_CHECK(message == sunText::UpOrDownAllDay || message == sunText::NoSunrise || message == sunText::NoSunset,
                   message.english());
    if (before.SunLatitude == 0 || before.SunLongitude == 0) {
        FUZZ_CHECK(messages.isEmpty() && state.SunriseText == before.SunriseText &&
                       state.SunsetText == before.SunsetText && state.SunEventKind == before.SunEventKind,
                   date);
        return;
    }
    FUZZ_CHECK(state.SunEventKind == before.SunEventKind || state.SunEventKind == 1 || state.SunEventKind == 2,
               QString::number(state.SunEventKind));
    if (state.SunriseText != before.SunriseText)
        FUZZ_CHECK(isEventText(state.SunriseText), state.SunriseText);
    if (state.SunsetText != before.SunsetText)
        FUZZ_CHECK(isEventText(state.SunsetText), state.SunsetText);

    // On a real day at a real place the times are clock times of the scan's day.
    const bool realPlace = std::fabs(before.SunLatitude) <= 90 && std::fabs(before.SunLongitude) <= 180 &&
                           std::fabs(before.SunZoneOffset) <= 14;
    if (realPlace && state.SunriseText != before.SunriseText && MilitaryTime == 1) {
        const int hour = state.SunriseText.section(QLatin1Char(':'), 0, 0).toInt();
        FUZZ_CHECK(hour >= -12 && hour <= 24, state.SunriseText);
    }
}

void checkReport(FuzzedDataProvider& data, const QString& date, int MilitaryTime, const FormatSettings& settings)
{
    SunReportInput input;
    input.latitude = fuzzDouble(data, 90);
    input.longitude = fuzzDouble(data, 180);
    input.gmtOffset = fuzzDouble(data, 14);
    input.MilitaryTime = MilitaryTime;
    input.dateText = date;
    SunState state;
    try {
        const SunReportResult result = computeSunReport(input, state, settings);
        FUZZ_CHECK(result.messages.size() <= 6, date);
        FUZZ_CHECK(result.sunrise.size() <= 13 && result.sunset.size() <= 13, result.sunrise + result.sunset);
    } catch (const ConvertError&) {
    }
}

void checkMoon(int Y, int Mo, int D, int h, int mi, int s, int ms)
{
    const long double phase = moonPhase(Y, Mo, D, h, mi, s, ms);
    const QString moment = QStringLiteral("%1-%2-%3 %4:%5:%6.%7").arg(Y).arg(Mo).arg(D).arg(h).arg(mi).arg(s).arg(ms);
    if (Mo < 1 || Mo > 12) {
        FUZZ_CHECK(std::isnan(phase), moment);
        return;
    }
    FUZZ_CHECK(phase > 0 && phase <= moonTwoPi, moment + QStringLiteral(" phase ") + QString::number(double(phase)));
    const int picture = moonPictureFor(phase);
    FUZZ_CHECK(picture >= 0 && picture <= 28, moment);
    FUZZ_CHECK(moonIntervalFor(phase) >= 0 && moonIntervalFor(phase) <= 56, moment);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const FormatSettings settings = fuzzSettings(data.ConsumeIntegral<uint8_t>());
    const bool utf8 = data.ConsumeBool();

    SunState state;
    state.SunLatitude = fuzzDouble(data, 90);
    state.SunLongitude = fuzzDouble(data, 180);
    state.SunZoneOffset = fuzzDouble(data, 14);
    state.SunEventKind = data.ConsumeIntegralInRange<int>(-1, 3);
    state.SunriseText = fuzzText(data, 8, utf8);
    state.SunsetText = fuzzText(data, 8, utf8);
    const int MilitaryTime = data.ConsumeBool() ? data.ConsumeIntegralInRange<int>(0, 1) : data.ConsumeIntegral<int>();
    const QString date = dateText(data, utf8);
    checkSunRiseSet(state, date, MilitaryTime, settings);

    (void)sunEventText(data.ConsumeIntegral<int>(), MilitaryTime, data.ConsumeIntegral<int>(),
                       data.ConsumeIntegral<int>());

    const bool anyFields = data.ConsumeBool();
    const int Y = anyFields ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(1, 9999);
    const int Mo = anyFields ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(1, 12);
    const int D = anyFields ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(1, 31);
    const int h = anyFields ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(0, 23);
    const int mi = anyFields ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(0, 59);
    const int s = anyFields ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(0, 59);
    const int ms = anyFields ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(0, 999);
    checkMoon(Y, Mo, D, h, mi, s, ms);
    (void)moonPictureFor(fuzzDouble(data, 7));

    checkReport(data, date, MilitaryTime, settings);
    return 0;
}
