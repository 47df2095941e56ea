#include "app/DayReport.h"
#include "app/CalendarTexts.h"
#include "runtime/DateText.h"
#include "zones/MoonForPlace.h"
#include "zones/ZoneOffsets.h"

DayReport::Shown DayReport::report(const Preferences& preferences, TDateTime day, bool startedByUser)
{
    SunReportInput input;
    input.longitudeLine = preferences.longitude;
    input.latitudeLine = preferences.latitude;
    input.latitudeField = m_latitudeField;
    input.longitudeField = m_longitudeField;
    // A known zone gives the day's own offset, daylight saving included; else line 4 stands.
    const QDate date = rt::toQDate(day);
    // One look-up of the zone serves the offset and the message below.
    const ZoneOffsets zone = zones::offsetsOn(preferences.zone, date);
    input.gmtOffset = zone.reportOffset(preferences.gmtOffset);
    input.MilitaryTime = MilitaryTime ? 1 : 0;
    input.dateText = rt::formatDateTime(texts::PatternSunDate, day);
    const SunReportResult result = computeSunReport(input, Sun);
    m_latitudeField = result.latitudeField;
    m_longitudeField = result.longitudeField;
    SunRecalcCountdown = ReportHoldTicks;

    // From a southern latitude the moon is seen the other way round.
    const int phaseStep = moonPictureOn(day);
    Shown shown{result.sunrise, result.sunset, zones::moonPictureAt(phaseStep, m_latitudeField), phaseStep, {}};
    // The same day and preferences tell the same story: a report the program starts by itself says each thing once.
    // A position it cannot read is the preferences' story alone, whatever the day.
    const QString story = input.longitudeLine + QLatin1Char('|') + input.latitudeLine + QLatin1Char('|') +
                          QString::number(preferences.gmtOffset) + QLatin1Char('|') + preferences.zone +
                          QLatin1Char('|');
    QList<SunReportMessage> messages = result.messages;
    // A zone line naming no zone leaves the report on line 4; like a bad position, it is the preferences' story.
    const bool unknownZone = !preferences.zone.trimmed().isEmpty() && !zone.known;
    if (unknownZone)
        messages.append({SunReportMessage::Warning, zoneText::unknownZone(preferences.zone)});
    const QString zoneMessage = unknownZone ? zoneText::unknownZone(preferences.zone) : QString();
    QStringList saidNow;
    // One damaged file is one box listing each thing wrong with it, ahead of what the day's sky says.
    Box faults{BoxGate::Box::Warning, {}};
    for (const SunReportMessage& message : messages) {
        const bool aboutTheDay = message.kind == SunReportMessage::Plain;
        const QString key = (aboutTheDay ? input.dateText + QLatin1Char('|') : QString()) + story + message.text;
        // One report says a thing once, though its two runs may both find it.
        if (saidNow.contains(message.text))
            continue;
        saidNow.append(message.text);
        // The zone is the file's story, not the day's: said once per preferences, clicks included.
        const BoxGate::Message said{message.text, key, !startedByUser || message.text == zoneMessage};
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
