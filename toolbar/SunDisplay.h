// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "toolbar/DayReport.h"
#include <QObject>

class BoxGate;
class PrefsStore;
class QLabel;
class QTimer;
class QWidget;
class TMoon;
struct Services;

// The sun and moon of the day shown, on the toolbar: the sunrise and sunset icons and times (Image1, Label3, Image2,
// Label4), the moon picture (Image3) and the hidden moon model it starts from (Moon1), with the day report they
// show and Timer1, which counts a clicked day's report down until today's comes back.
class SunDisplay : public QObject
{
    Q_OBJECT
public:
    // The timer's period while it counts down a report's hold; between reports it rests.
    static constexpr int TimerIntervalMs = 10;

    SunDisplay(Services& services, BoxGate& gate, PrefsStore& preferences, QWidget* panel);

    const DayReport& report() const { return m_report; }
    void readMilitaryTime(bool on) { m_report.readMilitaryTime(on); }
    void knowEveningPhase(const QDate& day, double offset, double phase)
    {
        m_report.knowEveningPhase(day, offset, phase);
    }
    // Hidden in the compact view, where toolbar buttons lie over it.
    void setShown(bool shown);

    // The day's sun and moon, computed and shown, its boxes handed to the gate; a user's day is held a while.
    // dayToldElsewhere: the day's sky is in words elsewhere (the Day panel), so no box repeats it.
    void CalcSun(TDateTime day, bool startedByUser = false, bool dayToldElsewhere = false);
    // Timer1's part of a tick: today's report when a hold has run out.
    void tick();
    // After the tick: the timer rests once nothing is left to count down.
    void restIfIdle();
    // Today became another day: today's report now, unless a day's report still stands (it ends by itself).
    void todayMoved();

signals:
    void timer1Fired();

private:
    TDateTime now() const;
    // Maroon while a report stands, navy again once today's times are back.
    void showColours(bool fresh);
    // The timer has work from a report until today's is back; between reports it rests and wakes nobody.
    void runTimer1WhileCounting();
    // The sun times and the moon picture as a screen reader says them; 0 keeps the phase said.
    void describeReport(int moonPicture);

    Services& m_services;
    BoxGate& m_gate;
    PrefsStore& m_preferences;
    DayReport m_report;
    QTimer* m_timer1 = nullptr;
    bool m_timer1Running = false; // what the timer was last set to: a tick asks the timer only on a change
    QLabel *m_image1 = nullptr, *m_image2 = nullptr, *m_image3 = nullptr;
    QLabel *m_label3 = nullptr, *m_label4 = nullptr;
    TMoon* m_moon1 = nullptr;
};
