// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>

class QWidget;
struct HomeForm;

// The dialog from the keyboard and for a screen reader.
namespace homekeys {
// Reading order: the fields from the top, Save, then the time-zone row below it.
QList<QWidget*> tabOrder(const HomeForm& ui);
// Sets the Tab order, and each control's name and description for a screen reader.
void setUp(const HomeForm& ui);
// The stop after (or before) the one holding `focused`, visible and enabled within `dialog`; nullptr when the focus
// is outside the order.
QWidget* nextStop(const HomeForm& ui, const QWidget* dialog, const QWidget* focused, bool next);
} // namespace homekeys
