// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DevicePictures.h"
#include "controls/MoonPictures.h"
#include "controls/TJPanelTexture.h"

#include <QDirIterator>
#include <QPainter>
#include <QtTest>
#include <cmath>

namespace {

// Edge sharpness: over the grey differences d between neighbouring pixels, sum(d^2) / sum(|d|). A step of contrast
// c crossed in one pixel scores c; blurred over k pixels, c / k.
double sharpness(const QImage& picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    const auto value = [&](int x, int y) {
        const QRgb p = grey.pixel(x, y);
        // Over white, as the see-through parts would show on a light toolbar.
        const double a = qAlpha(p) / 255.0;
        return a * qGray(p) + (1 - a) * 255;
    };
    double squares = 0, sum = 0;
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            for (const QPoint& next : {QPoint(x + 1, y), QPoint(x, y + 1)}) {
                if (next.x() >= grey.width() || next.y() >= grey.height())
                    continue;
                const double d = std::abs(value(x, y) - value(next.x(), next.y()));
                squares += d * d;
                sum += d;
            }
        }
    }
    return sum > 0 ? squares / sum : 0;
}

QImage scaledUp(const QImage& plain, const QSize& device)
{
    return plain.convertToFormat(QImage::Format_ARGB32).scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The lit (white) pixels: how many, and their mean column in pixels of the plain picture.
struct Lit
{
    int count = 0;
    double column = 0;
};

Lit litPixels(const QImage& picture, int scale)
{
    Lit lit;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(picture.pixel(x, y)) == 255 && qGray(picture.pixel(x, y)) > 240) {
                ++lit.count;
                lit.column += (x + 0.5) / scale;
            }
        }
    }
    if (lit.count > 0)
        lit.column /= lit.count;
    return lit;
}

} // namespace

class TestDevicePictures : public QObject
{
    Q_OBJECT

private slots:
    void testEveryPictureHasLargerVersions()
    {
        int plain = 0;
        QDirIterator files(QStringLiteral(":/"), {QStringLiteral("*.png")});
        while (files.hasNext()) {
            const QString path = files.next();
            if (path.contains(QLatin1Char('@')) || path.endsWith(QLatin1String("texture.png")))
                continue;
            ++plain;
            const QImage picture(path);
            for (const int scale : {2, 3}) {
                const QString variant =
                    QString(path).replace(QLatin1String(".png"), QStringLiteral("@%1x.png").arg(scale));
                QVERIFY2(QFile::exists(variant), qPrintable(variant));
                QCOMPARE(QImage(variant).size(), picture.size() * scale);
            }
        }
        // 28 moons, ten glyphs, two sun icons, the start moon and the window icon.
        QCOMPARE(plain, 42);
    }

    void testSharperThanScaledUp_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
            for (const char* path : {":/glyph_year.png", ":/glyph_previous.png", ":/glyph_close.png", ":/sunrise.png",
                                     ":/icon.png", ":/moon05.png"})
                QTest::addRow("%s at %g", path, ratio) << QString::fromLatin1(path) << ratio;
        }
    }

    void testSharperThanScaledUp()
    {
        QFETCH(QString, path);
        QFETCH(qreal, ratio);
        const QImage plain(path);
        const QImage picture = devicePicture(path, ratio);
        QCOMPARE(picture.devicePixelRatio(), ratio);
        const QSize device(qRound(plain.width() * ratio), qRound(plain.height() * ratio));
        QCOMPARE(picture.size(), device);
        // Laid out at the plain picture's size, within the half device pixel that rounding leaves.
        QVERIFY(std::abs(picture.deviceIndependentSize().height() - plain.height()) * ratio <= 0.5 + 1e-9);
        const double own = sharpness(picture);
        const double blurred = sharpness(scaledUp(plain, device));
        // Between the steps the larger version is scaled down, which softens it a little.
        const double gain = ratio < 1.5 ? 1.05 : 1.2;
        QVERIFY2(own > gain * blurred,
                 qPrintable(QStringLiteral("sharpness %1, plain scaled up %2").arg(own).arg(blurred)));
    }

    void testRatioOneIsThePlainPicture()
    {
        for (const QString& path : {QStringLiteral(":/glyph_week.png"), QStringLiteral(":/sunset.png")}) {
            const QImage picture = devicePicture(path, 1.0);
            QCOMPARE(picture.devicePixelRatio(), 1.0);
            QCOMPARE(picture, QImage(path));
        }
        const QPixmap moon = moonPicture(7, 1.0);
        QCOMPARE(moon.devicePixelRatio(), 1.0);
        QCOMPARE(moon.size(), QSize(16, 16));
    }

    void testMoonAtTwiceShowsTheSamePhase_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 28; ++n)
            QTest::addRow("moon %d", n) << n;
    }

    void testMoonAtTwiceShowsTheSamePhase()
    {
        QFETCH(int, n);
        const QImage plain = moonPicture(n, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage twice = moonPicture(n, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(twice.devicePixelRatio(), 2.0);
        QCOMPARE(twice.size(), QSize(32, 32));
        // The grey background is see-through at both sizes.
        QCOMPARE(qAlpha(twice.pixel(0, 31)), 0);
        QCOMPARE(qAlpha(twice.pixel(0, 0)), qAlpha(plain.pixel(0, 0)));
        // The same phase drawn finer: about four times the lit pixels (give or take one device column along the
        // terminator, 15 pixels high) and lit on the same side.
        const Lit lit = litPixels(plain, 1), litTwice = litPixels(twice, 2);
        QVERIFY2(std::abs(litTwice.count - 4 * lit.count) <= 2 * 15 + 4,
                 qPrintable(QStringLiteral("%1 / %2").arg(lit.count).arg(litTwice.count)));
        if (lit.count > 0)
            QVERIFY2(std::abs(litTwice.column - lit.column) <= 1.0,
                     qPrintable(QStringLiteral("%1 / %2").arg(lit.column).arg(litTwice.column)));
    }

    void testPanelTilesAtDeviceResolution_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("scale 1") << 1.0;
        QTest::newRow("scale 1.25") << 1.25;
        QTest::newRow("scale 1.5") << 1.5;
        QTest::newRow("scale 2") << 2.0;
        QTest::newRow("scale 3") << 3.0;
    }

    void testPanelTilesAtDeviceResolution()
    {
        QFETCH(qreal, ratio);
        // Every texture pixel different, so that any magnification shows as repeated pixels.
        QImage texture(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                texture.setPixel(x, y, qRgb(x * 4, y * 4, 77));
        TJPanelTexture panel;
        panel.setJTexture(texture);
        panel.setJStyleTexture(txTile);
        const QSize client(794, 23);
        QImage image(client * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            panel.Paint(painter, QRect(QPoint(0, 0), client));
        }
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixel(x, y), texture.pixel(x % 64, y % 64));
    }
};

QTEST_MAIN(TestDevicePictures)
#include "TestDevicePictures.moc"
