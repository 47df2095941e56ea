#include "app/SystemServices.h"
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The real boxes: one at a time, though a dialog may raise its own.
class TestMessagePrompter : public QObject
{
    Q_OBJECT
private slots:
    void testADialogShowsItsOwnBoxButNeverABoxOverABox();
    void testNoSecondDialogWhileOneIsOpen();
};

void TestMessagePrompter::testADialogShowsItsOwnBoxButNeverABoxOverABox()
{
    MessagePrompter prompter;
    QDialog dialog;
    QStringList seen;
    QTimer::singleShot(0, &dialog, [&] {
        QTimer::singleShot(0, &dialog, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.append(box->text());
            // Asked for while the box is open: refused at once rather than stacked.
            prompter.plain(QStringLiteral("a second box"));
            QVERIFY(prompter.isOpen());
            box->accept();
        });
        prompter.warning(QStringLiteral("The program must be restarted for this option to take effect."));
        dialog.accept();
    });
    QCOMPARE(prompter.execDialog(&dialog), int(QDialog::Accepted));
    QCOMPARE(seen, QStringList{QStringLiteral("The program must be restarted for this option to take effect.")});
    QVERIFY(!prompter.isOpen());
}

void TestMessagePrompter::testNoSecondDialogWhileOneIsOpen()
{
    MessagePrompter prompter;
    QDialog first, second;
    int secondResult = -1;
    QTimer::singleShot(0, &first, [&] {
        secondResult = prompter.execDialog(&second);
        first.accept();
    });
    prompter.execDialog(&first);
    QCOMPARE(secondResult, int(QDialog::Rejected));
    QVERIFY(!second.isVisible());
}

QTEST_MAIN(TestMessagePrompter)
#include "TestMessagePrompter.moc"
