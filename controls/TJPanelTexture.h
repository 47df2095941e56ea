// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QVector>

enum TJPanelTextureStyle { txNone, txTile, txCenter, txStretch };

enum TPanelBevel { bvNone, bvLowered, bvRaised };

// One piece of texture drawn by a style: the part of the texture (source) and where it lands (target).
// Target and source have the same size except with txStretch.
struct TexturePiece
{
    QRect target;
    QRect source;
};

// Where the texture goes in the client rectangle: tiles from the top-left corner with the last column and row cut,
// a centred copy cut to its top-left part when larger, or one stretched piece. Nothing lies outside the client.
QVector<TexturePiece> texturePieces(TJPanelTextureStyle style, const QRect& client, const QSize& texture);

// A panel (colour, outer bevel, centred caption) whose background can be a bitmap texture, tiled, centred or
// stretched. A textured panel draws no bevel and no caption.
class TJPanelTexture : public QFrame
{
    Q_OBJECT
public:
    explicit TJPanelTexture(QWidget* parent = nullptr);

    QColor Color() const { return FColor; }
    void setColor(const QColor& color);
    QString Caption() const { return FCaption; }
    void setCaption(const QString& caption);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void setBevelOuter(TPanelBevel bevel);

    QImage JTexture() const { return FTexture; }
    void setJTexture(const QImage& texture);
    TJPanelTextureStyle JStyleTexture() const { return FStyleTexture; }
    void setJStyleTexture(TJPanelTextureStyle style);
    bool JTransparent() const { return FTransparent; }
    void setJTransparent(bool transparent);
    QColor JTransColor() const { return FTransColor; }
    void setJTransColor(const QColor& color);

    // Draws the whole panel into the given client rectangle of any painter.
    void Paint(QPainter& painter, const QRect& client) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Marks the panel for drawing at the next paint cycle.
    virtual void requestRepaint();

private:
    void paintFace(QPainter& painter, const QRect& client) const;

    QColor FColor;
    QString FCaption;
    TPanelBevel FBevelOuter = bvRaised;
    QImage FTexture;
    TJPanelTextureStyle FStyleTexture = txNone;
    bool FTransparent = false;
    QColor FTransColor = QColor(128, 128, 128);
};
