// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/ZoneRow.h"
#include "dialog/HomeForm.h"
#include "dialog/HomeTexts.h"
#include "zones/ZoneOffsets.h"
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimeZone>

namespace {
constexpr QRect RowPlace(5, 164, 193, 29);
constexpr QRect ListPlace(63, 4, 121, 21);

// The machine's zone first, then every other zone the time-zone database knows.
QStringList zoneIds(const QString& machine)
{
    QStringList ids;
    if (!machine.isEmpty())
        ids.append(machine);
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        const QString text = QString::fromLatin1(id);
        if (text != machine)
            ids.append(text);
    }
    return ids;
}
} // namespace

ZoneRow::ZoneRow(QWidget* parent) : QFrame(parent)
{
    setObjectName(QLatin1String(HomeNames::PanelZone));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setGeometry(RowPlace);
    m_caption = makeHomeLabel(this, HomeNames::LabelZone, HomeTexts::TimeZoneCaption, 7, 8, ListPlace.left());

    m_list = new QComboBox(this);
    m_list->setObjectName(QLatin1String(HomeNames::ComboBoxZone));
    m_list->setEditable(true);
    m_list->setInsertPolicy(QComboBox::NoInsert);
    // The empty entry now; the database's zones when the dialog is first shown (listing them costs a start-up).
    m_list->addItem(QString());
    m_list->setItemData(0, HomeTexts::tr(HomeTexts::NoZoneHint), Qt::ToolTipRole);
    m_list->setCurrentIndex(0);
    m_list->setGeometry(ListPlace);
    m_list->setMaxVisibleItems(20);
    m_list->setFocusPolicy(Qt::StrongFocus);
    // "berl" finds Europe/Berlin: any part of the id, in any case.
    QCompleter* completer = m_list->completer();
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);

    connect(m_list, qOverload<int>(&QComboBox::currentIndexChanged), this, &ZoneRow::edited);
    connect(m_list, qOverload<int>(&QComboBox::activated), this, &ZoneRow::edited);
    connect(m_list->lineEdit(), &QLineEdit::editingFinished, this, &ZoneRow::edited);
}

QString ZoneRow::text() const
{
    return m_list->currentText().trimmed();
}

void ZoneRow::showRead(const QString& zoneId)
{
    m_zone = zoneId;
    showZone();
}

bool ZoneRow::choose(const QString& zoneId)
{
    // The zone as read, blanks and all, stays unless another is chosen.
    if (zoneId == m_zone.trimmed())
        return false;
    m_zone = zoneId;
    return true;
}

bool ZoneRow::clear()
{
    if (m_zone.isEmpty())
        return false;
    m_zone.clear();
    showZone();
    return true;
}

void ZoneRow::listZones(const QString& machineZone)
{
    if (m_list->count() > 1)
        return;
    const QSignalBlocker quiet(m_list);
    m_list->addItems(zoneIds(machineZone));
    HomeForm::fitListToEntries(m_list);
    showZone();
}

void ZoneRow::showZone()
{
    const QSignalBlocker quiet(m_list);
    const int index = m_zone.isEmpty() ? 0 : m_list->findText(m_zone, Qt::MatchExactly);
    if (index >= 0)
        m_list->setCurrentIndex(index);
    else
        m_list->setEditText(m_zone);
}
