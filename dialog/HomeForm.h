// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;
class QWidget;
class TCurrencyEdit;
class ZoneRow;
class PlaceReadings;
class CityRow;
class ZoneCityLine;
class WeekRulesRow;
class HolidaysRow;

// The Parameters dialog's controls, named as the layout names them (their objectName too), built at their places.
struct HomeForm
{
    QFrame* Panel3 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label3 = nullptr;
    TCurrencyEdit* CurrencyEditGMT3 = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel1 = nullptr;
    QToolButton* SpeedButton54 = nullptr;
    // The time-zone row, below the Save button so that every other control keeps its place.
    ZoneRow* PanelZone = nullptr;
    // Right of the fields and below the rows: how the position reads, the city search, the zone's city.
    PlaceReadings* PanelReadings = nullptr;
    CityRow* PanelCity = nullptr;
    ZoneCityLine* PanelZoneCity = nullptr;
    // The last row: the first day of the week and the week-number rule, kept with the window's state.
    WeekRulesRow* PanelWeeks = nullptr;
    // Below it: whether the desktop starts the program at login. Not a preference of the file: the desktop's
    // autostart entry is the choice, and the main window reads and writes it.
    QCheckBox* CheckBoxAutostart = nullptr;
    HolidaysRow* PanelHolidays = nullptr; // below everything the dialog had before

    // Placeholders only, hidden and holding nothing: the layout names them, but the program keeps the file's lines
    // in the preferences store (not in Memo1) and the parsed position in the day report (not in CurrencyEditN1
    // under Edit1 and CurrencyEditW2 under Edit2).
    TCurrencyEdit* CurrencyEditN1 = nullptr;
    TCurrencyEdit* CurrencyEditW2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    // Builds the controls into the dialog and gives it its font and colours.
    void build(QWidget* dialog);
    // A zone just chosen fills empty position fields with its city's position.
    void takeZoneCity(const QString& zoneId);
    // The position fields in the file's form, two decimals, north and east positive.
    void showPosition(double latitude, double longitude);
    // The drop-down shows every entry whole, padding, frame and scroll bar included; the field keeps its place and
    // width. Measuring shapes every entry's text: done when the list is first shown, not at the program's start.
    static void fitListToEntries(QComboBox* box);

private:
    void buildFields();
    void buildSaveButton(QWidget* dialog);
};

// A caption of the dialog at its place, sized to its text; a text longer than the room before its field, at
// fieldLeft, is drawn a little narrower rather than under the field.
QLabel* makeHomeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int fieldLeft);
