// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

// The program's texts in the user's language, and Qt's own for the standard dialogs and shortcut names. English is
// the source text: an English or C locale loads only its forms of the texts with a count ("1 day", "2 days").
namespace l10n {
// Where the program's compiled translations live (resources built in).
inline constexpr char ProgramFolder[] = ":/translations";
inline constexpr char ProgramPrefix[] = "dorvane_";
inline constexpr char QtPrefix[] = "qtbase_";
// The source's catalogue: the plural forms of the texts with a count, nothing else.
inline constexpr char SourceLanguage[] = "en";

// The language to load for a list of preferred languages ("de-DE", "fr", "C"), the first one that either is
// English (nothing to load) or has a catalogue among the available ones; empty when none.
QString chosenLanguage(const QStringList& uiLanguages, const QStringList& available);

// Whether the messages locale (LC_ALL, else LC_MESSAGES, else LANG, an empty one counting as unset) is C or POSIX,
// as the C library reads it: then the program speaks English whatever LANGUAGE lists, as gettext programs do.
bool messagesLocaleIsC(const QProcessEnvironment& environment);

// The languages the program has a translation for, read from its catalogues; the source's own is none.
QStringList programLanguages();

// A translator holding one catalogue (prefix + language + ".qm" in the folder), or null when it does not load.
std::unique_ptr<QTranslator> catalogue(const QString& folder, const QString& prefix, const QString& language);

// Installs the source's plural forms, then the program's translation for the locale and Qt's own of the same
// language (from Qt's translations folder) into the running application. Returns the language installed, empty for
// the English source.
QString install(const QLocale& locale);
} // namespace l10n
