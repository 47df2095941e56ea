// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/YearSheet.h"
#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <array>

// The page as a picture: each mark must land on its own day's cell.
class TestYearSheet : public QObject
{
    Q_OBJECT

    const QRectF m_page{0, 0, 1169, 827}; // landscape A4 at 100 dpi

    // The share of an area's pixels darker than a weekend's tint.
    static double inked(const QImage& image, const QRectF& area)
    {
        const QRect pixels = area.toAlignedRect() & image.rect();
        int count = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                count += qGray(image.pixel(x, y)) < 128;
        return pixels.isEmpty() ? 0 : double(count) / (pixels.width() * pixels.height());
    }

    // Where a moon is drawn: above the day's number, at the right.
    static QRectF moonPlace(const QRectF& c)
    {
        return {c.right() - c.height() * 0.3, c.top() + c.height() * 0.08, c.height() * 0.2, c.height() * 0.18};
    }

    static constexpr QRgb Blue = 0xff0072b2;
    static constexpr QRgb Green = 0xff009e73;
    static constexpr QRgb Pink = 0xffcc79a7;
    inline static const std::array<std::pair<QString, QRgb>, 3> Colours{
        {{"blue", Blue}, {"green", Green}, {"pink", Pink}}};

    static SheetContent markedYear(const QList<SheetRange>& ranges, const QList<SheetCategory>& categories = {})
    {
        SheetContent content;
        content.year = 2027;
        content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
        content.ranges = ranges;
        content.categories = categories;
        return content;
    }

