// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/ZoneCityLine.h"
#include "controls/Colours.h"
#include "dialog/HomeTexts.h"
#include <QLabel>
#include <QToolButton>

namespace {
constexpr QRect LinePlace(5, 196, 419, 27);
constexpr int ButtonWidth = 96;
} // namespace

ZoneCityLine::ZoneCityLine(QWidget* parent) : QFrame(parent)
{
    setObjectName(QLatin1String(HomeNames::PanelZoneCity));
    setFrameStyle(QFrame::NoFrame);
    setGeometry(LinePlace);
    m_label = new QLabel(this);
    m_label->setObjectName(QLatin1String(HomeNames::LabelZoneCity));
    m_label->setGeometry(4, 3, LinePlace.width() - ButtonWidth - 12, 21);
    m_button = new QToolButton(this);
    m_button->setObjectName(QLatin1String(HomeNames::ButtonTakeZoneCity));
    m_button->setGeometry(LinePlace.width() - ButtonWidth - 4, 2, ButtonWidth, 23);
    m_button->setFocusPolicy(Qt::StrongFocus);
    colours::paint(m_button, QPalette::Button, colours::DarkFace);
    m_button->setAutoFillBackground(true);
    m_button->hide();
    connect(m_button, &QToolButton::clicked, this, &ZoneCityLine::takeClicked);
}

void ZoneCityLine::showDistance(const QString& text, const QString& buttonText)
{
    m_label->setText(text);
    m_button->setText(buttonText);
    m_button->setVisible(!text.isEmpty());
}
