#include "dialog/WeekRulesRow.h"
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using weeks::FirstDay;
using weeks::Numbering;

Q_DECLARE_METATYPE(weeks::FirstDay)
Q_DECLARE_METATYPE(weeks::Numbering)

class TestWeekRulesRow : public QObject
{
    Q_OBJECT
private slots:
    void testChoiceShownQuietlyAndToldWhenPicked_data();
    void testChoiceShownQuietlyAndToldWhenPicked();
    void testNamedForScreenReaders();
};

void TestWeekRulesRow::testChoiceShownQuietlyAndToldWhenPicked_data()
{
    QTest::addColumn<FirstDay>("shownDay");
    QTest::addColumn<Numbering>("shownNumbering");
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<QString>("numberingText");
    QTest::addColumn<QString>("pickedDay");
    QTest::addColumn<FirstDay>("toldDay");
    QTest::addColumn<Numbering>("toldNumbering");
    QTest::newRow("the locale's day is named") << FirstDay::Locale << Numbering::Iso << "Locale's (Monday)"
                                               << "ISO 8601"
                                               << "Saturday" << FirstDay::Saturday << Numbering::Iso;
    QTest::newRow("Saturday back to the locale's, numbering kept")
        << FirstDay::Saturday << Numbering::FirstJanuary << "Saturday"
        << "Week of 1 January"
        << "Locale's (Monday)" << FirstDay::Locale << Numbering::FirstJanuary;
    QTest::newRow("Sunday over Monday") << FirstDay::Monday << Numbering::Iso << "Monday"
                                        << "ISO 8601"
                                        << "Sunday" << FirstDay::Sunday << Numbering::Iso;
}

void TestWeekRulesRow::testChoiceShownQuietlyAndToldWhenPicked()
{
    QFETCH(FirstDay, shownDay);
    QFETCH(Numbering, shownNumbering);
    QFETCH(QString, dayText);
    QFETCH(QString, numberingText);
    QFETCH(QString, pickedDay);
    QFETCH(FirstDay, toldDay);
    QFETCH(Numbering, toldNumbering);
    WeekRulesRow row(Qt::Monday, nullptr);
    QSignalSpy told(&row, &WeekRulesRow::chosen);
    row.showChoice(shownDay, shownNumbering);
    QCOMPARE(told.count(), 0);
    QCOMPARE(row.firstDayList()->currentText(), dayText);
    QCOMPARE(row.numberingList()->currentText(), numberingText);

    row.firstDayList()->setCurrentIndex(row.firstDayList()->findText(pickedDay));
    QCOMPARE(told.count(), 1);
    QCOMPARE(told.at(0).at(0).value<FirstDay>(), toldDay);
    QCOMPARE(told.at(0).at(1).value<Numbering>(), toldNumbering);
}

void TestWeekRulesRow::testNamedForScreenReaders()
{
    WeekRulesRow row(Qt::Sunday, nullptr);
    QCOMPARE(row.objectName(), QLatin1String(WeekRulesNames::Panel));
    const struct
    {
        const char* label;
        const char* list;
    } pairs[] = {{WeekRulesNames::FirstDayLabel, WeekRulesNames::FirstDayBox},
                 {WeekRulesNames::NumberingLabel, WeekRulesNames::NumberingBox}};
    for (const auto& pair : pairs) {
        auto* label = row.findChild<QLabel*>(QLatin1String(pair.label));
        auto* list = row.findChild<QComboBox*>(QLatin1String(pair.list));
        QVERIFY(label && list);
        QCOMPARE(label->buddy(), list);
        QVERIFY(!list->accessibleName().isEmpty());
        QVERIFY(!list->accessibleDescription().isEmpty());
        // The caption ends before its list, which stays inside the row.
        QVERIFY(label->geometry().right() < list->x());
        QVERIFY(row.rect().contains(list->geometry()));
    }
}

QTEST_MAIN(TestWeekRulesRow)
#include "TestWeekRulesRow.moc"
