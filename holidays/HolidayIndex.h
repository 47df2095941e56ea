// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "holidays/Holiday.h"

namespace holidays {

// The countries of the data and their regions, from its index (assets/holidays/index.txt): names in the first of
// `languages` the data has, else in English. Empty when the index is missing or damaged; read in full (some tens of
// kilobytes) at each call, so a window asks once, when it lists them.
QList<Country> countries(const QStringList& languages, const QString& folder = dataFolder());

// The same from the index's text.
QList<Country> countriesFromText(const QByteArray& text, const QStringList& languages);

} // namespace holidays
