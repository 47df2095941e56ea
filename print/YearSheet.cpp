// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/YearSheet.h"
#include "drawing/DayBarsOf.h"
#include "drawing/DayPieces.h"
#include "drawing/Inks.h"
#include "drawing/MonthDrawer.h"
#include "print/SheetLook.h"
#include "print/SheetTexts.h"
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <cmath>
#include <utility>

using namespace sheetlook;

namespace {
constexpr double FooterHeight = 70;
constexpr double ColumnGap = 60;
constexpr double RowGap = 40;
constexpr int SheetColumns = 4;
constexpr int SheetRows = 3;
// A month's box in rows of day cells: the title takes one and a third, the day names one, then six weeks.
constexpr double TitleRows = 1.35;
constexpr double BoxRows = TitleRows + 1 + MonthRows;
// The week-number column is narrower than a day's.
constexpr double WeekColumn = 0.8;
constexpr double BoxColumns = WeekColumn + 7;

int daysFromFirst(Qt::DayOfWeek from, Qt::DayOfWeek to)
{
    return (int(to) - int(from) + 7) % 7;
}

} // namespace

struct YearSheet::Layout
{
    QTransform toTarget; // page units to the painter's coordinates
    double height = 0;   // of the page, in page units
    QRectF grid;         // the twelve months
    double boxWidth = 0;
    double boxHeight = 0;
};

YearSheet::YearSheet(SheetContent content)
    : m_content(std::move(content)),
      m_bars(laidBars(m_content.ranges, QDate(m_content.year, 1, 1), QDate(m_content.year, 12, 31)))
{
}

YearSheet::Layout YearSheet::layoutFor(const QRectF& target) const
{
    Layout layout;
    layout.height = heightOf(target.size());
    layout.toTarget = toTarget(target);
    layout.grid = QRectF(Margin, Margin + HeaderHeight, PageWidth - 2 * Margin,
                         layout.height - 2 * Margin - HeaderHeight - FooterHeight);
    layout.boxWidth = (layout.grid.width() - (SheetColumns - 1) * ColumnGap) / SheetColumns;
    layout.boxHeight = (layout.grid.height() - (SheetRows - 1) * RowGap) / SheetRows;
    return layout;
}

QRectF YearSheet::monthRect(const Layout& layout, int month) const
{
    const int column = (month - 1) % SheetColumns;
    const int row = (month - 1) / SheetColumns;
    return QRectF(layout.grid.left() + column * (layout.boxWidth + ColumnGap),
                  layout.grid.top() + row * (layout.boxHeight + RowGap), layout.boxWidth, layout.boxHeight);
}

int YearSheet::columnOf(const QDate& date) const
{
    return daysFromFirst(m_content.firstDay, Qt::DayOfWeek(date.dayOfWeek()));
}

QRectF YearSheet::dayRect(const QDate& date, const QRectF& target) const
{
    if (!date.isValid() || date.year() != m_content.year)
        return {};
    const Layout layout = layoutFor(target);
    const QRectF box = monthRect(layout, date.month());
    const double cellWidth = box.width() / BoxColumns;
    const double cellHeight = box.height() / BoxRows;
    const int offset = columnOf(QDate(date.year(), date.month(), 1));
    const int index = offset + date.day() - 1;
    const QRectF cell(box.left() + (WeekColumn + index % 7) * cellWidth,
                      box.top() + (TitleRows + 1 + index / 7) * cellHeight, cellWidth, cellHeight);
    return layout.toTarget.mapRect(cell);
}

void YearSheet::paint(QPainter& painter, const QRectF& target) const
{
    const Layout layout = layoutFor(target);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setWorldTransform(layout.toTarget, true);
    paintHeader(painter, m_content.year, m_content.place);
    DayMarkSet drawn;
    bool holidays = false;
    for (int month = 1; month <= 12; ++month)
        drawn = drawn.with(paintMonth(painter, layout, month, holidays));
    paintLegend(painter, layout, drawn, holidays);
    painter.restore();
}

