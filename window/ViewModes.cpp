// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ViewModes.h"
#include "runtime/DateText.h"
#include "toolbar/Toolbar.h"
#include "year/YearEntry.h"
#include "year/YearView.h"
#include <QWidget>

ViewModes::ViewModes(QWidget& window, YearView& year, Toolbar& toolbar, Services& services, BoxGate& gate)
    : m_window(window), m_year(year), m_toolbar(toolbar), m_services(services), m_gate(gate)
{
}

// The places are the client area's: the toolkit learns the frame around it only some time after the window is
// shown, and a place kept by the frame's corner before then comes back off by the frame.
void ViewModes::designed()
{
    setCompactPosition(m_window.pos());
    m_compactAtDesign = true;
}

QPoint ViewModes::compactPosition() const
{
    const QPoint kept(SmallViewLeft, SmallViewTop);
    // The frame is known by the time the compact view first opens; before the window shows it is none.
    return m_compactAtDesign ? kept + (m_window.geometry().topLeft() - m_window.pos()) : kept;
}

void ViewModes::firstActivation()
{
    FullViewTop = m_window.geometry().top();
    FullViewLeft = m_window.geometry().left();
}

void ViewModes::step(int direction)
{
    if (m_year.step(direction)) {
        if (m_year.grid().compact())
            m_toolbar.showCompactYear(false);
        emit layOutAgain();
    }
    m_year.focusFirstBar();
}

void ViewModes::backToToday()
{
    m_year.ResetCalendarHints();
    emit layOutAgain();
    if (m_year.grid().compact())
        m_toolbar.showCompactYear(m_year.toggleCompactToday(rt::fromQDateTime(m_services.clock.now())));
    m_year.focusFirstBar();
}

void ViewModes::SmallCal()
{
    m_year.grid().toCompact();
    m_toolbar.showCompactView(true);
    emit layOutAgain();
    m_toolbar.applyCompactLayout(m_year.grid().compactCount());
    m_year.showCompactMonths(rt::fromQDateTime(m_services.clock.now()));
    movePointer(pointer::Target::CompactSize);
    m_year.focusFirstBar();
}

void ViewModes::toggle()
{
    const bool toCompact = !m_year.grid().compact();
    m_year.switchView();
    if (toCompact) {
        m_window.setGeometry(QRect(compactPosition(), m_window.size()));
        SmallCal();
    } else {
        m_toolbar.showCompactView(false);
        emit layOutAgain();
        setCompactPosition(m_window.geometry().topLeft());
        m_window.setGeometry(QRect(fullPosition(), m_window.size()));
        m_year.setCompactTitles(false);
        m_toolbar.applyFullLayout();
    }
    m_year.focusFirstBar();
    movePointer(pointer::Target::ViewToggle);
}

void ViewModes::nextCompactSize()
{
    m_year.ResetCalendarHints();
    if (m_year.nextCompactSize())
        SmallCal();
}

void ViewModes::openYearEntry()
{
    m_year.ResetCalendarHints();
    if (!m_yearEntry) {
        m_yearEntry = new YearEntry(m_gate, &m_window, m_toolbar.lastInTabOrder());
        QObject::connect(m_yearEntry, &YearEntry::confirming, &m_year, &YearView::ResetCalendarHints);
        QObject::connect(m_yearEntry, &YearEntry::yearEntered, &m_year, &YearView::showYear);
        QObject::connect(m_yearEntry, &YearEntry::yearEntered, this, &ViewModes::layOutAgain);
        QObject::connect(m_yearEntry, &YearEntry::closed, this,
                         [this] { emit pointerWanted(pointer::Target::YearEntryButton); });
        QObject::connect(m_yearEntry, &YearEntry::escaped, &m_window, [this] {
            if (!m_toolbar.focusYearEntryButton())
                m_year.focusFirstBar();
        });
    }
    m_yearEntry->open();
    emit pointerWanted(pointer::Target::YearEntryOk);
}

void ViewModes::placePointer(pointer::Geometry& geometry) const
{
    if (m_yearEntry)
        m_yearEntry->placePointer(geometry);
}

void ViewModes::setCompactPosition(const QPoint& position)
{
    SmallViewLeft = position.x();
    SmallViewTop = position.y();
    m_compactAtDesign = false;
}

void ViewModes::restoreCompact()
{
    if (m_year.grid().compact())
        return;
    m_pointerStays = true;
    toggle();
    m_pointerStays = false;
}

void ViewModes::movePointer(pointer::Target target)
{
    if (!m_pointerStays)
        emit pointerWanted(target);
}
