// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/DaysSheet.h"
#include "drawing/Inks.h"
#include "print/SheetLook.h"
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <utility>

using namespace sheetlook;

namespace {
constexpr int ColumnsPerPage = 3;
constexpr double ColumnGap = 60;
constexpr double LineHeight = 46;
constexpr double HeadingHeight = 64;
// Above a month's name that does not open its column.
constexpr double HeadingGap = 30;
constexpr double TextPixels = 29;
constexpr double HeadingPixels = 34;
constexpr double Swatch = 24;
constexpr double SwatchGap = 16;
constexpr double DateGap = 28;
// The dates' column is as wide as its widest dates, up to this share of the column.
constexpr double MostDatesShare = 0.5;

const QChar Dash(0x2013);

enum class Field { Day, Month, Year };

// Where a day (d or dd, not a weekday's name), month or year stands in a date format.
struct FieldPlace
{
    Field field;
    int start;
    int end;
};

QList<FieldPlace> fieldsOf(const QString& format)
{
    QList<FieldPlace> fields;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            // Quoted text, where two quotes are one.
            int j = i + 1;
            while (j < format.size() && format[j] != QLatin1Char('\''))
                ++j;
            while (j + 1 < format.size() && format[j + 1] == QLatin1Char('\'')) {
                j += 2;
                while (j < format.size() && format[j] != QLatin1Char('\''))
                    ++j;
            }
            i = j + 1;
            continue;
        }
        int j = i;
        while (j < format.size() && format[j] == c)
            ++j;
        if (c == QLatin1Char('d') && j - i <= 2)
            fields.append({Field::Day, i, j});
        else if (c == QLatin1Char('M'))
            fields.append({Field::Month, i, j});
        else if (c == QLatin1Char('y'))
            fields.append({Field::Year, i, j});
        i = j;
    }
    return fields;
}

const FieldPlace* find(const QList<FieldPlace>& fields, Field field)
{
    for (const FieldPlace& place : fields)
        if (place.field == field)
            return &place;
    return nullptr;
}

// The part of a date format from the first of the fields wanted to the last, with the marks that close the last
// ("d." in German, "d日" in Japanese) but not the comma or space before the next part; empty when one is missing.
QString partOf(const QString& format, const QList<FieldPlace>& fields, std::initializer_list<Field> wanted)
{
    int start = int(format.size()), end = 0;
    for (const Field field : wanted) {
        const FieldPlace* place = find(fields, field);
        if (!place)
            return {};
        start = qMin(start, place->start);
        end = qMax(end, place->end);
    }
    while (end < format.size()) {
        const QChar c = format[end];
        if (c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('\'') || (c.isLetter() && c.unicode() < 128))
            break;
        ++end;
    }
    return format.mid(start, end - start);
}

struct RangeFormats
{
    QString day;      // a day alone, as the range's shared month leaves it
    QString dayMonth; // a day and its month
    QString withYear; // a day, its month and its year
    bool dayFirst = true;
};

// The locale's long date format without the weekday, cut into the parts a range needs.
RangeFormats formatsOf(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::LongFormat);
    const QList<FieldPlace> fields = fieldsOf(format);
    RangeFormats formats{partOf(format, fields, {Field::Day}), partOf(format, fields, {Field::Day, Field::Month}),
                         partOf(format, fields, {Field::Day, Field::Month, Field::Year}), true};
    if (formats.withYear.isEmpty())
        return {QStringLiteral("d"), QStringLiteral("d MMMM"), QStringLiteral("d MMMM yyyy"), true};
    formats.dayFirst = find(fields, Field::Day)->start < find(fields, Field::Month)->start;
    return formats;
}
} // namespace

QString dayRangeText(const QDate& first, const QDate& last, const QLocale& locale)
{
    const RangeFormats formats = formatsOf(locale);
    const QString apart = QLatin1Char(' ') + Dash + QLatin1Char(' ');
    if (first.year() != last.year())
        return locale.toString(first, formats.withYear) + apart + locale.toString(last, formats.withYear);
    if (first == last)
        return locale.toString(first, formats.dayMonth);
    if (first.month() != last.month())
        return locale.toString(first, formats.dayMonth) + apart + locale.toString(last, formats.dayMonth);
    if (formats.dayFirst)
        return locale.toString(first, formats.day) + Dash + locale.toString(last, formats.dayMonth);
    return locale.toString(first, formats.dayMonth) + Dash + locale.toString(last, formats.day);
}

