// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TJPanelTexture.h"

#include <QPainter>
#include <QtTest>

Q_DECLARE_METATYPE(TJPanelTextureStyle)

namespace {

const QRgb Magenta = qRgb(255, 0, 255);
const QRgb PanelColor = qRgb(224, 208, 168);

// Every pixel tells where in the texture it comes from: red = 4x, green = 4y.
QImage coordinateTexture(int width, int height)
{
    QImage texture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            texture.setPixel(x, y, qRgb(x * 4 % 256, y * 4 % 256, 60));
    return texture;
}

QImage plainTexture(QRgb color)
{
    QImage texture(64, 64, QImage::Format_RGB32);
    texture.fill(color);
    return texture;
}

// Paints the panel into a magenta picture whose client rectangle sits 10 px right and 5 px down, so that anything
// drawn outside the client shows up.
QImage paintPanel(const TJPanelTexture& panel, const QSize& client)
{
    QImage image(client.width() + 20, client.height() + 10, QImage::Format_RGB32);
    image.fill(Magenta);
    QPainter painter(&image);
    panel.Paint(painter, QRect(QPoint(10, 5), client));
    return image;
}

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x + 10, y + 5);
}

int pixelsOutsideClient(const QImage& image, const QSize& client)
{
    int count = 0;
    const QRect inside(QPoint(10, 5), client);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!inside.contains(x, y) && image.pixel(x, y) != Magenta)
                ++count;
    return count;
}

int pixelsOf(const QImage& image, const QSize& client, QRgb color)
{
    int count = 0;
    for (int y = 0; y < client.height(); ++y)
        for (int x = 0; x < client.width(); ++x)
            if (at(image, x, y) == color)
                ++count;
    return count;
}

class CountingPanel : public TJPanelTexture
{
public:
    int repaintRequests = 0;
    int paints = 0;

protected:
    void requestRepaint() override
    {
        ++repaintRequests;
        TJPanelTexture::requestRepaint();
    }
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TJPanelTexture::paintEvent(event);
    }
};

} // namespace

class TestPanelTexture : public QObject
{
    Q_OBJECT
private slots:
    void testNewPanel()
    {
        TJPanelTexture panel;
        QVERIFY(panel.JTexture().isNull());
        QCOMPARE(panel.JStyleTexture(), txNone);
        QCOMPARE(panel.JTransparent(), false);
        QCOMPARE(panel.JTransColor(), QColor(128, 128, 128));
    }

    void testToolbarTiles()
    {
        const QVector<TexturePiece> pieces = texturePieces(txTile, QRect(0, 0, 794, 23), QSize(64, 64));
        QCOMPARE(pieces.size(), 13);
        for (int column = 0; column < 12; ++column) {
            QCOMPARE(pieces[column].target, QRect(column * 64, 0, 64, 23));
            QCOMPARE(pieces[column].source, QRect(0, 0, 64, 23));
        }
        QCOMPARE(pieces[12].target, QRect(768, 0, 26, 23));
        QCOMPARE(pieces[12].source, QRect(0, 0, 26, 23));
    }

    void testTileCount_data()
    {
        QTest::addColumn<QRect>("client");
        QTest::addColumn<int>("pieces");
        QTest::addColumn<QRect>("last");

        QTest::newRow("128 x 64: two whole tiles") << QRect(0, 0, 128, 64) << 2 << QRect(64, 0, 64, 64);
        QTest::newRow("129 x 65: three columns, two rows") << QRect(0, 0, 129, 65) << 6 << QRect(128, 64, 1, 1);
        QTest::newRow("offset client 100 x 70 at 5,7") << QRect(5, 7, 100, 70) << 4 << QRect(69, 71, 36, 6);
        QTest::newRow("zero-sized: nothing") << QRect(0, 0, 0, 23) << 0 << QRect();
    }

    void testTileCount()
    {
        QFETCH(QRect, client);
        QFETCH(int, pieces);
        QFETCH(QRect, last);
        const QVector<TexturePiece> result = texturePieces(txTile, client, QSize(64, 64));
        QCOMPARE(result.size(), pieces);
        if (pieces > 0)
            QCOMPARE(result.last().target, last);
    }

    void testToolbarPainted_data()
    {
        QTest::addColumn<QPoint>("panelPixel");
        QTest::addColumn<QPoint>("texturePixel");

        QTest::newRow("top-left corner") << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("end of the first tile") << QPoint(63, 22) << QPoint(63, 22);
        QTest::newRow("start of the second tile") << QPoint(64, 0) << QPoint(0, 0);
        QTest::newRow("start of the 13th tile") << QPoint(768, 10) << QPoint(0, 10);
        QTest::newRow("bottom-right corner") << QPoint(793, 22) << QPoint(25, 22);
    }

