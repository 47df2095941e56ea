// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/HolidaysRow.h"
#include "holidays/HolidayIndex.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// Under the autostart box, as wide as the rows above: the switch and the lists, the kinds, the note.
constexpr int RowWidth = 419;
constexpr int RowHeight = 75;
constexpr QRect ShownPlace(7, 4, 110, 21);
constexpr QRect CountryPlace(120, 4, 140, 21);
constexpr QRect RegionPlace(266, 4, 147, 21);
constexpr QRect BankPlace(120, 28, 140, 19);
constexpr QRect ObservancesPlace(266, 28, 147, 19);
constexpr QRect NotePlace(7, 50, 406, 19);

QCheckBox* makeBox(QWidget* parent, const char* name, const char* text, const QRect& place)
{
    auto* box = new QCheckBox(HolidaysTexts::tr(text), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(place);
    return box;
}

QComboBox* makeList(QWidget* parent, const char* name, const char* accessibleName, const QRect& place)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(place);
    list->setFocusPolicy(Qt::StrongFocus);
    list->setAccessibleName(HolidaysTexts::tr(accessibleName));
    return list;
}
} // namespace

HolidaysRow::HolidaysRow(QWidget* parent, Countries countries) : QFrame(parent), m_countries(std::move(countries))
{
    setObjectName(QLatin1String(HolidaysNames::Panel));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    resize(RowWidth, RowHeight);
    m_shown = makeBox(this, HolidaysNames::Shown, HolidaysTexts::Shown, ShownPlace);
    m_country = makeList(this, HolidaysNames::Country, HolidaysTexts::CountryName, CountryPlace);
    m_region = makeList(this, HolidaysNames::Region, HolidaysTexts::RegionName, RegionPlace);
    m_bank = makeBox(this, HolidaysNames::Bank, HolidaysTexts::Bank, BankPlace);
    m_observances = makeBox(this, HolidaysNames::Observances, HolidaysTexts::Observances, ObservancesPlace);
    m_note = new QLabel(this);
    m_note->setObjectName(QLatin1String(HolidaysNames::FromZone));
    m_note->setGeometry(NotePlace);
    m_note->hide();
    connect(m_shown, &QCheckBox::toggled, this, &HolidaysRow::tell);
    connect(m_country, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        listRegions();
        tell();
    });
    connect(m_region, qOverload<int>(&QComboBox::currentIndexChanged), this, &HolidaysRow::tell);
    connect(m_bank, &QCheckBox::toggled, this, &HolidaysRow::tell);
    connect(m_observances, &QCheckBox::toggled, this, &HolidaysRow::tell);
}

void HolidaysRow::listCountries()
{
    if (std::exchange(m_filled, true))
        return;
    m_listed = m_countries ? m_countries() : holidays::countries(holidays::languagesOf(QLocale()));
    std::sort(m_listed.begin(), m_listed.end(), [](const holidays::Country& a, const holidays::Country& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    const QSignalBlocker quiet(m_country);
    for (const holidays::Country& country : m_listed)
        m_country->addItem(country.name, country.code);
}

void HolidaysRow::listRegions()
{
    const QSignalBlocker quiet(m_region);
    m_region->clear();
    m_region->addItem(HolidaysTexts::tr(HolidaysTexts::WholeCountry), QString());
    const QString code = m_country->currentData().toString();
    for (const holidays::Country& country : m_listed)
        if (country.code == code)
            for (const holidays::Region& region : country.regions)
                m_region->addItem(region.name, region.code);
    m_region->setEnabled(m_region->count() > 1);
}

void HolidaysRow::showChoice(const Choice& choice, const QString& note)
{
    listCountries();
    {
        const QSignalBlocker quiet1(m_shown), quiet2(m_country), quiet3(m_bank), quiet4(m_observances);
        m_shown->setChecked(choice.shown);
        // A country the data no longer has shows none, rather than another country taken for it.
        m_country->setCurrentIndex(m_country->findData(choice.area.left(2)));
        m_bank->setChecked(choice.bank);
        m_observances->setChecked(choice.observances);
    }
    listRegions();
    {
        const QSignalBlocker quiet(m_region);
        m_region->setCurrentIndex(std::max(0, m_region->findData(choice.area.size() > 2 ? choice.area : QString())));
    }
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

HolidaysRow::Choice HolidaysRow::choice() const
{
    Choice choice;
    choice.shown = m_shown->isChecked();
    const QString region = m_region->currentData().toString();
    choice.area = region.isEmpty() ? m_country->currentData().toString() : region;
    choice.bank = m_bank->isChecked();
    choice.observances = m_observances->isChecked();
    return choice;
}

QString HolidaysRow::note() const
{
    return m_note->isHidden() ? QString() : m_note->text();
}

void HolidaysRow::tell()
{
    // The user's own choice from now on: the time zone no longer speaks for it.
    m_note->clear();
    m_note->hide();
    emit chosen(choice());
}
