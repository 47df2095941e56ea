// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/WeekRulesRow.h"
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>

namespace {
// The dialog's last row, under the zone's city: the first day in the left column's places, the rule in the right's.
constexpr QRect RowPlace(5, 226, 419, 29);
constexpr int ListHeight = 21;
constexpr int ListTop = 4;
struct Column
{
    int captionLeft, listLeft, listWidth;
};
constexpr Column FirstColumn{7, 63, 121};
constexpr Column SecondColumn{202, 256, 157};
// A caption stands a little lower than its list, on the list's text line.
constexpr int CaptionDrop = 4;

QLabel* makeCaption(QWidget* parent, const char* name, const char* text, const Column& column)
{
    auto* label = new QLabel(WeekRulesTexts::tr(text), parent);
    label->setObjectName(QLatin1String(name));
    label->adjustSize();
    label->move(column.captionLeft, ListTop + CaptionDrop);
    return label;
}

QComboBox* makeList(QWidget* parent, const char* name, const QString& accessibleName, const char* description,
                    const Column& column)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(column.listLeft, ListTop, column.listWidth, ListHeight);
    list->setFocusPolicy(Qt::StrongFocus);
    list->setAccessibleName(accessibleName);
    list->setAccessibleDescription(WeekRulesTexts::tr(description));
    return list;
}

template <class Enum> void addEntry(QComboBox* list, const QString& text, Enum value)
{
    list->addItem(text, int(value));
}

template <class Enum> void select(QComboBox* list, Enum value)
{
    const int index = list->findData(int(value));
    list->setCurrentIndex(index < 0 ? 0 : index);
}

template <class Enum> Enum selected(const QComboBox* list)
{
    return Enum(list->currentData().toInt());
}
} // namespace

WeekRulesRow::WeekRulesRow(Qt::DayOfWeek localeFirst, QWidget* parent) : QFrame(parent)
{
    using namespace WeekRulesTexts;
    setObjectName(QLatin1String(WeekRulesNames::Panel));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setGeometry(RowPlace);

    QLabel* firstCaption = makeCaption(this, WeekRulesNames::FirstDayLabel, FirstDayCaption, FirstColumn);
    m_firstDay =
        makeList(this, WeekRulesNames::FirstDayBox, WeekRulesTexts::tr(FirstDayName), FirstDayDescription, FirstColumn);
    firstCaption->setBuddy(m_firstDay);
    const QLocale locale;
    const auto dayName = [&locale](Qt::DayOfWeek day) { return locale.standaloneDayName(day, QLocale::LongFormat); };
    addEntry(m_firstDay, WeekRulesTexts::tr(LocaleDay).arg(dayName(localeFirst)), weeks::FirstDay::Locale);
    addEntry(m_firstDay, dayName(Qt::Monday), weeks::FirstDay::Monday);
    addEntry(m_firstDay, dayName(Qt::Sunday), weeks::FirstDay::Sunday);
    addEntry(m_firstDay, dayName(Qt::Saturday), weeks::FirstDay::Saturday);

    QLabel* numberingCaption = makeCaption(this, WeekRulesNames::NumberingLabel, NumberingCaption, SecondColumn);
    m_numbering = makeList(this, WeekRulesNames::NumberingBox, sharedTexts::tr(sharedTexts::WeekNumbers),
                           NumberingDescription, SecondColumn);
    numberingCaption->setBuddy(m_numbering);
    addEntry(m_numbering, WeekRulesTexts::tr(Iso), weeks::Numbering::Iso);
    addEntry(m_numbering, WeekRulesTexts::tr(FirstJanuary), weeks::Numbering::FirstJanuary);

    connect(m_firstDay, qOverload<int>(&QComboBox::currentIndexChanged), this, &WeekRulesRow::tell);
    connect(m_numbering, qOverload<int>(&QComboBox::currentIndexChanged), this, &WeekRulesRow::tell);
}

void WeekRulesRow::showChoice(weeks::FirstDay firstDay, weeks::Numbering numbering)
{
    const QSignalBlocker firstQuiet(m_firstDay);
    const QSignalBlocker numberingQuiet(m_numbering);
    select(m_firstDay, firstDay);
    select(m_numbering, numbering);
}

weeks::FirstDay WeekRulesRow::firstDay() const
{
    return selected<weeks::FirstDay>(m_firstDay);
}

weeks::Numbering WeekRulesRow::numbering() const
{
    return selected<weeks::Numbering>(m_numbering);
}

void WeekRulesRow::tell()
{
    emit chosen(firstDay(), numbering());
}
