#pragma once
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

// Paints a month grid's cells as its own delegate does, except the week-number cells whose number the grid asks
// for: those show that number in the same look. Days, names and clicks stay the original delegate's.
class WeekNumberDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // number: the number a cell shows instead of the model's, or none to leave the cell to days.
    using Number = std::function<std::optional<int>(const QModelIndex&)>;
    WeekNumberDelegate(QAbstractItemDelegate* days, Number number, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    QAbstractItemDelegate* m_days;
    Number m_number;
};
