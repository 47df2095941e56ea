#include "print/YearSheet.h"
#include <QImage>
#include <QPainter>
#include <QTest>

// The page as a picture: each mark and tint must land on its own day's cell.
class TestYearSheet : public QObject
{
    Q_OBJECT

    // Landscape A4 at 100 dpi.
    const QRectF m_page{0, 0, 1169, 827};

    QImage picture(const YearSheet& sheet) const
    {
        QImage image(m_page.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        sheet.paint(painter, m_page);
        return image;
    }

    // The share of a rectangle's pixels that are not white; with dark, only those darker than the weekend's tint.
    static double inked(const QImage& image, const QRectF& area, bool dark = false)
    {
        const QRect pixels = area.toAlignedRect() & image.rect();
        int count = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                count += dark ? qGray(image.pixel(x, y)) < 128 : image.pixel(x, y) != qRgb(255, 255, 255);
        return pixels.isEmpty() ? 0 : double(count) / (pixels.width() * pixels.height());
    }

    // Where a moon is drawn: above the day's number, at the right.
    static QRectF topRight(const QRectF& cell)
    {
        return {cell.right() - cell.height() * 0.3, cell.top() + cell.height() * 0.08, cell.height() * 0.2,
                cell.height() * 0.18};
    }
    static QRectF corner(const QRectF& cell) { return {cell.left() + 2, cell.bottom() - 4, 3, 3}; }

private slots:
    void testMarkOnItsDay_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QDate>("marked");
        QTest::addColumn<QDate>("neighbour");
        QTest::newRow("Monday first, a Friday") << int(Qt::Monday) << QDate(2027, 1, 1) << QDate(2027, 1, 4);
        QTest::newRow("Sunday first, a Sunday") << int(Qt::Sunday) << QDate(2027, 1, 3) << QDate(2027, 1, 2);
        QTest::newRow("Saturday first, 31 December") << int(Qt::Saturday) << QDate(2027, 12, 31) << QDate(2027, 12, 30);
        QTest::newRow("leap day") << int(Qt::Monday) << QDate(2028, 2, 29) << QDate(2028, 3, 1);
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
        const QImage image = picture(sheet);
        QVERIFY(inked(image, topRight(sheet.dayRect(marked, m_page)), true) > 0.3);
        QCOMPARE(inked(image, topRight(sheet.dayRect(neighbour, m_page)), true), 0.0);
        // Beside each other in one row unless a row ends between them.
        const QRectF a = sheet.dayRect(marked, m_page), b = sheet.dayRect(neighbour, m_page);
        QVERIFY(qAbs(a.center().x() - b.center().x()) > a.width() / 2);
    }

    void testWeekendTint_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("weekend");
        QTest::addColumn<QDate>("workday");
        QTest::newRow("Germany: Saturday, Monday") << "de_DE" << QDate(2027, 1, 2) << QDate(2027, 1, 4);
        QTest::newRow("Germany: Sunday, Friday") << "de_DE" << QDate(2027, 6, 6) << QDate(2027, 6, 4);
        QTest::newRow("Saudi Arabia: Friday, Sunday") << "ar_SA" << QDate(2027, 1, 1) << QDate(2027, 1, 3);
    }
    void testWeekendTint()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, weekend);
        QFETCH(QDate, workday);
        SheetContent content;
        content.year = 2027;
        content.locale = QLocale(locale);
        const YearSheet sheet(content);
        const QImage image = picture(sheet);
        QCOMPARE(inked(image, corner(sheet.dayRect(weekend, m_page))), 1.0);
        QCOMPARE(inked(image, corner(sheet.dayRect(workday, m_page))), 0.0);
    }

    void testDayOutsideTheYear()
    {
        SheetContent content;
        content.year = 2027;
        QVERIFY(YearSheet(content).dayRect(QDate(2026, 12, 31), m_page).isEmpty());
    }
};

QTEST_MAIN(TestYearSheet)
#include "TestYearSheet.moc"