    static QImage pictureOf(const YearSheet& sheet, const QRectF& page)
    {
        QImage image(page.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        sheet.paint(painter, page);
        return image;
    }

private slots:
    void testMarkOnItsDay_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QDate>("marked");
        QTest::addColumn<QDate>("neighbour");
        QTest::addColumn<QString>("where"); // where the marked day stands from its neighbour, as a reader sees it
        QTest::newRow("Monday first, a Friday")
            << int(Qt::Monday) << QDate(2027, 1, 1) << QDate(2027, 1, 4) << "right, a row above";
        QTest::newRow("Sunday first, a Sunday")
            << int(Qt::Sunday) << QDate(2027, 1, 3) << QDate(2027, 1, 2) << "left, a row below";
        QTest::newRow("Saturday first, 31 December")
            << int(Qt::Saturday) << QDate(2027, 12, 31) << QDate(2027, 12, 30) << "right, same row";
        QTest::newRow("leap day") << int(Qt::Monday) << QDate(2028, 2, 29) << QDate(2028, 2, 28) << "right, same row";
    }
    void testMarkOnItsDay()
    {
        QFETCH(int, firstDay);
        QFETCH(QDate, marked);
        QFETCH(QDate, neighbour);
        SheetContent content;
        content.year = marked.year();
        content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
        content.firstDay = Qt::DayOfWeek(firstDay);
        content.marks = [marked](const QDate& date) {
            SheetDayMarks marks;
            marks.newMoon = date == marked;
            return marks;
        };
        const YearSheet sheet(content);
        QImage image(m_page.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        sheet.paint(painter, m_page);
        const QRectF a = sheet.dayRect(marked, m_page), b = sheet.dayRect(neighbour, m_page);
        QVERIFY(inked(image, moonPlace(a)) > 0.3);
        QCOMPARE(inked(image, moonPlace(b)), 0.0);
        const QString row = a.top() < b.top() - 1 ? "a row above" : a.top() > b.top() + 1 ? "a row below" : "same row";
        QTEST(QString(a.left() > b.left() ? "right, " : "left, ") + row, "where");
    }

    // The legend names an eclipse only on a page that shows one, and each kind by its own entry.
    void testEclipsesInTheLegend()
    {
        const auto footer = [this](bool solar, bool lunar) {
            SheetContent content;
            content.year = 2026;
            content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
            content.marks = [solar, lunar](const QDate& date) {
                SheetDayMarks marks;
                marks.solarEclipse = solar && date == QDate(2026, 8, 12);
                marks.lunarEclipse = lunar && date == QDate(2026, 8, 28);
                return marks;
            };
            QImage image(m_page.size().toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            YearSheet(content).paint(painter, m_page);
            // The footer: below the sixth row of November, the year's last.
            const QRectF last = YearSheet(content).dayRect(QDate(2026, 11, 30), m_page);
            const double top = last.bottom() + 1;
            return image.copy(QRectF(0, top, m_page.width(), m_page.height() - top).toRect());
        };
        const QImage none = footer(false, false), solar = footer(true, false), lunar = footer(false, true);
        const QImage both = footer(true, true);
        QVERIFY(solar != none);
        QVERIFY(lunar != none);
        QVERIFY(solar != lunar);
        QVERIFY(both != solar && both != lunar);
        QVERIFY(inked(both, both.rect()) > inked(solar, solar.rect()));
    }

    // A holiday's number is printed in the holiday ink, and "Holiday" named in the legend, only on a page with one.
    void testHolidayInkAndLegend_data()
    {
        QTest::addColumn<QList<QDate>>("holidays");
        QTest::newRow("no holidays") << QList<QDate>{};
        QTest::newRow("Christmas") << QList<QDate>{QDate(2026, 12, 25)};
        QTest::newRow("New Year and Christmas") << QList<QDate>{QDate(2026, 1, 1), QDate(2026, 12, 25)};
    }
    void testHolidayInkAndLegend()
    {
        QFETCH(QList<QDate>, holidays);
        SheetContent content;
        content.year = 2026;
        content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
        const auto paint = [this](const SheetContent& content) { return pictureOf(YearSheet(content), m_page); };
        const QImage plain = paint(content);
        if (!holidays.isEmpty())
            content.holiday = [holidays](const QDate& day) { return holidays.contains(day); };
        const QImage image = paint(content);
        const auto red = [](const QImage& image, const QRectF& area) {
            const QRect pixels = area.toAlignedRect() & image.rect();
            int count = 0;
            for (int y = pixels.top(); y <= pixels.bottom(); ++y)
                for (int x = pixels.left(); x <= pixels.right(); ++x) {
                    const QColor p = image.pixelColor(x, y);
                    count += p.red() > 150 && p.green() < 100 && p.blue() < 100;
                }
            return count;
        };
        const YearSheet sheet(content);
        for (const QDate& day : {QDate(2026, 1, 1), QDate(2026, 12, 25), QDate(2026, 12, 24)})
            QCOMPARE(red(image, sheet.dayRect(day, m_page)) > 0, holidays.contains(day));
        const QRectF last = sheet.dayRect(QDate(2026, 11, 30), m_page);
        const QRectF footer(0, last.bottom() + 1, m_page.width(), m_page.height() - last.bottom() - 1);
        QCOMPARE(red(image, footer) > 0, !holidays.isEmpty());
        QCOMPARE(image.copy(footer.toRect()) == plain.copy(footer.toRect()), holidays.isEmpty());
    }

    // Saturday and Sunday are tinted wherever the first day puts their columns; the working days never are.
    void testWeekendTintFollowsTheWeekday_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::newRow("Monday first") << int(Qt::Monday);
        QTest::newRow("Sunday first") << int(Qt::Sunday);
        QTest::newRow("Saturday first") << int(Qt::Saturday);
    }
    void testWeekendTintFollowsTheWeekday()
    {
        QFETCH(int, firstDay);
        SheetContent content;
        content.year = 2027;
        content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
        content.firstDay = Qt::DayOfWeek(firstDay);
        const YearSheet sheet(content);
        QImage image(m_page.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        sheet.paint(painter, m_page);
        painter.end();
        // 1 to 7 March 2027: Monday to Sunday, spread over the columns by the first day.
        for (int day = 1; day <= 7; ++day) {
            const QDate date(2027, 3, day);
            const QRectF cell = sheet.dayRect(date, m_page);
            // A corner away from the number and the marks.
            const QColor corner = image.pixelColor(QPointF(cell.left() + 3, cell.bottom() - 3).toPoint());
            const bool tinted = corner != QColor(Qt::white);
            QVERIFY2(tinted == (date.dayOfWeek() >= Qt::Saturday),
                     qPrintable(date.toString() + (tinted ? " tinted" : " not tinted")));
        }
    }

    // A marked range's bar lies along the bottom of each of its cells in its category's colour, in the lane its
    // first day gives it among the ranges of the day.
    void testBarsInTheirColours_data()
    {
        QTest::addColumn<QList<SheetRange>>("ranges");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("lanes"); // the bottom lane's colour, then the one above
        const SheetRange trip{QDate(2027, 3, 12), QDate(2027, 3, 15), "Trip", Blue};
        const SheetRange course{QDate(2027, 3, 14), QDate(2027, 3, 20), "Course", Green};
        const SheetRange fair{QDate(2027, 3, 14), QDate(2027, 3, 14), "Fair", Pink};
        QTest::newRow("a range's first day") << QList{trip} << QDate(2027, 3, 12) << "blue, none";
        QTest::newRow("its Sunday, the week's last column") << QList{trip} << QDate(2027, 3, 14) << "blue, none";
        QTest::newRow("its last day") << QList{trip} << QDate(2027, 3, 15) << "blue, none";
        QTest::newRow("the day after it") << QList{trip} << QDate(2027, 3, 16) << "none, none";
        QTest::newRow("two ranges, the earlier below") << QList{trip, course} << QDate(2027, 3, 14) << "blue, green";
        // A range keeps its lane over all its days, as one bar: it does not drop when the one below it ends.
        QTest::newRow("the later keeps its lane alone") << QList{trip, course} << QDate(2027, 3, 16) << "none, green";
        QTest::newRow("one after the other share the bottom lane")
            << QList{trip, SheetRange{QDate(2027, 3, 16), QDate(2027, 3, 18), "Course", Green}} << QDate(2027, 3, 16)
            << "green, none";
        QTest::newRow("a third takes a lane left free on its day")
            << QList{trip, course, SheetRange{QDate(2027, 3, 15), QDate(2027, 3, 16), "Fair", Pink}}
            << QDate(2027, 3, 16) << "pink, green";
        QTest::newRow("a third on a full day is left out")
            << QList{trip, course, fair} << QDate(2027, 3, 14) << "blue, green";
        QTest::newRow("from the year before, on 1 January")
            << QList{SheetRange{QDate(2026, 12, 28), QDate(2027, 1, 3), "New Year", Pink}} << QDate(2027, 1, 1)
            << "pink, none";
    }
    void testBarsInTheirColours()
    {
        QFETCH(QList<SheetRange>, ranges);
        QFETCH(QDate, day);
        const QRectF page(0, 0, 2339, 1654); // A4 at 200 dpi: a lane is some pixels high
        const YearSheet sheet(markedYear(ranges));
        const QImage image = pictureOf(sheet, page);
        const QRectF cell = sheet.dayRect(day, page);
        const double lane = cell.height() * 2 / 16; // as the window's cell of 16 pixels has a bar of 2
        QStringList lanes;
        for (int k = 0; k < 2; ++k) {
            // Away from the number and the bar's ends.
            const QColor found =
                image.pixelColor(QPointF(cell.left() + cell.width() / 4, cell.bottom() - (k + 0.5) * lane).toPoint());
            const auto named =
                std::find_if(Colours.begin(), Colours.end(), [&](const auto& c) { return QColor(c.second) == found; });
            lanes << (named == Colours.end() ? QStringLiteral("none") : named->first);
        }
        QTEST(lanes.join(", "), "lanes");
    }

    // The categories are named in the footer only on a page that shows a marked day, without pushing the week rule
    // away however many there are.
    void testCategoriesInTheLegend_data()
    {
        QTest::addColumn<QList<SheetCategory>>("categories");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("swatches");
        const QList<SheetCategory> three{{"Trip", Blue}, {"Holiday", Green}, {"Birthday", Pink}};
        QList<SheetCategory> many;
        for (int k = 0; k < 12; ++k)
            many.append({QString("A category with a rather long name %1").arg(k), k == 11 ? Pink : Blue});
        QTest::newRow("no marked day") << three << false << "";
        QTest::newRow("marked days") << three << true << "blue, green, pink";
        QTest::newRow("many long names") << many << true << "blue, pink";
    }
    void testCategoriesInTheLegend()
    {
        QFETCH(QList<SheetCategory>, categories);
        QFETCH(bool, marked);
        const auto footer = [this](const QList<SheetCategory>& shown, bool days) {
            const YearSheet sheet(markedYear(
                days ? QList<SheetRange>{{QDate(2027, 5, 1), QDate(2027, 5, 2), "Away", Blue}} : QList<SheetRange>{},
                shown));
            const double top = sheet.dayRect(QDate(2027, 11, 30), m_page).bottom() + 1;
            return pictureOf(sheet, m_page).copy(QRectF(0, top, m_page.width(), m_page.height() - top).toRect());
        };
        const QImage plain = footer({}, false), shown = footer(categories, marked);
        QStringList swatches;
        for (const auto& [name, colour] : Colours) {
            bool found = false;
            for (int y = 0; y < shown.height() && !found; ++y)
                for (int x = 0; x < shown.width() && !found; ++x)
                    found = shown.pixel(x, y) == QColor(colour).rgb();
            if (found)
                swatches << name;
        }
        QTEST(swatches.join(", "), "swatches");
        QCOMPARE(shown == plain, !marked);
        // The week rule at the right stays as it was.
        const QRect rule(shown.width() * 3 / 4, 0, shown.width() / 4, shown.height());
        QCOMPARE(shown.copy(rule), plain.copy(rule));
    }
};

QTEST_MAIN(TestYearSheet)
#include "TestYearSheet.moc"
