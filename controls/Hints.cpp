// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/Hints.h"
#include <QVariant>
#include <QWidget>

namespace {
const char* const HintProperty = "dorvaneHint";
const char* const ShowHintProperty = "dorvaneShowHint";

void apply(QWidget* widget)
{
    const QString text = hints::showHint(widget) ? hints::hint(widget) : QString();
    if (widget->toolTip() != text)
        widget->setToolTip(text);
}
} // namespace

namespace hints {

void setHint(QWidget* widget, const QString& text)
{
    widget->setProperty(HintProperty, text);
    if (!widget->property(ShowHintProperty).isValid())
        widget->setProperty(ShowHintProperty, false);
    apply(widget);
}

QString hint(const QWidget* widget)
{
    return widget->property(HintProperty).toString();
}

void setShowHint(QWidget* widget, bool show)
{
    widget->setProperty(ShowHintProperty, show);
    apply(widget);
}

bool showHint(const QWidget* widget)
{
    return widget->property(ShowHintProperty).toBool();
}

bool hasShowHint(const QWidget* widget)
{
    return widget->property(ShowHintProperty).isValid();
}

} // namespace hints
