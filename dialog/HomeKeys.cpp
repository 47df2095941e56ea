// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/HomeKeys.h"
#include "controls/TCurrencyEdit.h"
#include "dialog/CityRow.h"
#include "dialog/HomeForm.h"
#include "dialog/HomeTexts.h"
#include "dialog/WeekRulesRow.h"
#include "dialog/ZoneCityLine.h"
#include "dialog/ZoneRow.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <utility>

namespace homekeys {

QList<QWidget*> tabOrder(const HomeForm& ui)
{
    // The GMT field takes no Tab stop: it passes the focus on to the Offset List, so Shift+Tab from there would come
    // straight back.
    // The city search comes just before Save, the zone's city after the zone: from Save, Tab reaches the zone and
    // then the latitude, as before they were there.
    return {ui.Edit1,
            ui.Edit2,
            ui.ComboBox1,
            ui.CheckBox1,
            ui.CheckBox2,
            ui.PanelCity->field(),
            ui.SpeedButton54,
            ui.PanelZone->list(),
            ui.PanelZoneCity->button(),
            ui.PanelWeeks->firstDayList(),
            ui.PanelWeeks->numberingList(),
            ui.CheckBoxAutostart};
}

namespace {
void describe(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
    // An editable list is heard through its edit box, which holds the focus.
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        list->lineEdit()->setAccessibleName(name);
        list->lineEdit()->setAccessibleDescription(description);
    }
}

void describe(QWidget* control, const char* name, const char* description)
{
    describe(control, HomeTexts::tr(name), HomeTexts::tr(description));
}
} // namespace

void setUp(const HomeForm& ui)
{
    const QList<QWidget*> order = tabOrder(ui);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    describe(ui.Edit1, HomeTexts::LatitudeName, HomeTexts::LatitudeDescription);
    describe(ui.Edit2, HomeTexts::LongitudeName, HomeTexts::LongitudeDescription);
    describe(ui.CurrencyEditGMT3, HomeTexts::GmtOffsetCaption, HomeTexts::GmtOffsetDescription);
    describe(ui.ComboBox1, HomeTexts::OffsetListCaption, HomeTexts::OffsetListDescription);
    describe(ui.CheckBox1, HomeTexts::MilitaryTimeCaption, HomeTexts::MilitaryTimeDescription);
    describe(ui.CheckBox2, HomeTexts::HintsCaption, HomeTexts::HintsDescription);
    describe(ui.CheckBoxAutostart, sharedTexts::tr(sharedTexts::StartWithDesktop),
             HomeTexts::tr(HomeTexts::StartWithDesktopDescription));
    describe(ui.SpeedButton54, HomeTexts::SaveCaption, HomeTexts::SaveDescription);
    describe(ui.PanelZone->list(), HomeTexts::TimeZoneCaption, HomeTexts::TimeZoneDescription);
    describe(ui.PanelCity->field(), HomeTexts::CityName, HomeTexts::CityDescription);
    describe(ui.PanelZoneCity->button(), HomeTexts::tr(HomeTexts::TakeZoneCity).arg(QString()).trimmed(),
             HomeTexts::tr(HomeTexts::TakeZoneCityDescription));
    const std::pair<QLabel*, QWidget*> captions[] = {{ui.Label2, ui.Edit1},
                                                     {ui.Label1, ui.Edit2},
                                                     {ui.Label3, ui.CurrencyEditGMT3},
                                                     {ui.Label4, ui.ComboBox1},
                                                     {ui.PanelZone->caption(), ui.PanelZone->list()},
                                                     {ui.PanelCity->caption(), ui.PanelCity->field()}};
    for (const auto& [label, field] : captions) {
        label->setBuddy(field);
        describe(label, label->text(), HomeTexts::tr(HomeTexts::CaptionDescription).arg(field->accessibleName()));
    }
}

QWidget* nextStop(const HomeForm& ui, const QWidget* dialog, const QWidget* focused, bool next)
{
    const QList<QWidget*> order = tabOrder(ui);
    qsizetype at = -1;
    for (qsizetype i = 0; i < order.size() && at < 0; ++i) {
        if (order[i] == focused || order[i]->isAncestorOf(focused))
            at = i;
    }
    if (at < 0)
        return nullptr;
    for (qsizetype step = 1; step < order.size(); ++step) {
        QWidget* candidate = order[(at + (next ? step : order.size() - step)) % order.size()];
        if (candidate->isVisibleTo(dialog) && candidate->isEnabled())
            return candidate;
    }
    return order[at];
}

} // namespace homekeys
