// SPDX-License-Identifier: GPL-3.0-or-later
// The prefs.cal reader and writer over any bytes: the lines read are what the file holds, writing and reading back
// gives the same lines, and the line accessors never fail.
#include "FuzzSupport.h"
#include "prefs/PositionLine.h"
#include "prefs/PrefsFile.h"
#include "runtime/NumberText.h"

#include <cmath>

namespace {

bool isLineEnd(char16_t c)
{
    return c == '\r' || c == '\n';
}

// The lines a reader should see, counted independently of the reader: every CR LF, LF or CR ends a line.
QStringList expectedLines(const QByteArray& bytes)
{
    QStringList lines;
    QByteArray current;
    bool open = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            lines.append(QString::fromLatin1(current.left(PrefsFile::MaxLineLength)));
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
                ++i;
        } else {
            current.append(c);
            open = true;
        }
    }
    if (open)
        lines.append(QString::fromLatin1(current.left(PrefsFile::MaxLineLength)));
    return lines;
}

// What writing does to a line: line ends become blanks, characters beyond Latin-1 become "?".
QString writtenForm(const QString& line)
{
    QString out = line;
    for (QChar& c : out) {
        if (isLineEnd(c.unicode()))
            c = QLatin1Char(' ');
        else if (c.unicode() > 0xFF)
            c = QLatin1Char('?');
    }
    return out.left(PrefsFile::MaxLineLength);
}

void checkFile(const PrefsFile& file)
{
    const QStringList& lines = file.lines();
    FUZZ_CHECK(file.lineCount() == lines.size(), QString::number(file.lineCount()));
    for (int n = -2; n <= file.lineCount() + 2; ++n) {
        const QString line = file.line(n);
        if (n >= 1 && n <= file.lineCount())
            FUZZ_CHECK(line == lines.at(n - 1), QString::number(n));
        else
            FUZZ_CHECK(line.isEmpty(), QString::number(n));
    }

    const QByteArray written = file.toBytes();
    FUZZ_CHECK(lines.isEmpty() ? written.isEmpty() : written.endsWith("\r\n"), QString::number(written.size()));
    FUZZ_CHECK(written.count("\r\n") == lines.size(), QString::number(written.count("\r\n")));
    const PrefsFile reread = PrefsFile::fromBytes(written);
    QStringList expected;
    for (const QString& line : lines)
        expected.append(writtenForm(line));
    FUZZ_CHECK(reread.lines() == expected, QString::number(reread.lineCount()));
    FUZZ_CHECK(reread.toBytes() == PrefsFile(expected).toBytes(), QString());
}

// What the main window and the dialog do with the lines read: flags, position lines, offset, and "Save".
void checkValues(const PrefsFile& file, bool militaryTime, bool hints, const FormatSettings& settings)
{
    const QString flags = file.line(1);
    const QString updated = prefs::updatedFlags(flags, militaryTime, hints);
    FUZZ_CHECK(updated.size() == qMax<qsizetype>(2, flags.size()), updated);
    FUZZ_CHECK(prefs::flagOn(updated, 1) == militaryTime && prefs::flagOn(updated, 2) == hints, updated);
    FUZZ_CHECK(updated.mid(2) == flags.mid(2), updated);
    for (int position = -1; position <= 4; ++position)
        FUZZ_CHECK(prefs::flagOn(flags, position) ==
                       (position >= 1 && position <= flags.size() && flags.at(position - 1) == QLatin1Char('1')),
                   flags);

    for (const QString& line : {file.line(2), file.line(3)}) {
        if (const std::optional<double> degrees = prefs::degreeFieldValue(line, settings)) {
            FUZZ_CHECK(std::isfinite(*degrees), line);
            FUZZ_CHECK(*degrees == rt::roundTo2(*degrees), line);
        }
        (void)prefs::isMarkedSouth(line);
        (void)prefs::isMarkedEast(line);
    }
    // A position is a place on the globe or none.
    if (const std::optional<double> latitude = prefs::latitudeOf(file.line(3), settings))
        FUZZ_CHECK(std::abs(*latitude) <= prefs::MaxLatitude, file.line(3));
    if (const std::optional<double> longitude = prefs::longitudeWestOf(file.line(2), settings))
        FUZZ_CHECK(std::abs(*longitude) <= prefs::MaxLongitude, file.line(2));

    const double hours = prefs::gmtOffsetFromLine(file.line(4), settings);
    FUZZ_CHECK(std::isfinite(hours), file.line(4));
    FUZZ_CHECK(hours == rt::roundTo2(hours), file.line(4));
    const QString offsetLine = prefs::gmtOffsetLine(hours, settings);
    FUZZ_CHECK(offsetLine.isEmpty() == (hours == 0), offsetLine);
    FUZZ_CHECK(prefs::gmtOffsetFromLine(offsetLine, settings) == hours, offsetLine);

    // "Save" then the next read: the same four lines come back, the flags and offset with the same meaning.
    const QStringList saved = prefs::savedLines(updated, file.line(2), file.line(3), offsetLine);
    const PrefsFile reread = PrefsFile::fromBytes(PrefsFile(saved).toBytes());
    FUZZ_CHECK(reread.lineCount() == 4, QString::number(reread.lineCount()));
    FUZZ_CHECK(reread.lines() == saved, QString());
    FUZZ_CHECK(prefs::gmtOffsetFromLine(reread.line(4), settings) == hours, reread.line(4));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    // The whole input is a file; its first byte also picks the locale and the two check boxes.
    const QByteArray raw(reinterpret_cast<const char*>(bytes), qsizetype(size));
    const int choice = size > 0 ? bytes[0] : 0;
    const FormatSettings settings = fuzzSettings(choice);

    const PrefsFile file = PrefsFile::fromBytes(raw);
    FUZZ_CHECK(file.lines() == expectedLines(raw), QString::number(file.lineCount()));
    for (const QString& line : file.lines()) {
        FUZZ_CHECK(line.size() <= PrefsFile::MaxLineLength, QString::number(line.size()));
        for (const QChar c : line)
            FUZZ_CHECK(!isLineEnd(c.unicode()) && c.unicode() <= 0xFF, line);
    }
    checkFile(file);
    checkValues(file, choice & 4, choice & 8, settings);

    // Lines held in memory may carry any character (typed into the dialog): the writer's normalisations.
    const PrefsFile typed(QString::fromUtf8(raw).split(QLatin1Char('\t')));
    checkFile(typed);
    return 0;
}
