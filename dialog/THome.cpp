// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/THome.h"
#include "controls/TCurrencyEdit.h"
#include "dialog/CityRow.h"
#include "dialog/HolidaysRow.h"
#include "dialog/HomeKeys.h"
#include "dialog/HomeTexts.h"
#include "dialog/PlaceReadings.h"
#include "dialog/PlaceWords.h"
#include "dialog/WeekRulesRow.h"
#include "dialog/ZoneCityLine.h"
#include "dialog/ZoneRow.h"
#include "prefs/MachineDefault.h"
#include "prefs/OffsetList.h"
#include "zones/ZoneOffsets.h"
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolButton>
#include <utility>

namespace {
// The layout's 204 pixels and the readings' column; the rows add their height below the Save button.
constexpr int DialogWidth = 429;
constexpr int BottomMargin = 5;

// A known zone, as read (blanks and all), is kept until the user chooses another; a line naming no zone (an unknown
// id, or whatever else a longer file holds there) is no zone, so Save writes the four lines as before.
Preferences withListedZone(Preferences value)
{
    if (!zones::isKnownZone(value.zone))
        value.zone.clear();
    return value;
}
} // namespace

THome::THome(Services& services, BoxGate& gate, PrefsStore& store, QWidget* parent)
    : QDialog(parent), m_services(services), m_gate(gate), m_store(store)
{
    setObjectName(QLatin1String(HomeNames::Home));
    setWindowTitle(sharedTexts::tr(sharedTexts::Parameters));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    ui.build(this);
    setFixedSize(DialogWidth, ui.PanelHolidays->geometry().bottom() + 1 + BottomMargin);
    homekeys::setUp(ui);
    connectHandlers();
    checkPlace();
}

template <typename Sender, typename Signal> void THome::handle(Sender* sender, Signal signal, void (THome::*handler)())
{
    connect(sender, signal, this, [this, handler] { m_gate.run([this, handler] { (this->*handler)(); }); });
}

void THome::connectHandlers()
{
    handle(ui.Edit1, &QLineEdit::textChanged, &THome::Edit1Change);
    handle(ui.Edit2, &QLineEdit::textChanged, &THome::Edit1Change);
    handle(ui.CurrencyEditGMT3, &TCurrencyEdit::changed, &THome::Edit1Change);
    handle(ui.CurrencyEditGMT3, &TCurrencyEdit::entered, &THome::CurrencyEditGMT3Enter);
    handle(ui.ComboBox1, qOverload<int>(&QComboBox::currentIndexChanged), &THome::ComboBox1Change);
    handle(ui.ComboBox1, qOverload<int>(&QComboBox::activated), &THome::ComboBox1Change);
    // Ticking "Display military time" from the file fires its handler as a click would; the activation that follows
    // clears the mark.
    handle(ui.CheckBox1, &QCheckBox::toggled, &THome::CheckBox1Click);
    handle(ui.CheckBox2, &QCheckBox::toggled, &THome::CheckBox2Click);
    handle(ui.SpeedButton54, &QToolButton::clicked, &THome::SpeedButton54Click);
    handle(ui.PanelZone, &ZoneRow::edited, &THome::ComboBoxZoneChange);
    handle(ui.PanelZoneCity, &ZoneCityLine::takeClicked, &THome::ButtonTakeZoneCityClick);
    connect(ui.PanelCity, &CityRow::picked, this,
            [this](const City& city) { m_gate.run([this, city] { CityPicked(city); }); });
    for (QLineEdit* field : {ui.Edit1, ui.Edit2})
        connect(field, &QLineEdit::textEdited, this,
                [this, field] { m_gate.run([this, field] { splitPairIn(field); }); });
}

