// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QWidget>

// The text a panel shows on the line named name ("Date" for "Date:"); empty when no such line is shown.
inline QString panelLine(QWidget& panel, const QString& name)
{
    for (QLabel* label : panel.findChildren<QLabel*>())
        if (label->isVisibleTo(&panel) && label->text() == name + QLatin1Char(':'))
            if (const auto* text = panel.findChild<QLabel*>(
                    label->objectName().replace(QStringLiteral("Name"), QStringLiteral("Text"))))
                return text->text();
    return QString();
}
