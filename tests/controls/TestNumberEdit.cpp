// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TumNumberEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(TumNumberEditKind)
Q_DECLARE_METATYPE(TumEditAlignment)

namespace {

// Caret -1 selects the whole text before typing.
const int SelectAll = -1;

void prepare(TumNumberEdit& edit, TumNumberEditKind kind, int maxValue, const QString& text, int caret)
{
    edit.setKind(kind);
    edit.setMaxValue(maxValue);
    edit.setText(text);
    if (caret == SelectAll)
        edit.selectAll();
    else
        edit.setCursorPosition(caret);
}

// Columns of the painted field (inside its frame) that hold any pixel other than the background.
QPair<int, int> inkColumns(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    const QRgb background = image.pixel(image.width() / 2, 3);
    int first = -1;
    int last = -1;
    for (int x = 3; x < image.width() - 3; ++x) {
        for (int y = 3; y < image.height() - 3; ++y) {
            if (image.pixel(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

int darkestInk(QWidget& widget)
{
    const QImage image = widget.grab().toImage();
    int darkest = 255;
    for (int x = 3; x < image.width() - 3; ++x)
        for (int y = 3; y < image.height() - 3; ++y)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

} // namespace

class TestNumberEdit : public QObject
{
    Q_OBJECT
private slots:
    void testNewField()
    {
        TumNumberEdit edit;
        QCOMPARE(edit.Kind(), neDec);
        QCOMPARE(edit.text(), QString("0"));
        QCOMPARE(edit.Value(), 0);
        QCOMPARE(edit.MaxValue(), 0);
        QCOMPARE(edit.Alignment(), taLeftJustify);
    }

    void testTyping_data()
    {
        QTest::addColumn<TumNumberEditKind>("kind");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("caretAfter");

        QTest::newRow("2030 typed over the selected 0") << neDec << 0 << "0" << SelectAll << "2030"
                                                        << "2030" << 2030 << 4;
        QTest::newRow("a letter changes nothing") << neDec << 0 << "1999" << 4 << "x"
                                                  << "1999" << 1999 << 4;
        QTest::newRow("a blank changes nothing") << neDec << 0 << "1999" << 2 << " "
                                                 << "1999" << 1999 << 2;
        QTest::newRow("a minus sign changes nothing") << neDec << 0 << "1999" << 0 << "-"
                                                      << "1999" << 1999 << 0;
        QTest::newRow("a point changes nothing") << neDec << 0 << "1999" << 4 << "."
                                                 << "1999" << 1999 << 4;
        QTest::newRow("hex letters are not decimal digits") << neDec << 0 << "12" << 2 << "ab"
                                                            << "12" << 12 << 2;
        QTest::newRow("limit 255: third digit making 256 refused") << neDec << 255 << "25" << 2 << "6"
                                                                   << "25" << 25 << 2;
        QTest::newRow("limit 255: third digit making 255 kept") << neDec << 255 << "25" << 2 << "5"
                                                                << "255" << 255 << 3;
        QTest::newRow("limit 255: digit in the middle making 265 refused") << neDec << 255 << "25" << 1 << "6"
                                                                           << "25" << 25 << 1;
        QTest::newRow("limit 3000: 0999 kept") << neDec << 3000 << "0" << SelectAll << "0999"
                                               << "0999" << 999 << 4;
        QTest::newRow("limit 3000: 00999 refused") << neDec << 3000 << "0999" << 0 << "0"
                                                   << "0999" << 999 << 0;
        QTest::newRow("limit 3000: 3001 refused") << neDec << 3000 << "300" << 3 << "1"
                                                  << "300" << 300 << 3;
        QTest::newRow("limit 3000: 3000 kept") << neDec << 3000 << "300" << 3 << "0"
                                               << "3000" << 3000 << 4;
        QTest::newRow("2147483647 kept") << neDec << 0 << "214748364" << 9 << "7"
                                         << "2147483647" << 2147483647 << 10;
        QTest::newRow("2147483648 refused") << neDec << 0 << "214748364" << 9 << "8"
                                            << "214748364" << 214748364 << 9;
        QTest::newRow("hex ff typed") << neHex << 0 << "0" << SelectAll << "ff"
                                      << "ff" << 255 << 2;
        QTest::newRow("hex FF typed") << neHex << 0 << "0" << SelectAll << "FF"
                                      << "FF" << 255 << 2;
        QTest::newRow("hex g dropped") << neHex << 0 << "A" << 1 << "g"
                                       << "A" << 10 << 1;
        QTest::newRow("hex ff under limit 255 kept") << neHex << 255 << "0" << SelectAll << "ff"
                                                     << "ff" << 255 << 2;
        QTest::newRow("hex af under limit 255 kept") << neHex << 255 << "0" << SelectAll << "af"
                                                     << "af" << 175 << 2;
        QTest::newRow("hex 100 over limit 255 refused") << neHex << 255 << "10" << 2 << "0"
                                                        << "10" << 16 << 2;
        QTest::newRow("hex FFFFFFFF reads -1") << neHex << 0 << "0" << SelectAll << "FFFFFFFF"
                                               << "FFFFFFFF" << -1 << 8;
        QTest::newRow("binary 101") << neBin << 0 << "0" << SelectAll << "101"
                                    << "101" << 5 << 3;
        QTest::newRow("binary 2 dropped") << neBin << 0 << "1" << 1 << "2"
                                          << "1" << 1 << 1;
    }

    void testTyping()
    {
        QFETCH(TumNumberEditKind, kind);
        QFETCH(int, maxValue);
        QFETCH(QString, start);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(int, caretAfter);

        TumNumberEdit edit;
        prepare(edit, kind, maxValue, start, caret);
        QTest::keyClicks(&edit, typed);

        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), value);
        QCOMPARE(edit.cursorPosition(), caretAfter);
        QVERIFY(!edit.hasSelectedText());
    }

    void testShortcutsDropped_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("plainEditText");

        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << false << "199977";
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << true << "";
        QTest::newRow("Ctrl+Z after typing") << int(Qt::Key_Z) << false << "199";
        QTest::newRow("Ctrl+A then 5") << int(Qt::Key_A) << false << "5";
    }

    void testShortcutsDropped()
    {
        QFETCH(int, key);
        QFETCH(bool, selectAll);
        QFETCH(QString, plainEditText);
        QApplication::clipboard()->setText("77");

        // The same keys on a plain field show that they would have changed the text.
        QLineEdit plain;
        TumNumberEdit edit;
        for (QLineEdit* field : {&plain, static_cast<QLineEdit*>(&edit)}) {
            field->setText("199");
            QTest::keyClick(field, Qt::Key_9);
            if (selectAll)
                field->selectAll();
            QTest::keyClick(field, Qt::Key(key), Qt::ControlModifier);
            if (key == Qt::Key_A)
                QTest::keyClick(field, Qt::Key_5);
        }
        QCOMPARE(plain.text(), plainEditText);
        QCOMPARE(edit.text(), key == Qt::Key_A ? QString("19995") : QString("1999"));
    }

    void testEditingKeysPass_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");

        QTest::newRow("Backspace at the end") << int(Qt::Key_Backspace) << 4 << "203" << 203;
        QTest::newRow("Delete at the start") << int(Qt::Key_Delete) << 0 << "030" << 30;
        QTest::newRow("Backspace over the selected text") << int(Qt::Key_Backspace) << SelectAll << "" << 0;
        QTest::newRow("Delete over the selected text") << int(Qt::Key_Delete) << SelectAll << "" << 0;
    }

    void testEditingKeysPass()
    {
        QFETCH(int, key);
        QFETCH(int, caret);
        QFETCH(QString, text);
        QFETCH(int, value);

        TumNumberEdit edit;
        prepare(edit, neDec, 0, "2030", caret);
        QTest::keyClick(&edit, Qt::Key(key));

        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), value);
    }

