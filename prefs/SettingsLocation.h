// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Where the settings file of this run lives.
struct SettingsLocation
{
    enum class Place { ProgramFolder, UserConfig };
    Place place = Place::ProgramFolder;
    QString path; // the file read and saved for the whole run
    // No file yet, in the user's folder or in a program folder of the user's own: write the machine default there,
    // silently, never over a file that exists.
    bool writeDefault = false;
};

namespace prefs {

// Whether new files can be created in a folder. Injectable, because root may write into any folder.
using FolderWritable = std::function<bool(const QString& folder)>;
bool isFolderWritable(const QString& folder);

// The user's settings folder's file: $XDG_CONFIG_HOME/dorvane/prefs.cal (~/.config/dorvane/prefs.cal). A relative
// or empty XDG_CONFIG_HOME is ignored, as the XDG rules say; an unset, empty or relative HOME gives way to the home
// of the account. Empty when no absolute home is known: then there is no user file at all, never "//.config".
QString userSettingsPath();

// The same rule over given values; accountHome is asked only when home is of no use.
QString userSettingsPath(const QByteArray& xdgConfigHome, const QByteArray& home,
                         const std::function<QByteArray()>& accountHome);

// The home folder the password database gives the effective user; empty when it has none.
QByteArray accountHomeFolder();

// The program folder's prefs.cal when it exists or could be created there (a folder of the user's own); else the
// user's file (a system install), to be written with the machine default when it does not exist yet. With no user
// file (no home known) nothing is written: the read then says the file cannot be opened, as for any missing file.
SettingsLocation chooseSettingsLocation(const QString& programFolder, const QString& userPath = userSettingsPath(),
                                        const FolderWritable& writable = isFolderWritable);

} // namespace prefs
