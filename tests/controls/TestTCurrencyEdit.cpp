// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TCurrencyEdit.h"
#include <QSignalSpy>
#include <QtTest>

class TestTCurrencyEdit : public QObject
{
    Q_OBJECT
private slots:
    void testShownAndSavedText_data();
    void testShownAndSavedText();
    void testSetTextChecked_data();
    void testSetTextChecked();
    void testChangeSignalOnlyWhenTextFormChanges();
    void testFocusedFieldShowsItsTextForm();
};

void TestTCurrencyEdit::testShownAndSavedText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("shownWhole");
    QTest::addColumn<QString>("shownTwoDecimals");

    QTest::newRow("3.5") << 3.5 << "3.5"
                         << "4"
                         << "03.50";
    QTest::newRow("-3.5") << -3.5 << "-3.5"
                          << "-4"
                          << "-03.50";
    QTest::newRow("5.5 (India)") << 5.5 << "5.5"
                                 << "6"
                                 << "05.50";
    QTest::newRow("-6") << -6.0 << "-6"
                        << "-6"
                        << "-06.00";
    QTest::newRow("0") << 0.0 << ""
                       << "0"
                       << "00.00";
    QTest::newRow("30.15") << 30.15 << "30.15"
                           << "30"
                           << "30.15";
    QTest::newRow("three decimals kept as two") << 3.456 << "3.46"
                                                << "3"
                                                << "03.46";
    QTest::newRow("no thousands separator") << 1234.5 << "1234.5"
                                            << "1235"
                                            << "1234.50";
}

void TestTCurrencyEdit::testShownAndSavedText()
{
    QFETCH(double, value);
    QFETCH(QString, saved);
    QFETCH(QString, shownWhole);
    QFETCH(QString, shownTwoDecimals);

    TCurrencyEdit whole;
    whole.setDisplayPattern("0");
    whole.setValue(value);
    QCOMPARE(whole.valueText(), saved);
    QCOMPARE(whole.text(), shownWhole);

    TCurrencyEdit twoDecimals;
    twoDecimals.setDisplayPattern("00.00");
    twoDecimals.setValue(value);
    QCOMPARE(twoDecimals.valueText(), saved);
    QCOMPARE(twoDecimals.text(), shownTwoDecimals);
}

void TestTCurrencyEdit::testSetTextChecked_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    QTest::newRow("4.5") << "4.5" << true << 4.5;
    QTest::newRow("blanks around") << "  -5 " << true << -5.0;
    QTest::newRow("empty is 0") << "" << true << 0.0;
    QTest::newRow("thousands separator dropped") << "1,234.5" << true << 1234.5;
    QTest::newRow("letters refused, value kept") << "abc" << false << 7.25;
    QTest::newRow("number with letters refused") << "5h" << false << 7.25;
}

void TestTCurrencyEdit::testSetTextChecked()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    TCurrencyEdit field;
    field.setValue(7.25);
    QCOMPARE(field.setTextChecked(text), accepted);
    QCOMPARE(field.value(), value);
}

void TestTCurrencyEdit::testChangeSignalOnlyWhenTextFormChanges()
{
    TCurrencyEdit field;
    QSignalSpy changes(&field, &TCurrencyEdit::changed);

    field.setValue(4.5);
    QCOMPARE(changes.count(), 1);
    field.setValue(4.5);
    QCOMPARE(changes.count(), 1);
    field.setValue(4.501); // held as 4.5
    QCOMPARE(changes.count(), 1);
    field.setValue(0);
    QCOMPARE(changes.count(), 2);
    field.setTextChecked("0");
    QCOMPARE(changes.count(), 2);
}

void TestTCurrencyEdit::testFocusedFieldShowsItsTextForm()
{
    QWidget window;
    auto* field = new TCurrencyEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    field->setDisplayPattern("0");
    field->setValue(3.5);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QCOMPARE(field->text(), QStringLiteral("3.5"));

    field->selectAll();
    QTest::keyClicks(field, "abc");
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(field->value(), 3.5);
    QCOMPARE(field->text(), QStringLiteral("4"));

    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, "-9.5");
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QCOMPARE(field->value(), -9.5);
    QCOMPARE(field->valueText(), QStringLiteral("-9.5"));
    QCOMPARE(field->text(), QStringLiteral("-10"));
}

QTEST_MAIN(TestTCurrencyEdit)
#include "TestTCurrencyEdit.moc"
