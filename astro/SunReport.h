// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/SunRiseSet.h"
#include "runtime/DateValue.h"
#include <QList>
#include <QString>
#include <optional>

// Texts of the report's boxes.
namespace sunReportText {
inline const Wording InvalidOffset{"SunReport", QT_TRANSLATE_NOOP("SunReport", "Invalid GMT offset in preferences.")};
// The label of an event the day does not have (midnight sun, polar night): an earlier day's time would read as
// this day's.
inline const QString NoEvent = QStringLiteral("\u2013");
} // namespace sunReportText

// The widest offset a report takes: no zone is further from Greenwich.
namespace sunReportLimits {
constexpr double OffsetHours = 14;
} // namespace sunReportLimits

struct SunReportInput
{
    double latitude;  // degrees, north positive; 0 with the longitude 0 is no position
    double longitude; // degrees, west positive
    double gmtOffset; // hours, east positive; beyond the limit the report runs at 0 and warns
    int MilitaryTime;
    QString dateText; // "mm/dd/yyyy"
};

struct SunReportMessage
{
    enum Kind { Warning, Plain } kind;
    Wording text;
};

struct SunReportResult
{
    QString sunrise;                  // sunReportText::NoEvent when the day has no rising
    QString sunset;                   // sunReportText::NoEvent when the day has no setting
    QList<SunReportMessage> messages; // in the order the boxes appear
};

// The sun's part of the report at a position: runs SunRiseSet for the rising and for the setting with the inputs
// stored afresh. Throws ConvertError for a date text SunRiseSet cannot read under the settings.
SunReportResult computeSunReport(const SunReportInput& input, SunState& state, const FormatSettings& settings);

// The phase interval 1..56 the phase lies strictly inside, 0 when it lies in none (on a bound or out of range).
int moonIntervalFor(long double phase);
// The moon picture 1..28 for a phase, 0 when no interval matches (the shown picture then stays).
int moonPictureFor(long double phase);
// The picture for a day: the phase at 18:00 of that day.
int moonPictureOn(TDateTime day);
// What picture 1..28 shows, in words ("Waxing crescent", "Full moon"); empty for any other number.
Wording moonPhaseName(int picture);
