// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>

// The names of the moon's phases, the season mark and the sun's two events, declared once for all who say them:
// the toolbar, the Day panel, the marks of the grid, the printed legend and the About box.
namespace skyNames {
inline constexpr char Context[] = "SkyNames";
inline constexpr char NewMoon[] = QT_TRANSLATE_NOOP("SkyNames", "New moon");
inline constexpr char WaxingCrescent[] = QT_TRANSLATE_NOOP("SkyNames", "Waxing crescent");
inline constexpr char FirstQuarter[] = QT_TRANSLATE_NOOP("SkyNames", "First quarter");
inline constexpr char WaxingGibbous[] = QT_TRANSLATE_NOOP("SkyNames", "Waxing gibbous");
inline constexpr char FullMoon[] = QT_TRANSLATE_NOOP("SkyNames", "Full moon");
inline constexpr char WaningGibbous[] = QT_TRANSLATE_NOOP("SkyNames", "Waning gibbous");
inline constexpr char LastQuarter[] = QT_TRANSLATE_NOOP("SkyNames", "Last quarter");
inline constexpr char WaningCrescent[] = QT_TRANSLATE_NOOP("SkyNames", "Waning crescent");
inline constexpr char Season[] = QT_TRANSLATE_NOOP("SkyNames", "Equinox or solstice");
inline constexpr char SolarEclipse[] = QT_TRANSLATE_NOOP("SkyNames", "Solar eclipse");
inline constexpr char LunarEclipse[] = QT_TRANSLATE_NOOP("SkyNames", "Lunar eclipse");
inline constexpr char Sunrise[] = QT_TRANSLATE_NOOP("SkyNames", "Sunrise");
inline constexpr char Sunset[] = QT_TRANSLATE_NOOP("SkyNames", "Sunset");
} // namespace skyNames
