// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/FormatSettings.h"
#include <QString>
#include <optional>

// A latitude or longitude as people type it: the file's own form ("N°52.52"), signed decimals as maps give them
// (north and east positive), a hemisphere letter before or after, degrees, minutes and seconds ("52°31'12\"N",
// "52 31 12 N"), and a decimal comma where the locale writes one.
namespace coordinate {

enum class Axis { Latitude, Longitude };

// Why a text gives no coordinate; the dialog words each.
enum class Refusal {
    None,
    NotANumber,        // no number where one is needed, or characters that are none
    WrongLetter,       // a longitude's letter in the latitude field, or the other way round
    SignAndLetter,     // "-52 S": two hemispheres asked for
    TwoLetters,        // a letter both before and after
    TooManyParts,      // more than degrees, minutes and seconds
    FractionNotLast,   // "52.5 30": only the last part may have decimals
    MinutesOver59,     // minutes or seconds of 60 or more
    BeyondLimit,       // beyond 90° or 180°
    FileFormUnreadable // the file's form whose number the file's rules cannot read ("N°abc")
};

struct Reading
{
    enum class Kind { Empty, Read, Refused };
    Kind kind = Kind::Empty;
    double degrees = 0; // north and east positive
    // The text is the file's own form, read by the file's rules: Save writes it as typed.
    bool fileForm = false;
    Refusal refusal = Refusal::None;

    bool read() const { return kind == Kind::Read; }
};

// One field's text read as the user means it.
Reading readTyped(const QString& text, Axis axis, const FormatSettings& settings);

// A line read by the file's rules (what the report makes of it): a line from the file, untouched in the dialog.
Reading readAsFileLine(const QString& line, Axis axis, const FormatSettings& settings);

// A latitude and a longitude in one text ("52.5200, 13.4050", "52°31'N 13°24'E", "13.4 E; 52.5 N"): the two
// texts, latitude first, when the text holds a pair; nullopt otherwise. A comma splits a pair where the locale's
// decimal mark is a point; where it is a comma, a semicolon or a comma followed by a blank does.
struct PairTexts
{
    QString latitude;
    QString longitude;
};
std::optional<PairTexts> splitPair(const QString& text, const FormatSettings& settings);

// The line Save writes for a reading: the text as typed for the file's own form, else two decimals in the file's
// form ("N°52.52"), empty for no position.
QString lineFor(const Reading& reading, const QString& typed, Axis axis);

// "52.52° N", "13.41° E", with the locale's decimal mark.
QString describe(double degrees, Axis axis, const FormatSettings& settings);

} // namespace coordinate
