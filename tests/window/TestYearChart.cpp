// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/AppFixture.h"
#include "window/WindowActions.h"
#include "yearchart/YearChartWindow.h"
#include <QFontMetricsF>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

// The daylight chart of a year: its days agree with the Day panel's, a clock change is a step, its colours follow
// the sun, and a click on it chooses the day in the grid.
namespace {
SkyPlace placeIn(double latitude, double longitude, const QByteArray& zone)
{
    SkyPlace place;
    place.latitude = latitude;
    place.longitudeEast = longitude;
    place.offsetHoursAt = [tz = QTimeZone(zone)](double jd) {
        return tz.offsetFromUtc(QDateTime::fromMSecsSinceEpoch(qint64((jd - 2440587.5) * 86400000.0), Qt::UTC)) /
               3600.0;
    };
    return place;
}

double clockHours(double ut, const SkyPlace& place, const QDate& day)
{
    return (ut + place.offsetHoursAt(ut) / 24 - (double(day.toJulianDay()) - 0.5)) * 24;
}
} // namespace

class TestYearChart : public QObject
{
    Q_OBJECT
private slots:
    void daysAgreeWithTheDayPanel_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("Berlin") << 52.52 << 13.40 << QByteArray("Europe/Berlin");
        QTest::newRow("Sydney") << -33.87 << 151.21 << QByteArray("Australia/Sydney");
        QTest::newRow("Tromso") << 69.65 << 18.96 << QByteArray("Europe/Oslo");
    }
    void daysAgreeWithTheDayPanel()
    {
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QByteArray, zone);
        const SkyPlace place = placeIn(latitude, longitude, zone);
        SkyCalculator calculator;
        const std::vector<DayLightHours> year = calculator.yearLight(2026, place);
        QCOMPARE(int(year.size()), 365);
        for (int i = 0; i < 365; i += 23) {
            const DayLightHours& light = year[std::size_t(i)];
            const DaySky sky = calculator.dayAt(light.day, place);
            QCOMPARE(light.sunrise.has_value(), sky.sunrise.has_value());
            QCOMPARE(light.civilDusk.has_value(), sky.civilDusk.has_value());
            if (sky.sunrise)
                QVERIFY(std::abs(*light.sunrise - clockHours(*sky.sunrise, place, light.day)) < 1.0 / 60);
            if (sky.civilDusk)
                QVERIFY(std::abs(*light.civilDusk - clockHours(*sky.civilDusk, place, light.day)) < 1.0 / 60);
        }
    }

    // Summer time begins on 29 March 2026 in Berlin: the sunrise steps an hour later on the clock.
    void aClockChangeIsAStep()
    {
        SkyCalculator calculator;
        const std::vector<DayLightHours> year = calculator.yearLight(2026, placeIn(52.52, 13.40, "Europe/Berlin"));
        const int before = QDate(2026, 3, 28).dayOfYear() - 1;
        const double step = *year[std::size_t(before + 1)].sunrise - *year[std::size_t(before)].sunrise;
        QVERIFY2(step > 0.9 && step < 1.0, qPrintable(QString::number(step)));
    }

    // The colour at a day and an hour: day where the sun is up, the night's where it is far below.
    void colours_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<double>("hours");
        QTest::addColumn<bool>("daylight");
        QTest::newRow("Berlin, a June noon")
            << 52.52 << QByteArray("Europe/Berlin") << QDate(2026, 6, 21) << 13.0 << true;
        QTest::newRow("Berlin, a December night")
            << 52.52 << QByteArray("Europe/Berlin") << QDate(2026, 12, 21) << 2.0 << false;
        QTest::newRow("Tromso, midnight sun")
            << 69.65 << QByteArray("Europe/Oslo") << QDate(2026, 6, 21) << 0.5 << true;
        QTest::newRow("Tromso, polar noon")
            << 69.65 << QByteArray("Europe/Oslo") << QDate(2026, 12, 21) << 12.0 << false;
    }
    void colours()
    {
        QFETCH(double, latitude);
        QFETCH(QByteArray, zone);
        QFETCH(QDate, day);
        QFETCH(double, hours);
        QFETCH(bool, daylight);
        SkyCalculator calculator;
        const SkyPlace place = placeIn(latitude, 15, zone);
        const YearChartContent content = yearChartOf(calculator, 2026, place, true, QLocale::c());
        const QRectF area(0, 0, 1100, 500);
        QImage image(area.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintYearChart(painter, area, content);
        painter.end();
        const YearChartGeometry geometry(area, int(content.days.size()),
                                         yearChartMargins(QFontMetricsF(QFont()), content));
        const QPoint at(int(geometry.x(day.dayOfYear() - 1)) + 1, int(geometry.y(hours)));
        QCOMPARE(image.pixelColor(at) == QColor(172, 206, 240), daylight);
        QVERIFY(qGray(image.pixel(at)) > 0);
    }

    // The chart as a file: a PNG whose months and hours are written in its margins, a PDF whose text reads, and a
    // file that cannot be written says why.
    void export_()
    {
        SkyCalculator calculator;
        const YearChartContent content =
            yearChartOf(calculator, 2026, placeIn(52.52, 13.40, "Europe/Berlin"), true, QLocale::c());
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("chart.png"));
        QCOMPARE(YearChartWindow::write(content, png), QString());
        const QImage image(png);
        QCOMPARE(image.size(), QSize(1520, 760));
        // The months' line under the days and the hours' column beside them carry text.
        const auto inked = [&image](const QRect& area) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += qGray(image.pixel(x, y)) < 160;
            return count;
        };
        QVERIFY(inked(QRect(100, 740, 1400, 19)) > 200);
        QVERIFY(inked(QRect(0, 40, 40, 680)) > 100);
        const QString pdf = dir.filePath(QStringLiteral("chart.pdf"));
        QCOMPARE(YearChartWindow::write(content, pdf), QString());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            QVERIFY(text.waitForFinished());
            const QString words = QString::fromUtf8(text.readAllStandardOutput());
            QVERIFY2(words.contains(QLatin1String("Jun")) && words.contains(QLatin1String("December solstice")) &&
                         words.contains(QLatin1String("18:00")),
                     qPrintable(words));
        }
        QVERIFY(!YearChartWindow::write(content, dir.filePath(QStringLiteral("no/such/folder/chart.png"))).isEmpty());
    }

    void aClickChoosesTheDay()
    {
        App app;
        app.calendar->show();
        app.activate();
        auto* actions = app.calendar->findChild<WindowActions*>(names::Actions);
        actions->row(names::YearChartKeys).run();
        auto* window = app.calendar->findChild<YearChartWindow*>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Daylight of 2024"));
        YearChartView* view = window->view();
        QCOMPARE(int(view->content().days.size()), 366);
        const QDate chosen(2024, 9, 10);
        const YearChartGeometry geometry(QRectF(view->rect()), 366,
                                         yearChartMargins(QFontMetricsF(view->font()), view->content()));
        // The middle of the day's column, rounded to the pixel the mouse can stand on.
        const QPoint at(int(std::lround((geometry.x(chosen.dayOfYear() - 1) + geometry.x(chosen.dayOfYear())) / 2)),
                        int(geometry.y(12)));
        QTest::mouseClick(view, Qt::LeftButton, {}, at);
        QCOMPARE(rt::toQDate(app.find<YearView>(names::YearView)->date(9)), chosen);
        QVERIFY2(app.calendar->windowTitle().contains(QLatin1String("24.254")),
                 qPrintable(app.calendar->windowTitle()));
        QCOMPARE(view->content().clicked, std::optional<QDate>(chosen));
        // Escape closes the chart.
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestYearChart)
#include "TestYearChart.moc"
