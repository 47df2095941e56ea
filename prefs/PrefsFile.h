// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/FormatSettings.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The lines of prefs.cal: single-byte Latin-1 text (the degree sign is byte 176), one value per line.
// Line 1 holds the flags, line 2 the longitude text, line 3 the latitude text, line 4 the GMT offset, and an
// optional line 5 the time zone.
class PrefsFile
{
public:
    static constexpr int MaxLineLength = 4096; // characters kept of a line; the rest of a longer line is dropped
    static constexpr int FlagMilitaryTime = 1;
    static constexpr int FlagHints = 2;
    static constexpr int ZoneLine = 5;
    static constexpr int LinesRead = 5; // flags, longitude, latitude, GMT offset, zone; later lines are never looked at

    PrefsFile() = default;
    explicit PrefsFile(const QStringList& lines) : m_lines(lines) {}

    // CR LF, lone LF and lone CR all end a line; text after the last line end is a line of its own.
    static PrefsFile fromBytes(const QByteArray& bytes);
    // Every line, the last included, ends with CR LF; characters outside Latin-1 are written as "?".
    QByteArray toBytes() const;

    const QStringList& lines() const { return m_lines; }
    int lineCount() const { return int(m_lines.size()); }
    // 1-based; a line the file lacks reads as empty text.
    QString line(int n) const;

    static QString pathIn(const QString& folder);
    // The first LinesRead lines of a regular file (or a link to one); nullopt when it is no such file or cannot be
    // read. A FIFO or device never blocks or floods the reader, and a long file costs no more than a short one.
    static std::optional<PrefsFile> load(const QString& path);
    // Writes a temporary file and replaces the old one only when that succeeded, so a failed save leaves it intact.
    // Where the folder refuses a temporary file but the file itself is writable, it is written in place without
    // truncating it first: a kill at any moment leaves it reading as the old or the new lines, and a write that
    // fails there puts the old bytes back. On failure *reason (when given) holds the system's reason.
    bool save(const QString& path, QString* reason = nullptr) const;

    enum class WriteResult { Written, AlreadyThere, Failed };
    // Writes the file unless one is already there, creating its folder; the file is written whole or not at all,
    // and an existing one is never replaced, not even when it appears while writing.
    WriteResult saveNew(const QString& path, QString* reason = nullptr) const;
    // The lines as a read of the saved file gives them: what the file cannot hold replaced, long lines cut.
    PrefsFile asRead() const;

private:
    QStringList m_lines;
};

namespace prefs {

// Ends the reason of a failed write in place whose old bytes could not be put back: the file may hold neither.
inline const QString RestoreFailed = QStringLiteral("; the old contents could not be put back");

// Flag position 1 or 2 of the first line; a missing character counts as not set.
bool flagOn(const QString& flags, int position);
// Characters 1 and 2 from the two check boxes, everything after them carried unchanged; missing ones become "0".
QString updatedFlags(const QString& flags, bool militaryTime, bool hints);

// Line 4 as hours; blanks around the number allowed, anything that is not a finite number reads as 0. The other
// decimal mark than the settings' is read too, for a file saved under another locale.
double gmtOffsetFromLine(const QString& line, const FormatSettings& settings);
// The numeric field's text form under the settings: "-5", "4.5" ("4,5" with a decimal comma), empty for 0.
QString gmtOffsetLine(double hours, const FormatSettings& settings);

// The four lines "Save" writes: flags, longitude, latitude, GMT offset.
QStringList savedLines(const QString& flags, const QString& longitude, const QString& latitude,
                       const QString& gmtOffsetText);

} // namespace prefs
