// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/City.h"

QString City::label() const
{
    QStringList parts{name};
    if (!region.isEmpty())
        parts.append(region);
    if (!country.isEmpty())
        parts.append(country);
    return parts.join(QLatin1String(", "));
}

QString cityKey(const QString& name)
{
    const QString decomposed = name.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    bool blank = true;
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetterOrNumber()) {
            key += c.toCaseFolded();
            blank = false;
        } else if (!blank) {
            key += QLatin1Char(' ');
            blank = true;
        }
    }
    if (key.endsWith(QLatin1Char(' ')))
        key.chop(1);
    return key;
}
