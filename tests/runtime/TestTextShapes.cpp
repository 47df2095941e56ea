// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/TextShapes.h"
#include <QRegularExpression>
#include <QTest>

// The shapes told by hand accept what the patterns they replace matched, texts at the edges included.
class TestTextShapes : public QObject
{
    Q_OBJECT
private slots:
    void testAsThePatterns_data();
    void testAsThePatterns();
};

void TestTextShapes::testAsThePatterns_data()
{
    QTest::addColumn<QString>("text");
    const QStringList texts = {"", "0", "7", "+7", "-7", "+", "-", "+-7", "--7", "12345678901234567890", "1.", ".5",
                               ".", "-.5", "+.", "1.5", "1..5", "1.5.", "1e5", "1E5", "1e", "1e+", "1e-5", "1e+05",
                               ".5e3", "1.e3", "e5", "1e5e", "1.5\n", "1.5\n\n", "7\n", "\n", "\n7", " 7", "7 ", "1,5",
                               "٣", "１", "7a", "0x10", "1e5\n", "1e\n", "-0", "00012",
                               // Sun times as the toolbar shows them, and near misses.
                               "7:14A", "-1:30", "24:04", "07:14P\n", "123:45", "1:5", "1:050", "1:05Q", "1:05AP",
                               "+1:05", "--1:05", ":05", "1:05 ", "1:05\r", "1:0٣"};
    for (const QString& text : texts)
        QTest::newRow(qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")))) << text;
}

void TestTextShapes::testAsThePatterns()
{
    QFETCH(QString, text);
    static const QRegularExpression integer(QStringLiteral("^[+-]?\\d+$"));
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    static const QRegularExpression withExponent(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    QCOMPARE(shapes::isInteger(text), integer.match(text).hasMatch());
    QCOMPARE(shapes::isDecimal(text, false), plain.match(text).hasMatch());
    QCOMPARE(shapes::isDecimal(text, true), withExponent.match(text).hasMatch());
    static const QRegularExpression sunTime(QStringLiteral("^-?\\d{1,2}:\\d\\d[AP]?$"));
    QCOMPARE(shapes::isSunTime(text), sunTime.match(text).hasMatch());
}

QTEST_GUILESS_MAIN(TestTextShapes)
#include "TestTextShapes.moc"
