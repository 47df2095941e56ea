// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/DaysSheet.h"
#include <QTest>

// The pages after the year's: the dates as the locale writes them, and every marked day listed once under its month.
class TestDaysSheet : public QObject
{
    Q_OBJECT
private slots:
    void testRangeText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<QString>("text");
        const QDate march12(2027, 3, 12), march15(2027, 3, 15);
        QTest::newRow("one day") << "en_GB" << march12 << march12 << "12 March";
        QTest::newRow("in a month") << "en_GB" << march12 << march15 << "12–15 March";
        QTest::newRow("over a month's end")
            << "en_GB" << QDate(2027, 3, 28) << QDate(2027, 4, 2) << "28 March – 2 April";
        QTest::newRow("over the new year")
            << "en_GB" << QDate(2026, 12, 28) << QDate(2027, 1, 3) << "28 December 2026 – 3 January 2027";
        QTest::newRow("US, month first") << "en_US" << march12 << march15 << "March 12–15";
        QTest::newRow("US, over the new year")
            << "en_US" << QDate(2026, 12, 28) << QDate(2027, 1, 3) << "December 28, 2026 – January 3, 2027";
        QTest::newRow("German") << "de_DE" << march12 << march15 << "12.–15. März";
        QTest::newRow("French") << "fr_FR" << march12 << march15 << "12–15 mars";
        QTest::newRow("Spanish") << "es_ES" << march12 << march15 << "12–15 de marzo";
        QTest::newRow("Japanese") << "ja_JP" << march12 << march15 << "3月12日–15日";
        QTest::newRow("Hungarian, year first") << "hu_HU" << march12 << QDate(2027, 4, 2) << "március 12. – április 2.";
    }
    void testRangeText()
    {
        QFETCH(QString, locale);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QTEST(dayRangeText(first, last, QLocale(locale)), "text");
    }

    // However many days and however tall the page: each day once, in order, under its month's name, which is
    // written again at the top of a column the month goes on in and never ends a column; nothing below the page.
    void testColumns_data()
    {
        QTest::addColumn<int>("days"); // one a day from 20 December of the year before
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0 << QSizeF(842, 595) << 0;
        QTest::newRow("a few, landscape A4") << 20 << QSizeF(842, 595) << 1;
        QTest::newRow("the whole year, landscape A4") << 377 << QSizeF(842, 595) << 4;
        QTest::newRow("the whole year, upright Letter") << 377 << QSizeF(612, 792) << 2;
    }
    void testColumns()
    {
        QFETCH(int, days);
        QFETCH(QSizeF, page);
        SheetContent content;
        content.year = 2027;
        for (int k = 0; k < days; ++k) {
            const QDate day = QDate(2026, 12, 20).addDays(k);
            content.ranges.append({day, day.addDays(k % 3), QString::number(k), 0});
        }
        const DaysSheet sheet(content);
        QTEST(sheet.pageCount(page), "pages");
        const double height = page.height() * 2800 / page.width();
        const QList<DaysSheet::Column> columns = sheet.columnsFor(height);
        int next = 0;
        for (const DaysSheet::Column& column : columns) {
            QVERIFY(!column.isEmpty() && column.first().range < 0);
            QVERIFY(column.last().top < height - 90 * 2 - 150);
            for (int k = 0; k < column.size(); ++k) {
                const DaysSheet::Line& line = column[k];
                if (line.range < 0) {
                    QVERIFY(k + 1 < column.size() && column[k + 1].range >= 0 && column[k + 1].month == line.month);
                    continue;
                }
                QCOMPARE(line.range, next++);
                const QDate first = content.ranges[line.range].first;
                QCOMPARE(line.month, first.year() < 2027 ? 1 : first.month());
                QVERIFY(k > 0 && column[k].top > column[k - 1].top);
            }
        }
        QCOMPARE(next, days);
    }
};

QTEST_MAIN(TestDaysSheet)
#include "TestDaysSheet.moc"
