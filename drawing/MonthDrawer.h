// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "drawing/CentredTexts.h"
#include "drawing/DayContent.h"
#include <QFont>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;

constexpr int MonthRows = 6;
constexpr int WeekDays = 7;
constexpr int MonthCells = MonthRows * WeekDays;

// What one month shows: its title, the names over the columns, the week numbers beside the rows and the 42 days of
// its six weeks, the first of them from the month before.
struct MonthPicture
{
    QString title;
    std::array<QString, WeekDays> dayNames;
    bool weekNumbers = false;
    std::array<int, MonthRows> weekNumberOfRow{};
    std::array<DayContent, MonthCells> days;
};

// Where the parts of a month stand in the painter's coordinates, and how they look there.
struct MonthLook
{
    QRectF title;          // empty: no title
    bool titleBand = true; // yellow text centred on a blue band with the two arrows; else blue text, left
    QPointF grid;          // the top left of the row of day names (and of the week column)
    qreal namesHeight = 16;
    qreal cellWidth = 28;
    qreal cellHeight = 16;
    qreal weekWidth = 0; // the week column; 0 without week numbers
    qreal fontPixels = 11;
    qreal titleFontPixels = 11;
    bool neighbours = true; // the grey days of the months around drawn; else left blank
    bool weekendTint = false;
    bool quietWeekNumbers = false; // week numbers grey rather than in the day's ink
    bool gridGround = true;        // the names and days on white
    bool forPaper = false;         // outlines unhinted, as they scale with the page
};

// Draws a month as the window's calendars and the printed page show it. Fonts are made once per drawer.
class MonthDrawer
{
public:
    explicit MonthDrawer(const MonthLook& look);
    // The window's calendar of 197 by 153 pixels: a title band of 27, a row of names and six weeks of 16.
    static MonthLook windowLook(bool weekNumbers);

    const MonthLook& look() const { return m_look; }
    QRectF cellRect(int index) const;
    QRectF weekRect(int row) const;
    QRectF namesRect() const;
    // The names, the week column and the days.
    QRectF gridRect() const;
    QRectF previousArrow() const;
    QRectF nextArrow() const;
    // The cell (0 to 41) under a point, or -1.
    int cellAt(const QPointF& point) const;

    void paint(QPainter& painter, const MonthPicture& picture) const;
    void paintTitle(QPainter& painter, const MonthPicture& picture) const;
    // The names, week numbers and days that meet the exposed rectangle.
    void paintGrid(QPainter& painter, const MonthPicture& picture, const QRectF& exposed) const;
    void paintDay(QPainter& painter, const DayContent& day, const QRectF& cell) const;

private:
    void paintArrow(QPainter& painter, const QRectF& zone, bool next) const;
    void paintRange(QPainter& painter, const DayContent& day, const QRectF& cell) const;
    void paintBars(QPainter& painter, const DayBars& bars, const QRectF& cell) const;
    // A number or name centred in its cell, in the font last set (plain or bold).
    void paintCentred(QPainter& painter, bool bold, const QRectF& cell, const QString& text) const;

    MonthLook m_look;
    QFont m_font;
    QFont m_bold;
    QFont m_title;
    // The window repaints the same numbers and names again and again; the page draws each once.
    mutable CentredTexts m_plainTexts;
    mutable CentredTexts m_boldTexts;
};

// The 42 days of a month's grid, weeks starting on firstDay; a day outside [first, last] is marked unsupported.
void fillMonthDays(MonthPicture& picture, int year, int month, Qt::DayOfWeek firstDay, const QDate& first,
                   const QDate& last);
