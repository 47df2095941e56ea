// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DaySky.h"
#include "astro/YearMarks.h"
#include "calendars/CalendarEvent.h"
#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>

// One line of the Day panel: what it is (also its accessible name) and what it says.
struct PanelLine
{
    QString name;
    QString text;
};

// What the panel tells of a day, free of widgets.
struct DayPanelInput
{
    DaySky sky;
    SkyPlace place; // its clock writes each moment
    bool military = false;
    QLocale locale;
    std::optional<QDate> pendingFirst; // a first click waiting for the second
    std::optional<QDate> spanFrom;     // with spanTo, the last span of two clicks
    std::optional<QDate> spanTo;
    QList<CalendarEvent> events;  // of the user's calendars on the day, all-day ones first; the first few shown
    QStringList calendarProblems; // a line for each calendar file that could not be read
    // The user's marked days on the day.
    struct OwnDayLine
    {
        QString category;
        QString title;
        QString note;
        QDate first; // of the occurrence covering the day
        QDate last;
    };
    QList<OwnDayLine> ownDays;
    // Today, for a day clicked alone: how far it lies from today.
    std::optional<QDate> today;
    // What the next days from today hold, a line per day that holds something: the user's days starting, the
    // calendars' events, the moon's phases and the seasons.
    struct ComingUp
    {
        QDate day;
        QStringList what;
    };
    QList<ComingUp> comingUp;
    // The day's holidays in the region shown, each named; none when holidays are off.
    QStringList holidays;
    // Holidays are shown but the data has none for the day's year.
    bool holidaysNotKnown = false;
};

// The days that "Coming up" looks ahead, today included.
constexpr int ComingUpDays = 14;

// The events a day lists at most; a line counts the others.
constexpr int DayPanelEventsShown = 10;

// The lines in order: the day, its holidays, its numbers, the sun's events in time order, day length, the moon, the
// next phases in time order, the day's own marks, the span, the day's events and the calendar files that could not be
// read.
QList<PanelLine> dayPanelLines(const DayPanelInput& input);
// The whole panel as text, a line each ("Sunrise: 06:12, 29/03/2026").
QString dayPanelText(const QList<PanelLine>& lines);

// The span of two days in words: "14 days from 1 to 15 March 2026" (15 counting both days).
QString spanInWords(const QDate& a, const QDate& b, const QLocale& locale);
// How far a day lies from today: "today", "tomorrow", "in 23 days", "5 days ago".
QString fromTodayInWords(const QDate& day, const QDate& today);
// A range of days written short: "12 March 2027", "12 to 15 March 2027", "30 December 2026 to 2 January 2027".
QString daysInWords(const QDate& first, const QDate& last, const QLocale& locale);
// Whole weeks and days: "2 weeks", "2 weeks and 3 days", "5 days".
QString weeksInWords(int days);
// Day-length change: "+3 min 41 s", "-1 min 2 s", "no change".
QString changeInWords(double minutes);
// The week of the year as the window's span counts weeks: Sunday to Saturday, by the year of its Thursday.
int spanWeekOfYear(const QDate& day);
