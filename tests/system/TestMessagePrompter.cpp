// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/BoxGate.h"
#include "support/Fakes.h"
#include "system/SystemServices.h"
#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The real boxes: one at a time, though a dialog may raise its own; the gate in front of them keeps the rule.
class TestMessagePrompter : public QObject
{
    Q_OBJECT
private slots:
    void testADialogShowsItsOwnBoxButNeverABoxOverABox();
    void testNoSecondDialogWhileOneIsOpen();
    void testTheWarningPutsThePointerOnItsOk_data();
    void testTheWarningPutsThePointerOnItsOk();
};

void TestMessagePrompter::testADialogShowsItsOwnBoxButNeverABoxOverABox()
{
    MessagePrompter prompter;
    FakeClock clock;
    FakePointer pointer;
    Services services{clock, prompter, pointer};
    BoxGate gate(services);
    QDialog dialog;
    QStringList seen;
    // Closes every box that opens, noting its text; a second box over the first would be noted too.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("seen").toBool())
            return;
        box->setProperty("seen", true);
        seen.append(box->text());
        // Asked for while the box is open: refused at once rather than stacked.
        gate.showOverDialog(BoxGate::Box::Plain, QStringLiteral("a second box"));
        gate.show(BoxGate::Box::Plain, QStringLiteral("a third box"));
        QCOMPARE(QApplication::activeModalWidget(), box);
        box->accept();
    });
    closer.start(10);
    QTimer::singleShot(0, &dialog, [&] {
        gate.showOverDialog(BoxGate::Box::Warning,
                            QStringLiteral("Cannot create file /home/user/.config/dorvane/prefs.cal"));
        dialog.accept();
    });
    QCOMPARE(gate.execDialog(&dialog), int(QDialog::Accepted));
    QCOMPARE(seen, QStringList{QStringLiteral("Cannot create file /home/user/.config/dorvane/prefs.cal")});
    QVERIFY(!gate.isOpen());
}

void TestMessagePrompter::testNoSecondDialogWhileOneIsOpen()
{
    MessagePrompter prompter;
    FakeClock clock;
    FakePointer pointer;
    Services services{clock, prompter, pointer};
    BoxGate gate(services);
    QDialog first, second;
    int secondResult = -1;
    QTimer::singleShot(0, &first, [&] {
        secondResult = gate.execDialog(&second);
        first.accept();
    });
    gate.execDialog(&first);
    QCOMPARE(secondResult, int(QDialog::Rejected));
    QVERIFY(!second.isVisible());
}

void TestMessagePrompter::testTheWarningPutsThePointerOnItsOk_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("year out of range") << QStringLiteral("Year must be between 1700 and 3000");
    QTest::newRow("a file not written, a longer text")
        << QStringLiteral("Cannot create file /home/user/.config/dorvane/prefs.cal");
}

void TestMessagePrompter::testTheWarningPutsThePointerOnItsOk()
{
    QFETCH(QString, text);
    QWidget window;
    window.setGeometry(200, 150, 794, 453);
    window.show();
    MessagePrompter prompter;
    prompter.setParent(&window);
    FakePointer pointer;
    QRect okOnScreen;
    QPoint at;
    // Looks at the open box until the pointer has moved, then closes it as the user would; a box that never moves
    // the pointer is closed after a while so that the test fails rather than hangs.
    const QDeadlineTimer giveUp(5000);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || (pointer.moves.isEmpty() && !giveUp.hasExpired()))
            return;
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        okOnScreen = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
        at = pointer.last();
        box->accept();
    });
    watch.start(10);
    prompter.warningAtOk(text, pointer);
    QCOMPARE(pointer.moves.size(), 1);
    QVERIFY(okOnScreen.contains(at));
}

QTEST_MAIN(TestMessagePrompter)
#include "TestMessagePrompter.moc"
