// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "dialog/HomeForm.h"
#include "places/City.h"
#include "places/PlaceCheck.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include <QDialog>

// The Parameters dialog: edits the preferences (position, GMT offset, military time, hints, time zone) and saves
// them to prefs.cal through the store. It lives hidden for the whole run and reads the file again each time it
// shows. Its handlers run through the box gate, as the main window's do.
class THome : public QDialog
{
    Q_OBJECT
public:
    THome(Services& services, BoxGate& gate, PrefsStore& store, QWidget* parent = nullptr);

    void FormActivate();
    void ComboBox1Change();
    void CurrencyEditGMT3Enter();
    void Edit1Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void ActivateHint();
    void SpeedButton54Click();
    // The "Time zone" list: a known id chosen or typed becomes the zone, the empty entry clears it.
    void ComboBoxZoneChange();

    // A city picked from the search: its position, its zone and the zone's offset.
    void CityPicked(const City& city);
    // The zone's city named below the rows replaces the position.
    void ButtonTakeZoneCityClick();
    // The next activation focuses the city search instead of Save (a first start with no place of its own).
    void askForPlace() { m_askForPlace = true; }

    // What the dialog makes of the position fields now.
    place::Check placeCheck() const;

    // The week rules' row, which the main window follows: its choice is the window's state, not the file's.
    WeekRulesRow& weekRules() { return *ui.PanelWeeks; }
    HolidaysRow& holidays() { return *ui.PanelHolidays; }
    // The box that starts the program with the desktop: the window shows the choice in it and makes it.
    QCheckBox& startWithDesktop() { return *ui.CheckBoxAutostart; }

    // The zone Save writes: the one read, or the last one chosen in the dialog.
    QString zone() const;

    // A change of position, GMT offset or military time since the dialog was last activated.
    bool paramsChanged() const { return ParamsChanged; }

signals:
    // The user switched the Hints box.
    void hintsSwitched(bool on);

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent* event) override;

private:
    // Shows the file as it is now: the dialog's only source of what it shows.
    void rereadPreferences();
    // Flag 1 ticks CheckBox1, flag 2 ticks CheckBox2 (reading never unticks, and applies no hint switch: the main
    // window applies the flag it reads itself), Edit2 := longitude, Edit1 := latitude, GMT field := offset.
    void showRead(const Preferences& value);
    void chooseZone(const QString& zoneId);
    // Shows how the fields read, the zone's city and the offset warning; Save is offered only when both read.
    void checkPlace();
    // A pair pasted or typed into one field goes into both.
    void splitPairIn(QLineEdit* field);
    // The offset the reports will use: the zone's today, or the fixed one.
    double offsetInUse() const;
    void connectHandlers();
    // Connects a control's signal to a handler, run through the gate.
    template <typename Sender, typename Signal> void handle(Sender* sender, Signal signal, void (THome::*handler)());

    HomeForm ui;
    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_store;
    bool ParamsChanged = false;
    // The value the fields were last filled from, as they hold it: Save tells the user's changes by it.
    Preferences m_shown;
    bool m_centred = false;
    bool m_activatedSinceShown = false;
    bool m_listsFitted = false;
    bool m_askForPlace = false;
    bool m_splitting = false;
};
