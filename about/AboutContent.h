// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QString>

// What the About box tells, from the facts of this run: the version built, the files in use, the shortcuts.
namespace about {

struct Shortcut
{
    QString keys; // as the platform writes them, "Ctrl+Left"
    QString what;
};

struct Facts
{
    QString version;
    QString settingsPath;
    QString statePath; // empty: the window's state is not kept
    QList<Shortcut> shortcuts;
};

// The pictures the legend of the calendar's marks shows, as the text names them: the box adds them to its document.
enum class MarkPicture { NewMoon, FullMoon, Season, Events, SolarEclipse, LunarEclipse };
QString markPictureName(MarkPicture picture);

// Rich text for a text browser; the paths and names are escaped, so a folder named "<b>" shows as it is.
QString html(const Facts& facts);

} // namespace about
