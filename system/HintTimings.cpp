// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/HintTimings.h"
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

void HintTimings::install(QApplication& application)
{
    application.setStyle(new HintStyle(application.style()->name()));
    application.installEventFilter(new HintTimings(&application));
}

bool HintTimings::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
        return false;
    // The hint belongs to the nearest control that has one: a calendar's day grid shows its calendar's hint.
    for (auto* widget = static_cast<QWidget*>(watched); widget; widget = widget->parentWidget()) {
        if (widget->isWindow() && widget->toolTip().isEmpty())
            break;
        if (!widget->toolTip().isEmpty()) {
            const auto* help = static_cast<QHelpEvent*>(event);
            QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), HidePauseMs);
            return true;
        }
    }
    QToolTip::hideText();
    return true;
}

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    if (hint == QStyle::SH_ToolTip_WakeUpDelay)
        return HintTimings::ShowPauseMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
