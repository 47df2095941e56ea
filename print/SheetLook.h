// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QTransform>

class QPainter;

// What the year's page and the pages after it share. A page is laid out in its own units, 2800 across whatever the
// target's size: about a tenth of a millimetre on A4 and Letter. Fonts are sized in these units (pixel sizes), so
// text scales with the page and stays text.
namespace sheetlook {

constexpr double PageWidth = 2800;
constexpr double Margin = 90;
constexpr double HeaderHeight = 150;

// The pages' own text and rules; the months are drawn in the calendars' own inks.
inline const QColor Ink(0x20, 0x20, 0x20);
inline const QColor RuleInk(0xb0, 0xb8, 0xc4);

QFont fontOf(double size, bool bold = false);
// Page units to the target's coordinates.
QTransform toTarget(const QRectF& target);
// The page's height in its units, on a target of that size.
double heightOf(const QSizeF& target);
// The year large at the left, the place at the right, a rule under both.
void paintHeader(QPainter& painter, int year, const QString& place);

} // namespace sheetlook
