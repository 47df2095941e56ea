// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/Paper.h"
#include <algorithm>
#include <iterator>

namespace {
// The countries whose offices buy Letter paper (the Americas that kept the US size, and the Philippines).
constexpr QLocale::Territory LetterTerritories[] = {QLocale::UnitedStates,
                                                    QLocale::Canada,
                                                    QLocale::Mexico,
                                                    QLocale::PuertoRico,
                                                    QLocale::Chile,
                                                    QLocale::Colombia,
                                                    QLocale::Venezuela,
                                                    QLocale::CostaRica,
                                                    QLocale::Guatemala,
                                                    QLocale::Panama,
                                                    QLocale::ElSalvador,
                                                    QLocale::Nicaragua,
                                                    QLocale::DominicanRepublic,
                                                    QLocale::Philippines};
} // namespace

namespace paper {

Paper defaultFor(const QLocale& locale)
{
    const QLocale::Territory territory = locale.territory();
    return std::find(std::begin(LetterTerritories), std::end(LetterTerritories), territory) !=
                   std::end(LetterTerritories)
               ? Paper::Letter
               : Paper::A4;
}

QPageSize pageSizeOf(Paper paper)
{
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

std::optional<Paper> fromName(const QString& name)
{
    if (name.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        return Paper::A4;
    if (name.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return Paper::Letter;
    return std::nullopt;
}

} // namespace paper
