// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/HintSwitch.h"
#include "controls/Hints.h"
#include "controls/TMonthCalendar.h"
#include <QWidget>

void switchHints(QWidget& window, bool on)
{
    const QList<QWidget*> controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (!hints::hasShowHint(control))
            continue;
        if (on)
            hints::setShowHint(control, true);
        else if (!qobject_cast<TMonthCalendar*>(control))
            hints::setShowHint(control, false);
    }
}