DaysSheet::DaysSheet(SheetContent content) : m_content(std::move(content)) {}

int DaysSheet::monthOf(const SheetRange& range) const
{
    return range.first.year() < m_content.year ? 1 : range.first.month();
}

QList<DaysSheet::Column> DaysSheet::columnsFor(double pageHeight) const
{
    const double height = pageHeight - 2 * Margin - HeaderHeight;
    QList<Column> columns;
    Column column;
    double y = 0;
    for (int month = 1; month <= 12; ++month) {
        bool named = false;
        for (int range = 0; range < m_content.ranges.size(); ++range) {
            if (monthOf(m_content.ranges[range]) != month)
                continue;
            // A month's name never stands alone at a column's foot, and is written again over the days it goes on
            // with in the next column.
            const double needed = (named ? 0 : HeadingGap + HeadingHeight) + LineHeight;
            if (!column.isEmpty() && y + needed > height) {
                columns.append(column);
                column.clear();
                y = 0;
                named = false;
            }
            if (!named) {
                y += column.isEmpty() ? 0 : HeadingGap;
                column.append({month, -1, y});
                y += HeadingHeight;
                named = true;
            }
            column.append({month, range, y});
            y += LineHeight;
        }
    }
    if (!column.isEmpty())
        columns.append(column);
    return columns;
}

int DaysSheet::pageCount(const QSizeF& target) const
{
    if (m_content.ranges.isEmpty() || target.isEmpty())
        return 0;
    return int((columnsFor(heightOf(target)).size() + ColumnsPerPage - 1) / ColumnsPerPage);
}

void DaysSheet::paint(QPainter& painter, const QRectF& target, int page) const
{
    const QList<Column> all = columnsFor(heightOf(target.size()));
    const QList<Column> columns = all.mid(page * ColumnsPerPage, ColumnsPerPage);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setWorldTransform(toTarget(target), true);
    paintHeader(painter, m_content.year, m_content.place);

    const QLocale& locale = m_content.locale;
    const QFont text = fontOf(TextPixels);
    const QFont heading = fontOf(HeadingPixels, true);
    const QFontMetricsF metrics(text, painter.device());
    const double columnWidth = (PageWidth - 2 * Margin - (ColumnsPerPage - 1) * ColumnGap) / ColumnsPerPage;
    const double top = Margin + HeaderHeight;
    for (int c = 0; c < columns.size(); ++c) {
        const double left = Margin + c * (columnWidth + ColumnGap);
        QHash<int, QString> dates;
        double datesWidth = 0;
        for (const Line& line : columns[c]) {
            if (line.range < 0)
                continue;
            const SheetRange& range = m_content.ranges[line.range];
            const QString& date = dates[line.range] = dayRangeText(range.first, range.last, locale);
            datesWidth = qMax(datesWidth, metrics.horizontalAdvance(date));
        }
        datesWidth = qMin(datesWidth, columnWidth * MostDatesShare);
        for (const Line& line : columns[c]) {
            if (line.range < 0) {
                painter.setPen(inks::Navy);
                painter.setFont(heading);
                painter.drawText(QRectF(left, top + line.top, columnWidth, HeadingHeight - 12),
                                 Qt::AlignLeft | Qt::AlignBottom,
                                 locale.standaloneMonthName(line.month, QLocale::LongFormat));
                continue;
            }
            const SheetRange& range = m_content.ranges[line.range];
            const QRectF row(left, top + line.top, columnWidth, LineHeight);
            painter.fillRect(QRectF(row.left(), row.center().y() - Swatch / 2, Swatch, Swatch),
                             QColor::fromRgb(range.colour));
            painter.setPen(Ink);
            painter.setFont(text);
            // Dates longer than the dates' column push their title on rather than lose a day.
            const double datesLeft = row.left() + Swatch + SwatchGap;
            const QString date = metrics.elidedText(dates[line.range], Qt::ElideRight, row.right() - datesLeft);
            painter.drawText(QRectF(datesLeft, row.top(), row.right() - datesLeft, row.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, date);
            const double titleLeft = datesLeft + qMax(datesWidth, metrics.horizontalAdvance(date)) + DateGap;
            if (titleLeft >= row.right())
                continue;
            painter.drawText(QRectF(titleLeft, row.top(), row.right() - titleLeft, row.height()),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             metrics.elidedText(range.title, Qt::ElideRight, row.right() - titleLeft));
        }
    }
    painter.restore();
}
