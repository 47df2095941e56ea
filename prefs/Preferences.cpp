// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/Preferences.h"
#include "runtime/NumberText.h"

Preferences Preferences::fromFile(const PrefsFile& file, const FormatSettings& settings)
{
    return Preferences{file.line(1), file.line(2), file.line(3), prefs::gmtOffsetFromLine(file.line(4), settings),
                       file.line(PrefsFile::ZoneLine)};
}

PrefsFile Preferences::toFile(const FormatSettings& settings) const
{
    QStringList lines = prefs::savedLines(PrefsFlags, longitude, latitude, prefs::gmtOffsetLine(gmtOffset, settings));
    // Without a zone the file keeps the four lines every reader of it knows.
    if (!zone.isEmpty())
        lines.append(zone);
    return PrefsFile(lines);
}

Preferences Preferences::edited(bool military, bool withHints, const QString& longitudeText,
                                const QString& latitudeText, double offset, const QString& zoneId) const
{
    return Preferences{prefs::updatedFlags(PrefsFlags, military, withHints), longitudeText, latitudeText, offset,
                       zoneId};
}

Preferences Preferences::keptOver(const Preferences& shown, const Preferences& now) const
{
    Preferences result = now;
    const bool military = militaryTime() != shown.militaryTime() ? militaryTime() : now.militaryTime();
    const bool withHints = hints() != shown.hints() ? hints() : now.hints();
    result.PrefsFlags = prefs::updatedFlags(now.PrefsFlags, military, withHints);
    if (longitude != shown.longitude)
        result.longitude = longitude;
    if (latitude != shown.latitude)
        result.latitude = latitude;
    if (gmtOffset != shown.gmtOffset || zone != shown.zone) {
        result.gmtOffset = gmtOffset;
        result.zone = zone;
    }
    return result;
}

PrefsStore PrefsStore::atPath(const QString& filePath, const FormatSettings& settings)
{
    PrefsStore store(QString{}, settings);
    store.m_path = filePath;
    return store;
}

bool PrefsStore::load(Wording* message)
{
    if (message)
        *message = Wording();
    const std::optional<PrefsFile> file = PrefsFile::load(path());
    if (!file) {
        if (!m_openFailureReported && message)
            *message = Wording("Preferences", prefs::CannotOpenFile, path());
        m_openFailureReported = true;
        return false;
    }
    m_openFailureReported = false;
    m_everRead = true;
    m_value = Preferences::fromFile(*file, m_settings);
    return true;
}

bool PrefsStore::save(const Preferences& value)
{
    const PrefsFile file = value.toFile(m_settings);
    if (!file.save(path(), &m_lastError)) {
        qWarning("Cannot create file %s: %s", qPrintable(path()), qPrintable(m_lastError));
        return false;
    }
    m_lastError.clear();
    m_value = Preferences::fromFile(file.asRead(), m_settings);
    return true;
}
