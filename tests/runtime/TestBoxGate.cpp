// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/BoxGate.h"
#include "runtime/ConvertError.h"
#include "support/Fakes.h"
#include <QtTest>

Q_DECLARE_METATYPE(BoxGate::Message)

// The gate over a prompter that records boxes: when a box shows, waits or is dropped.
class TestBoxGate : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testBoxWaitsForTheOutermostHandler();
    void testConversionErrorShownOnceByTheOutermostHandler();
    void testConversionErrorInsideABoxOrDialogStaysInsideIt_data();
    void testConversionErrorInsideABoxOrDialogStaysInsideIt();
    void testBoxUnderAnOpenBoxIsDroppedAndNotSaid();
    void testSayLeavesOutWhatWasSaid_data();
    void testSayLeavesOutWhatWasSaid();
    void testWaitingMessageSaidOnceWhenShown();
    void testDialogsOwnBoxShowsOverIt();
    void testActivationWaitsForTheHandlerAndTheBox();
    void testClosingActivatesTheWindowOnce_data();
    void testClosingActivatesTheWindowOnce();
    void testWarningAtOkPlacesThePointer_data();
    void testWarningAtOkPlacesThePointer();

private:
    std::unique_ptr<FakeWorld> world;
    std::unique_ptr<BoxGate> gate;
};

void TestBoxGate::init()
{
    world = std::make_unique<FakeWorld>();
    gate = std::make_unique<BoxGate>(world->services);
}

void TestBoxGate::cleanup()
{
    gate.reset();
    world.reset();
}

void TestBoxGate::testBoxWaitsForTheOutermostHandler()
{
    gate->run([&] {
        gate->run([&] { gate->show(BoxGate::Box::Plain, "inner"); });
        gate->activating([&] { gate->show(BoxGate::Box::Warning, "during activation"); });
        QVERIFY(world->prompter.boxes.isEmpty());
    });
    QCOMPARE(world->prompter.texts(), QStringList({"inner", "during activation"}));
    QCOMPARE(world->prompter.boxes.at(1).kind, QStringLiteral("warning"));
}

void TestBoxGate::testConversionErrorShownOnceByTheOutermostHandler()
{
    bool afterInner = false;
    gate->run([&] {
        gate->run([] { throw ConvertError(convertText::InvalidDate, "x"); });
        afterInner = true;
    });
    QVERIFY(!afterInner);
    QCOMPARE(world->prompter.boxes.size(), 1);
    QCOMPARE(world->prompter.boxes.at(0).kind, QStringLiteral("error"));
    QVERIFY(!gate->busy());
}

void TestBoxGate::testConversionErrorInsideABoxOrDialogStaysInsideIt_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QStringList>("shown");
    const QString error = "'x' is not a valid date";
    QTest::newRow("a timer's handler while the year warning is open")
        << false << QStringList{"Year must be between 1700 and 3000", error};
    QTest::newRow("a dialog's handler") << true << QStringList{"", error};
}

// A box's or a dialog's own loop runs handlers (timer ticks, the dialog's controls): an error there ends that
// handler and is shown once all has closed; it must not leave the loop, the box or the handler that opened them.
void TestBoxGate::testConversionErrorInsideABoxOrDialogStaysInsideIt()
{
    QFETCH(bool, dialog);
    QFETCH(QStringList, shown);
    const auto failing = [&] { gate->run([] { throw ConvertError(convertText::InvalidDate, "x"); }); };
    world->prompter.whileOpen = [&](const FakePrompter::Box& box) {
        if (box.kind == QLatin1String("warning"))
            failing();
    };
    world->prompter.whileDialogOpen = [&](QDialog*) { failing(); };
    QDialog parameters;
    bool openerWentOn = false;
    gate->run([&] {
        if (dialog)
            gate->execDialog(&parameters);
        else
            gate->warnAtOk("Year must be between 1700 and 3000", 37, false);
        openerWentOn = true;
    });
    QVERIFY(openerWentOn);
    QCOMPARE(world->prompter.texts(), shown);
    QVERIFY(!gate->isOpen());
}

