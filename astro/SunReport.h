#pragma once
#include "astro/SunRiseSet.h"
#include "runtime/DateValue.h"
#include <QList>
#include <QString>
#include <optional>

// Texts of the report's warning boxes.
namespace sunReportText {
inline const QString InvalidLatitude = QStringLiteral("Invalid N/S degrees in preferences.");
inline const QString InvalidLongitude = QStringLiteral("Invalid W/E degrees in preferences.");
inline const QString InvalidOffset = QStringLiteral("Invalid GMT offset in preferences.");
// The label of an event the day does not have (midnight sun, polar night): an earlier day's time would read as
// this day's.
inline const QString NoEvent = QStringLiteral("\u2013");
} // namespace sunReportText

// The widest position and offset a report takes; beyond them a line is as invalid as one that is no number.
namespace sunReportLimits {
constexpr double Latitude = 90;
constexpr double Longitude = 180;
constexpr double OffsetHours = 14;
} // namespace sunReportLimits

// The number of a position line of the preferences: the part after the first degree sign (at most 100 characters),
// or the whole line when there is none, read by the numeric-field rule (two decimals). nullopt when not a number.
std::optional<double> degreeFieldValue(const QString& line);

// A line is marked by the first non-blank character before its first degree sign, in either case: "S" marks a
// southern latitude ("S°33.87", "South°33.87"), "E" an eastern longitude. Without a degree sign nothing is marked.
bool isMarkedSouth(const QString& latitudeLine);
bool isMarkedEast(const QString& longitudeLine);

struct SunReportInput
{
    QString longitudeLine; // preferences line 2
    QString latitudeLine;  // preferences line 3
    double latitudeField;  // value held by the latitude field before this report
    double longitudeField; // value held by the longitude field before this report (positive = west)
    double gmtOffset;      // hours, east positive; beyond the limit the report runs at 0 and warns
    int MilitaryTime;
    QString dateText; // "mm/dd/yyyy"
};

struct SunReportMessage
{
    enum Kind { Warning, Plain } kind;
    QString text;
};

struct SunReportResult
{
    double latitudeField;             // north positive
    double longitudeField;            // west positive
    QString sunrise;                  // sunReportText::NoEvent when the day has no rising
    QString sunset;                   // sunReportText::NoEvent when the day has no setting
    QList<SunReportMessage> messages; // in the order the boxes appear
};

// Steps 1 to 5 of the report: converts the two position lines into the fields (a failed conversion, or a number
// beyond the poles or the date line, keeps the field's value and warns), then runs SunRiseSet for the rising and for
// the setting with the inputs stored afresh. Throws ConvertError for a date text SunRiseSet cannot read.
SunReportResult computeSunReport(const SunReportInput& input, SunState& state);

// The phase interval 1..56 the phase lies strictly inside, 0 when it lies in none (on a bound or out of range).
int moonIntervalFor(long double phase);
// The moon picture 1..28 for a phase, 0 when no interval matches (the shown picture then stays).
int moonPictureFor(long double phase);
// The picture for a day: the phase at 18:00 of that day.
int moonPictureOn(TDateTime day);
// What picture 1..28 shows, in words ("Waxing crescent", "Full moon"); empty for any other number.
QString moonPhaseName(int picture);
