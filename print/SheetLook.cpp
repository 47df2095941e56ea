// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/SheetLook.h"
#include "drawing/Inks.h"
#include <QPainter>

namespace sheetlook {

QFont fontOf(double size, bool bold)
{
    QFont font;
    font.setPixelSize(qMax(1, qRound(size)));
    font.setBold(bold);
    // Outlines scale with the page; hinting for the screen would move letters at print resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QTransform toTarget(const QRectF& target)
{
    const double scale = target.width() / PageWidth;
    return QTransform::fromTranslate(target.left(), target.top()).scale(scale, scale);
}

double heightOf(const QSizeF& target)
{
    return target.height() / (target.width() / PageWidth);
}

void paintHeader(QPainter& painter, int year, const QString& place)
{
    const QRectF band(Margin, Margin, PageWidth - 2 * Margin, HeaderHeight - 30);
    painter.setPen(inks::Navy);
    painter.setFont(fontOf(110, true));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QString::number(year));
    painter.setPen(Ink);
    painter.setFont(fontOf(36));
    painter.drawText(band, Qt::AlignRight | Qt::AlignBottom, place);
    painter.setPen(QPen(RuleInk, 3));
    painter.drawLine(QPointF(band.left(), band.bottom() + 12), QPointF(band.right(), band.bottom() + 12));
}

} // namespace sheetlook