void TestBoxGate::testBoxUnderAnOpenBoxIsDroppedAndNotSaid()
{
    const BoxGate::Message first{"first", "first-key", true};
    const BoxGate::Message report{"report", "day|prefs|report", true};
    world->prompter.whileOpen = [&](const FakePrompter::Box&) {
        gate->run([&] { gate->say(BoxGate::Box::Plain, {report}); });
    };
    gate->say(BoxGate::Box::Warning, {first});
    QCOMPARE(world->prompter.texts(), QStringList({"first"}));
    QCOMPARE(world->prompter.maxDepth, 1);
    // Dropped, it stays to be said by a later report; the one shown is not said again.
    world->prompter.whileOpen = nullptr;
    gate->say(BoxGate::Box::Warning, {first});
    gate->say(BoxGate::Box::Plain, {report});
    QCOMPARE(world->prompter.texts(), QStringList({"first", "report"}));
}

void TestBoxGate::testSayLeavesOutWhatWasSaid_data()
{
    using M = BoxGate::Message;
    QTest::addColumn<QList<M>>("earlier");
    QTest::addColumn<QList<M>>("now");
    QTest::addColumn<QStringList>("shown"); // the texts of every box, in order
    const M a{"A", "a", true};
    const M b{"B", "b", true};
    const M aAgain{"A", "a", false};
    QTest::newRow("said once: left out, no box") << QList<M>{a} << QList<M>{a} << QStringList{"A"};
    QTest::newRow("not once: said again") << QList<M>{a} << QList<M>{aAgain} << QStringList{"A", "A"};
    QTest::newRow("one of two said: the other alone") << QList<M>{a} << QList<M>{a, b} << QStringList{"A", "B"};
    QTest::newRow("neither said: one box, a line each") << QList<M>{} << QList<M>{a, b} << QStringList{"A\nB"};
    QTest::newRow("said by a box of several") << QList<M>{a, b} << QList<M>{b} << QStringList{"A\nB"};
    QTest::newRow("said without once, then once: left out") << QList<M>{aAgain} << QList<M>{a} << QStringList{"A"};
    QTest::newRow("no key: said every time")
        << QList<M>{{"C", "", true}} << QList<M>{{"C", "", true}} << QStringList{"C", "C"};
}

void TestBoxGate::testSayLeavesOutWhatWasSaid()
{
    QFETCH(QList<BoxGate::Message>, earlier);
    QFETCH(QList<BoxGate::Message>, now);
    QFETCH(QStringList, shown);
    gate->say(BoxGate::Box::Warning, earlier);
    gate->say(BoxGate::Box::Warning, now);
    QCOMPARE(world->prompter.texts(), shown);
}

// Two reports of one handler asking for the same message: it is said by the first box to show.
void TestBoxGate::testWaitingMessageSaidOnceWhenShown()
{
    const BoxGate::Message message{"Sun up or down all day", "6/21|prefs", true};
    gate->run([&] {
        gate->say(BoxGate::Box::Plain, {message});
        gate->say(BoxGate::Box::Plain, {message});
        QVERIFY(world->prompter.boxes.isEmpty());
    });
    QCOMPARE(world->prompter.texts(), QStringList({"Sun up or down all day"}));
}

void TestBoxGate::testDialogsOwnBoxShowsOverIt()
{
    QDialog dialog;
    world->prompter.whileDialogOpen = [&](QDialog*) {
        gate->show(BoxGate::Box::Plain, "the window's report");
        gate->showOverDialog(BoxGate::Box::Error, "Cannot create file");
    };
    gate->run([&] { gate->execDialog(&dialog); });
    // The window's box waits for the handler that opened the dialog; the dialog's own box shows over it.
    QCOMPARE(world->prompter.texts(), QStringList({"", "Cannot create file", "the window's report"}));
    QCOMPARE(world->prompter.boxes.at(0).kind, QStringLiteral("dialog"));
    // A second dialog while one is open is refused.
    world->prompter.whileDialogOpen = [&](QDialog*) { QCOMPARE(gate->execDialog(&dialog), 0); };
    gate->execDialog(&dialog);
    QCOMPARE(world->prompter.boxes.size(), 4);
}

