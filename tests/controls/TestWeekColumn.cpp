#include "controls/TMonthCalendar.h"
#include "support/DayCell.h"
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using weeks::Numbering;

Q_DECLARE_METATYPE(Qt::DayOfWeek)

namespace {
constexpr int DayRows = 6;
const TDateTime Noon = 0.5;

// The model's row of day row (0 to 5), under the row of day names.
int modelRow(const QAbstractItemModel* model, int row)
{
    return model->rowCount() - DayRows + row;
}

// What the week cell beside a day row looks like on the screen.
QImage weekCell(TMonthCalendar& calendar, int row)
{
    const QAbstractItemModel* model = calendar.dayView()->model();
    const QRect cell = calendar.dayView()->visualRect(model->index(modelRow(model, row), 0));
    return calendar.dayView()->viewport()->grab(cell).toImage();
}

void showMonth(TMonthCalendar& calendar, int year, int month, Qt::DayOfWeek first, Numbering rule)
{
    calendar.setWeekRules(first, rule);
    calendar.setWeekNumbers(true);
    calendar.setDate(rt::encodeDate(year, month, 1));
}
} // namespace

class TestWeekColumn : public QObject
{
    Q_OBJECT
private slots:
    void testRowsAreTheControlsOwn_data();
    void testRowsAreTheControlsOwn();
    void testTheChosenRuleIsPainted_data();
    void testTheChosenRuleIsPainted();
    void testClicksUnderTheChosenRules();
};

void TestWeekColumn::testRowsAreTheControlsOwn_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<Qt::DayOfWeek>("first");
    QTest::newRow("January 2023 starts in the first column") << 2023 << 1 << Qt::Sunday;
    QTest::newRow("January 2021, Monday first") << 2021 << 1 << Qt::Monday;
    QTest::newRow("January 2027, Saturday first") << 2027 << 1 << Qt::Saturday;
    QTest::newRow("February 2026: four whole weeks from a Sunday") << 2026 << 2 << Qt::Sunday;
    QTest::newRow("March 2024 after 29 February, Saturday first") << 2024 << 3 << Qt::Saturday;
    QTest::newRow("December 2020, Monday first") << 2020 << 12 << Qt::Monday;
}

void TestWeekColumn::testRowsAreTheControlsOwn()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(Qt::DayOfWeek, first);
    TMonthCalendar calendar(Noon);
    showMonth(calendar, year, month, first, Numbering::Iso);
    QCOMPARE(calendar.firstDayOfWeek(), first);
    const QAbstractItemModel* model = calendar.dayView()->model();
    for (int row = 0; row < DayRows; ++row) {
        // The first column holds the row's first day, and the control's own ISO number is the row's.
        const QDate start = weeks::gridRowStart(year, month, row, first);
        QCOMPARE(start.dayOfWeek(), int(first));
        QCOMPARE(model->index(modelRow(model, row), 1).data().toInt(), start.day());
        QCOMPARE(model->index(modelRow(model, row), 0).data().toInt(), calendar.weekNumberOfRow(row));
    }
}

// The numbers "week 1 holds 1 January" gives the six rows; each cell looks like the control's own ISO cell where
// the two numbers agree, and differs where they do not.
void TestWeekColumn::testTheChosenRuleIsPainted_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<Qt::DayOfWeek>("first");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("2023, Sunday first: only the row before 1 January differs")
        << 2023 << 1 << Qt::Sunday << QList<int>{53, 1, 2, 3, 4, 5};
    QTest::newRow("2021, Monday first: every row one on") << 2021 << 1 << Qt::Monday << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("2026, Monday first: the two rules agree") << 2026 << 1 << Qt::Monday << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("2027, Saturday first") << 2027 << 1 << Qt::Saturday << QList<int>{1, 2, 3, 4, 5, 6};
}

void TestWeekColumn::testTheChosenRuleIsPainted()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(Qt::DayOfWeek, first);
    QFETCH(QList<int>, numbers);
    TMonthCalendar iso(Noon);
    TMonthCalendar chosen(Noon);
    showMonth(iso, year, month, first, Numbering::Iso);
    showMonth(chosen, year, month, first, Numbering::FirstJanuary);
    for (TMonthCalendar* calendar : {&iso, &chosen}) {
        calendar->show();
        QVERIFY(QTest::qWaitForWindowExposed(calendar));
    }
    const QAbstractItemModel* model = iso.dayView()->model();
    for (int row = 0; row < DayRows; ++row) {
        QCOMPARE(chosen.weekNumberOfRow(row), numbers[row]);
        const int isoNumber = model->index(modelRow(model, row), 0).data().toInt();
        const bool same = weekCell(iso, row) == weekCell(chosen, row);
        QVERIFY2(same == (isoNumber == numbers[row]), qPrintable(QStringLiteral("row %1").arg(row)));
    }
}

void TestWeekColumn::testClicksUnderTheChosenRules()
{
    TMonthCalendar calendar(Noon);
    showMonth(calendar, 2027, 1, Qt::Saturday, Numbering::FirstJanuary);
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QSignalSpy clicks(&calendar, &TMonthCalendar::OnClick);
    for (const QDate& day : {QDate(2027, 1, 15), QDate(2026, 12, 27), QDate(2027, 1, 2)}) {
        const QRect cell = dayCell(calendar, calendar.dayView(), day);
        QVERIFY(cell.isValid());
        QTest::mouseClick(calendar.dayView()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(rt::toQDate(calendar.Date()), day);
    }
    QCOMPARE(clicks.count(), 3);
}

QTEST_MAIN(TestWeekColumn)
#include "TestWeekColumn.moc"
