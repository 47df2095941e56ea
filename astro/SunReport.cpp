// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/SunReport.h"
#include "astro/MoonPhase.h"
#include "astro/SkyNames.h"
#include <cmath>

namespace {

// Interval bounds in radians; between bounds 41 and 42 there is no bound, so the last-quarter interval is wide.
constexpr double phaseBounds[57] = {0.0,
                                    0.267971686242562,
                                    0.467071686242562,
                                    0.606871686242562,
                                    0.722671686242562,
                                    0.824971686242562,
                                    0.918271686242562,
                                    1.00537168624256,
                                    1.08787168624256,
                                    1.16697168624256,
                                    1.24347168624256,
                                    1.31807168624256,
                                    1.39117168624256,
                                    1.46337168624256,
                                    1.53507168624256,
                                    1.60647168624256,
                                    1.67807168624256,
                                    1.75027168624256,
                                    1.82347168624256,
                                    1.89797168624256,
                                    1.97447168624256,
                                    2.05357168624256,
                                    2.13607168624256,
                                    2.22317168624256,
                                    2.31657168624256,
                                    2.41887168624256,
                                    2.53467168624256,
                                    2.67437168624256,
                                    2.87347168624256,
                                    3.40957168624256,
                                    3.60867168624256,
                                    3.74847168624256,
                                    3.86427168624256,
                                    3.96657168624256,
                                    4.05987168624256,
                                    4.14697168624256,
                                    4.22947168624256,
                                    4.30857168624256,
                                    4.38507168624256,
                                    4.45967168624256,
                                    4.53277168624256,
                                    4.60497168624256,
                                    4.74807168624256,
                                    4.81967168624256,
                                    4.89187168624256,
                                    4.96497168624256,
                                    5.03957168624256,
                                    5.11607168624256,
                                    5.19517168624256,
                                    5.27767168624256,
                                    5.36477168624256,
                                    5.45817168624256,
                                    5.56037168624256,
                                    5.67627168624256,
                                    5.81597168624256,
                                    6.01507168624256,
                                    10.0};

// Picture of each interval 1..56 (index 0 unused).
constexpr int intervalPicture[57] = {0,  28, 1,  2,  2,  3,  3,  4,  4,  5,  5,  5,  5,  6,  6,  7,  7,  8,  8,
                                     8,  9,  9,  10, 10, 10, 11, 11, 12, 13, 14, 15, 15, 16, 16, 17, 17, 18, 18,
                                     18, 19, 19, 20, 20, 21, 21, 21, 22, 22, 22, 23, 23, 24, 24, 25, 26, 27, 28};

void runOnce(SunReportResult& result, const SunReportInput& input, double offset, SunState& state, int kind,
             const FormatSettings& settings)
{
    // SunRiseSet overwrites longitude and offset, so every run stores its inputs afresh.
    state.SunLatitude = input.latitude;
    state.SunLongitude = input.longitude * -1;
    state.SunZoneOffset = offset;
    state.SunEventKind = kind;
    for (const Wording& text : SunRiseSet(state, input.dateText, input.MilitaryTime, settings))
        result.messages.append({SunReportMessage::Plain, text});
}

} // namespace

SunReportResult computeSunReport(const SunReportInput& input, SunState& state, const FormatSettings& settings)
{
    SunReportResult result{QString(), QString(), {}};
    // No zone is that far from Greenwich: the times are given at Greenwich rather than at a made-up hour.
    double offset = input.gmtOffset;
    if (!(std::abs(offset) <= sunReportLimits::OffsetHours)) {
        offset = 0;
        result.messages.append({SunReportMessage::Warning, sunReportText::InvalidOffset});
    }

    // Without a position SunRiseSet computes nothing and the texts stand; a scan that finds no event leaves the
    // text of an earlier day, which must not pass for this day's.
    const bool scans = input.latitude != 0 && input.longitude != 0;
    runOnce(result, input, offset, state, 1, settings);
    result.sunrise = scans && !state.riseFound ? sunReportText::NoEvent : state.SunriseText;
    runOnce(result, input, offset, state, 2, settings);
    result.sunset = scans && !state.setFound ? sunReportText::NoEvent : state.SunsetText;
    return result;
}

int moonIntervalFor(long double phase)
{
    int k = 0;
    for (int i = 1; i <= 56; ++i) {
        if ((long double)phaseBounds[i - 1] < phase && phase < (long double)phaseBounds[i])
            k = i;
    }
    return k;
}

int moonPictureFor(long double phase)
{
    return intervalPicture[moonIntervalFor(phase)];
}

int moonPictureOn(TDateTime day)
{
    int year = 0, month = 0, dayOfMonth = 0;
    rt::decodeDate(day, year, month, dayOfMonth);
    return moonPictureFor(moonPhase(year, month, dayOfMonth, 18, 0, 0, 0));
}

Wording moonPhaseName(int picture)
{
    // The pictures are the 28 steps of a lunation: a quarter, full and new moon are one step each, the crescents
    // and gibbous moons the six steps between them.
    if (picture < 1 || picture > 28)
        return Wording();
    const char* name = skyNames::WaningCrescent;
    if (picture == 28)
        name = skyNames::NewMoon;
    else if (picture == 7)
        name = skyNames::FirstQuarter;
    else if (picture == 14)
        name = skyNames::FullMoon;
    else if (picture == 21)
        name = skyNames::LastQuarter;
    else if (picture < 7)
        name = skyNames::WaxingCrescent;
    else if (picture < 14)
        name = skyNames::WaxingGibbous;
    else if (picture < 21)
        name = skyNames::WaningGibbous;
    return Wording(skyNames::Context, name);
}
