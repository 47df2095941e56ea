#include "app/CalendarTexts.h"
#include "app/TCalendar.h"
#include "controls/Colours.h"
#include "controls/MoonPictures.h"
#include "controls/TMonthCalendar.h"
#include "runtime/DateText.h"
#include <QLabel>
#include <QTimer>

void TCalendar::CalcJulianDate(const QString& dateText, TDateTime date)
{
    const std::optional<QString> caption =
        ::CalcJulianDate(Julian, dateText, date, FirstActivationDone, now(), rt::formatSettings());
    if (caption) {
        setWindowTitle(*caption);
        m_captionFollowsToday = false;
    }
}

void TCalendar::MonthCalendarClick(int n)
{
    m_gate.run([this, n] {
        ResetAllCalendar(n);
        TMonthCalendar* month = ui.MonthCalendar[n - 1];
        const QString letters = grid::titleMonthLetters(n, ui.TitlePanel[n - 1]->text());
        const TDateTime date = month->Date();
        // A click on a day of the neighbouring months, which the title does not name, brings back today's year.
        if (rt::formatDateTime(QStringLiteral("mmmm"), date, rt::formatSettings()).contains(letters)) {
            CalcJulianDate(rt::formatDateTime(texts::PatternShortDate, date, rt::formatSettings()), rt::dateOf(date));
            month->setHint(julianText(Julian.JulianYear, Julian.JulianDayOfYear));
            reportDay(date, true);
        } else {
            BitBtn4Click();
            month->setHint(QString());
        }
    });
}

void TCalendar::CalcSun(TDateTime day)
{
    reportDay(day, false);
}

void TCalendar::reportDay(TDateTime day, bool startedByUser)
{
    const DayReport::Shown shown = m_report.report(m_preferences.value(), day, startedByUser, rt::formatSettings());
    for (QLabel* label : {ui.Label3, ui.Label4}) {
        const QString& text = label == ui.Label3 ? shown.sunrise : shown.sunset;
        if (label->text() != text)
            label->setText(text);
    }
    showReportColours(true);
    if (shown.moonPicture != 0)
        ui.Image3->setPixmap(moonPicture(shown.moonPicture));
    describeReport(shown.phaseStep);
    for (const DayReport::Box& box : shown.boxes)
        m_gate.say(box.kind, box.messages);
    runTimer1WhileCounting();
}

void TCalendar::showReportColours(bool fresh)
{
    // Maroon while a report stands, navy again once today's times are back.
    for (QLabel* label : {ui.Label3, ui.Label4})
        colours::paint(label, QPalette::WindowText, fresh ? colours::Maroon : colours::Navy);
}

void TCalendar::Timer1Timer()
{
    if (m_report.tick()) {
        m_gate.run([this] { CalcSun(now()); });
        m_report.reportDone();
        showReportColours(false);
    }

    const TDateTime first = ui.MonthCalendar[0]->Date();
    if (first != m_titleSource || ui.TitlePanel[0]->text() != m_titleShown) {
        setTitle(1, first);
        m_titleSource = first;
        m_titleShown = ui.TitlePanel[0]->text();
    }

    checkMidnightRestore();
    if (m_report.counting() != m_timer1Running)
        runTimer1WhileCounting();
}

void TCalendar::runTimer1WhileCounting()
{
    // The timer has work from a report until today's is back; between reports it rests and wakes nobody.
    m_timer1Running = m_report.counting();
    if (!m_timer1Running)
        ui.Timer1->stop();
    else if (!ui.Timer1->isActive())
        ui.Timer1->start();
}

void TCalendar::checkMidnightRestore()
{
    // Only a whole day can equal today at midnight, and the calendars keep the time of day of their creation: the
    // clock (a local-time conversion that also looks at the zone file) is read only when one holds a whole day.
    bool haveMidnight = false;
    TDateTime midnight = 0;
    for (TMonthCalendar* month : ui.MonthCalendar) {
        const TDateTime date = month->Date();
        // A whole day, told by a round trip through an integer (the dates lie within a few million days).
        if (date != double(qint64(date)))
            continue;
        if (!haveMidnight) {
            midnight = today();
            haveMidnight = true;
        }
        if (date == midnight) {
            m_gate.run([this] { restoreAtMidnight(); });
            break;
        }
    }
}

void TCalendar::restoreAtMidnight()
{
    ResetCalendarHints();
    fillFrom(m_grid.midnightCalendar1(now()));
}
