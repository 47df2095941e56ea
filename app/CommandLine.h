// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The program's command line: no arguments (or only the toolkit's own) open the window; --export writes the year's
// page; --help and --version answer on the standard output; anything else is refused in one line. None of these
// needs a display.
namespace commandline {

// The arguments without the toolkit's own options (-platform NAME, -style=NAME, -reverse, ...), which the
// application object reads itself and the manual page promises.
QStringList withoutToolkitOptions(const QStringList& arguments);

struct Reading
{
    enum class Kind { Window, Hidden, Export, Help, Version, Wrong };
    Kind kind = Kind::Window;
    QString text; // the help, the version or the error line, in the language installed
};

// What the arguments (without the program's name) ask for. An export's own arguments are read by the export.
Reading read(const QStringList& arguments);

// Answers a command line that asks for anything but the window and gives the exit code; nullopt for the window.
// A start without arguments creates nothing here.
std::optional<int> runIfAsked(int& argc, char** argv);

// Whether a start that opens the window asks for it hidden behind the tray icon (--hidden).
bool startsHidden(int argc, char** argv);

} // namespace commandline