DayMarkSet YearSheet::paintMonth(QPainter& painter, const Layout& layout, int month, bool& holidays) const
{
    DayMarkSet drawn;
    const QRectF box = monthRect(layout, month);
    const double cellWidth = box.width() / BoxColumns;
    const double cellHeight = box.height() / BoxRows;
    const QLocale& locale = m_content.locale;

    // The window's drawer, laid out on the page: the title at the left over the days, no arrows, no grey days.
    MonthLook look;
    look.title = QRectF(box.left() + WeekColumn * cellWidth, box.top(), 7 * cellWidth, TitleRows * cellHeight);
    look.titleBand = false;
    look.titleFontPixels = cellHeight * 0.62;
    look.grid = QPointF(box.left(), box.top() + TitleRows * cellHeight);
    look.namesHeight = cellHeight;
    look.cellWidth = cellWidth;
    look.cellHeight = cellHeight;
    look.weekWidth = WeekColumn * cellWidth;
    look.fontPixels = cellHeight * 0.45;
    look.neighbours = false;
    look.weekendTint = true;
    look.quietWeekNumbers = true;
    look.gridGround = false;
    look.forPaper = true;
    const MonthDrawer drawer(look);

    MonthPicture picture;
    picture.title = locale.standaloneMonthName(month, QLocale::LongFormat);
    for (int column = 0; column < 7; ++column)
        picture.dayNames[column] =
            locale.standaloneDayName((int(m_content.firstDay) - 1 + column) % 7 + 1, QLocale::ShortFormat);
    const QList<Qt::DayOfWeek> workdays = locale.weekdays();
    // The page's weeks start at the week of the 1st: no week of the month before stands above it.
    const QDate first(m_content.year, month, 1);
    const QDate start = first.addDays(-columnOf(first));
    picture.weekNumbers = true;
    for (int row = 0; row < MonthRows; ++row)
        picture.weekNumberOfRow[row] =
            weeks::rowNumber(start.addDays(7 * row), m_content.numbering, m_content.firstDay);
    for (int index = 0; index < MonthCells; ++index) {
        DayContent& day = picture.days[index];
        day.date = start.addDays(index);
        day.inMonth = day.date.month() == month;
        day.weekend = !workdays.contains(Qt::DayOfWeek(day.date.dayOfWeek()));
        if (day.inMonth && m_content.marks) {
            const SheetDayMarks marks = m_content.marks(day.date);
            // A day has one moon at most; the new moon wins as the page always drew it.
            day.marks.set(DayMark::NewMoon, marks.newMoon);
            day.marks.set(DayMark::FullMoon, marks.fullMoon && !marks.newMoon);
            day.marks.set(DayMark::Season, marks.season);
            day.marks.set(DayMark::Event, marks.event || !marks.eventTitles.isEmpty());
            day.marks.set(DayMark::SolarEclipse, marks.solarEclipse);
            day.marks.set(DayMark::LunarEclipse, marks.lunarEclipse);
            drawn = drawn.with(day.marks);
        }
        if (day.inMonth)
            day.bars = m_bars.value(day.date);
        if (day.inMonth && m_content.holiday && m_content.holiday(day.date))
            holidays = day.holiday = true;
    }
    drawer.paint(painter, picture);
    const double namesBottom = look.grid.y() + cellHeight;
    painter.setPen(QPen(RuleInk, 2));
    painter.drawLine(QPointF(box.left() + WeekColumn * cellWidth, namesBottom), QPointF(box.right(), namesBottom));
    return drawn;
}

void YearSheet::paintLegend(QPainter& painter, const Layout& layout, DayMarkSet drawn, bool holidays) const
{
    const double top = layout.height - Margin - FooterHeight + 25;
    const double height = FooterHeight - 25;
    const double radius = height * 0.22;
    const QPointF middle(0, top + height / 2);
    painter.setFont(fontOf(height * 0.6));
    double x = Margin;
    const auto item = [&](const QString& text, auto glyph) {
        glyph(QPointF(x + radius, middle.y()));
        x += radius * 3;
        const double width = painter.fontMetrics().horizontalAdvance(text);
        painter.setPen(Ink);
        painter.drawText(QRectF(x, top, width + 10, height), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += width + radius * 6;
    };
    // The legend's marks at the size of a cell whose moon has this radius.
    const double cell = radius * 16 / 2.75;
    item(SheetTexts::NewMoon(), [&](QPointF c) { paintDayMark(painter, DayMark::NewMoon, c, cell); });
    item(SheetTexts::FullMoon(), [&](QPointF c) { paintDayMark(painter, DayMark::FullMoon, c, cell); });
    item(SheetTexts::Season(), [&](QPointF c) { paintDayMark(painter, DayMark::Season, c, cell); });
    item(SheetTexts::Event(), [&](QPointF c) { paintDayMark(painter, DayMark::Event, c, cell); });
    // Eclipses are named only on a page that shows one.
    if (drawn.has(DayMark::SolarEclipse))
        item(SheetTexts::SolarEclipse(), [&](QPointF c) { paintDayMark(painter, DayMark::SolarEclipse, c, cell); });
    if (drawn.has(DayMark::LunarEclipse))
        item(SheetTexts::LunarEclipse(), [&](QPointF c) { paintDayMark(painter, DayMark::LunarEclipse, c, cell); });
    // Named only on a page that shows one: a number in the holiday ink, as the days show it.
    if (holidays)
        item(SheetTexts::Holidays(), [&](QPointF c) {
            painter.setPen(inks::HolidayInk);
            painter.drawText(QRectF(c.x() - radius * 2, top, radius * 4, height), Qt::AlignCenter,
                             m_content.locale.toString(1));
        });
    const QString rule =
        m_content.numbering == weeks::Numbering::Iso ? SheetTexts::WeeksIso() : SheetTexts::WeeksFirstJanuary();
    // The categories of the marked days, on a page that shows some: each name shortened alike when they all would
    // run into the week rule.
    const QList<SheetCategory>& categories = m_content.categories;
    if (!m_content.ranges.isEmpty() && !categories.isEmpty()) {
        const QFontMetricsF metrics(painter.font(), painter.device());
        const double room = PageWidth - Margin - metrics.horizontalAdvance(rule) - radius * 6 - x;
        double names = 0;
        for (const SheetCategory& category : categories)
            names += metrics.horizontalAdvance(category.name);
        const double spacing = categories.size() * radius * 9;
        const double widest = names + spacing <= room ? names : (room - spacing) / categories.size();
        for (const SheetCategory& category : categories) {
            const QString name = metrics.elidedText(category.name, Qt::ElideRight, qMax(0.0, widest));
            item(name, [&](QPointF c) {
                painter.fillRect(QRectF(c.x() - radius, c.y() - radius * 0.6, 2 * radius, 1.2 * radius),
                                 QColor::fromRgb(category.colour));
            });
        }
    }
    painter.setPen(inks::WeekInk);
    painter.drawText(QRectF(Margin, top, PageWidth - 2 * Margin, height), Qt::AlignRight | Qt::AlignVCenter, rule);
}
