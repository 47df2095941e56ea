// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MonthDayGrid.h"
#include "controls/DayMarkTexts.h"
#include "controls/TMonthCalendar.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

MonthDayGrid::MonthDayGrid(TMonthCalendar* calendar) : QWidget(calendar), m_calendar(calendar)
{
    setObjectName(QStringLiteral("qt_calendar_calendarview"));
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel is the drawer's: nothing under it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthDayGrid::updateCell(int index)
{
    if (index < 0) {
        update();
        return;
    }
    update(m_calendar->drawer().cellRect(index).translated(-pos()).toAlignedRect());
}

void MonthDayGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.translate(-pos());
    const QRectF exposed = QRectF(event->rect()).translated(pos());
    painter.fillRect(exposed, Qt::white);
    m_calendar->drawer().paintGrid(painter, m_calendar->picture(), exposed);
}

void MonthDayGrid::keyPressEvent(QKeyEvent* event)
{
    if (!m_calendar->handleKey(event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

void MonthDayGrid::mousePressEvent(QMouseEvent* event)
{
    m_doubleClicked = false;
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    m_pressed = m_calendar->dayAt(event->position().toPoint());
}

void MonthDayGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed.isValid() || m_doubleClicked) {
        m_doubleClicked = false;
        return QWidget::mouseReleaseEvent(event);
    }
    const QDate pressed = m_pressed;
    m_pressed = QDate();
    // Released over another calendar's grid, the drag ran across months: only the days dragged over are told.
    QWidget* under = QApplication::widgetAt(event->globalPosition().toPoint());
    auto* other = qobject_cast<MonthDayGrid*>(under);
    if (other && other != this) {
        const QDate released = other->calendar()->dayAt(other->mapFromGlobal(event->globalPosition().toPoint()));
        if (released.isValid())
            emit m_calendar->daysSelected(pressed, released);
        return;
    }
    const QDate released = m_calendar->dayAt(event->position().toPoint());
    if (!released.isValid())
        return;
    m_calendar->chooseDay(released);
    if (released != pressed)
        emit m_calendar->daysSelected(pressed, released);
}

void MonthDayGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QDate day = m_calendar->dayAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || day.isValid() == false || day != m_calendar->selectedDate())
        return QWidget::mouseDoubleClickEvent(event);
    // The press of a double click is its second click: the day was told once already, now it is confirmed.
    m_doubleClicked = true;
    m_calendar->chooseDay(day);
    emit m_calendar->activated(day);
}

void MonthDayGrid::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return QWidget::wheelEvent(event);
    m_calendar->stepMonth(-steps);
    event->accept();
}

void MonthDayGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    m_calendar->refresh();
}

void MonthDayGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_calendar->refresh();
}

bool MonthDayGrid::event(QEvent* event)
{
    // The grid looks the same in an active and an inactive window: a change of activation repaints nothing.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
        return true;
    return QWidget::event(event);
}

MonthArrow::MonthArrow(TMonthCalendar* calendar, int step) : QAbstractButton(calendar)
{
    setObjectName(step < 0 ? QStringLiteral("qt_calendar_prevmonth") : QStringLiteral("qt_calendar_nextmonth"));
    setGeometry((step < 0 ? calendar->drawer().previousArrow() : calendar->drawer().nextArrow()).toAlignedRect());
    // Not a Tab stop: the keys step the month from the day grid (Page Up, Page Down).
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(step < 0 ? DayMarkTexts::PreviousMonth() : DayMarkTexts::NextMonth());
    connect(this, &QAbstractButton::clicked, calendar, [calendar, step] { calendar->stepMonth(step); });
}
