#include "print/YearSheet.h"
#include "print/SheetTexts.h"
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <utility>

// The page is laid out in its own units, 2800 across whatever the target's size: about a tenth of a millimetre on
// A4 and Letter. Fonts are sized in these units (pixel sizes), so text scales with the page and stays text.
namespace {
constexpr double PageWidth = 2800;
constexpr double Margin = 90;
constexpr double HeaderHeight = 150;
constexpr double FooterHeight = 70;
constexpr double ColumnGap = 60;
constexpr double RowGap = 40;
constexpr int MonthColumns = 4;
constexpr int MonthRows = 3;
constexpr int WeekRows = 6;
// A month's box in rows of day cells: the title takes one and a third, the day names one, then six weeks.
constexpr double TitleRows = 1.35;
constexpr double BoxRows = TitleRows + 1 + WeekRows;
// The week-number column is narrower than a day's.
constexpr double WeekColumn = 0.8;
constexpr double BoxColumns = WeekColumn + 7;

const QColor Ink(0x20, 0x20, 0x20);
const QColor TitleInk(0x1f, 0x3a, 0x60);
const QColor WeekInk(0x80, 0x80, 0x80);
const QColor WeekendTint(0xe6, 0xec, 0xf4);
const QColor RuleInk(0xb0, 0xb8, 0xc4);
const QColor SunInk(0xd9, 0x8a, 0x10);
const QColor EventInk(0x00, 0x96, 0x50); // the calendars' own event mark

QFont fontOf(double size, bool bold = false)
{
    QFont font;
    font.setPixelSize(qMax(1, qRound(size)));
    font.setBold(bold);
    // Outlines scale with the page; hinting for the screen would move letters at print resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int daysFromFirst(Qt::DayOfWeek from, Qt::DayOfWeek to)
{
    return (int(to) - int(from) + 7) % 7;
}

void paintFullMoon(QPainter& painter, const QPointF& centre, double radius)
{
    painter.setPen(QPen(Ink, radius * 0.35));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

void paintNewMoon(QPainter& painter, const QPointF& centre, double radius)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawEllipse(centre, radius, radius);
}

// A small sun: a disc with eight rays.
void paintSeason(QPainter& painter, const QPointF& centre, double radius)
{
    painter.setPen(QPen(SunInk, radius * 0.3, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const double angle = ray * M_PI / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * radius * 0.75, centre + direction * radius * 1.25);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(SunInk);
    painter.drawEllipse(centre, radius * 0.5, radius * 0.5);
}

void paintEvent(QPainter& painter, const QRectF& bar)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(EventInk);
    painter.drawRoundedRect(bar, bar.height() / 2, bar.height() / 2);
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

YearSheet::YearSheet(SheetContent content) : m_content(std::move(content)) {}

YearSheet::Layout YearSheet::layoutFor(const QRectF& target) const
{
    Layout layout;
    const double scale = target.width() / PageWidth;
    layout.height = target.height() / scale;
    layout.toTarget = QTransform::fromTranslate(target.left(), target.top()).scale(scale, scale);
    layout.grid = QRectF(Margin, Margin + HeaderHeight, PageWidth - 2 * Margin,
                         layout.height - 2 * Margin - HeaderHeight - FooterHeight);
    layout.boxWidth = (layout.grid.width() - (MonthColumns - 1) * ColumnGap) / MonthColumns;
    layout.boxHeight = (layout.grid.height() - (MonthRows - 1) * RowGap) / MonthRows;
    return layout;
}

QRectF YearSheet::monthRect(const Layout& layout, int month) const
{
    const int column = (month - 1) % MonthColumns;
    const int row = (month - 1) / MonthColumns;
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
    paintHeader(painter);
    for (int month = 1; month <= 12; ++month)
        paintMonth(painter, layout, month);
    paintLegend(painter, layout);
    painter.restore();
}

void YearSheet::paintHeader(QPainter& painter) const
{
    const QRectF band(Margin, Margin, PageWidth - 2 * Margin, HeaderHeight - 30);
    painter.setPen(TitleInk);
    painter.setFont(fontOf(110, true));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QString::number(m_content.year));
    painter.setPen(Ink);
    painter.setFont(fontOf(36));
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, m_content.place);
    painter.setPen(QPen(RuleInk, 3));
    painter.drawLine(QPointF(band.left(), band.bottom() + 12), QPointF(band.right(), band.bottom() + 12));
}

void YearSheet::paintMonth(QPainter& painter, const Layout& layout, int month) const
{
    const QRectF box = monthRect(layout, month);
    const double cellWidth = box.width() / BoxColumns;
    const double cellHeight = box.height() / BoxRows;
    const QLocale& locale = m_content.locale;

    const QRectF title(box.left() + WeekColumn * cellWidth, box.top(), 7 * cellWidth, TitleRows * cellHeight);
    painter.setPen(TitleInk);
    painter.setFont(fontOf(cellHeight * 0.62, true));
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, locale.standaloneMonthName(month, QLocale::LongFormat));

