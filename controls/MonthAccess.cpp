// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MonthDayGrid.h"
#include "controls/TMonthCalendar.h"
#include <QAccessibleWidget>
#include <QPointer>
#include <map>

// A screen reader walks the grid as a table of six weeks of seven days; each cell is named as a person says the
// day ("Wednesday, 9 December 2026, Today, New moon"), the table by the month and year.
namespace {
class DayCellAccess;

class GridAccess : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit GridAccess(MonthDayGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccess() override;

    MonthDayGrid* grid() const { return static_cast<MonthDayGrid*>(widget()); }
    TMonthCalendar* calendar() const { return grid()->calendar(); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return MonthCells; }
    QAccessibleInterface* child(int index) const override { return cell(index); }
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint local = grid()->mapFromGlobal(QPoint(x, y));
        const int index = calendar()->drawer().cellAt(QPointF(local + grid()->pos()));
        return index < 0 ? nullptr : cell(index);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= MonthRows || column < 0 || column >= WeekDays)
            return nullptr;
        return cell(row * WeekDays + column);
    }
    int selectedCellCount() const override { return selectedIndex() < 0 ? 0 : 1; }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        const int index = selectedIndex();
        return index < 0 ? QList<QAccessibleInterface*>() : QList<QAccessibleInterface*>{cell(index)};
    }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < WeekDays ? calendar()->picture().dayNames[column] : QString();
    }
    QString rowDescription(int row) const override
    {
        const MonthPicture& picture = calendar()->picture();
        return picture.weekNumbers && row >= 0 && row < MonthRows ? QString::number(picture.weekNumberOfRow[row])
                                                                  : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return WeekDays; }
    int rowCount() const override { return MonthRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    int selectedIndex() const
    {
        const MonthPicture& picture = calendar()->picture();
        for (int index = 0; index < MonthCells; ++index)
            if (picture.days[index].selected)
                return index;
        return -1;
    }
    QAccessibleInterface* cell(int index) const;

private:
    mutable std::map<int, QAccessible::Id> m_cells;
};

class DayCellAccess : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    DayCellAccess(MonthDayGrid* grid, int index) : m_grid(grid), m_index(index) {}

    bool isValid() const override { return m_grid; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        if (!m_grid || kind != QAccessible::Name)
            return QString();
        return m_grid->calendar()->spokenDay(day().date);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!m_grid)
            return {};
        const QRect local = m_grid->calendar()->drawer().cellRect(m_index).translated(-m_grid->pos()).toAlignedRect();
        return QRect(m_grid->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.selected = day().selected;
        state.focusable = true;
        state.focused = day().selected && m_grid && m_grid->hasFocus();
        state.disabled = !day().supported;
        return state;
    }

    bool isSelected() const override { return day().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_index % WeekDays; }
    int rowIndex() const override { return m_index / WeekDays; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    const DayContent& day() const
    {
        static const DayContent none;
        return m_grid ? m_grid->calendar()->picture().days[m_index] : none;
    }
    QPointer<MonthDayGrid> m_grid;
    int m_index;
};

GridAccess::~GridAccess()
{
    for (const auto& [index, id] : m_cells)
        QAccessible::deleteAccessibleInterface(id);
}

int GridAccess::indexOfChild(const QAccessibleInterface* child) const
{
    for (const auto& [index, id] : m_cells)
        if (QAccessible::accessibleInterface(id) == child)
            return index;
    return -1;
}

QAccessibleInterface* GridAccess::cell(int index) const
{
    if (index < 0 || index >= MonthCells)
        return nullptr;
    auto found = m_cells.find(index);
    if (found == m_cells.end())
        found =
            m_cells.emplace(index, QAccessible::registerAccessibleInterface(new DayCellAccess(grid(), index))).first;
    return QAccessible::accessibleInterface(found->second);
}

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("MonthDayGrid"))
        if (auto* grid = qobject_cast<MonthDayGrid*>(object))
            return new GridAccess(grid);
    return nullptr;
}
} // namespace

namespace monthaccess {
void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void cellsChanged(MonthDayGrid* grid)
{
    // Nothing is built for screen readers until one asks.
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent names(grid, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&names);
    auto* table = dynamic_cast<GridAccess*>(QAccessible::queryAccessibleInterface(grid));
    const int index = table ? table->selectedIndex() : -1;
    if (index >= 0) {
        QAccessibleEvent selection(table->cell(index), QAccessible::Selection);
        QAccessible::updateAccessibility(&selection);
        if (grid->hasFocus()) {
            QAccessibleEvent focus(table->cell(index), QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}
} // namespace monthaccess
