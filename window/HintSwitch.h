// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The hints of every control of a window on or off; the month calendars keep their day-of-year hint whatever the
// switch says.
void switchHints(QWidget& window, bool on);
