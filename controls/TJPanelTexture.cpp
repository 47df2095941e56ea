// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TJPanelTexture.h"

#include <QPainter>

QVector<TexturePiece> texturePieces(TJPanelTextureStyle style, const QRect& client, const QSize& texture)
{
    QVector<TexturePiece> pieces;
    const int w = texture.width();
    const int h = texture.height();
    if (w <= 0 || h <= 0 || client.isEmpty())
        return pieces;
    const int right = client.left() + client.width();
    const int bottom = client.top() + client.height();
    switch (style) {
    case txTile:
        for (int y = client.top(); y < bottom; y += h) {
            for (int x = client.left(); x < right; x += w) {
                const QSize cut(qMin(w, right - x), qMin(h, bottom - y));
                pieces.append({QRect(QPoint(x, y), cut), QRect(QPoint(0, 0), cut)});
            }
        }
        break;
    case txCenter: {
        // A texture larger than the client shows its top-left part, not its centre.
        const int cutW = qMin(w, client.width());
        const int cutH = qMin(h, client.height());
        const int x = client.left() + (w < client.width() ? (client.width() - w) / 2 : 0);
        const int y = client.top() + (h < client.height() ? (client.height() - h) / 2 : 0);
        pieces.append({QRect(x, y, cutW, cutH), QRect(0, 0, cutW, cutH)});
        break;
    }
    case txStretch:
        pieces.append({client, QRect(QPoint(0, 0), texture)});
        break;
    case txNone:
        break;
    }
    return pieces;
}

TJPanelTexture::TJPanelTexture(QWidget* parent) : QFrame(parent), FColor(palette().color(QPalette::Button)) {}

void TJPanelTexture::setColor(const QColor& color)
{
    if (FColor == color)
        return;
    FColor = color;
    requestRepaint();
}

void TJPanelTexture::setCaption(const QString& caption)
{
    if (FCaption == caption)
        return;
    FCaption = caption;
    requestRepaint();
}

void TJPanelTexture::setBevelOuter(TPanelBevel bevel)
{
    if (FBevelOuter == bevel)
        return;
    FBevelOuter = bevel;
    requestRepaint();
}

void TJPanelTexture::setJTexture(const QImage& texture)
{
    FTexture = texture.copy();
    requestRepaint();
}

void TJPanelTexture::setJStyleTexture(TJPanelTextureStyle style)
{
    if (FStyleTexture == style)
        return;
    FStyleTexture = style;
    requestRepaint();
}

void TJPanelTexture::setJTransparent(bool transparent)
{
    if (FTransparent == transparent)
        return;
    FTransparent = transparent;
    requestRepaint();
}

void TJPanelTexture::setJTransColor(const QColor& color)
{
    if (FTransColor == color)
        return;
    FTransColor = color;
    requestRepaint();
}

void TJPanelTexture::requestRepaint()
{
    update();
}

void TJPanelTexture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, rect());
}

void TJPanelTexture::Paint(QPainter& painter, const QRect& client) const
{
    if (client.isEmpty())
        return;
    painter.fillRect(client, FColor);
    if (FStyleTexture == txNone || FTexture.isNull()) {
        paintFace(painter, client);
        return;
    }
    if (FTransparent)
        painter.fillRect(client, FTransColor);
    // The texture is laid out in device pixels, one texture pixel on each, so that its grain stays as fine on a
    // display with more device pixels per pixel; at ratio 1 device pixels and pixels are the same.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    if (ratio == 1.0) {
        for (const TexturePiece& piece : texturePieces(FStyleTexture, client, FTexture.size()))
            painter.drawImage(piece.target, FTexture, piece.source);
        return;
    }
    const QRect deviceClient(QPoint(qRound(client.left() * ratio), qRound(client.top() * ratio)),
                             QSize(qRound(client.width() * ratio), qRound(client.height() * ratio)));
    for (const TexturePiece& piece : texturePieces(FStyleTexture, deviceClient, FTexture.size())) {
        const QRectF target(QPointF(piece.target.topLeft()) / ratio, QSizeF(piece.target.size()) / ratio);
        painter.drawImage(target, FTexture, piece.source);
    }
}

void TJPanelTexture::paintFace(QPainter& painter, const QRect& client) const
{
    QRect inner = client;
    if (FBevelOuter != bvNone) {
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        const QColor topLeft = FBevelOuter == bvRaised ? light : dark;
        const QColor bottomRight = FBevelOuter == bvRaised ? dark : light;
        painter.fillRect(QRect(client.left(), client.top(), client.width(), 1), topLeft);
        painter.fillRect(QRect(client.left(), client.top(), 1, client.height()), topLeft);
        painter.fillRect(QRect(client.left(), client.bottom(), client.width(), 1), bottomRight);
        painter.fillRect(QRect(client.right(), client.top(), 1, client.height()), bottomRight);
        inner = client.adjusted(1, 1, -1, -1);
    }
    if (FCaption.isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(inner, Qt::AlignCenter | Qt::TextSingleLine, FCaption);
}
