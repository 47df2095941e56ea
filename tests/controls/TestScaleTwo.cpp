// SPDX-License-Identifier: GPL-3.0-or-later
// Runs at display scale 2, as a laptop would: the pictures the program takes by file name must come in their
// two-device-pixel versions, not as plain bitmaps scaled up.
#include "controls/DevicePictures.h"
#include "controls/MoonPictures.h"

#include <QApplication>
#include <QToolButton>
#include <QtTest>

class TestScaleTwo : public QObject
{
    Q_OBJECT

private slots:
    void testApplicationRatio() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void testToolbarButtonPaintsTheLargerGlyph_data()
    {
        QTest::addColumn<QString>("glyph");
        QTest::newRow("year entry") << "glyph_year";
        QTest::newRow("week numbers") << "glyph_week";
        QTest::newRow("previous") << "glyph_previous";
    }

    void testToolbarButtonPaintsTheLargerGlyph()
    {
        QFETCH(QString, glyph);
        // The button as the toolbar builds it: a file name given to QIcon, a 16-pixel icon size.
        QToolButton button;
        button.setAutoRaise(true);
        button.setIcon(QIcon(QStringLiteral(":/%1.png").arg(glyph)));
        button.setIconSize(QSize(16, 16));
        button.resize(32, 22);
        const QImage shown = button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), QSize(64, 44));
        // The 32-pixel glyph appears somewhere in the button, pixel for pixel, wherever it is opaque.
        const QImage large = QImage(QStringLiteral(":/%1@2x.png").arg(glyph)).convertToFormat(QImage::Format_ARGB32);
        bool found = false;
        for (int top = 0; top + 32 <= shown.height() && !found; ++top) {
            for (int left = 0; left + 32 <= shown.width() && !found; ++left) {
                bool same = true;
                for (int y = 0; y < 32 && same; ++y)
                    for (int x = 0; x < 32 && same; ++x)
                        if (qAlpha(large.pixel(x, y)) == 255)
                            same = shown.pixel(left + x, top + y) == large.pixel(x, y);
                found = same;
            }
        }
        QVERIFY(found);
    }

    void testWindowIconHasTheLargerSize()
    {
        const QIcon icon(QStringLiteral(":/icon.png"));
        const QPixmap shown = icon.pixmap(QSize(32, 32), 2.0);
        QCOMPARE(shown.size(), QSize(64, 64));
        QCOMPARE(shown.toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(QStringLiteral(":/icon@2x.png")).convertToFormat(QImage::Format_ARGB32));
    }

    void testLabelPicturesFollowTheScale()
    {
        const QPixmap sunrise = devicePixmap(QStringLiteral(":/sunrise.png"));
        QCOMPARE(sunrise.devicePixelRatio(), 2.0);
        QCOMPARE(sunrise.size(), QSize(32, 30));
        const QPixmap moon = moonPicture(14);
        QCOMPARE(moon.devicePixelRatio(), 2.0);
        QCOMPARE(moon.size(), QSize(32, 32));
        QCOMPARE(initialMoonPicture().devicePixelRatio(), 2.0);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestScaleTwo test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "TestScaleTwo.moc"
