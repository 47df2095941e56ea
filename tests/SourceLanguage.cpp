// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/Translations.h"
#include <QCoreApplication>
#include <QLocale>

namespace {
// Every test runs in English as the program does: with the source's forms of a count ("1 day", "2 days").
void installSourceLanguage()
{
    l10n::install(QLocale::c());
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(installSourceLanguage)
