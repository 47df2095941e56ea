// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/MonthDrawer.h"
#include "drawing/DayPieces.h"
#include "drawing/Inks.h"
#include "runtime/WeekRules.h"
#include <QPainter>
#include <QPainterPath>

namespace {
// The window's calendar: its title band, and the frame of one pixel the grid keeps at the left.
constexpr qreal WindowWidth = 197;
constexpr qreal WindowTitleHeight = 27;
constexpr qreal WindowWeekWidth = 21;
constexpr qreal ArrowZone = 20;
// The selection's frame around today, when today is the day selected.
constexpr qreal SelectedTodayFrame = 3;
// The edge that marks where a range starts and ends.
constexpr qreal RangeEdge = 3;
// A marked range's bar, for a cell 16 high.
constexpr qreal BarHeight = 2;
constexpr qreal BarEndGap = 2;

QFont fontOf(qreal pixels, bool bold, bool paper)
{
    QFont font;
    font.setPixelSize(qMax(1, qRound(pixels)));
    font.setBold(bold);
    if (paper)
        font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
} // namespace

MonthDrawer::MonthDrawer(const MonthLook& look)
    : m_look(look), m_font(fontOf(look.fontPixels, false, look.forPaper)),
      m_bold(fontOf(look.fontPixels, true, look.forPaper)), m_title(fontOf(look.titleFontPixels, true, look.forPaper))
{
}

MonthLook MonthDrawer::windowLook(bool weekNumbers)
{
    MonthLook look;
    look.title = QRectF(0, 0, WindowWidth, WindowTitleHeight);
    look.grid = QPointF(1, WindowTitleHeight);
    look.weekWidth = weekNumbers ? WindowWeekWidth : 0;
    look.cellWidth = weekNumbers ? (WindowWidth - 1 - WindowWeekWidth) / WeekDays : 28;
    return look;
}

QRectF MonthDrawer::cellRect(int index) const
{
    if (index < 0 || index >= MonthCells)
        return {};
    return QRectF(m_look.grid.x() + m_look.weekWidth + (index % WeekDays) * m_look.cellWidth,
                  m_look.grid.y() + m_look.namesHeight + (index / WeekDays) * m_look.cellHeight, m_look.cellWidth,
                  m_look.cellHeight);
}

QRectF MonthDrawer::weekRect(int row) const
{
    return QRectF(m_look.grid.x(), m_look.grid.y() + m_look.namesHeight + row * m_look.cellHeight, m_look.weekWidth,
                  m_look.cellHeight);
}

QRectF MonthDrawer::namesRect() const
{
    return QRectF(m_look.grid.x() + m_look.weekWidth, m_look.grid.y(), WeekDays * m_look.cellWidth, m_look.namesHeight);
}

QRectF MonthDrawer::gridRect() const
{
    return QRectF(m_look.grid, QSizeF(m_look.weekWidth + WeekDays * m_look.cellWidth,
                                      m_look.namesHeight + MonthRows * m_look.cellHeight));
}

QRectF MonthDrawer::previousArrow() const
{
    if (m_look.title.isEmpty() || !m_look.titleBand)
        return {};
    return QRectF(m_look.title.left(), m_look.title.top(), ArrowZone, m_look.title.height());
}

QRectF MonthDrawer::nextArrow() const
{
    if (m_look.title.isEmpty() || !m_look.titleBand)
        return {};
    return QRectF(m_look.title.right() - ArrowZone, m_look.title.top(), ArrowZone, m_look.title.height());
}

int MonthDrawer::cellAt(const QPointF& point) const
{
    const qreal x = point.x() - m_look.grid.x() - m_look.weekWidth;
    const qreal y = point.y() - m_look.grid.y() - m_look.namesHeight;
    if (x < 0 || y < 0)
        return -1;
    const int column = int(x / m_look.cellWidth);
    const int row = int(y / m_look.cellHeight);
    if (column >= WeekDays || row >= MonthRows)
        return -1;
    return row * WeekDays + column;
}

void MonthDrawer::paint(QPainter& painter, const MonthPicture& picture) const
{
    paintTitle(painter, picture);
    paintGrid(painter, picture, gridRect());
}

void MonthDrawer::paintTitle(QPainter& painter, const MonthPicture& picture) const
{
    if (m_look.title.isEmpty())
        return;
    painter.setFont(m_title);
    if (!m_look.titleBand) {
        painter.setPen(inks::Blue);
        painter.drawText(m_look.title, Qt::AlignLeft | Qt::AlignVCenter, picture.title);
        return;
    }
    painter.fillRect(m_look.title, inks::Blue);
    painter.setPen(inks::Yellow);
    painter.drawText(m_look.title, Qt::AlignCenter, picture.title);
    paintArrow(painter, previousArrow(), false);
    paintArrow(painter, nextArrow(), true);
}

void MonthDrawer::paintArrow(QPainter& painter, const QRectF& zone, bool next) const
{
    const QPointF centre = zone.center();
    const qreal half = zone.width() / 5;
    QPainterPath triangle;
    triangle.moveTo(centre + QPointF(next ? -half / 2 : half / 2, -half));
    triangle.lineTo(centre + QPointF(next ? -half / 2 : half / 2, half));
    triangle.lineTo(centre + QPointF(next ? half : -half, 0));
    triangle.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(triangle, inks::Yellow);
    painter.restore();
}

void MonthDrawer::paintGrid(QPainter& painter, const MonthPicture& picture, const QRectF& exposed) const
{
    const QRectF names = namesRect();
    if (names.intersects(exposed)) {
        const QRectF band(m_look.grid, QSizeF(gridRect().width(), m_look.namesHeight));
        if (m_look.gridGround)
            painter.fillRect(band, inks::White);
        painter.setFont(m_font);
        painter.setPen(inks::Navy);
        for (int column = 0; column < WeekDays; ++column)
            paintCentred(
                painter, false,
                QRectF(names.left() + column * m_look.cellWidth, names.top(), m_look.cellWidth, names.height()),
                picture.dayNames[column]);
    }
    for (int row = 0; row < MonthRows; ++row) {
        // Without the grey days, a row of none of the month's days has no number either.
        bool rowShown = m_look.neighbours;
        for (int column = 0; column < WeekDays && !rowShown; ++column)
            rowShown = picture.days[row * WeekDays + column].inMonth;
        if (m_look.weekWidth > 0 && picture.weekNumbers && rowShown) {
            const QRectF week = weekRect(row);
            if (week.intersects(exposed)) {
                if (m_look.gridGround)
                    painter.fillRect(week, inks::White);
                painter.setFont(m_font);
                painter.setPen(m_look.quietWeekNumbers ? inks::WeekInk : inks::Navy);
                paintCentred(painter, false, week, CentredTexts::number(picture.weekNumberOfRow[row]));
            }
        }
        for (int column = 0; column < WeekDays; ++column) {
            const QRectF cell = cellRect(row * WeekDays + column);
            if (cell.intersects(exposed))
                paintDay(painter, picture.days[row * WeekDays + column], cell);
        }
    }
}

void MonthDrawer::paintCentred(QPainter& painter, bool bold, const QRectF& cell, const QString& text) const
{
    if (m_look.forPaper)
        painter.drawText(cell, Qt::AlignCenter, text);
    else
        (bold ? m_boldTexts : m_plainTexts).draw(painter, cell, text);
}

void MonthDrawer::paintRange(QPainter& painter, const DayContent& day, const QRectF& cell) const
{
    painter.fillRect(cell, inks::RangeTint);
    const qreal edge = RangeEdge * m_look.cellHeight / 16;
    if (day.range == RangePlace::Start || day.range == RangePlace::Single)
        painter.fillRect(QRectF(cell.left(), cell.top(), edge, cell.height()), inks::RangeEnd);
    if (day.range == RangePlace::End || day.range == RangePlace::Single)
        painter.fillRect(QRectF(cell.right() - edge, cell.top(), edge, cell.height()), inks::RangeEnd);
}

void MonthDrawer::paintBars(QPainter& painter, const DayBars& bars, const QRectF& cell) const
{
    // Lanes from the bottom of the cell up, each running from edge to edge of the cell so that a range reads as one
    // bar across its days, with a gap at its two ends.
    const qreal unit = m_look.cellHeight / 16;
    const qreal height = BarHeight * unit;
    for (int lane = 0; lane < DayBarLanes; ++lane) {
        const DayBar& bar = bars[lane];
        if (bar.place == RangePlace::None)
            continue;
        const bool starts = bar.place == RangePlace::Start || bar.place == RangePlace::Single;
        const bool ends = bar.place == RangePlace::End || bar.place == RangePlace::Single;
        const qreal left = cell.left() + (starts ? BarEndGap * unit : 0);
        const qreal right = cell.right() - (ends ? BarEndGap * unit : 0);
        painter.fillRect(QRectF(left, cell.bottom() - (lane + 1) * height, right - left, height),
                         QColor::fromRgb(bar.colour));
    }
}

void MonthDrawer::paintDay(QPainter& painter, const DayContent& day, const QRectF& cell) const
{
    if (!day.supported) {
        painter.fillRect(cell, inks::OutOfRange);
        return;
    }
    if (m_look.gridGround)
        painter.fillRect(cell, day.weekend && m_look.weekendTint ? inks::WeekendTint : inks::White);
    else if (day.weekend && m_look.weekendTint && (day.inMonth || m_look.neighbours))
        painter.fillRect(cell, inks::WeekendTint);
    if (!day.inMonth && !m_look.neighbours)
        return;
    if (day.range != RangePlace::None)
        paintRange(painter, day, cell);
    QColor ink = !day.inMonth ? inks::NeighbourGrey : day.holiday ? inks::HolidayInk : inks::Navy;
    bool bold = false;
    if (day.today && day.selected) {
        // The selection's blue fill would hide today's mark: today keeps its look inside a blue frame.
        const qreal frame = SelectedTodayFrame * m_look.cellHeight / 16;
        painter.fillRect(cell, inks::Blue);
        painter.fillRect(cell.adjusted(frame, frame, -frame, -frame), inks::TodayGround);
        ink = inks::TodayInk;
        bold = true;
    } else if (day.today) {
        painter.fillRect(cell, inks::TodayGround);
        ink = inks::TodayInk;
        bold = true;
    } else if (day.selected) {
        painter.fillRect(cell, inks::Blue);
        ink = inks::Yellow;
    }
    // Over the selection's and today's ground, so a marked day stays marked when chosen.
    if (day.inMonth)
        paintBars(painter, day.bars, cell);
    painter.setFont(bold ? m_bold : m_font);
    painter.setPen(ink);
    paintCentred(painter, bold, cell, CentredTexts::number(day.date.day()));
    // The neighbouring months' days are another calendar's: only the month shown is marked.
    if (day.inMonth)
        paintDayMarks(painter, cell, day.marks);
    if (day.focused) {
        painter.save();
        painter.setPen(QPen(inks::Yellow, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(1, 1, -2, -2));
        painter.restore();
    }
}

void fillMonthDays(MonthPicture& picture, int year, int month, Qt::DayOfWeek firstDay, const QDate& first,
                   const QDate& last)
{
    const QDate start = weeks::gridRowStart(year, month, 0, firstDay);
    for (int index = 0; index < MonthCells; ++index) {
        DayContent& day = picture.days[index];
        day = DayContent();
        day.date = start.addDays(index);
        day.inMonth = day.date.year() == year && day.date.month() == month;
        day.supported = day.date >= first && day.date <= last;
        day.weekend = day.date.dayOfWeek() >= Qt::Saturday;
    }
}
