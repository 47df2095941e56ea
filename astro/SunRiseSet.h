// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/FormatSettings.h"
#include "runtime/Wording.h"
#include <QList>
#include <QString>
#include <QtGlobal>

// Inputs and results of the sunrise/sunset scan, kept by the main window for the whole run.
struct SunState
{
    double SunLatitude = 0;   // degrees, north positive
    double SunLongitude = 0;  // degrees, east positive; SunRiseSet leaves longitude / 360 here
    double SunZoneOffset = 0; // hours, east positive; SunRiseSet leaves the scan offset here
    int SunEventKind = 0;     // 1 = rising, 2 = setting; preset by the caller, set to each event found
    QString SunriseText;      // kept when no rising is found
    QString SunsetText;       // kept when no setting is found
    // Whether the last scan found a rising and a setting; a call that computes nothing leaves them.
    bool riseFound = false;
    bool setFound = false;
};

// Texts of the plain boxes SunRiseSet asks for, and of the report's own box.
namespace sunText {
inline const Wording UpOrDownAllDay{"SunReport", QT_TRANSLATE_NOOP("SunReport", "Sun up or down all day")};
inline const Wording NoSunrise{"SunReport", QT_TRANSLATE_NOOP("SunReport", "No sunrise this date")};
inline const Wording NoSunset{"SunReport", QT_TRANSLATE_NOOP("SunReport", "No sunset this date")};
} // namespace sunText

// Scans the 24 hours from the scan start of dateText ("mm/dd/yyyy", read at fixed positions) for the Sun crossing
// the rise/set altitude and writes the time of each crossing into SunriseText or SunsetText. Returns the plain-box
// messages in the order they are shown. Throws ConvertError, before changing anything, when the fixed positions
// do not hold numbers (read as the settings read a number when they are not plain digits). Latitude or longitude
// exactly 0 means "no position": nothing changes, no message.
QList<Wording> SunRiseSet(SunState& state, const QString& dateText, int MilitaryTime, const FormatSettings& settings);

// The label text of an event at whole hour hh and minute mm of the scan (scan hour 12 is local midnight for a
// rising). Kinds other than 1 and 2 give an empty text.
QString sunEventText(int eventKind, int MilitaryTime, int hh, int mm);
