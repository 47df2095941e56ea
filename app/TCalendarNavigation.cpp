#include "app/CalendarTexts.h"
#include "app/TCalendar.h"
#include "controls/TJPanelTexture.h"
#include "controls/TMonthCalendar.h"
#include "controls/TumNumberEdit.h"
#include "dialog/THome.h"
#include "runtime/DateText.h"
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <utility>

namespace {
// The years the year-entry panel accepts.
constexpr int FirstEnteredYear = 1700;
constexpr int LastEnteredYear = 3000;
// The year-out-of-range warning's OK button lies this far below the desktop's middle.
constexpr int YearWarningOkBelowCentre = 37;
} // namespace

void TCalendar::BitBtn2Click()
{
    stepGrid(-1);
}

void TCalendar::BitBtn3Click()
{
    stepGrid(+1);
}

void TCalendar::stepGrid(int direction)
{
    ResetCalendarHints();
    const std::optional<TDateTime> calendar1 = m_grid.step(
        ui.MonthCalendar[0]->Date(), direction, TMonthCalendar::MinDate.year(), TMonthCalendar::MaxDate.year());
    if (calendar1) {
        ui.MonthCalendar[0]->setDate(*calendar1);
        if (m_grid.compact())
            setYearButton(texts::PatternMonthYear);
        FormActivate();
    }
    ui.Panel1->setFocus();
}

void TCalendar::BitBtn4Click()
{
    ResetCalendarHints();
    FormActivate();
    if (m_grid.compact()) {
        if (m_grid.toggleYearButton()) {
            showCompact(grid::YearGrid::movedToToday(compactShown(), now()));
            setYearButton(texts::PatternYear, true);
        } else {
            setYearButton(texts::PatternMonthYear);
        }
    }
    ui.Panel1->setFocus();
}

void TCalendar::applyFullLayout()
{
    using L = grid::FullLayout;
    setOuterSize(L::WindowWidth, L::WindowHeight);
    ui.Panel28->setGeometry(ui.Panel28->x(), L::Panel28Top, L::Panel28Width, ui.Panel28->height());
    ui.JPanelTexture1->resize(L::TexturePanelWidth, ui.JPanelTexture1->height());
    const std::pair<QToolButton*, int> lefts[] = {
        {ui.SpeedButton11, 236}, {ui.SpeedButton10, 265}, {ui.SpeedButton9, 344}, {ui.SpeedButton8, 378},
        {ui.SpeedButton6, 412},  {ui.SpeedButton3, 446},  {ui.SpeedButton5, 639}, {ui.SpeedButton1, 701},
        {ui.SpeedButton2, 732},  {ui.SpeedButton4, 670}};
    for (const auto& [button, left] : lefts)
        button->move(left, button->y());
}

void TCalendar::applyCompactLayout()
{
    const grid::CompactLayout& layout = grid::compactLayout(m_grid.compactCount());
    setOuterSize(layout.windowWidth, layout.windowHeight);
    ui.Panel28->setGeometry(ui.Panel28->x(), layout.panel28Top, layout.panel28Width, ui.Panel28->height());
    ui.JPanelTexture1->resize(layout.texturePanelWidth, ui.JPanelTexture1->height());
    const std::pair<QToolButton*, int> lefts[] = {
        {ui.SpeedButton11, layout.speedButton11}, {ui.SpeedButton10, layout.speedButton10},
        {ui.SpeedButton9, layout.speedButton9},   {ui.SpeedButton8, layout.speedButton8},
        {ui.SpeedButton7, layout.speedButton7},   {ui.SpeedButton6, layout.speedButton6},
        {ui.SpeedButton5, layout.speedButton5},   {ui.SpeedButton3, layout.speedButton3},
        {ui.SpeedButton2, layout.speedButton2},   {ui.SpeedButton1, layout.speedButton1}};
    for (const auto& [button, left] : lefts)
        if (left >= 0)
            button->move(left, button->y());
    ui.Tray1->setVisible(layout.trayItemShown);
}

void TCalendar::SmallCal()
{
    m_grid.toCompact();
    setYearButton(texts::PatternYear, true);
    ui.SpeedButton6->hide();
    ui.SpeedButton7->show();
    FormActivate();
    applyCompactLayout();
    showCompact(m_grid.compactMonths(compactShown(), now()));
    movePointer(pointer::Target::CompactSize);
    ui.Panel1->setFocus();
}

void TCalendar::BitBtn1Click()
{
    ResetCalendarHints();
    if (m_grid.weekNumbersOff())
        setWeekNumbers(false);
    // The sun and moon displays leave the compact view: in every compact size a toolbar button lies over them.
    const QList<QWidget*> sunDisplay = {ui.Image1, ui.Image2, ui.Label3, ui.Label4, ui.Image3};
    if (!m_grid.compact()) {
        for (int n = 4; n <= grid::Calendars; ++n)
            ui.MonthCalendar[n - 1]->setEnabled(false);
        for (int n = 5; n <= 7; ++n)
            ui.TitlePanel[n - 1]->hide();
        move(SmallViewLeft, SmallViewTop);
        for (QWidget* display : sunDisplay)
            display->hide();
        SmallCal();
    } else {
        for (TMonthCalendar* month : ui.MonthCalendar)
            month->setEnabled(true);
        m_grid.toFull(compactShown());
        setYearButton(texts::PatternYear);
        for (QWidget* display : sunDisplay)
            display->show();
        ui.SpeedButton6->show();
        ui.SpeedButton7->hide();
        FormActivate();
        SmallViewTop = y();
        SmallViewLeft = x();
        move(FullViewLeft, FullViewTop);
        for (int n = 5; n <= 7; ++n)
            ui.TitlePanel[n - 1]->show();
        applyFullLayout();
    }
    ui.Panel1->setFocus();
    movePointer(pointer::Target::ViewToggle);
}

void TCalendar::BitBtn7Click()
{
    ResetCalendarHints();
    if (m_grid.nextCompactSize(compactShown()))
        SmallCal();
}

void TCalendar::BitBtn6Click()
{
    ResetCalendarHints();
    ui.Panel25->show();
    ui.Panel25->raise();
    movePointer(pointer::Target::YearEntryOk);
    ui.umNumberEdit1->setFocus();
    // The year kept from the last use stays visible, and typing replaces it.
    ui.umNumberEdit1->selectAll();
}

void TCalendar::SpeedButton54Click()
{
    ResetCalendarHints();
    const QString text = ui.umNumberEdit1->text();
    if (text.isEmpty() || text == QLatin1String("0")) {
        ui.Panel25->hide();
        movePointer(pointer::Target::YearEntryButton);
        return;
    }
    const int year = ui.umNumberEdit1->Value();
    if (year < FirstEnteredYear || year > LastEnteredYear) {
        m_gate.warnAtOk(texts::YearOutOfRange, YearWarningOkBelowCentre, false);
        return;
    }
    ui.MonthCalendar[0]->setDate(rt::encodeDate(year, 1, 1));
    m_grid.keepCalendar1();
    FormActivate();
    ui.Panel25->hide();
    movePointer(pointer::Target::YearEntryButton);
}

void TCalendar::umNumberEdit1KeyDown(int& key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        key = 0;
        SpeedButton54Click();
    }
}

void TCalendar::umNumberEdit1Click()
{
    ui.umNumberEdit1->selectAll();
}

void TCalendar::SpeedButton3Click()
{
    close();
}

void TCalendar::SpeedButton4Click()
{
    ResetCalendarHints();
    if (m_home)
        m_gate.execDialog(m_home);
}