    void testArrowThenDigit()
    {
        TumNumberEdit edit;
        prepare(edit, neDec, 0, "230", 3);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_Left);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Right);
        QTest::keyClicks(&edit, "0");
        QCOMPARE(edit.text(), QString("2030"));
        QCOMPARE(edit.Value(), 2030);
    }

    void testTextFromOutsideTheKeyboard_data()
    {
        QTest::addColumn<TumNumberEditKind>("kind");
        QTest::addColumn<QString>("inserted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");

        QTest::newRow("decimal 12a refused") << neDec << "12a"
                                             << "1999" << 1999;
        QTest::newRow("decimal 2147483648 refused") << neDec << "2147483648"
                                                    << "1999" << 1999;
        QTest::newRow("decimal 99999999999 refused") << neDec << "99999999999"
                                                     << "1999" << 1999;
        QTest::newRow("decimal with a blank refused") << neDec << " 12"
                                                      << "1999" << 1999;
        QTest::newRow("decimal 1.5 refused") << neDec << "1.5"
                                             << "1999" << 1999;
        QTest::newRow("decimal sign alone refused") << neDec << "-"
                                                    << "1999" << 1999;
        QTest::newRow("decimal 2147483647 kept") << neDec << "2147483647"
                                                 << "2147483647" << 2147483647;
        QTest::newRow("decimal 2024 kept") << neDec << "2024"
                                           << "2024" << 2024;
        QTest::newRow("hex 1z refused") << neHex << "1z"
                                        << "7CF" << 1999;
        QTest::newRow("hex 7e8 kept") << neHex << "7e8"
                                      << "7e8" << 2024;
        QTest::newRow("binary 102 refused") << neBin << "102"
                                            << "11111001111" << 1999;
        QTest::newRow("binary 110 kept") << neBin << "110"
                                         << "110" << 6;
    }

    void testTextFromOutsideTheKeyboard()
    {
        QFETCH(TumNumberEditKind, kind);
        QFETCH(QString, inserted);
        QFETCH(QString, text);
        QFETCH(int, value);

        // Pasting through the field's menu and dropping text both arrive as a change of the text.
        TumNumberEdit edit;
        edit.setKind(kind);
        edit.setValue(1999);
        edit.setText(inserted);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), value);

        TumNumberEdit pasted;
        pasted.setKind(kind);
        pasted.setValue(1999);
        pasted.selectAll();
        pasted.insert(inserted);
        QCOMPARE(pasted.text(), text);
        QCOMPARE(pasted.Value(), value);
    }

    void testRefusedPasteKeepsCaret()
    {
        TumNumberEdit edit;
        prepare(edit, neDec, 0, "1999", 2);
        QTest::keyClick(&edit, Qt::Key_5); // records the caret, now after the 5
        edit.insert("x");
        QCOMPARE(edit.text(), QString("19599"));
        QCOMPARE(edit.cursorPosition(), 3);
        QVERIFY(!edit.hasSelectedText());
    }

    void testSetValue_data()
    {
        QTest::addColumn<TumNumberEditKind>("kind");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<int>("assigned");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");

        QTest::newRow("2024") << neDec << 0 << 2024 << "2024" << 2024;
        QTest::newRow("-7 becomes 0") << neDec << 0 << -7 << "0" << 0;
        QTest::newRow("5000 under limit 3000 becomes 3000") << neDec << 3000 << 5000 << "3000" << 3000;
        QTest::newRow("hex 255 reads FF") << neHex << 0 << 255 << "FF" << 255;
        QTest::newRow("hex 2147483647 reads 7FFFFFFF") << neHex << 0 << 2147483647 << "7FFFFFFF" << 2147483647;
        QTest::newRow("hex 0 reads 0") << neHex << 0 << 0 << "0" << 0;
        QTest::newRow("binary 5 reads 101") << neBin << 0 << 5 << "101" << 5;
        QTest::newRow("binary 256 under limit 255 reads 11111111") << neBin << 255 << 256 << "11111111" << 255;
    }

    void testSetValue()
    {
        QFETCH(TumNumberEditKind, kind);
        QFETCH(int, maxValue);
        QFETCH(int, assigned);
        QFETCH(QString, text);
        QFETCH(int, value);

        TumNumberEdit edit;
        edit.setKind(kind);
        edit.setMaxValue(maxValue);
        edit.setValue(1);
        edit.setValue(assigned);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), value);
    }

    void testSetMaxValue_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("valueAfter");

        QTest::newRow("value 25, limit 10: 10") << 25 << 10 << "10" << 10;
        QTest::newRow("value 5, limit 10: stays 5") << 5 << 10 << "5" << 5;
        QTest::newRow("value 25, no limit: stays 25") << 25 << 0 << "25" << 25;
    }

    void testSetMaxValue()
    {
        QFETCH(int, value);
        QFETCH(int, maxValue);
        QFETCH(QString, text);
        QFETCH(int, valueAfter);

        TumNumberEdit edit;
        edit.setValue(value);
        edit.setMaxValue(maxValue);
        QCOMPARE(edit.MaxValue(), maxValue);
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.Value(), valueAfter);
    }

    void testSetKindKeepsText()
    {
        TumNumberEdit edit;
        edit.setValue(10);
        edit.setKind(neHex);
        QCOMPARE(edit.text(), QString("10"));
        QCOMPARE(edit.Value(), 10);
        QTest::keyClicks(&edit, "a");
        QCOMPARE(edit.text(), QString("10a"));
        QCOMPARE(edit.Value(), 266);
    }

    void testOnChangeCount_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("changes");

        QTest::newRow("a kept digit: once") << "type 5" << 1;
        QTest::newRow("a dropped letter: never") << "type x" << 0;
        QTest::newRow("a refused digit: the change and its undoing") << "type 6 over 255" << 2;
        QTest::newRow("a new value: once") << "value 7" << 1;
        QTest::newRow("the same value: never") << "value 25" << 0;
        QTest::newRow("clearing: once") << "clear" << 1;
        QTest::newRow("a refused paste: the change and its undoing") << "insert a" << 2;
    }

    void testOnChangeCount()
    {
        QFETCH(QString, action);
        QFETCH(int, changes);

        TumNumberEdit edit;
        edit.setMaxValue(255);
        edit.setValue(25);
        QSignalSpy spy(&edit, &TumNumberEdit::OnChange);
        if (action == "type 5")
            QTest::keyClicks(&edit, "5");
        else if (action == "type x")
            QTest::keyClicks(&edit, "x");
        else if (action == "type 6 over 255")
            QTest::keyClicks(&edit, "6");
        else if (action == "value 7")
            edit.setValue(7);
        else if (action == "value 25")
            edit.setValue(25);
        else if (action == "clear")
            edit.clear();
        else if (action == "insert a")
            edit.insert("a");
        QCOMPARE(spy.count(), changes);
        for (const QList<QVariant>& arguments : spy)
            QCOMPARE(arguments.at(0).value<QObject*>(), &edit);
    }

    void testTextLeft_data()
    {
        QTest::addColumn<TumEditAlignment>("alignment");
        QTest::addColumn<int>("left");

        QTest::newRow("left: at the margin") << taLeftJustify << 2;
        QTest::newRow("right: 116 - 24 - 2 - 1") << taRightJustify << 89;
        QTest::newRow("centre: (116 - 24) div 2") << taCenter << 46;
    }

    void testTextLeft()
    {
        QFETCH(TumEditAlignment, alignment);
        QFETCH(int, left);
        QCOMPARE(umEditTextLeft(alignment, 116, 24, 2), left);
    }

    void testAlignmentPainted_data()
    {
        QTest::addColumn<TumEditAlignment>("alignment");
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QString>("where");

        QTest::newRow("left, unfocused") << taLeftJustify << false << "left";
        QTest::newRow("right, unfocused") << taRightJustify << false << "right";
        QTest::newRow("centre, unfocused") << taCenter << false << "centre";
        QTest::newRow("right, focused: edits on the left") << taRightJustify << true << "left";
        QTest::newRow("centre, focused: edits on the left") << taCenter << true << "left";
    }

    void testAlignmentPainted()
    {
        QFETCH(TumEditAlignment, alignment);
        QFETCH(bool, focused);
        QFETCH(QString, where);

        TumNumberEdit edit;
        edit.resize(120, 21);
        edit.setValue(2030);
        edit.setAlignment(alignment);
        if (focused) {
            QFocusEvent focusIn(QEvent::FocusIn);
            QApplication::sendEvent(&edit, &focusIn);
        }
        QCOMPARE(edit.focusFlag(), focused);

        const auto [first, last] = inkColumns(edit);
        QVERIFY(first > 0);
        const int middle = (first + last) / 2;
        if (where == "left")
            QVERIFY2(last < 60, qPrintable(QString("text from %1 to %2").arg(first).arg(last)));
        else if (where == "right")
            QVERIFY2(first > 60 && last >= 120 - 8, qPrintable(QString("text from %1 to %2").arg(first).arg(last)));
        else
            QVERIFY2(qAbs(middle - 60) <= 3, qPrintable(QString("text from %1 to %2").arg(first).arg(last)));
    }

    void testFocusLossRestoresOwnPainting()
    {
        TumNumberEdit edit;
        edit.resize(120, 21);
        edit.setValue(2030);
        edit.setAlignment(taRightJustify);
        QFocusEvent focusIn(QEvent::FocusIn);
        QApplication::sendEvent(&edit, &focusIn);
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(&edit, &focusOut);
        QVERIFY(!edit.focusFlag());
        QVERIFY(inkColumns(edit).first > 60);
    }

    void testDisabledTextGreyed()
    {
        TumNumberEdit edit;
        edit.resize(120, 21);
        edit.setValue(2030);
        edit.setAlignment(taCenter);
        const int enabled = darkestInk(edit);
        edit.setEnabled(false);
        QVERIFY2(darkestInk(edit) > enabled + 40, "disabled text is not greyed");
    }
};

QTEST_MAIN(TestNumberEdit)
#include "TestNumberEdit.moc"
