#pragma once
#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QDate>
#include <QTableView>

// The rectangle of a day's cell in a calendar's day view viewport, found as a user finds it: by its day number, in
// the rows of the shown month, or of the grey rows before or after it for a neighbouring month's day.
inline QRect dayCell(const QCalendarWidget& calendar, QTableView* view, const QDate& date)
{
    if (!view || !view->model())
        return QRect();
    // Six weeks of days fill the bottom right of the grid, after the day-name row and any week-number column.
    constexpr int DayRows = 6;
    constexpr int DayColumns = 7;
    QAbstractItemModel* model = view->model();
    for (int row = model->rowCount() - DayRows; row < model->rowCount(); ++row) {
        const int week = row - (model->rowCount() - DayRows);
        for (int column = model->columnCount() - DayColumns; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index, Qt::DisplayRole).toInt() != date.day())
                continue;
            // The same day number can stand twice: the first week's high numbers belong to the month before, the
            // last weeks' low ones to the month after.
            const bool leading = week == 0 && date.day() > 20;
            const bool trailing = week >= 3 && date.day() < 15;
            const bool inShownMonth = date.month() == calendar.monthShown() && date.year() == calendar.yearShown();
            if (inShownMonth == !(leading || trailing))
                return view->visualRect(index);
        }
    }
    return QRect();
}
