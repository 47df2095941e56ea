// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/CityRow.h"
#include "dialog/HomeForm.h"
#include "dialog/HomeTexts.h"
#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>

namespace {
// Beside the time-zone row, as high.
constexpr QRect RowPlace(203, 164, 221, 29);
constexpr int MatchesShown = 20;
constexpr int ListWiderBy = 60;
constexpr QRect FieldPlace(40, 4, 175, 21);
} // namespace

CityRow::CityRow(QWidget* parent) : QFrame(parent)
{
    setObjectName(QLatin1String(HomeNames::PanelCity));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setGeometry(RowPlace);
    m_caption = makeHomeLabel(this, HomeNames::LabelCity, HomeTexts::CityCaption, 7, 8, FieldPlace.left());
    m_field = new QLineEdit(this);
    m_field->setObjectName(QLatin1String(HomeNames::EditCity));
    m_field->setGeometry(FieldPlace);
    m_field->setPlaceholderText(HomeTexts::tr(HomeTexts::CityPlaceholder));
    m_field->setClearButtonEnabled(true);

    // The list shows the matches as the search ranks them; the completer does no filtering of its own.
    m_model = new QStringListModel(this);
    m_completer = new QCompleter(m_model, this);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(12);
    m_completer->setWidget(m_field);
    m_completer->popup()->setFont(m_field->font());
    connect(m_field, &QLineEdit::textEdited, this, &CityRow::search);
    connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { pick(index.row()); });
}

void CityRow::search(const QString& text)
{
    m_matches = m_search.matches(text, MatchesShown);
    QStringList labels;
    for (const City& city : m_matches)
        labels.append(city.label());
    m_model->setStringList(labels);
    if (labels.isEmpty()) {
        m_completer->popup()->hide();
        return;
    }
    // A little wider than the field, for a state's name between city and country.
    m_completer->complete(m_field->rect().adjusted(0, 0, ListWiderBy, 0));
}

bool CityRow::pickCurrent()
{
    if (m_matches.isEmpty() || m_field->text() == m_pickedLabel)
        return false;
    const QModelIndex current = m_completer->popup()->currentIndex();
    pick(current.isValid() ? current.row() : 0);
    return true;
}

void CityRow::pick(int row)
{
    if (row < 0 || row >= m_matches.size())
        return;
    const City city = m_matches.at(row);
    m_completer->popup()->hide();
    m_pickedLabel = city.label();
    m_field->setText(m_pickedLabel);
    emit picked(city);
}

void CityRow::clear()
{
    m_field->clear();
    m_matches.clear();
    m_pickedLabel.clear();
    m_model->setStringList({});
}
