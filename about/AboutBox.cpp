// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/AboutBox.h"
#include "about/AboutTexts.h"
#include "drawing/DayPieces.h"
#include <QKeySequence>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

namespace {
constexpr int BoxWidth = 480;
constexpr int BoxHeight = 470;
constexpr int Margin = 8;
constexpr int ButtonWidth = 88;
constexpr int ButtonHeight = 28;
// A day cell of the grid, as the legend shows it.
const QSize LegendCell(28, 16);
} // namespace

AboutBox::AboutBox(QWidget* window) : QDialog(window)
{
    setObjectName(AboutNames::AboutBox);
    setWindowTitle(AboutTexts::Caption());
    setFixedSize(BoxWidth, BoxHeight);
    m_text = new QTextBrowser(this);
    m_text->setObjectName(AboutNames::AboutText);
    m_text->setGeometry(Margin, Margin, BoxWidth - 2 * Margin, BoxHeight - 3 * Margin - ButtonHeight);
    m_text->setOpenLinks(false);
    auto* close = new QPushButton(AboutTexts::LabelClose(), this);
    close->setObjectName(AboutNames::AboutClose);
    close->setGeometry(BoxWidth - Margin - ButtonWidth, BoxHeight - Margin - ButtonHeight, ButtonWidth, ButtonHeight);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    addMarkPictures();
}

void AboutBox::addMarkPictures()
{
    // Drawn by the calendars' own painting, at this screen's scale, so the legend is what the grid shows.
    const qreal scale = devicePixelRatioF();
    const auto add = [&](about::MarkPicture picture, DayMarks marks) {
        m_text->document()->addResource(QTextDocument::ImageResource, QUrl(about::markPictureName(picture)),
                                        dayMarkSample(marks, LegendCell, scale));
    };
    DayMarks newMoon, fullMoon, season, events, solarEclipse, lunarEclipse;
    solarEclipse.solarEclipse = true;
    lunarEclipse.lunarEclipse = true;
    newMoon.newMoon = true;
    fullMoon.fullMoon = true;
    season.season = true;
    events.event = true;
    add(about::MarkPicture::NewMoon, newMoon);
    add(about::MarkPicture::FullMoon, fullMoon);
    add(about::MarkPicture::Season, season);
    add(about::MarkPicture::Events, events);
    add(about::MarkPicture::SolarEclipse, solarEclipse);
    add(about::MarkPicture::LunarEclipse, lunarEclipse);
}

void AboutBox::showFacts(about::Facts facts)
{
    facts.shortcuts.append({QKeySequence(Qt::Key_F1).toString(QKeySequence::NativeText), AboutTexts::KeysAbout()});
    facts.shortcuts.append({AboutTexts::KeysCalendar(), AboutTexts::KeysCalendarWhat()});
    facts.shortcuts.append({AboutTexts::KeysYearField(), AboutTexts::KeysYearFieldWhat()});
    m_text->setHtml(about::html(facts));
    show();
    raise();
    activateWindow();
}
