// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

// Words more than one window says, declared once so each has one translation; a window's texts header hands them on.
namespace sharedTexts {
inline constexpr char Context[] = "SharedTexts";
inline QString tr(const char* source)
{
    return QCoreApplication::translate(Context, source);
}

inline constexpr char Close[] = QT_TRANSLATE_NOOP("SharedTexts", "Close");
inline constexpr char Parameters[] = QT_TRANSLATE_NOOP("SharedTexts", "Parameters");
inline constexpr char WeekNumbers[] = QT_TRANSLATE_NOOP("SharedTexts", "Week numbers");
// The choice to start with the desktop: the Parameters dialog's box and the tray menu's item.
inline constexpr char StartWithDesktop[] = QT_TRANSLATE_NOOP("SharedTexts", "Start with the desktop");
inline constexpr char MarksOnTheCalendar[] = QT_TRANSLATE_NOOP("SharedTexts", "Marks on the calendar");
// A text and a second one in brackets: a hint and its keys, an event and its calendar.
inline constexpr char WithBracketed[] = QT_TRANSLATE_NOOP("SharedTexts", "%1 (%2)");
} // namespace sharedTexts
