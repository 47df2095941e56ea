// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/CentredTexts.h"
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <array>

// A text as QPainter lays it out for a rectangle: one line of unlimited width, left aligned in the layout (the
// rectangle's alignment is applied when drawing), its height that of the font's ascent and descent.
struct CentredTexts::Laid
{
    Laid(const QString& text, const QFont& font, Qt::LayoutDirection direction) : layout(text, font)
    {
        QTextOption option;
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(0x01000000);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        height = line.ascent() + line.descent();
        width = qMax<qreal>(0, line.naturalTextWidth());
        advance = line.horizontalAdvance();
        // Line breaks, tabs, '&' and length variants take QPainter's own ways.
        for (const QChar c : text)
            if (c < QLatin1Char(' ') || c == QLatin1Char('&') || c == QChar(0x9c) || c == QChar::LineSeparator)
                plain = false;
    }

    QTextLayout layout;
    qreal height = 0;
    qreal width = 0;
    qreal advance = 0;
    bool plain = true;
};

CentredTexts::CentredTexts() = default;
CentredTexts::~CentredTexts() = default;

CentredTexts::CentredTexts(const CentredTexts&) {}

CentredTexts& CentredTexts::operator=(const CentredTexts& other)
{
    if (this != &other)
        m_laid.clear();
    return *this;
}

QString CentredTexts::number(int value)
{
    static const std::array<QString, 100> made = [] {
        std::array<QString, 100> texts;
        for (int n = 0; n < int(texts.size()); ++n)
            texts[n] = QString::number(n);
        return texts;
    }();
    return value >= 0 && value < int(made.size()) ? made[value] : QString::number(value);
}

const CentredTexts::Laid& CentredTexts::laid(QPainter& painter, const QString& text)
{
    // QPainter lays out with its own font, which holds the device's resolution, and in its direction.
    const QFont& font = painter.font();
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 0;
    if (font != m_font || dpi != m_dpi || painter.layoutDirection() != m_direction || m_laid.size() >= MostTexts) {
        m_laid.clear();
        m_font = font;
        m_dpi = dpi;
        m_direction = painter.layoutDirection();
    }
    auto found = m_laid.constFind(text);
    if (found == m_laid.cend())
        found = m_laid.insert(text, std::make_shared<const Laid>(text, m_font, m_direction));
    return **found;
}

void CentredTexts::draw(QPainter& painter, const QRectF& rect, const QString& text)
{
    if (!painter.isActive() || text.isEmpty() || painter.pen().style() == Qt::NoPen)
        return;
    const Laid& laid = this->laid(painter, text);
    if (!laid.plain) {
        painter.drawText(rect, Qt::AlignCenter, text);
        return;
    }
    // The same arithmetic as QPainter's, so the glyphs land on the same pixels.
    const qreal yoff = (rect.height() - laid.height) / 2;
    const QRectF bounds(rect.x() + (rect.width() - laid.width) / 2, rect.y() + yoff, laid.width, laid.height);
    const bool clipped = !rect.contains(bounds);
    if (clipped) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    laid.layout.lineAt(0).draw(&painter, QPointF(rect.x() + (rect.width() - laid.advance) / 2, rect.y() + yoff));
    if (clipped)
        painter.restore();
}
