// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFont>
#include <QHash>
#include <QString>
#include <memory>

class QPainter;
class QRectF;

// Short texts drawn centred in a rectangle, pixel for pixel as QPainter::drawText(rect, Qt::AlignCenter, text) draws
// them, each shaped once and its layout kept: a month's numbers and day names are the same few texts at every repaint,
// and shaping them again was most of the repaint. The layouts are of the painter's font: a painter with another font,
// resolution or direction starts them afresh.
class CentredTexts
{
public:
    // More different texts than this start the cache afresh.
    static constexpr int MostTexts = 256;

    CentredTexts();
    ~CentredTexts();
    // A copy starts empty.
    CentredTexts(const CentredTexts&);
    CentredTexts& operator=(const CentredTexts&);

    void draw(QPainter& painter, const QRectF& rect, const QString& text);
    // The texts laid out and kept.
    int kept() const { return int(m_laid.size()); }

    // A number's text; those of days and weeks are made once, not at every repaint.
    static QString number(int value);

private:
    struct Laid;
    const Laid& laid(QPainter& painter, const QString& text);

    QFont m_font;
    int m_dpi = 0;
    Qt::LayoutDirection m_direction = Qt::LeftToRight;
    QHash<QString, std::shared_ptr<const Laid>> m_laid;
};
