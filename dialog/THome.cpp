#include "dialog/THome.h"
#include "controls/TCurrencyEdit.h"
#include "dialog/HomeKeys.h"
#include "dialog/HomeTexts.h"
#include "dialog/ZoneRow.h"
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

namespace {
// The dialog's own width; the time-zone row adds its height below the Save button.
constexpr int DialogWidth = 204;
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
    setWindowTitle(HomeTexts::tr(HomeTexts::Caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    ui.build(this);
    setFixedSize(DialogWidth, ui.PanelZone->geometry().bottom() + 1 + BottomMargin);
    homekeys::setUp(ui);
    connectHandlers();
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
    m_services.pointer.moveTo(
        ui.SpeedButton54->mapToGlobal(QPoint(ui.SpeedButton54->width() / 2, ui.SpeedButton54->height() / 2)));
    ParamsChanged = false;
    ui.Panel2->setFocus();
}

void THome::ComboBox1Change()
{
    if (const std::optional<double> hours = OffsetList::hoursAt(ui.ComboBox1->currentIndex())) {
        ui.CurrencyEditGMT3->setValue(*hours);
        // A fixed offset chosen: the zone would override it in every report.
        if (ui.PanelZone->clear())
            ParamsChanged = true;
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
    if (!ui.PanelZone->choose(zoneId))
        return;
    ParamsChanged = true;
    if (zoneId.isEmpty())
        return;
    {
        // The zone now gives the offset; no Offset List entry stands for it.
        const QSignalBlocker quiet(ui.ComboBox1);
        ui.ComboBox1->setCurrentIndex(-1);
    }
    ui.CurrencyEditGMT3->setValue(zones::offsetsOn(zoneId, m_services.clock.now().date()).standard);
    ui.takeZoneCity(zoneId);
}

void THome::CurrencyEditGMT3Enter()
{
    // The offset is chosen from the list, never typed.
    ui.ComboBox1->setFocus();
}

void THome::Edit1Change()
{
    ParamsChanged = true;
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
    Preferences edited = m_shown.edited(ui.CheckBox1->isChecked(), ui.CheckBox2->isChecked(), ui.Edit2->text(),
                                        ui.Edit1->text(), ui.CurrencyEditGMT3->value(), zone());
    // What the user did not change is written as the file holds it now; a file gone meanwhile gets the dialog's.
    if (const std::optional<PrefsFile> file = PrefsFile::load(m_store.path()))
        edited = edited.keptOver(m_shown, withListedZone(Preferences::fromFile(*file, rt::formatSettings())));
    if (!m_store.save(edited)) {
        m_gate.showOverDialog(BoxGate::Box::Error, HomeTexts::tr(HomeTexts::CannotCreateFile) + m_store.path());
        return;
    }
    if (ParamsChanged)
        m_gate.warnAtOk(HomeTexts::tr(HomeTexts::RestartMessage), HomeTexts::RestartOkBelowCentre, true);
    accept();
}

void THome::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Once per showing: coming back from another application, or from the dialog's own box, must not forget the
    // edits made so far (the restart message depends on them) nor move the pointer.
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
    QDialog::showEvent(event);
}
