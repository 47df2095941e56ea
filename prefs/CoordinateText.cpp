// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/CoordinateText.h"
#include "prefs/PositionLine.h"
#include "runtime/NumberText.h"
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace coordinate {
namespace {

const QChar fileDegreeSign(0x00B0);

bool isDegreeMark(QChar c)
{
    // The degree sign, the masculine ordinal keyboards offer in its place, and the ring above.
    return c == fileDegreeSign || c == QChar(0x00BA) || c == QChar(0x02DA);
}

bool isMinuteMark(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2032) || c == QChar(0x2019) || c == QChar(0x2018);
}

bool isSecondMark(QChar c)
{
    return c == QLatin1Char('"') || c == QChar(0x2033) || c == QChar(0x201D) || c == QChar(0x201C);
}

bool isMinus(QChar c)
{
    return c == QLatin1Char('-') || c == QChar(0x2212);
}

bool isHemisphereLetter(QChar c)
{
    const QChar u = c.toUpper();
    return u == QLatin1Char('N') || u == QLatin1Char('S') || u == QLatin1Char('E') || u == QLatin1Char('W');
}

bool belongsTo(QChar letter, Axis axis)
{
    const QChar u = letter.toUpper();
    if (axis == Axis::Latitude)
        return u == QLatin1Char('N') || u == QLatin1Char('S');
    return u == QLatin1Char('E') || u == QLatin1Char('W');
}

bool isNegativeLetter(QChar letter)
{
    const QChar u = letter.toUpper();
    return u == QLatin1Char('S') || u == QLatin1Char('W');
}

double limitOf(Axis axis)
{
    return axis == Axis::Latitude ? prefs::MaxLatitude : prefs::MaxLongitude;
}

Reading refused(Refusal why)
{
    Reading r;
    r.kind = Reading::Kind::Refused;
    r.refusal = why;
    return r;
}

Reading readValue(double degrees, bool fileForm = false)
{
    Reading r;
    r.kind = Reading::Kind::Read;
    r.degrees = degrees;
    r.fileForm = fileForm;
    return r;
}

// A hemisphere word at the start or the end: "N", "south"; its first letter, and the text without it.
struct Lettered
{
    QChar leading;
    QChar trailing;
    QString rest;
};

Lettered takeLetters(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral("^(north|south|east|west|[nsew])(?![a-z])[\\s.:]*"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression trailing(QStringLiteral("(?<![a-z])(north|south|east|west|[nsew])\\.?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    Lettered out;
    out.rest = text;
    QRegularExpressionMatch m = leading.match(out.rest);
    if (m.hasMatch()) {
        out.leading = m.captured(1).at(0).toUpper();
        out.rest = out.rest.mid(m.capturedLength()).trimmed();
    }
    m = trailing.match(out.rest);
    if (m.hasMatch()) {
        out.trailing = m.captured(1).at(0).toUpper();
        out.rest = out.rest.left(m.capturedStart()).trimmed();
    }
    return out;
}

// Degrees, then minutes and seconds, each a number with an optional mark; blanks between the parts. Only the
// last part may carry decimals.
Reading readMagnitude(const QString& body, Axis axis, const FormatSettings& settings)
{
    const bool commaMark = settings.decimalSeparator == QLatin1Char(',');
    double parts[3] = {0, 0, 0};
    int last = -1;
    bool fractionSeen = false;
    int i = 0;
    const int n = int(body.size());
    while (i < n) {
        while (i < n && body.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        const int start = i;
        bool fraction = false;
        while (i < n && body.at(i).isDigit())
            ++i;
        if (i < n && (body.at(i) == QLatin1Char('.') || (commaMark && body.at(i) == QLatin1Char(',')))) {
            fraction = true;
            ++i;
            while (i < n && body.at(i).isDigit())
                ++i;
        }
        QString number = body.mid(start, i - start);
        number.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = number.toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return refused(Refusal::NotANumber);
        while (i < n && body.at(i).isSpace())
            ++i;
        int place = last + 1;
        if (i < n && isDegreeMark(body.at(i))) {
            place = 0;
            ++i;
        } else if (i < n && isMinuteMark(body.at(i))) {
            place = 1;
            ++i;
            // Two minute marks for seconds, as a keyboard without a double prime types them.
            if (i < n && isMinuteMark(body.at(i))) {
                place = 2;
                ++i;
            }
        } else if (i < n && isSecondMark(body.at(i))) {
            place = 2;
            ++i;
        }
        if (place <= last)
            return refused(Refusal::NotANumber);
        if (place > 2)
            return refused(Refusal::TooManyParts);
        if (fractionSeen)
            return refused(Refusal::FractionNotLast);
        fractionSeen = fraction;
        parts[place] = value;
        last = place;
    }
    if (last < 0)
        return refused(Refusal::NotANumber);
    if (parts[1] >= 60 || parts[2] >= 60)
        return refused(Refusal::MinutesOver59);
    const double degrees = parts[0] + parts[1] / 60 + parts[2] / 3600;
    if (degrees > limitOf(axis))
        return refused(Refusal::BeyondLimit);
    return readValue(degrees);
}

Reading readGeneral(const QString& text, Axis axis, const FormatSettings& settings)
{
    const Lettered lettered = takeLetters(text);
    if (!lettered.leading.isNull() && !lettered.trailing.isNull())
        return refused(Refusal::TwoLetters);
    const QChar letter = lettered.leading.isNull() ? lettered.trailing : lettered.leading;
    if (!letter.isNull() && !belongsTo(letter, axis))
        return refused(Refusal::WrongLetter);
    QString body = lettered.rest;
    bool negative = false;
    if (!body.isEmpty() && (isMinus(body.at(0)) || body.at(0) == QLatin1Char('+'))) {
        negative = isMinus(body.at(0));
        if (!letter.isNull())
            return refused(Refusal::SignAndLetter);
        body = body.mid(1).trimmed();
    }
    Reading r = readMagnitude(body, axis, settings);
    if (r.read() && (negative || (!letter.isNull() && isNegativeLetter(letter))))
        r.degrees = -r.degrees;
    return r;
}

// The file's own form: a degree sign with no digit before it ("N°52.52", "°13.4", "South°33.87"), the letter, if
// any, not the other axis's.
bool isFileForm(const QString& text, Axis axis)
{
    const int p = int(text.indexOf(fileDegreeSign));
    if (p < 0)
        return false;
    const QString before = text.left(p).trimmed();
    for (const QChar c : before)
        if (c.isDigit())
            return false;
    return before.isEmpty() || !isHemisphereLetter(before.at(0)) || belongsTo(before.at(0), axis);
}

// A hemisphere letter standing alone (not inside a word), at index i.
bool isLoneLetter(const QString& text, int i)
{
    if (!isHemisphereLetter(text.at(i)))
        return false;
    const bool letterBefore = i > 0 && text.at(i - 1).isLetter();
    const bool letterAfter = i + 1 < text.size() && text.at(i + 1).isLetter();
    return !letterBefore && !letterAfter;
}

// "52°31'N 13°24'E" or "N 52.52 E 13.40": split at the letters when there is one of each axis.
std::optional<std::pair<QString, QString>> splitAtLetters(const QString& text)
{
    QList<int> letters;
    for (int i = 0; i < text.size(); ++i)
        if (isLoneLetter(text, i))
            letters.append(i);
    if (letters.size() != 2)
        return std::nullopt;
    const bool firstIsLatitude = belongsTo(text.at(letters[0]), Axis::Latitude);
    if (firstIsLatitude == belongsTo(text.at(letters[1]), Axis::Latitude))
        return std::nullopt;
    // Letters before their numbers when the text starts with one, else after them.
    const int cut = letters[0] == 0 ? letters[1] : letters[0] + 1;
    return std::make_pair(text.left(cut).trimmed(), text.mid(cut).trimmed());
}

} // namespace

Reading readAsFileLine(const QString& line, Axis axis, const FormatSettings& settings)
{
    if (line.trimmed().isEmpty())
        return Reading{};
    if (axis == Axis::Latitude) {
        if (const std::optional<double> north = prefs::latitudeOf(line, settings))
            return readValue(*north, true);
    } else if (const std::optional<double> west = prefs::longitudeWestOf(line, settings)) {
        return readValue(-*west, true);
    }
    return refused(Refusal::FileFormUnreadable);
}

Reading readTyped(const QString& text, Axis axis, const FormatSettings& settings)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Reading{};
    if (isFileForm(trimmed, axis)) {
        const Reading asFile = readAsFileLine(text, axis, settings);
        // The file's rules read "°" or "N°" as 0, a place nobody typed: with no digit there is no number.
        if (asFile.read() && std::none_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); }))
            return refused(Refusal::NotANumber);
        if (asFile.read())
            return asFile;
        // "N°52°31'": the letter's degree sign read as a blank, the rest as degrees and minutes.
        const int p = int(trimmed.indexOf(fileDegreeSign));
        if (p > 0) {
            const Reading general =
                readGeneral(trimmed.left(p) + QLatin1Char(' ') + trimmed.mid(p + 1), axis, settings);
            if (general.read())
                return general;
        }
        return asFile;
    }
    return readGeneral(trimmed, axis, settings);
}