    const QList<Qt::DayOfWeek> workdays = locale.weekdays();
    const auto weekend = [&workdays](Qt::DayOfWeek day) { return !workdays.contains(day); };
    const double namesTop = box.top() + TitleRows * cellHeight;
    painter.setFont(fontOf(cellHeight * 0.42, true));
    for (int column = 0; column < 7; ++column) {
        const auto day = Qt::DayOfWeek((int(m_content.firstDay) - 1 + column) % 7 + 1);
        const QRectF cell(box.left() + (WeekColumn + column) * cellWidth, namesTop, cellWidth, cellHeight);
        painter.setPen(weekend(day) ? TitleInk : Ink);
        painter.drawText(cell, Qt::AlignCenter, locale.standaloneDayName(day, QLocale::ShortFormat));
    }
    painter.setPen(QPen(RuleInk, 2));
    painter.drawLine(QPointF(box.left() + WeekColumn * cellWidth, namesTop + cellHeight),
                     QPointF(box.right(), namesTop + cellHeight));

    const QDate first(m_content.year, month, 1);
    const int offset = columnOf(first);
    const int rows = (offset + first.daysInMonth() + 6) / 7;
    for (int row = 0; row < rows && row < WeekRows; ++row) {
        const double top = namesTop + (1 + row) * cellHeight;
        const QDate rowStart = first.addDays(row * 7 - offset);
        painter.setPen(WeekInk);
        painter.setFont(fontOf(cellHeight * 0.36));
        painter.drawText(QRectF(box.left(), top, WeekColumn * cellWidth, cellHeight), Qt::AlignCenter,
                         QString::number(weeks::rowNumber(rowStart, m_content.numbering, m_content.firstDay)));
        for (int column = 0; column < 7; ++column) {
            const QDate date = rowStart.addDays(column);
            if (date.month() != month)
                continue;
            const QRectF cell(box.left() + (WeekColumn + column) * cellWidth, top, cellWidth, cellHeight);
            paintDay(painter, cell, date, weekend(Qt::DayOfWeek(date.dayOfWeek())));
        }
    }
}

void YearSheet::paintDay(QPainter& painter, const QRectF& cell, const QDate& date, bool weekend) const
{
    if (weekend)
        painter.fillRect(cell.adjusted(1, 1, -1, -1), WeekendTint);
    painter.setPen(Ink);
    painter.setFont(fontOf(cell.height() * 0.45));
    painter.drawText(cell, Qt::AlignCenter, QString::number(date.day()));
    if (!m_content.marks)
        return;
    const SheetDayMarks marks = m_content.marks(date);
    const double radius = cell.height() * 0.13;
    const QPointF corner(cell.right() - radius * 1.7, cell.top() + radius * 1.7);
    if (marks.newMoon)
        paintNewMoon(painter, corner, radius);
    else if (marks.fullMoon)
        paintFullMoon(painter, corner, radius);
    if (marks.season)
        paintSeason(painter, QPointF(cell.left() + radius * 1.9, cell.top() + radius * 1.9), radius * 1.2);
    if (marks.event || !marks.eventTitles.isEmpty())
        paintEvent(painter, QRectF(cell.left() + cell.width() * 0.22, cell.bottom() - cell.height() * 0.16,
                                   cell.width() * 0.56, cell.height() * 0.08));
}

void YearSheet::paintLegend(QPainter& painter, const Layout& layout) const
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
    item(SheetTexts::NewMoon(), [&](QPointF c) { paintNewMoon(painter, c, radius); });
    item(SheetTexts::FullMoon(), [&](QPointF c) { paintFullMoon(painter, c, radius); });
    item(SheetTexts::Season(), [&](QPointF c) { paintSeason(painter, c, radius); });
    item(SheetTexts::Event(), [&](QPointF c) {
        paintEvent(painter, QRectF(c.x() - radius, c.y() - radius * 0.4, radius * 2.4, radius * 0.8));
    });
    painter.setPen(WeekInk);
    const QString rule =
        m_content.numbering == weeks::Numbering::Iso ? SheetTexts::WeeksIso() : SheetTexts::WeeksFirstJanuary();
    painter.drawText(QRectF(Margin, top, PageWidth - 2 * Margin, height), Qt::AlignRight | Qt::AlignVCenter, rule);
}
