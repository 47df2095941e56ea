// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QString>

class QProcessEnvironment;

// Starting with the desktop as the XDG autostart rules have it: a desktop entry of the program's own in
// $XDG_CONFIG_HOME/autostart. The entry is the choice; nothing else keeps it, so a user who removes it by hand or
// disables it in the desktop's settings (Hidden=true) sees the choice off.
namespace autostart {

// What the entry starts the program with: the window waits behind its tray icon.
inline const QString StartHiddenOption = QStringLiteral("--hidden");

// $XDG_CONFIG_HOME/autostart/org.dorvane.Dorvane.desktop; ~/.config when the variable is unset or not absolute.
QString entryPath(const QProcessEnvironment& environment, const QString& home);
// The entry that starts `program`, its path quoted as desktop entries quote arguments.
QByteArray entry(const QString& program);
// Whether the entry at path starts Dorvane: there, a regular file, naming the program's option and not hidden.
bool isOn(const QString& path);

struct Outcome
{
    bool done = false;
    QString reason; // the system's, when not done
};
// Writes the entry whole or not at all, making the folder when missing. A link or anything else not a plain file at
// the name is the user's: it is left as it is and the reason told.
Outcome turnOn(const QString& path, const QString& program);
// Removes the entry; one already gone is no failure. A link at the name is removed, never what it points to.
Outcome turnOff(const QString& path);

} // namespace autostart
