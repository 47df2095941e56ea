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
    QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index, Qt::DisplayRole).toInt() != date.day())
                continue;
            // The same day number can stand twice (grey days of the next month); pick the cell of the right month.
            const bool leading = row <= 1 && date.day() > 20;
            const bool trailing = row >= 4 && date.day() < 15;
            const bool inShownMonth = date.month() == calendar.monthShown() && date.year() == calendar.yearShown();
            if (inShownMonth == !(leading || trailing))
                return view->visualRect(index);
        }
    }
    return QRect();
}
