// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPictureView.h"
#include "drawing/Inks.h"
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <cmath>

// The picture of a day as pixels: the sun's curve peaks where and as high as the day's solar noon says.
class TestDayPicture : public QObject
{
    Q_OBJECT
private slots:
    void sunPeaksAtNoon_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("offset");
        QTest::addColumn<QDate>("day");
        QTest::newRow("Berlin, midsummer") << 52.52 << 13.40 << 2.0 << QDate(2026, 6, 21);
        QTest::newRow("Berlin, midwinter") << 52.52 << 13.40 << 1.0 << QDate(2026, 12, 21);
        QTest::newRow("Quito, sun near the zenith") << -0.18 << -78.47 << -5.0 << QDate(2026, 3, 20);
        QTest::newRow("Sydney") << -33.87 << 151.21 << 11.0 << QDate(2026, 1, 15);
        QTest::newRow("Tromso, polar night: the peak under the horizon")
            << 69.65 << 18.96 << 1.0 << QDate(2026, 12, 21);
    }
    void sunPeaksAtNoon()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(double, offset);
        QFETCH(QDate, day);
        SkyPlace place;
        place.latitude = latitude;
        place.longitudeEast = longitude;
        place.offsetHoursAt = [offset](double) { return offset; };
        SkyCalculator calculator;
        const DaySky sky = calculator.dayAt(day, place);
        const DayPictureContent content =
            dayPictureOf(calculator, sky, place, true, QLocale::c(), std::optional<double>());
        const QRectF area(0, 0, 720, 374);
        QImage image(area.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        paintDayPicture(painter, area, content);
        painter.end();
        // The topmost row holding the sun's ink, and the middle of its run there.
        int top = -1, first = 0, last = 0;
        for (int y = 0; y < image.height() && top < 0; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == inks::Sun.rgb()) {
                    if (top < 0)
                        top = y, first = x;
                    last = x;
                }
        QVERIFY(top >= 0);
        QVERIFY(sky.solarNoon && sky.noonAltitude);
        const DayPictureGeometry geometry(area, content.heights);
        // The pen is 2.5 pixels wide: its top edge stands a pixel above the curve.
        const double degreesPerPixel = 180 / geometry.plot().height();
        QVERIFY2(std::abs(geometry.degreesAt(top + 1.25) - *sky.noonAltitude) <= 1.5 * degreesPerPixel,
                 qPrintable(QString::number(geometry.degreesAt(top + 1.25))));
        // Near its peak the curve is flat: its top row spans minutes; their middle is noon.
        const double minutes = (geometry.momentAt((first + last) / 2.0 + 0.5) - *sky.solarNoon) * 1440;
        QVERIFY2(std::abs(minutes) < 6, qPrintable(QString::number(minutes)));
    }
};

QTEST_MAIN(TestDayPicture)
#include "TestDayPicture.moc"
