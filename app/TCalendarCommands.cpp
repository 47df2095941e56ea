// The toolbar's commands: the year shown, the views, the year entry, the window's place and the tray.
#include "app/CalendarTexts.h"
#include "app/TCalendar.h"
#include "app/Toolbar.h"
#include "app/TrayIcon.h"
#include "app/YearEntry.h"
#include "app/YearView.h"
#include "dialog/THome.h"
#include "runtime/DateText.h"

void TCalendar::stepGrid(int direction)
{
    if (m_year->step(direction)) {
        if (m_year->grid().compact())
            m_toolbar->showCompactYear(false);
        FormActivate();
    }
    m_year->focusFirstBar();
}

void TCalendar::BitBtn4Click()
{
    m_year->ResetCalendarHints();
    FormActivate();
    if (m_year->grid().compact())
        m_toolbar->showCompactYear(m_year->toggleCompactToday(rt::fromQDateTime(m_services.clock.now())));
    m_year->focusFirstBar();
}

void TCalendar::SmallCal()
{
    m_year->grid().toCompact();
    m_toolbar->showCompactView(true);
    FormActivate();
    m_toolbar->applyCompactLayout(m_year->grid().compactCount());
    m_year->showCompactMonths(rt::fromQDateTime(m_services.clock.now()));
    movePointer(pointer::Target::CompactSize);
    m_year->focusFirstBar();
}

void TCalendar::BitBtn1Click()
{
    const bool toCompact = !m_year->grid().compact();
    m_year->switchView();
    if (toCompact) {
        move(SmallViewLeft, SmallViewTop);
        SmallCal();
    } else {
        m_toolbar->showCompactView(false);
        FormActivate();
        SmallViewTop = y();
        SmallViewLeft = x();
        move(FullViewLeft, FullViewTop);
        m_year->setCompactTitles(false);
        m_toolbar->applyFullLayout();
    }
    m_year->focusFirstBar();
    movePointer(pointer::Target::ViewToggle);
}

void TCalendar::BitBtn7Click()
{
    m_year->ResetCalendarHints();
    if (m_year->nextCompactSize())
        SmallCal();
}

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
    const QPoint at = pos();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, !(windowFlags() & Qt::WindowStaysOnTopHint));
    // Changing the flags hides the window; it comes back where it was.
    move(at);
    if (wasVisible)
        show();
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