    void testToolbarPainted()
    {
        QFETCH(QPoint, panelPixel);
        QFETCH(QPoint, texturePixel);

        const QImage texture = coordinateTexture(64, 64);
        TJPanelTexture panel;
        panel.setCaption("JPanelTexture1");
        panel.setJTexture(texture);
        panel.setJStyleTexture(txTile);
        const QImage image = paintPanel(panel, QSize(794, 23));

        QCOMPARE(at(image, panelPixel.x(), panelPixel.y()), texture.pixel(texturePixel));
        QCOMPARE(pixelsOutsideClient(image, QSize(794, 23)), 0);
    }

    void testTexturedPanelDrawsNoFace_data()
    {
        QTest::addColumn<TJPanelTextureStyle>("style");
        QTest::newRow("tiled") << txTile;
        QTest::newRow("stretched") << txStretch;
    }

    void testTexturedPanelDrawsNoFace()
    {
        QFETCH(TJPanelTextureStyle, style);
        TJPanelTexture panel;
        panel.setCaption("JPanelTexture1");
        panel.setJTexture(plainTexture(qRgb(205, 208, 202)));
        panel.setJStyleTexture(style);
        const QImage image = paintPanel(panel, QSize(794, 23));
        QCOMPARE(pixelsOf(image, QSize(794, 23), qRgb(205, 208, 202)), 794 * 23);
    }

    void testCentred_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QPoint>("panelPixel");
        QTest::addColumn<QPoint>("texturePixel");