void TestBoxGate::testActivationWaitsForTheHandlerAndTheBox()
{
    int activations = 0;
    gate->setActivation([&] { ++activations; });
    world->prompter.whileOpen = [&](const FakePrompter::Box&) { gate->activationArrived(); };
    gate->run([&] {
        gate->activationArrived();
        QCOMPARE(activations, 0);
        gate->show(BoxGate::Box::Plain, "box");
    });
    QCOMPARE(activations, 0);
    // Once the handler and its box have ended, the activation runs, once.
    QTRY_COMPARE(activations, 1);
}

namespace {
enum Closing {
    BoxOverWindow,
    TwoBoxesOfOneHandler,
    YearWarning,
    Dialog,
    DialogWithItsOwnBox,
    HandlerWithoutBox,
    BoxOutsideAHandler
};
}

void TestBoxGate::testClosingActivatesTheWindowOnce_data()
{
    QTest::addColumn<int>("closing");
    QTest::addColumn<int>("activations");
    QTest::newRow("a box over the window") << int(BoxOverWindow) << 1;
    QTest::newRow("two boxes of one handler") << int(TwoBoxesOfOneHandler) << 1;
    QTest::newRow("the year warning") << int(YearWarning) << 1;
    QTest::newRow("a dialog") << int(Dialog) << 1;
    QTest::newRow("a dialog's own box, then the dialog") << int(DialogWithItsOwnBox) << 1;
    QTest::newRow("a handler that showed nothing") << int(HandlerWithoutBox) << 0;
    // The window system's own activation arrives while the box is open: still one activation.
    QTest::newRow("a box outside any handler") << int(BoxOutsideAHandler) << 1;
}

void TestBoxGate::testClosingActivatesTheWindowOnce()
{
    QFETCH(int, closing);
    QFETCH(int, activations);
    int seen = 0;
    gate->setActivation([&] { ++seen; });
    QDialog dialog;
    world->prompter.whileDialogOpen = [&](QDialog*) {
        if (closing == DialogWithItsOwnBox)
            gate->showOverDialog(BoxGate::Box::Error, "Cannot create file");
        QCoreApplication::processEvents();
        // Closing the dialog's box gives the focus back to the dialog, not to the window behind it.
        QCOMPARE(seen, 0);
    };
    if (closing == BoxOutsideAHandler) {
        world->prompter.whileOpen = [&](const FakePrompter::Box&) { gate->activationArrived(); };
        gate->show(BoxGate::Box::Error, "Cannot create file");
        QTRY_COMPARE(seen, activations);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(seen, activations);
        return;
    }
    gate->run([&] {
        if (closing == BoxOverWindow)
            gate->show(BoxGate::Box::Plain, "box");
        if (closing == TwoBoxesOfOneHandler) {
            gate->show(BoxGate::Box::Plain, "first");
            gate->show(BoxGate::Box::Plain, "second");
        }
        if (closing == YearWarning)
            gate->warnAtOk("Year must be between 1700 and 3000", 37, false);
        if (closing == Dialog || closing == DialogWithItsOwnBox)
            gate->execDialog(&dialog);
        QCOMPARE(seen, 0);
    });
    QTRY_COMPARE(seen, activations);
    QCoreApplication::processEvents();
    QCOMPARE(seen, activations);
}

void TestBoxGate::testWarningAtOkPlacesThePointer_data()
{
    QTest::addColumn<QSize>("desktop");
    QTest::addColumn<int>("below");
    QTest::addColumn<QPoint>("pointer");
    QTest::newRow("year warning, 1024x768") << QSize(1024, 768) << 37 << QPoint(522, 421);
    QTest::newRow("restart warning, 1920x1080") << QSize(1920, 1080) << 30 << QPoint(970, 570);
}

void TestBoxGate::testWarningAtOkPlacesThePointer()
{
    QFETCH(QSize, desktop);
    QFETCH(int, below);
    QFETCH(QPoint, pointer);
    world->pointer.desktop = desktop;
    QPoint during;
    world->prompter.whileOpen = [&](const FakePrompter::Box&) { during = world->pointer.last(); };
    // Shown at once, even inside a handler: the pointer is already on its button.
    gate->run([&] { gate->warnAtOk("Year must be between 1700 and 3000", below, false); });
    QCOMPARE(world->prompter.boxes.size(), 1);
    QCOMPARE(during, pointer);
}

QTEST_MAIN(TestBoxGate)
#include "TestBoxGate.moc"
