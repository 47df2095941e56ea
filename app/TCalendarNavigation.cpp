#include "app/CalendarTexts.h"
#include "app/TCalendar.h"
#include "controls/TJPanelTexture.h"
#include "controls/TMonthCalendar.h"
#include "controls/TumNumberEdit.h"
#include "dialog/THome.h"
#include "runtime/DateText.h"
#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace {
// Previous and next have no bound of their own; where the twelve calendars would leave the range the calendars
// hold, they simply do nothing.
bool gridFits(TDateTime first, int months)
{
    const qint64 index = qint64(rt::yearOf(first)) * 12 + rt::monthOf(first) - 1 + months;
    return index >= qint64(TMonthCalendar::MinDate.year()) * 12 &&
           index + 11 <= qint64(TMonthCalendar::MaxDate.year()) * 12 + 11;
}
} // namespace

void TCalendar::BitBtn2Click()
{
    stepGrid(-1);
}

void TCalendar::BitBtn3Click()
{
    stepGrid(+1);
}

void TCalendar::stepGrid(int d)
{
    ResetCalendarHints(0);
    const int months = SmallView == 0 ? 12 * d : d;
    if (gridFits(MonthCalendar[0]->Date(), months)) {
        if (SmallView == 0) {
            const TDateTime date = MonthCalendar[0]->Date();
            MonthCalendar[0]->setDate(rt::encodeDate(rt::yearOf(date), 1, 1));
            MonthCalendar[0]->setDate(rt::incMonth(MonthCalendar[0]->Date(), months));
        } else {
            MonthCalendar[0]->setDate(rt::incMonth(MonthCalendar[0]->Date(), months));
            SpeedButton10->setText(rt::formatDateTime(texts::PatternMonthYear, now()));
            YearButtonShowsJan = 0;
        }
        GridYearSource = 1;
        FormActivate();
    }
    Panel1->setFocus();
}

void TCalendar::BitBtn1Click()
{
    ResetCalendarHints(0);
    if (WeekNumbersShown == 1) {
        for (TMonthCalendar* month : MonthCalendar)
            month->setWeekNumbers(false);
        WeekNumbersShown = 0;
    }
    if (SmallView == 0) {
        SmallView = 1;
        for (int n = 4; n <= 12; ++n)
            MonthCalendar[n - 1]->setEnabled(false);
        for (int n = 5; n <= 7; ++n)
            TitlePanel[n - 1]->hide();
        move(SmallViewLeft, SmallViewTop);
        // The moon picture goes too: in every compact size a toolbar button lies over its place.
        for (QWidget* display :
             {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Image2), static_cast<QWidget*>(Label3),
              static_cast<QWidget*>(Label4), static_cast<QWidget*>(Image3)})
            display->hide();
        SmallCal();
        movePointer(pointer::Target::ViewToggle);
        Panel1->setFocus();
    } else {
        for (TMonthCalendar* month : MonthCalendar)
            month->setEnabled(true);
        for (int k = 1; k <= 3; ++k)
            SmallCalDates[k - 1] = MonthCalendar[k - 1]->Date();
        SmallView = 0;
        GridYearSource = 2;
        SpeedButton10->setText(rt::formatDateTime(texts::PatternYear, now()));
        for (QWidget* display :
             {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Image2), static_cast<QWidget*>(Label3),
              static_cast<QWidget*>(Label4), static_cast<QWidget*>(Image3), static_cast<QWidget*>(SpeedButton6)})
            display->show();
        SpeedButton7->hide();
        FormActivate();
        SmallViewTop = y();
        SmallViewLeft = x();
        move(FullViewLeft, FullViewTop);
        for (int n = 5; n <= 7; ++n)
            TitlePanel[n - 1]->show();
        setOuterSize(800, 485);
        Panel28->setGeometry(Panel28->x(), 428, 795, Panel28->height());
        JPanelTexture1->resize(794, JPanelTexture1->height());
        applyFullLayout();
        Panel1->setFocus();
        movePointer(pointer::Target::ViewToggle);
    }
}

void TCalendar::BitBtn7Click()
{
    ResetCalendarHints(0);
    if (SmallCalCount < 1 || SmallCalCount > 3)
        return;
    SmallCalCount = SmallCalCount % 3 + 1;
    for (int k = 1; k <= 3; ++k)
        SmallCalDates[k - 1] = MonthCalendar[k - 1]->Date();
    SmallCal();
}

void TCalendar::BitBtn6Click()
{
    ResetCalendarHints(0);
    Panel25->show();
    Panel25->raise();
    movePointer(pointer::Target::YearEntryOk);
    umNumberEdit1->setFocus();
}

void TCalendar::SpeedButton54Click()
{
    ResetCalendarHints(0);
    const QString text = umNumberEdit1->text();
    if (text.isEmpty() || text == QLatin1String("0")) {
        Panel25->hide();
        movePointer(pointer::Target::YearEntryButton);
        return;
    }
    const int year = umNumberEdit1->Value();
    if (year < 1700 || year > 3000) {
        movePointer(pointer::Target::WarningBoxOk);
        if (!m_services.prompter.isOpen())
            m_services.prompter.warning(texts::YearOutOfRange);
        return;
    }
    MonthCalendar[0]->setDate(rt::encodeDate(year, 1, 1));
    GridYearSource = 1;
    FormActivate();
    Panel25->hide();
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
    umNumberEdit1->selectAll();
}

void TCalendar::SpeedButton3Click()
{
    close();
}

void TCalendar::SpeedButton4Click()
{
    ResetCalendarHints(0);
    if (Home && !m_services.prompter.isOpen())
        m_services.prompter.execDialog(Home);
}
