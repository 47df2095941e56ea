// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QWidget;

// Hints are tooltips that a control shows only while its ShowHint is on; the text is kept while it is off.
namespace hints {
void setHint(QWidget* widget, const QString& text);
QString hint(const QWidget* widget);
void setShowHint(QWidget* widget, bool show);
bool showHint(const QWidget* widget);
// True for the controls that take part in the hint switch (those given a hint or a ShowHint).
bool hasShowHint(const QWidget* widget);
} // namespace hints
