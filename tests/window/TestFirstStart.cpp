// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/HomeTexts.h"
#include "prefs/MachineDefault.h"
#include "support/AppFixture.h"
#include <QApplication>
#include <QLineEdit>

// A first start with no place for this machine asks for one, once, in the Parameters dialog.
class TestFirstStart : public QObject
{
    Q_OBJECT
private slots:
    void testAsksOnceWithTheCitySearchFocused();
    void testEveryOtherStartAsksNothing();
};

namespace {
QByteArray sampleBytes()
{
    return prefs::samplePrefs().toBytes();
}

int dialogsOpened(const FakePrompter& prompter)
{
    int n = 0;
    for (const FakePrompter::Box& box : prompter.boxes)
        n += box.kind == QLatin1String("dialog") ? 1 : 0;
    return n;
}
} // namespace

void TestFirstStart::testAsksOnceWithTheCitySearchFocused()
{
    App app(QDateTime(QDate(2024, 5, 15), QTime(10, 30)), sampleBytes());
    QString focused;
    app.world.prompter.whileDialogOpen = [&focused](QDialog* dialog) {
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTRY_VERIFY(QApplication::focusWidget());
        focused = QApplication::focusWidget()->objectName();
        // Escape: closed without saving.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    };
    app.calendar->askForPlaceAtFirstActivation();
    app.activate();
    QTRY_COMPARE(dialogsOpened(app.world.prompter), 1);
    QCOMPARE(focused, QString(HomeNames::EditCity));
    // The pointer rests on the city search, not on Save.
    const QLineEdit* city = app.home->findChild<QLineEdit*>(HomeNames::EditCity);
    QCOMPARE(app.world.pointer.last(), city->mapToGlobal(QPoint(city->width() / 2, city->height() / 2)));
    // Escape kept the sample as the start wrote it, and the next activation asks nothing.
    QCOMPARE(app.folder.read(), sampleBytes());
    app.activate();
    QTest::qWait(50);
    QCOMPARE(dialogsOpened(app.world.prompter), 1);
}

void TestFirstStart::testEveryOtherStartAsksNothing()
{
    App app;
    app.activate();
    QTest::qWait(50);
    QCOMPARE(dialogsOpened(app.world.prompter), 0);
}

QTEST_MAIN(TestFirstStart)
#include "TestFirstStart.moc"