bool THome::focusNextPrevChild(bool next)
{
    // Walked here rather than by the focus chain: the frame around Save hands its focus to Save, and the chain
    // would count it as one more stop.
    const QWidget* focused = focusWidget();
    QWidget* stop = homekeys::nextStop(ui, this, focused, next);
    if (!stop)
        return QDialog::focusNextPrevChild(next);
    if (stop != focused && !stop->isAncestorOf(focused))
        stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void THome::keyPressEvent(QKeyEvent* event)
{
    // Enter presses Save wherever the focus is (a field passes on the keys it does not use); Escape closes the
    // dialog without saving, as its close box does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        // In the city search Enter picks the match first; once picked, it saves.
        if (focusWidget() == ui.PanelCity->field() && ui.PanelCity->pickCurrent())
            return;
        ui.SpeedButton54->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void THome::showRead(const Preferences& value)
{
    // Reading only ever turns the options on: military time off takes effect at the next start.
    if (value.militaryTime())
        ui.CheckBox1->setChecked(true);
    if (value.hints()) {
        const QSignalBlocker quiet(ui.CheckBox2);
        ui.CheckBox2->setChecked(true);
    }
    ui.Edit2->setText(value.longitude);
    ui.Edit1->setText(value.latitude);
    ui.CurrencyEditGMT3->setValue(value.gmtOffset);
    m_shown = withListedZone(value);
    m_shown.gmtOffset = ui.CurrencyEditGMT3->value();
    ui.PanelZone->showRead(m_shown.zone);
    checkPlace();
}

void THome::rereadPreferences()
{
    // Another copy of the program, or another program, may have saved since the dialog last showed.
    if (const std::optional<PrefsFile> file = PrefsFile::load(m_store.path()))
        showRead(Preferences::fromFile(*file, rt::formatSettings()));
}

QString THome::zone() const
{
    return ui.PanelZone->zone();
}

void THome::FormActivate()
{
    // The pointer goes where the user is expected to act next: Save, or the city search when asked for a place.
    const bool askForPlace = std::exchange(m_askForPlace, false);
    QWidget* next = askForPlace ? static_cast<QWidget*>(ui.PanelCity->field()) : ui.SpeedButton54;
    m_services.pointer.moveTo(next->mapToGlobal(QPoint(next->width() / 2, next->height() / 2)));
    ParamsChanged = false;
    if (askForPlace)
        ui.PanelCity->field()->setFocus();
    else
        ui.Panel2->setFocus();
}

void THome::ComboBox1Change()
{
    if (const std::optional<double> hours = OffsetList::hoursAt(ui.ComboBox1->currentIndex())) {
        ui.CurrencyEditGMT3->setValue(*hours);
        // A fixed offset chosen: the zone would override it in every report.
        if (ui.PanelZone->clear())
            ParamsChanged = true;
        checkPlace();
    }
}

void THome::ComboBoxZoneChange()
{
    const QString text = ui.PanelZone->text();
    // A partly typed id, or any text naming no zone of the list, chooses nothing, as typing into the Offset List
    // does; nothing else is looked up, so no path typed here is ever opened.
    if (text.isEmpty() || zones::isKnownZone(text))
        chooseZone(text);
}

void THome::chooseZone(const QString& zoneId)
{
    if (!ui.PanelZone->choose(zoneId)) {
        // The same zone again, after the fields were emptied: its city fills them.
        if (!zoneId.isEmpty())
            ui.takeZoneCity(zoneId);
        return;
    }
    ParamsChanged = true;
    if (zoneId.isEmpty()) {
        checkPlace();
        return;
    }
    {
        // The zone now gives the offset; no Offset List entry stands for it.
        const QSignalBlocker quiet(ui.ComboBox1);
        ui.ComboBox1->setCurrentIndex(-1);
    }
    ui.CurrencyEditGMT3->setValue(zones::offsetsOn(zoneId, m_services.clock.now().date()).standard);
    ui.takeZoneCity(zoneId);
    checkPlace();
}

void THome::CityPicked(const City& city)
{
    ui.showPosition(city.latitude, city.longitude);
    if (zones::isKnownZone(city.zone)) {
        chooseZone(city.zone);
        // The row shows the zone picked, so Save (which reads the row's text) keeps it.
        ui.PanelZone->showRead(ui.PanelZone->zone());
    }
    checkPlace();
}

void THome::ButtonTakeZoneCityClick()
{
    const QString zoneId = zone().trimmed();
    if (const std::optional<ZonePosition> city = prefs::zonePosition(zoneId, prefs::systemZoneTables()))
        ui.showPosition(city->latitude, city->longitude);
}

void THome::splitPairIn(QLineEdit* field)
{
    if (m_splitting)
        return;
    const std::optional<coordinate::PairTexts> pair = coordinate::splitPair(field->text(), rt::formatSettings());
    if (!pair)
        return;
    m_splitting = true;
    ui.Edit1->setText(pair->latitude);
    ui.Edit2->setText(pair->longitude);
    m_splitting = false;
    // Typing goes on in the longitude, where the rest of a pair being typed belongs.
    ui.Edit2->setFocus();
    ui.Edit2->end(false);
}

place::Check THome::placeCheck() const
{
    return place::check({ui.Edit1->text(), ui.Edit2->text(), m_shown.latitude, m_shown.longitude},
                        rt::formatSettings());
}

double THome::offsetInUse() const
{
    const ZoneOffsets offsets = zones::offsetsOn(zone(), m_services.clock.now().date());
    return offsets.reportOffset(ui.CurrencyEditGMT3->value());
}

void THome::checkPlace()
{
    using coordinate::Axis;
    const FormatSettings& settings = rt::formatSettings();
    const place::Check check = placeCheck();
    ui.PanelReadings->showLatitude(placewords::reading(check, Axis::Latitude, settings),
                                   placewords::refused(check, Axis::Latitude));
    ui.PanelReadings->showLongitude(placewords::reading(check, Axis::Longitude, settings),
                                    placewords::refused(check, Axis::Longitude));
    ui.PanelReadings->showWarning(placewords::offsetWarning(check, offsetInUse(), settings));
    ui.SpeedButton54->setEnabled(check.saveAllowed);

    std::optional<place::ZoneCity> city;
    if (check.hasPosition() && zones::isKnownZone(zone()))
        city = place::zoneCityFrom(zone(), check.latitude.degrees, check.longitude.degrees, prefs::systemZoneTables());
    if (city && city->distanceKm >= place::ZoneCityNamedBeyondKm)
        ui.PanelZoneCity->showDistance(placewords::zoneCityDistance(zone(), *city, locale()),
                                       HomeTexts::tr(HomeTexts::TakeZoneCity).arg(city->name));
    else
        ui.PanelZoneCity->showDistance(QString(), QString());
}

void THome::CurrencyEditGMT3Enter()
{
    // The offset is chosen from the list, never typed.
    ui.ComboBox1->setFocus();
}

void THome::Edit1Change()
{
    ParamsChanged = true;
    checkPlace();
}

void THome::CheckBox1Click()
{
    ParamsChanged = true;
}

void THome::CheckBox2Click()
{
    ActivateHint();
}

void THome::ActivateHint()
{
    emit hintsSwitched(ui.CheckBox2->isChecked());
}

void THome::SpeedButton54Click()
{
    // An id typed in full counts even when Save is pressed before the list took it.
    ComboBoxZoneChange();
    // A position that does not read is told beside its field; nothing is written until it does.
    const place::Check check = placeCheck();
    if (!check.saveAllowed)
        return;
    Preferences edited = m_shown.edited(ui.CheckBox1->isChecked(), ui.CheckBox2->isChecked(), check.longitudeLine,
                                        check.latitudeLine, ui.CurrencyEditGMT3->value(), zone());
    // What the user did not change is written as the file holds it now; a file gone meanwhile gets the dialog's.
    if (const std::optional<PrefsFile> file = PrefsFile::load(m_store.path()))
        edited = edited.keptOver(m_shown, withListedZone(Preferences::fromFile(*file, rt::formatSettings())));
    if (!m_store.save(edited)) {
        m_gate.showOverDialog(BoxGate::Box::Error, HomeTexts::tr(HomeTexts::CannotCreateFile) + m_store.path());
        return;
    }
    // No box: the window reads the file again as the dialog closes, so every saved setting is in use at once.
    accept();
}

void THome::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Once per showing: coming back from another application, or from the dialog's own box, must not forget the
    // edits made so far nor move the pointer.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activatedSinceShown) {
        m_activatedSinceShown = true;
        m_gate.run([this] { FormActivate(); });
    }
}

void THome::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (const QScreen* desktop = screen())
            move(desktop->geometry().center() - QPoint(width() / 2, height() / 2));
    }
    m_activatedSinceShown = false;
    rereadPreferences();
    if (!m_listsFitted) {
        m_listsFitted = true;
        HomeForm::fitListToEntries(ui.ComboBox1);
    }
    ui.PanelZone->listZones(zones::machineZoneId(m_services.clock.zoneId()));
    ui.PanelCity->clear();
    ui.PanelCity->startLoading();
    QDialog::showEvent(event);
}
