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
            m_toolbar->setYearButton(texts::PatternMonthYear);
        FormActivate();
    }
    m_year->focusFirstBar();
}

void TCalendar::BitBtn4Click()
{
    m_year->ResetCalendarHints();
    FormActivate();
    grid::YearGrid& grid = m_year->grid();
    if (grid.compact()) {
        if (grid.toggleYearButton()) {
            m_year->showCompact(
                grid::YearGrid::movedToToday(m_year->compactShown(), rt::fromQDateTime(m_services.clock.now())));
            m_toolbar->setYearButton(texts::PatternYear, true);
        } else {
            m_toolbar->setYearButton(texts::PatternMonthYear);
        }
    }
    m_year->focusFirstBar();
}

void TCalendar::SmallCal()
{
    grid::YearGrid& grid = m_year->grid();
    grid.toCompact();
    m_toolbar->setYearButton(texts::PatternYear, true);
    m_toolbar->showCompactView(true);
    FormActivate();
    m_toolbar->applyCompactLayout(grid.compactCount());
    m_year->showCompact(grid.compactMonths(m_year->compactShown(), rt::fromQDateTime(m_services.clock.now())));
    m_services.pointer.moveTo(pointerTarget(pointer::Target::CompactSize));
    m_year->focusFirstBar();
}

void TCalendar::BitBtn1Click()
{
    m_year->ResetCalendarHints();
    grid::YearGrid& grid = m_year->grid();
    if (grid.weekNumbersOff())
        m_year->setWeekNumbers(false);
    if (!grid.compact()) {
        m_year->setCompactCalendars(true);
        m_year->setCompactTitles(true);
        move(SmallViewLeft, SmallViewTop);
        SmallCal();
    } else {
        m_year->setCompactCalendars(false);
        grid.toFull(m_year->compactShown());
        m_toolbar->setYearButton(texts::PatternYear);
        m_toolbar->showCompactView(false);
        FormActivate();
        SmallViewTop = y();
        SmallViewLeft = x();
        move(FullViewLeft, FullViewTop);
        m_year->setCompactTitles(false);
        m_toolbar->applyFullLayout();
    }
    m_year->focusFirstBar();
    m_services.pointer.moveTo(pointerTarget(pointer::Target::ViewToggle));
}

void TCalendar::BitBtn7Click()
{
    m_year->ResetCalendarHints();
    if (m_year->grid().nextCompactSize(m_year->compactShown()))
        SmallCal();
}

void TCalendar::BitBtn6Click()
{
    m_year->ResetCalendarHints();
    if (!m_yearEntry) {
        m_yearEntry = new YearEntry(m_gate, this, m_toolbar->lastInTabOrder());
        connect(m_yearEntry, &YearEntry::confirming, m_year, &YearView::ResetCalendarHints);
        connect(m_yearEntry, &YearEntry::yearEntered, this, [this](int year) {
            m_year->setCalendar1(rt::encodeDate(year, 1, 1));
            m_year->grid().keepCalendar1();
            FormActivate();
        });
        connect(m_yearEntry, &YearEntry::closed, this,
                [this] { m_services.pointer.moveTo(pointerTarget(pointer::Target::YearEntryButton)); });
        connect(m_yearEntry, &YearEntry::escaped, this, [this] {
            if (!m_toolbar->focusYearEntryButton())
                m_year->focusFirstBar();
        });
    }
    m_yearEntry->open();
    m_services.pointer.moveTo(pointerTarget(pointer::Target::YearEntryOk));
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
