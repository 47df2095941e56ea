// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DaySky.h"
#include "astro/Eclipses.h"
#include <QLocale>
#include <QString>

// What the Day panel says of an eclipse as the place sees it, at the place's clock: how much of it is seen, its
// phases from beginning to end and its greatest moment, and whether the sun or the moon stands above the horizon.
QString solarEclipseText(const sky::Eclipse& eclipse, const SkyPlace& place, bool twentyFourHour,
                         const QLocale& locale);
QString lunarEclipseText(const sky::Eclipse& eclipse, const SkyPlace& place, bool twentyFourHour,
                         const QLocale& locale);
