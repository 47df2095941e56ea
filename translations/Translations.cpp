// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/Translations.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace l10n {
QString chosenLanguage(const QStringList& uiLanguages, const QStringList& available)
{
    for (const QString& entry : uiLanguages) {
        // "de-DE", "de_DE.UTF-8" and "de" all name German; the region never changes the program's words.
        const QString language = entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en") || language == QLatin1String("c") || language == QLatin1String("posix"))
            return QString();
        if (available.contains(language))
            return language;
    }
    return QString();
}

bool messagesLocaleIsC(const QProcessEnvironment& environment)
{
    QString name;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        name = environment.value(QLatin1String(variable));
        if (!name.isEmpty())
            break;
    }
    const QString language = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX");
}

QStringList programLanguages()
{
    QStringList languages;
    const QString prefix = QLatin1String(ProgramPrefix);
    const QStringList files = QDir(QLatin1String(ProgramFolder)).entryList({prefix + QLatin1String("*.qm")});
    for (const QString& file : files) {
        const QString language = file.mid(prefix.size()).chopped(3);
        if (language != QLatin1String(SourceLanguage))
            languages.append(language);
    }
    return languages;
}

std::unique_ptr<QTranslator> catalogue(const QString& folder, const QString& prefix, const QString& language)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(prefix + language, folder))
        return nullptr;
    return translator;
}

namespace {
// Owned by the application: translators stay installed for the whole run.
void installOwned(std::unique_ptr<QTranslator> translator)
{
    if (!translator)
        return;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}
} // namespace

QString install(const QLocale& locale)
{
    // Beneath any other: the source's own forms of a count, which no other catalogue's text falls back to.
    installOwned(catalogue(QLatin1String(ProgramFolder), QLatin1String(ProgramPrefix), QLatin1String(SourceLanguage)));
    const QString language = chosenLanguage(locale.uiLanguages(), programLanguages());
    if (language.isEmpty())
        return QString();
    installOwned(catalogue(QLatin1String(ProgramFolder), QLatin1String(ProgramPrefix), language));
    installOwned(catalogue(QLibraryInfo::path(QLibraryInfo::TranslationsPath), QLatin1String(QtPrefix), language));
    return language;
}
} // namespace l10n
