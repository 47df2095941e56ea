// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/SunReport.h"
#include "prefs/Preferences.h"
#include "runtime/BoxGate.h"
#include "runtime/DateValue.h"
#include <QDate>
#include <QList>
#include <QString>

// The sun and moon report of the main window, free of widgets: the times and moon picture for a day, the boxes it
// asks for, and the countdown after which the toolbar shows today's times again.
class DayReport
{
public:
    // Ticks of the main window's timer a clicked day's report stays before today's comes back.
    static constexpr int ReportHoldTicks = 300;
    // The countdown is idle: nothing to bring back.
    static constexpr int CountdownIdle = -1;

    // One box: its messages, a line each. Once shown, an automatic report of the same day and preferences leaves
    // each message unsaid.
    struct Box
    {
        BoxGate::Box kind;
        QList<BoxGate::Message> messages;
    };
    struct Shown
    {
        QString sunrise;
        QString sunset;
        int moonPicture = 0; // 1..28 as seen from the place; 0 keeps the picture shown
        int phaseStep = 0;   // 1..28 of the lunation itself, whatever the hemisphere
        QList<Box> boxes;
    };

    // The report for a day under the preferences, its texts read and written under the format settings. Throws
    // ConvertError for a date the sun times cannot take. dayToldElsewhere: what the day's sky does (sun up or down
    // all day) is already in words before the user, so no box says it.
    Shown report(const Preferences& preferences, TDateTime day, bool startedByUser, const FormatSettings& settings,
                 bool dayToldElsewhere = false);

    // One timer tick: true when today's report is due now; the countdown is then idle until reportDone.
    bool tick();
    void reportDone()
    {
        m_timerReportRunning = false;
        SunRecalcCountdown = CountdownIdle;
    }
    int countdown() const { return SunRecalcCountdown; }
    // Whether ticks still have work: a hold counting down (0 before the first report), or today's report running.
    bool counting() const { return SunRecalcCountdown >= 0 || m_timerReportRunning; }

    // Each reading of the preferences applies their clock at once, off as well as on.
    void readMilitaryTime(bool on) { MilitaryTime = on; }
    bool militaryTime() const { return MilitaryTime; }
    // Whether times read on a 24-hour clock: the preferences' flag, else the locale's own clock.
    bool twentyFourHour(const FormatSettings& settings) const { return MilitaryTime || settings.twentyFourHourClock; }

    // The moon's phase angle at 18:00 of a day at an offset, known from elsewhere (the Day panel computes it from
    // the day's positions): the next report of that evening takes it instead of computing it again.
    void knowEveningPhase(const QDate& day, double offset, double phase)
    {
        m_moonDay = day;
        m_moonOffset = offset;
        m_moonStep = moonPictureFor(phase);
    }

    // The position the last report read; a line that does not convert keeps it.
    double latitude() const { return m_latitudeField; }
    double longitude() const { return m_longitudeField; }

private:
    int SunRecalcCountdown = 0;
    bool MilitaryTime = false;
    bool m_timerReportRunning = false;
    SunState Sun;
    double m_latitudeField = 0;  // north positive
    double m_longitudeField = 0; // west positive
    // The moon's step at the last evening computed, with the day and offset it is for.
    QDate m_moonDay;
    double m_moonOffset = 0;
    int m_moonStep = 0;
};
