// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/PlaceReadings.h"
#include "controls/Colours.h"
#include "dialog/HomeTexts.h"
#include <QLabel>

namespace {
// Right of the frame around the fields, down to the Save row; the readings on the fields' lines.
constexpr QRect FramePlace(203, 5, 221, 157);
constexpr int TextLeft = 6;
constexpr int TextWidth = 209;

QLabel* makeLine(QWidget* parent, const char* name, const QRect& place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

void colour(QLabel* label, bool refused)
{
    colours::paint(label, QPalette::WindowText, refused ? colours::Maroon : colours::Navy);
}
} // namespace

PlaceReadings::PlaceReadings(QWidget* parent) : QFrame(parent)
{
    setObjectName(QLatin1String(HomeNames::PanelReadings));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setGeometry(FramePlace);
    m_latitude = makeLine(this, HomeNames::LabelLatitudeReading, QRect(TextLeft, 8, TextWidth, 21));
    m_longitude = makeLine(this, HomeNames::LabelLongitudeReading, QRect(TextLeft, 32, TextWidth, 21));
    m_warning = makeLine(this, HomeNames::LabelPlaceWarning, QRect(TextLeft, 57, TextWidth, 94));
    m_warning->setWordWrap(true);
    m_warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    colour(m_warning, true);
}

void PlaceReadings::showLatitude(const QString& text, bool refused)
{
    m_latitude->setText(text);
    colour(m_latitude, refused);
}

void PlaceReadings::showLongitude(const QString& text, bool refused)
{
    m_longitude->setText(text);
    colour(m_longitude, refused);
}

void PlaceReadings::showWarning(const QString& text)
{
    m_warning->setText(text);
}
