// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidays/Holiday.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace holidays {

namespace {
QString normalised(const QString& code)
{
    QString result = code.toLower();
    result.replace(QLatin1Char('_'), QLatin1Char('-'));
    return result;
}

// The name in `language`, or in its base language ("de" for "de-at").
QString nameIn(const Names& names, const QString& language)
{
    const QString code = normalised(language);
    auto found = names.constFind(code);
    if (found != names.constEnd())
        return found.value();
    const int dash = code.indexOf(QLatin1Char('-'));
    if (dash > 0) {
        found = names.constFind(code.left(dash));
        if (found != names.constEnd())
            return found.value();
    }
    return {};
}
} // namespace

QString bestName(const Names& names, const QStringList& preferred, const QStringList& fallbacks)
{
    for (const QStringList* list : {&preferred, &fallbacks})
        for (const QString& language : *list) {
            const QString name = nameIn(names, language);
            if (!name.isEmpty())
                return name;
        }
    return names.isEmpty() ? QString() : names.first();
}

QStringList languagesOf(const QStringList& uiLanguages)
{
    QStringList result;
    for (const QString& language : uiLanguages) {
        const QString code = normalised(language);
        if (!code.isEmpty() && !result.contains(code))
            result.append(code);
    }
    return result;
}

QStringList languagesOf(const QLocale& locale)
{
    return locale.language() == QLocale::C ? QStringList{QStringLiteral("en")} : languagesOf(locale.uiLanguages());
}

QString dataFolder()
{
    if (QCoreApplication::instance()) {
        const QDir program(QCoreApplication::applicationDirPath());
        for (const QString& relative :
             {QStringLiteral("../share/dorvane/holidays"), QStringLiteral("share/dorvane/holidays")})
            if (QFileInfo::exists(program.filePath(relative + QStringLiteral("/index.txt"))))
                return QDir::cleanPath(program.filePath(relative));
    }
    return QStringLiteral(DORVANE_HOLIDAYS_SOURCE);
}

} // namespace holidays