std::optional<PairTexts> splitPair(const QString& text, const FormatSettings& settings)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || isFileForm(trimmed, Axis::Latitude) || isFileForm(trimmed, Axis::Longitude))
        return std::nullopt;
    const bool commaMark = settings.decimalSeparator == QLatin1Char(',');
    const QRegularExpression separator(commaMark ? QStringLiteral(";|,(?=\\s)") : QStringLiteral("[;,]"));
    const QStringList parts = trimmed.split(separator);
    std::optional<std::pair<QString, QString>> pair;
    if (parts.size() == 2 && !parts[0].trimmed().isEmpty() && !parts[1].trimmed().isEmpty())
        pair = std::make_pair(parts[0].trimmed(), parts[1].trimmed());
    else if (parts.size() == 1)
        pair = splitAtLetters(trimmed);
    if (!pair)
        return std::nullopt;
    // Latitude first, unless the letters say the longitude came first.
    const Reading first = readTyped(pair->first, Axis::Latitude, settings);
    const Reading second = readTyped(pair->second, Axis::Longitude, settings);
    if (first.refusal == Refusal::WrongLetter || second.refusal == Refusal::WrongLetter)
        std::swap(pair->first, pair->second);
    return PairTexts{pair->first, pair->second};
}

QString lineFor(const Reading& reading, const QString& typed, Axis axis)
{
    if (reading.fileForm)
        return typed;
    if (!reading.read())
        return QString();
    // Rounded as the decimal text reads: 13.405 saves as 13.41.
    const double rounded = rt::roundTo2(reading.degrees);
    return axis == Axis::Latitude ? prefs::latitudeLine(rounded) : prefs::longitudeLine(rounded);
}

QString describe(double degrees, Axis axis, const FormatSettings& settings)
{
    const bool negative = degrees < 0;
    QString number = QString::number(std::abs(rt::roundTo2(degrees)), 'f', 2);
    number.replace(QLatin1Char('.'), settings.decimalSeparator);
    const char* letter = axis == Axis::Latitude ? (negative ? "S" : "N") : (negative ? "W" : "E");
    return number + fileDegreeSign + QLatin1Char(' ') + QLatin1String(letter);
}

} // namespace coordinate
