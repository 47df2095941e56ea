#include "controls/WeekNumberDelegate.h"

WeekNumberDelegate::WeekNumberDelegate(QAbstractItemDelegate* days, Number number, QObject* parent)
    : QStyledItemDelegate(parent), m_days(days), m_number(std::move(number))
{
}

void WeekNumberDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The grid's own delegate paints a week cell with the plain styled look too: only the text differs.
    if (m_number(index))
        QStyledItemDelegate::paint(painter, option, index);
    else
        m_days->paint(painter, option, index);
}

QSize WeekNumberDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return m_days->sizeHint(option, index);
}

bool WeekNumberDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index)
{
    return m_days->helpEvent(event, view, option, index);
}

void WeekNumberDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (const std::optional<int> number = m_number(index))
        option->text = displayText(*number, option->locale);
}

bool WeekNumberDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                     const QModelIndex& index)
{
    return m_days->editorEvent(event, model, option, index);
}
