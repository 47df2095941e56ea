// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "holidays/Holiday.h"
#include <QCoreApplication>
#include <QFrame>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;

// The row's control names and texts, declared once for the row and its tests.
namespace HolidaysNames {
inline constexpr char Panel[] = "PanelHolidays";
inline constexpr char Shown[] = "CheckBoxHolidays";
inline constexpr char Country[] = "ComboBoxHolidayCountry";
inline constexpr char Region[] = "ComboBoxHolidayRegion";
inline constexpr char Bank[] = "CheckBoxBankHolidays";
inline constexpr char Observances[] = "CheckBoxObservances";
inline constexpr char FromZone[] = "LabelHolidaysFromZone";
} // namespace HolidaysNames

namespace HolidaysTexts {
inline constexpr char Context[] = "HolidaysRow";
inline QString tr(const char* source)
{
    return QCoreApplication::translate(Context, source);
}
inline constexpr char Shown[] = QT_TRANSLATE_NOOP("HolidaysRow", "Show holidays");
inline constexpr char WholeCountry[] = QT_TRANSLATE_NOOP("HolidaysRow", "Whole country");
inline constexpr char Bank[] = QT_TRANSLATE_NOOP("HolidaysRow", "Bank holidays");
inline constexpr char Observances[] = QT_TRANSLATE_NOOP("HolidaysRow", "Observances");
// %1: the machine's time zone ("Europe/Berlin").
inline constexpr char FromZone[] = QT_TRANSLATE_NOOP("HolidaysRow", "Chosen from the time zone %1");
// %1: the machine's time zone; the region is that of the place in the settings.
inline constexpr char FromPlace[] = QT_TRANSLATE_NOOP("HolidaysRow", "Chosen from your place and the time zone %1");
inline constexpr char FromZoneChooseRegion[] =
    QT_TRANSLATE_NOOP("HolidaysRow", "Chosen from the time zone %1; choose your region");
inline constexpr char CountryName[] = QT_TRANSLATE_NOOP("HolidaysRow", "Country of the holidays");
inline constexpr char RegionName[] = QT_TRANSLATE_NOOP("HolidaysRow", "Region of the holidays");
} // namespace HolidaysTexts

// The holidays' row of the Parameters dialog: whether the calendars mark holidays, of which country and region, and
// which kinds besides the public holidays. A choice is told at once; it belongs to the window's state.
class HolidaysRow : public QFrame
{
    Q_OBJECT
public:
    struct Choice
    {
        bool shown = false;
        QString area; // "DE", "DE-BY"; empty: none
        bool bank = false;
        bool observances = false;
        bool operator==(const Choice& other) const
        {
            return shown == other.shown && area == other.area && bank == other.bank && observances == other.observances;
        }
    };
    using Countries = std::function<QList<holidays::Country>()>;

    // The countries are listed at the first showChoice, from the data's index unless told otherwise (tests).
    explicit HolidaysRow(QWidget* parent, Countries countries = {});

    // The choice in force, shown without a signal; a note (empty: none) says where it came from.
    void showChoice(const Choice& choice, const QString& note = QString());
    Choice choice() const;
    QString note() const;

signals:
    void chosen(const HolidaysRow::Choice& choice);

private:
    void listCountries();
    void listRegions();
    void tell();

    Countries m_countries;
    QList<holidays::Country> m_listed;
    bool m_filled = false;
    QCheckBox* m_shown = nullptr;
    QComboBox* m_country = nullptr;
    QComboBox* m_region = nullptr;
    QCheckBox* m_bank = nullptr;
    QCheckBox* m_observances = nullptr;
    QLabel* m_note = nullptr;
};
