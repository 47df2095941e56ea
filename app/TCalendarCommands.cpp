// The toolbar's commands beside the views: the year entry, the dialog, the window's place and the tray.
#include "app/TCalendar.h"
#include "app/Toolbar.h"
#include "app/TrayIcon.h"
#include "app/WindowFrame.h"
#include "app/YearEntry.h"
#include "app/YearView.h"
#include "dialog/THome.h"

void TCalendar::BitBtn6Click()
{
    m_year->ResetCalendarHints();
    if (!m_yearEntry) {
        m_yearEntry = new YearEntry(m_gate, this, m_toolbar->lastInTabOrder());
        connect(m_yearEntry, &YearEntry::confirming, m_year, &YearView::ResetCalendarHints);
        connect(m_yearEntry, &YearEntry::yearEntered, m_year, &YearView::showYear);
        connect(m_yearEntry, &YearEntry::yearEntered, this, &TCalendar::FormActivate);
        connect(m_yearEntry, &YearEntry::closed, this, [this] { movePointer(pointer::Target::YearEntryButton); });
        connect(m_yearEntry, &YearEntry::escaped, this, [this] {
            if (!m_toolbar->focusYearEntryButton())
                m_year->focusFirstBar();
        });
    }
    m_yearEntry->open();
    movePointer(pointer::Target::YearEntryOk);
}

void TCalendar::SpeedButton4Click()
{
    m_year->ResetCalendarHints();
    if (m_home)
        m_gate.execDialog(m_home);
}

void TCalendar::SpeedButton1Click()
{
    m_year->ResetCalendarHints();
    frame::toggleStaysOnTop(*this);
    m_year->focusFirstBar();
}

void TCalendar::SpeedButton2Click()
{
    m_year->ResetCalendarHints();
    m_tray->Tray1Click();
}

void TCalendar::bringToFront()
{
    m_gate.run([this] { m_tray->RxTrayIcon1Click(); });
}