        QTest::newRow("100 x 30: top-left of the copy at 18,0") << QSize(100, 30) << QPoint(18, 0) << QPoint(0, 0);
        QTest::newRow("100 x 30: bottom-right of the cut copy") << QSize(100, 30) << QPoint(81, 29) << QPoint(63, 29);
        QTest::newRow("100 x 100: centred both ways") << QSize(100, 100) << QPoint(18, 18) << QPoint(0, 0);
        QTest::newRow("101 x 101: half a pixel dropped") << QSize(101, 101) << QPoint(18, 18) << QPoint(0, 0);
        QTest::newRow("40 x 40: the top-left part") << QSize(40, 40) << QPoint(39, 39) << QPoint(39, 39);
    }

    void testCentred()
    {
        QFETCH(QSize, client);
        QFETCH(QPoint, panelPixel);
        QFETCH(QPoint, texturePixel);

        const QImage texture = coordinateTexture(64, 64);
        TJPanelTexture panel;
        panel.setColor(QColor(PanelColor));
        panel.setJTexture(texture);
        panel.setJStyleTexture(txCenter);
        const QImage image = paintPanel(panel, client);

        QCOMPARE(at(image, panelPixel.x(), panelPixel.y()), texture.pixel(texturePixel));
        QCOMPARE(pixelsOutsideClient(image, client), 0);
    }

    void testCentredInToolbarSizedPanel()
    {
        const QVector<TexturePiece> pieces = texturePieces(txCenter, QRect(0, 0, 100, 30), QSize(64, 64));
        QCOMPARE(pieces.size(), 1);
        QCOMPARE(pieces[0].target, QRect(18, 0, 64, 30));
        QCOMPARE(pieces[0].source, QRect(0, 0, 64, 30));

        TJPanelTexture panel;
        panel.setColor(QColor(PanelColor));
        panel.setJTexture(coordinateTexture(64, 64));
        panel.setJStyleTexture(txCenter);
        const QImage image = paintPanel(panel, QSize(100, 30));
        QCOMPARE(at(image, 17, 15), PanelColor);
        QCOMPARE(at(image, 82, 15), PanelColor);
    }

    void testStretched_data()
    {
        QTest::addColumn<QPoint>("panelPixel");
        QTest::addColumn<QRgb>("color");

        QTest::newRow("top-left quarter") << QPoint(2, 2) << qRgb(255, 0, 0);
        QTest::newRow("top-right quarter") << QPoint(197, 2) << qRgb(0, 255, 0);
        QTest::newRow("bottom-left quarter") << QPoint(2, 27) << qRgb(0, 0, 255);
        QTest::newRow("bottom-right quarter") << QPoint(197, 27) << qRgb(255, 255, 0);
    }

    void testStretched()
    {
        QFETCH(QPoint, panelPixel);
        QFETCH(QRgb, color);

        QImage texture(2, 2, QImage::Format_RGB32);
        texture.setPixel(0, 0, qRgb(255, 0, 0));
        texture.setPixel(1, 0, qRgb(0, 255, 0));
        texture.setPixel(0, 1, qRgb(0, 0, 255));
        texture.setPixel(1, 1, qRgb(255, 255, 0));
        TJPanelTexture panel;
        panel.setJTexture(texture);
        panel.setJStyleTexture(txStretch);
        const QImage image = paintPanel(panel, QSize(200, 30));
        QCOMPARE(at(image, panelPixel.x(), panelPixel.y()), color);
        QCOMPARE(pixelsOutsideClient(image, QSize(200, 30)), 0);
    }

    void testTransparentFill_data()
    {
        QTest::addColumn<TJPanelTextureStyle>("style");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("fillShows");

        QTest::newRow("tiled: covered") << txTile << QSize(794, 23) << false;
        QTest::newRow("stretched: covered") << txStretch << QSize(794, 23) << false;
        QTest::newRow("centred in a larger panel: shows around") << txCenter << QSize(100, 100) << true;
    }

    void testTransparentFill()
    {
        QFETCH(TJPanelTextureStyle, style);
        QFETCH(QSize, client);
        QFETCH(bool, fillShows);

        TJPanelTexture panel;
        panel.setColor(QColor(PanelColor));
        panel.setJTexture(coordinateTexture(64, 64));
        panel.setJStyleTexture(style);
        panel.setJTransparent(true);
        panel.setJTransColor(QColor(0, 128, 0));
        const QImage image = paintPanel(panel, client);
        QCOMPARE(pixelsOf(image, client, qRgb(0, 128, 0)) > 0, fillShows);
        QCOMPARE(pixelsOf(image, client, PanelColor), 0);
    }

    void testPlainFace_data()
    {
        QTest::addColumn<TJPanelTextureStyle>("style");
        QTest::addColumn<bool>("withTexture");

        QTest::newRow("no style, with a texture") << txNone << true;
        QTest::newRow("tiled, empty texture") << txTile << false;
        QTest::newRow("centred, empty texture") << txCenter << false;
        QTest::newRow("stretched, empty texture") << txStretch << false;
    }

    void testPlainFace()
    {
        QFETCH(TJPanelTextureStyle, style);
        QFETCH(bool, withTexture);

        const QSize client(200, 30);
        TJPanelTexture panel;
        panel.setColor(QColor(PanelColor));
        if (withTexture)
            panel.setJTexture(coordinateTexture(64, 64));
        panel.setJStyleTexture(style);
        const QImage bare = paintPanel(panel, client);
        panel.setCaption("JPanelTexture1");
        const QImage captioned = paintPanel(panel, client);

        int captionPixels = 0;
        for (int y = 0; y < client.height(); ++y)
            for (int x = 0; x < client.width(); ++x)
                if (at(bare, x, y) != at(captioned, x, y)) {
                    ++captionPixels;
                    QVERIFY(x > 40 && x < 160);
                }
        QVERIFY2(captionPixels > 20, "the caption is not drawn");
        QCOMPARE(at(bare, 100, 15), PanelColor);
        QVERIFY2(at(bare, 0, 0) != PanelColor, "no bevel");
        QCOMPARE(pixelsOutsideClient(captioned, client), 0);
    }

    void testZeroSizedPanelDrawsNothing()
    {
        TJPanelTexture panel;
        panel.setCaption("JPanelTexture1");
        panel.setJTexture(coordinateTexture(64, 64));
        panel.setJStyleTexture(txTile);
        const QImage image = paintPanel(panel, QSize(0, 0));
        QCOMPARE(pixelsOutsideClient(image, QSize(0, 0)), 0);
    }

    void testTextureIsCopied()
    {
        QImage texture = plainTexture(qRgb(10, 20, 30));
        TJPanelTexture panel;
        panel.setJTexture(texture);
        texture.fill(qRgb(200, 0, 0));
        QCOMPARE(panel.JTexture().pixel(5, 5), qRgb(10, 20, 30));
    }

    void testRepaintRequests_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("requests");

        QTest::newRow("style to txTile") << "style txTile" << 1;
        QTest::newRow("style unchanged") << "style txNone" << 0;
        QTest::newRow("transparent on") << "transparent true" << 1;
        QTest::newRow("transparent unchanged") << "transparent false" << 0;
        QTest::newRow("trans colour to navy") << "transcolor navy" << 1;
        QTest::newRow("trans colour unchanged grey") << "transcolor grey" << 0;
        QTest::newRow("texture set") << "texture" << 1;
        QTest::newRow("texture set again") << "texture twice" << 2;
    }

    void testRepaintRequests()
    {
        QFETCH(QString, change);
        QFETCH(int, requests);

        CountingPanel panel;
        if (change == "style txTile")
            panel.setJStyleTexture(txTile);
        else if (change == "style txNone")
            panel.setJStyleTexture(txNone);
        else if (change == "transparent true")
            panel.setJTransparent(true);
        else if (change == "transparent false")
            panel.setJTransparent(false);
        else if (change == "transcolor navy")
            panel.setJTransColor(QColor(0, 0, 128));
        else if (change == "transcolor grey")
            panel.setJTransColor(QColor(128, 128, 128));
        else if (change == "texture")
            panel.setJTexture(plainTexture(qRgb(1, 2, 3)));
        else if (change == "texture twice") {
            panel.setJTexture(plainTexture(qRgb(1, 2, 3)));
            panel.setJTexture(plainTexture(qRgb(1, 2, 3)));
        }
        QCOMPARE(panel.repaintRequests, requests);
    }

    void testRepaintIsDeferred()
    {
        CountingPanel panel;
        panel.resize(200, 30);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QTRY_VERIFY(panel.paints > 0);
        QCoreApplication::processEvents();
        const int before = panel.paints;

        panel.setJStyleTexture(txNone);
        QCoreApplication::processEvents();
        QCOMPARE(panel.paints, before);

        panel.setJStyleTexture(txTile);
        QCOMPARE(panel.paints, before);
        QTRY_VERIFY(panel.paints > before);
    }

    void testToolbarTextureResource()
    {
        const QImage texture(":/texture.png");
        QCOMPARE(texture.size(), QSize(64, 64));
        QVERIFY(!texture.hasAlphaChannel());
        qint64 red = 0, green = 0, blue = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QColor c = texture.pixelColor(x, y);
                for (const int channel : {c.red(), c.green(), c.blue()})
                    QVERIFY2(channel >= 171 && channel <= 239, qPrintable(QString("%1,%2").arg(x).arg(y)));
                red += c.red();
                green += c.green();
                blue += c.blue();
            }
        const qint64 pixels = 64 * 64;
        QVERIFY(qAbs((red + green + blue) / (3 * pixels) - 205) <= 3);
        QVERIFY(green > blue && blue > red);
    }

    void testToolbarPictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");

        QTest::newRow("window icon") << ":/icon.png" << QSize(32, 32);
        QTest::newRow("previous") << ":/glyph_previous.png" << QSize(16, 16);
        QTest::newRow("next") << ":/glyph_next.png" << QSize(16, 16);
        QTest::newRow("view") << ":/glyph_view.png" << QSize(16, 16);
        QTest::newRow("size") << ":/glyph_size.png" << QSize(16, 16);
        QTest::newRow("year") << ":/glyph_year.png" << QSize(16, 16);
        QTest::newRow("close") << ":/glyph_close.png" << QSize(16, 16);
        QTest::newRow("week") << ":/glyph_week.png" << QSize(16, 16);
        QTest::newRow("params") << ":/glyph_params.png" << QSize(16, 16);
        QTest::newRow("on top") << ":/glyph_ontop.png" << QSize(16, 16);
        QTest::newRow("tray") << ":/glyph_tray.png" << QSize(16, 16);
        QTest::newRow("sunrise") << ":/sunrise.png" << QSize(16, 15);
        QTest::newRow("sunset") << ":/sunset.png" << QSize(16, 15);
        QTest::newRow("start moon") << ":/moon_start.png" << QSize(16, 16);
    }

    void testToolbarPictures()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage picture(path);
        QCOMPARE(picture.size(), size);
        // Some corner is see-through, so the picture sits on the texture without a box round it.
        const QList<QPoint> corners = {
            {0, 0}, {size.width() - 1, 0}, {0, size.height() - 1}, {size.width() - 1, size.height() - 1}};
        bool seeThrough = false;
        for (const QPoint& corner : corners)
            seeThrough = seeThrough || qAlpha(picture.pixel(corner)) == 0;
        QVERIFY(seeThrough);
    }

    void testShownPanelPaintsTexture()
    {
        const QImage texture = coordinateTexture(64, 64);
        TJPanelTexture panel;
        panel.resize(794, 23);
        panel.setJTexture(texture);
        panel.setJStyleTexture(txTile);
        const QImage shown = panel.grab().toImage();
        QCOMPARE(shown.pixel(793, 22), texture.pixel(25, 22));
        QCOMPARE(shown.pixel(64, 0), texture.pixel(0, 0));
    }
};

QTEST_MAIN(TestPanelTexture)
#include "TestPanelTexture.moc"
