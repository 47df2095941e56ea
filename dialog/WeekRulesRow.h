// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "controls/SharedTexts.h"
#include "runtime/WeekRules.h"
#include <QCoreApplication>
#include <QFrame>

class QComboBox;
class QLabel;

// The row's control names and texts, declared once for the row and its tests.
namespace WeekRulesNames {
inline constexpr char Panel[] = "PanelWeeks";
inline constexpr char FirstDayLabel[] = "LabelWeekStart";
inline constexpr char FirstDayBox[] = "ComboBoxWeekStart";
inline constexpr char NumberingLabel[] = "LabelWeekNumbers";
inline constexpr char NumberingBox[] = "ComboBoxWeekNumbers";
} // namespace WeekRulesNames

namespace WeekRulesTexts {
inline constexpr char Context[] = "WeekRulesRow";
inline QString tr(const char* source)
{
    return QCoreApplication::translate(Context, source);
}

inline constexpr char FirstDayCaption[] = QT_TRANSLATE_NOOP("WeekRulesRow", "First day");
inline constexpr char NumberingCaption[] = QT_TRANSLATE_NOOP("WeekRulesRow", "Week no.");
// %1: the name of the day the locale starts its weeks on.
inline constexpr char LocaleDay[] = QT_TRANSLATE_NOOP("WeekRulesRow", "Locale's (%1)");
inline constexpr char Iso[] = QT_TRANSLATE_NOOP("WeekRulesRow", "ISO 8601");
inline constexpr char FirstJanuary[] = QT_TRANSLATE_NOOP("WeekRulesRow", "Week of 1 January");

// What a screen reader says of each list.
inline constexpr char FirstDayName[] = QT_TRANSLATE_NOOP("WeekRulesRow", "First day of the week");
inline constexpr char FirstDayDescription[] =
    QT_TRANSLATE_NOOP("WeekRulesRow", "The day in the first column of every month");
inline constexpr char NumberingDescription[] = QT_TRANSLATE_NOOP(
    "WeekRulesRow", "ISO 8601, or week 1 is the week that holds 1 January, starting on the first day");
} // namespace WeekRulesTexts

// The week rules' row of the Parameters dialog: the first day of the week and the rule of the week numbers, each a
// captioned list. A choice is told at once; it belongs to the window's state, not to the settings file.
class WeekRulesRow : public QFrame
{
    Q_OBJECT
public:
    // localeFirst: the day this run's locale starts its weeks on, named in the first entry. Days are named in the
    // locale's own words.
    WeekRulesRow(Qt::DayOfWeek localeFirst, QWidget* parent);

    // The rules in force, shown without a signal.
    void showChoice(weeks::FirstDay firstDay, weeks::Numbering numbering);
    weeks::FirstDay firstDay() const;
    weeks::Numbering numbering() const;

    QComboBox* firstDayList() const { return m_firstDay; }
    QComboBox* numberingList() const { return m_numbering; }

signals:
    // The user chose another entry in either list.
    void chosen(weeks::FirstDay firstDay, weeks::Numbering numbering);

private:
    void tell();

    QComboBox* m_firstDay = nullptr;
    QComboBox* m_numbering = nullptr;
};
