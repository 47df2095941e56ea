// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/YearSheet.h"
#include <QImage>
#include <QPainter>
#include <QTest>

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
};

QTEST_MAIN(TestYearSheet)
#include "TestYearSheet.moc"
