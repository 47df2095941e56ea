#pragma once
#include "runtime/DateValue.h"
#include <QList>
#include <QString>

// The rules of the year grid, free of widgets: every calendar's date derives from the first one.
namespace grid {

struct Placement
{
    TDateTime calendar1 = 0;
    QString yearStartText;
};

// Where the first calendar goes for a GridYearSource: 1 keeps it (and the year start text), 2 takes January of
// its own year, anything else January of today's year. The time of day is dropped; the control keeps its own.
Placement placeGridYear(int source, TDateTime calendar1, const QString& yearStartText, TDateTime now);

// The date of calendar k (1..12) for a first calendar on calendar1.
TDateTime calendarDate(TDateTime calendar1, int k);

// "k mmmm yyyy": the number is the calendar's place, which the day clicks read the month letters after.
QString titleText(int k, TDateTime date);

// The three month letters a title shows: characters 3-5, or 4-6 for calendars 10-12.
QString titleMonthLetters(int k, const QString& title);

// The compact view's sizes and lefts for 1, 2 or 3 months; -1 leaves a left unchanged.
struct CompactLayout
{
    int windowHeight, windowWidth, panel28Width, panel28Top, texturePanelWidth;
    int speedButton11, speedButton10, speedButton9, speedButton8, speedButton7, speedButton6, speedButton5,
        speedButton3, speedButton2, speedButton1;
    bool trayItemShown;
};
const CompactLayout& compactLayout(int months);

} // namespace grid
