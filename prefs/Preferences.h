// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "prefs/PrefsFile.h"
#include "runtime/Wording.h"
#include <QString>
#include <QtGlobal>

namespace prefs {
// %1 is the full path of prefs.cal.
inline constexpr char CannotOpenFile[] = QT_TRANSLATE_NOOP("Preferences", "Cannot open file %1");
} // namespace prefs

// The preferences as the program uses them: the flags line, the two position lines as typed, the GMT offset and
// the time zone.
struct Preferences
{
    QString PrefsFlags;   // line 1; characters after the two option flags are carried unchanged
    QString longitude;    // line 2, e.g. "W°97.45"
    QString latitude;     // line 3, e.g. "N°30.15"
    double gmtOffset = 0; // line 4, hours east of Greenwich
    // Line 5, an IANA id such as "Europe/Berlin", kept as read; empty when the file has four lines. A known zone
    // gives the report its offset on the day, daylight saving included; line 4 then holds its standard offset.
    QString zone = {};

    bool militaryTime() const { return prefs::flagOn(PrefsFlags, PrefsFile::FlagMilitaryTime); }
    bool hints() const { return prefs::flagOn(PrefsFlags, PrefsFile::FlagHints); }

    // Line 4 is read and written with the settings' decimal mark.
    static Preferences fromFile(const PrefsFile& file, const FormatSettings& settings);
    // The lines Save writes: the four of a file without a zone, byte for byte, and the zone as a fifth line.
    PrefsFile toFile(const FormatSettings& settings) const;
    // The value as the dialog edits it: the two option flags set from its boxes, the rest of line 1 kept.
    Preferences edited(bool military, bool withHints, const QString& longitudeText, const QString& latitudeText,
                       double offset, const QString& zoneId) const;
    // What Save writes when the file may have changed since the dialog showed `shown`: each value this one changed
    // from `shown`, everything else as the file holds it `now` (the rest of line 1 included), so a Save never puts
    // back what another program or another copy of this one saved meanwhile. The GMT offset and the zone go
    // together: the zone overrides the offset in every report.
    Preferences keptOver(const Preferences& shown, const Preferences& now) const;
};

// The settings file, and the value last read from or saved to it, read and written under one set of format
// settings for the whole run.
class PrefsStore
{
public:
    // prefs.cal in a folder.
    PrefsStore(const QString& folder, const FormatSettings& settings)
        : m_path(PrefsFile::pathIn(folder)), m_settings(settings)
    {
    }
    // The file at a path, read and saved for the whole run.
    static PrefsStore atPath(const QString& filePath, const FormatSettings& settings);

    QString path() const { return m_path; }
    const Preferences& value() const { return m_value; }
    bool everRead() const { return m_everRead; }

    // Reads the file. On failure the value keeps what the last read gave and *message holds the text to show, or
    // is empty when that failure was already reported: activation runs again after every box is closed, and
    // reporting each time would never let the user out. It is reported again only after a successful read.
    bool load(Wording* message);
    // Writes the value; on success value() is what a new read gives, characters the file cannot hold replaced. On
    // failure the system's reason goes to the standard error and stays in lastError().
    bool save(const Preferences& value);
    // Why the last save failed, as the system tells it; empty after a successful one.
    QString lastError() const { return m_lastError; }
    // A failure to open the file was already told another way (a first start that could not write the file).
    void openFailureAlreadyReported() { m_openFailureReported = true; }

private:
    QString m_path;
    FormatSettings m_settings;
    Preferences m_value;
    bool m_everRead = false;
    bool m_openFailureReported = false;
    QString m_lastError;
};
