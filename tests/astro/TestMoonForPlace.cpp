// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/MoonForPlace.h"
#include <QImage>
#include <QtTest>

namespace {
QImage picture(int n)
{
    return QImage(QStringLiteral(DORVANE_SOURCE_DIR "/assets/moon%1.png").arg(n, 2, 10, QLatin1Char('0')))
        .convertToFormat(QImage::Format_RGB888);
}

// The disc covers columns 1..15, so its mirror maps column c to 16 - c; column 0 is background.
QImage mirrored(const QImage& image)
{
    QImage result = image.copy();
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 1; column <= 15; ++column)
            result.setPixel(column, row, image.pixel(16 - column, row));
    }
    return result;
}
} // namespace

class TestMoonForPlace : public QObject
{
    Q_OBJECT

private slots:
    void testSouthSeesTheMirror_data();
    void testSouthSeesTheMirror();
    void testNoPictureStaysNone();
};

void TestMoonForPlace::testSouthSeesTheMirror_data()
{
    QTest::addColumn<int>("step");
    for (int step = 1; step <= 28; ++step)
        QTest::addRow("step %d", step) << step;
}

// Whatever picture a southern latitude shows must be the northern picture turned left to right.
void TestMoonForPlace::testSouthSeesTheMirror()
{
    QFETCH(int, step);
    const QImage north = picture(step);
    QVERIFY(!north.isNull());
    QCOMPARE(moonPictureAt(step, 52.5), step);
    QCOMPARE(moonPictureAt(step, 0.0), step);
    const int south = moonPictureAt(step, -33.87);
    QVERIFY(south >= 1 && south <= 28);
    QCOMPARE(picture(south), mirrored(north));
    QCOMPARE(moonPictureAt(south, -0.01), step);
}

void TestMoonForPlace::testNoPictureStaysNone()
{
    QCOMPARE(moonPictureAt(0, -33.87), 0);
}

QTEST_GUILESS_MAIN(TestMoonForPlace)
#include "TestMoonForPlace.moc"
