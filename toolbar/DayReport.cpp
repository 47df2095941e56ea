// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbar/DayReport.h"
#include "astro/DaySky.h"
#include "astro/MoonForPlace.h"
#include "prefs/PositionLine.h"
#include "runtime/DateText.h"
#include "shared/CalendarTexts.h"
#include "zones/ZoneOffsets.h"
#include <cmath>

DayReport::Shown DayReport::report(const Preferences& preferences, TDateTime day, bool startedByUser,
                                   const FormatSettings& settings, bool dayToldElsewhere)
{
    // A line that does not convert keeps the position the last report used, which already carries the sign of its
    // own marking; the report goes on with it after the warning.
    QList<SunReportMessage> messages;
    const std::optional<double> latitude = prefs::latitudeOf(preferences.latitude, settings);
    if (!latitude)
        messages.append({SunReportMessage::Warning, prefs::InvalidLatitude});
    const std::optional<double> longitude = prefs::longitudeWestOf(preferences.longitude, settings);
    if (!longitude)
        messages.append({SunReportMessage::Warning, prefs::InvalidLongitude});

    SunReportInput input;
    input.latitude = latitude.value_or(m_latitudeField);
    input.longitude = longitude.value_or(m_longitudeField);
    // A known zone gives the day's own offset, daylight saving included; else line 4 stands.
    const bool knownZone = zones::isKnownZone(preferences.zone);
    input.gmtOffset = zones::offsetsOn(preferences.zone, rt::toQDate(day)).reportOffset(preferences.gmtOffset);
    // Without the preferences' 24-hour flag the times follow the locale's clock.
    input.MilitaryTime = twentyFourHour(settings) ? 1 : 0;
    input.dateText = rt::formatDateTime(texts::PatternSunDate, day, settings);
    const SunReportResult result = computeSunReport(input, Sun, settings);
    m_latitudeField = input.latitude;
    m_longitudeField = input.longitude;
    SunRecalcCountdown = ReportHoldTicks;

    // The moon's true phase at 18:00 of the place's clock, whose offset is the day's (taken at noon: no zone changes
    // its clock in the afternoon); from a southern latitude it is seen the other way round.
    const double offset = std::abs(input.gmtOffset) > sunReportLimits::OffsetHours ? 0 : input.gmtOffset;
    // Today's report comes back after every activation and hold: the same evening is looked up once.
    const QDate date = rt::toQDate(day);
    if (date != m_moonDay || offset != m_moonOffset) {
        const SkyPlace place{m_latitudeField, -m_longitudeField, [offset](double) { return offset; }};
        m_moonStep = moonPictureFor(eveningMoonPhase(date, place));
        m_moonDay = date;
        m_moonOffset = offset;
    }
    const int phaseStep = m_moonStep;
    Shown shown{result.sunrise, result.sunset, moonPictureAt(phaseStep, m_latitudeField), phaseStep, {}};
    // The same day and preferences tell the same story: a report the program starts by itself says each thing once.
    // A position it cannot read is the preferences' story alone, whatever the day.
    const QString story = preferences.longitude + QLatin1Char('|') + preferences.latitude + QLatin1Char('|') +
                          QString::number(preferences.gmtOffset) + QLatin1Char('|') + preferences.zone +
                          QLatin1Char('|');
    messages += result.messages;
    // A zone line naming no zone leaves the report on line 4; like a bad position, it is the preferences' story.
    const bool unknownZone = !preferences.zone.trimmed().isEmpty() && !knownZone;
    if (unknownZone)
        messages.append({SunReportMessage::Warning, zoneText::unknownZone(preferences.zone)});
    const Wording zoneMessage = unknownZone ? zoneText::unknownZone(preferences.zone) : Wording();
    QStringList saidNow;
    // One damaged file is one box listing each thing wrong with it, ahead of what the day's sky says.
    Box faults{BoxGate::Box::Warning, {}};
    for (const SunReportMessage& message : messages) {
        const bool aboutTheDay = message.kind == SunReportMessage::Plain;
        if (aboutTheDay && dayToldElsewhere)
            continue;
        // Keyed by the English, shown in the running language.
        const QString english = message.text.english();
        const QString key = (aboutTheDay ? input.dateText + QLatin1Char('|') : QString()) + story + english;
        // One report says a thing once, though its two runs may both find it.
        if (saidNow.contains(english))
            continue;
        saidNow.append(english);
        // The zone is the file's story, not the day's: said once per preferences, clicks included.
        const BoxGate::Message said{message.text.translated(), key, !startedByUser || message.text == zoneMessage};
        if (aboutTheDay)
            shown.boxes.append({BoxGate::Box::Plain, {said}});
        else
            faults.messages.append(said);
    }
    if (!faults.messages.isEmpty())
        shown.boxes.prepend(faults);
    return shown;
}

bool DayReport::tick()
{
    if (SunRecalcCountdown > 0) {
        --SunRecalcCountdown;
        return false;
    }
    // A tick inside a box the report opens must not start it again.
    if (SunRecalcCountdown != 0 || m_timerReportRunning)
        return false;
    SunRecalcCountdown = CountdownIdle;
    m_timerReportRunning = true;
    return true;
}
