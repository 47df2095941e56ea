// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "print/Paper.h"
#include "print/SheetContent.h"
#include "print/YearExport.h"
#include "runtime/FormatSettings.h"
#include <QStringList>
#include <optional>

// "dorvane --export YEAR FILE.pdf|FILE.png [--paper a4|letter]": the year's page written without a window.
namespace exportcommand {

constexpr int FirstYear = 1601;
constexpr int LastYear = 9999;
enum ExitCode { Written = 0, NotWritten = 1, WrongArguments = 2 };

struct Request
{
    int year = 0;
    QString file;
    Paper paper = Paper::A4;
    YearExport::Format format = YearExport::Format::Pdf;
};

struct Parsed
{
    enum class Kind { NotAsked, Export, Wrong };
    Kind kind = Kind::NotAsked;
    Request request;
    QString error; // the one line for the standard error when Wrong
};

// Whether the arguments (without the program's name) ask for an export at all: a start without them is a normal one.
bool asked(const QStringList& arguments);
// The arguments (without the program's name) read; the paper is defaultPaper unless given.
Parsed parse(const QStringList& arguments, Paper defaultPaper);

// The page of a year as an export writes it: the preferences at prefsPath and the window's state beside them, both
// only read; the defaults where either is missing or does not read. The user's marked days of the file at
// ownDaysPath, only read, follow on pages of their own when the file is there. The holidays are those the state
// holds, or, none chosen yet, those a first start takes from the zone firstStartZone (none when empty).
SheetContent pageOf(int year, const QString& prefsPath, const FormatSettings& settings, const QLocale& locale,
                    const QString& ownDaysPath = {}, const QString& firstStartZone = {});

// Runs the export the command line asks for and gives its exit code. Reads the user's preferences for the place, the
// window's state for the week rules and the user's marked days, and writes none of them.
int run(int& argc, char** argv);

} // namespace exportcommand
