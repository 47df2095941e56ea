// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TCurrencyEdit.h"
#include "dialog/HomeTexts.h"
#include "dialog/THome.h"
#include "support/Fakes.h"
#include "support/TempPrefsDir.h"
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimeZone>
#include <QToolButton>
#include <QtTest>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// 10 / W°97.45 / N°30.15 / -6 in single-byte Latin-1 with CR LF.
const QByteArray Austin = QByteArray("10\r\nW\xB0"
                                     "97.45\r\nN\xB0"
                                     "30.15\r\n-6\r\n");
} // namespace

class TestTHome : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void testReadsFile_data();
    void testReadsFile();
    void testReadingNeverClearsOptions();
    void testMissingFileReportedOnce();
    void testFileThatIsNoRegularFileReportedOnce_data();
    void testFileThatIsNoRegularFileReportedOnce();
    void testOffsetListPopupFitsEveryEntry();
    void testSaveWrites_data();
    void testSaveWrites();
    void testOffsetZeroSavedEmptyAndReadBackZero();
    void testEveryLatin1CharacterSurvivesReadAndSave();
    void testSaveClosesWithoutABox_data();
    void testSaveClosesWithoutABox();
    void testSaveFailureKeepsDialogOpen_data();
    void testSaveFailureKeepsDialogOpen();
    void testCloseBoxWritesNothing();
    void testHintSwitch();
    void testReadingTicksHintsButSwitchesNothing();
    void testHandlersRunThroughTheGate_data();
    void testHandlersRunThroughTheGate();
    void testGmtFieldPassesFocusToOffsetList();
    void testActivationPlacesPointerOnSave();
    void testComingBackKeepsTheEdits();
    void testTimeZoneRow_data();
    void testTimeZoneRow();
    void testTimeZoneRowBelowTheOtherControls();
    void testTabWalksEveryFieldInReadingOrder_data();
    void testTabWalksEveryFieldInReadingOrder();
    void testEveryControlIsNamedAndDescribed_data();
    void testEveryControlIsNamedAndDescribed();
    void testKeysSaveOrClose_data();
    void testKeysSaveOrClose();
    void testTypedTextNamingNoZoneKeepsZoneAndOffset_data();
    void testTypedTextNamingNoZoneKeepsZoneAndOffset();
    void testZoneLeavesAHalfTypedPositionAlone_data();
    void testZoneLeavesAHalfTypedPositionAlone();
    void testTypedPathOpensNothing_data();
    void testTypedPathOpensNothing();
    void testTwoCopiesSaveInTurn_data();
    void testTwoCopiesSaveInTurn();
    void testBlankZoneLineIsNoZone_data();
    void testBlankZoneLineIsNoZone();
    void testOpeningReadsTheFileAgain();
    void testSaveKeepsWhatOthersChangedMeanwhile_data();
    void testSaveKeepsWhatOthersChangedMeanwhile();

private:
    void makeHome(const QString& folder);
    void showActive();
    // Types into the focused control as a person would, then presses one key there.
    static void type(const QString& text, Qt::Key key = Qt::Key_unknown, Qt::KeyboardModifiers modifiers = {});
    QByteArray saveAndRead();

    std::unique_ptr<FakeWorld> world;
    std::unique_ptr<TempPrefsDir> dir;
    bool load(Wording* message = nullptr);

    std::unique_ptr<BoxGate> gate;
    std::unique_ptr<PrefsStore> store;
    std::unique_ptr<THome> home;
};

void TestTHome::init()
{
    world = std::make_unique<FakeWorld>();
    dir = std::make_unique<TempPrefsDir>();
    gate = std::make_unique<BoxGate>(world->services);
    makeHome(dir->path());
}

void TestTHome::cleanup()
{
    home.reset();
    store.reset();
    gate.reset();
    dir.reset();
    world.reset();
}

void TestTHome::makeHome(const QString& folder)
{
    home.reset();
    store = std::make_unique<PrefsStore>(folder, rt::formatSettings());
    home = std::make_unique<THome>(world->services, *gate, *store);
}

// The main window's read of the file, then an opening of the dialog, which reads the file itself, and its closing.
bool TestTHome::load(Wording* message)
{
    if (!store->load(message))
        return false;
    home->show();
    home->hide();
    return true;
}

void TestTHome::showActive()
{
    home->show();
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    QTRY_VERIFY(!world->pointer.moves.isEmpty()); // activated: the focus is on Save
}

void TestTHome::type(const QString& text, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (!text.isEmpty())
        QTest::keyClicks(QApplication::focusWidget(), text);
    if (key != Qt::Key_unknown)
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QByteArray TestTHome::saveAndRead()
{
    home->SpeedButton54Click();
    return dir->read();
}

void TestTHome::testReadsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("militaryBox");
    QTest::addColumn<int>("military");
    QTest::addColumn<bool>("hintsBox");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<double>("offset");
    QTest::addColumn<QString>("offsetShown");

    QTest::newRow("10 / W°97.45 / N°30.15 / -6") << Austin << true << 1 << false << "W°97.45"
                                                 << "N°30.15" << -6.0 << "-6";
    QTest::newRow("01: hints only") << QByteArray("01\r\nE\xB0"
                                                  "2.35\r\nN\xB0"
                                                  "48.85\r\n1\r\n")
                                    << false << 0 << true << "E°2.35"
                                    << "N°48.85" << 1.0 << "1";
    QTest::newRow("00: nothing ticked") << QByteArray("00\r\nW\xB0"
                                                      "0.1\r\nN\xB0"
                                                      "51.5\r\n\r\n")
                                        << false << 0 << false << "W°0.1"
                                        << "N°51.5" << 0.0 << "0";
    QTest::newRow("Kabul 4.5 shown 5") << QByteArray("00\r\nE\xB0"
                                                     "69.2\r\nN\xB0"
                                                     "34.5\r\n4.5\r\n")
                                       << false << 0 << false << "E°69.2"
                                       << "N°34.5" << 4.5 << "5";
    QTest::newRow("offset with blanks") << QByteArray("00\r\nx\r\ny\r\n  -3.5  \r\n") << false << 0 << false << "x"
                                        << "y" << -3.5 << "-4";
    QTest::newRow("offset abc reads 0") << QByteArray("00\r\nx\r\ny\r\nabc\r\n") << false << 0 << false << "x"
                                        << "y" << 0.0 << "0";
    QTest::newRow("three lines: offset 0") << QByteArray("00\r\nW\xB0"
                                                         "97.45\r\nN\xB0"
                                                         "30.15\r\n")
                                           << false << 0 << false << "W°97.45"
                                           << "N°30.15" << 0.0 << "0";
    QTest::newRow("one line: positions empty") << QByteArray("10\r\n") << true << 1 << false << ""
                                               << "" << 0.0 << "0";
    QTest::newRow("first line 1: military only") << QByteArray("1\r\n") << true << 1 << false << ""
                                                 << "" << 0.0 << "0";
    QTest::newRow("empty file") << QByteArray() << false << 0 << false << ""
                                << "" << 0.0 << "0";
    QTest::newRow("lone LF") << QByteArray("10\nW\xB0"
                                           "97.45\nN\xB0"
                                           "30.15\n-6\n")
                             << true << 1 << false << "W°97.45"
                             << "N°30.15" << -6.0 << "-6";
}

void TestTHome::testReadsFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, militaryBox);
    QFETCH(int, military);
    QFETCH(bool, hintsBox);
    QFETCH(QString, longitude);
    QFETCH(QString, latitude);
    QFETCH(double, offset);
    QFETCH(QString, offsetShown);

    dir->write(bytes);
    Wording message("Preferences", prefs::CannotOpenFile, "unset");
    QVERIFY(load(&message));
    QVERIFY(message.isEmpty());
    QCOMPARE(home->findChild<QCheckBox*>(HomeNames::CheckBox1)->isChecked(), militaryBox);
    QCOMPARE(int(store->value().militaryTime()), military);
    QCOMPARE(home->findChild<QCheckBox*>(HomeNames::CheckBox2)->isChecked(), hintsBox);
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit2)->text(), longitude);
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit1)->text(), latitude);
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), offset);
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->text(), offsetShown);
    QCOMPARE(store->value().longitude, longitude);
    QCOMPARE(store->value().latitude, latitude);
    QCOMPARE(home->zone(), QString());
}

void TestTHome::testReadingNeverClearsOptions()
{
    dir->write("11\r\n");
    QVERIFY(load());
    dir->write("00\r\n");
    QVERIFY(load());
    QCOMPARE(store->value().PrefsFlags, QStringLiteral("00"));
    QVERIFY(home->findChild<QCheckBox*>(HomeNames::CheckBox1)->isChecked());
    QVERIFY(home->findChild<QCheckBox*>(HomeNames::CheckBox2)->isChecked());
}

void TestTHome::testMissingFileReportedOnce()
{
    const QString expected = "Cannot open file " + dir->path() + "/prefs.cal";
    Wording message;
    QVERIFY(!load(&message));
    QCOMPARE(message.english(), expected);
    QVERIFY(!load(&message));
    QCOMPARE(message.english(), QString());
    QVERIFY(!load(&message));
    QCOMPARE(message.english(), QString());

    // Before any read the dialog holds no position and no options.
    QVERIFY(!home->findChild<QCheckBox*>(HomeNames::CheckBox1)->isChecked());
    QVERIFY(!home->findChild<QCheckBox*>(HomeNames::CheckBox2)->isChecked());
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit1)->text(), QString());
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit2)->text(), QString());
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), 0.0);

    dir->write(Austin);
    QVERIFY(load(&message));
    dir->remove();
    QVERIFY(!load(&message));
    QCOMPARE(message.english(), expected);
    // The fields keep what the last read gave.
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit2)->text(), QStringLiteral("W°97.45"));
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), -6.0);
    QVERIFY(!load(&message));
    QCOMPARE(message.english(), QString());
}

void TestTHome::testSaveWrites_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("nothing changed") << Austin << "" << Austin;
    QTest::newRow("Kabul chosen writes 4.5") << Austin << "choose 71"
                                             << QByteArray("10\r\nW\xB0"
                                                           "97.45\r\nN\xB0"
                                                           "30.15\r\n4.5\r\n");
    QTest::newRow("India chosen writes 5.5") << Austin << "choose 74"
                                             << QByteArray("10\r\nW\xB0"
                                                           "97.45\r\nN\xB0"
                                                           "30.15\r\n5.5\r\n");
    QTest::newRow("GMT (0:00) writes an empty line") << Austin << "choose 23"
                                                     << QByteArray("10\r\nW\xB0"
                                                                   "97.45\r\nN\xB0"
                                                                   "30.15\r\n\r\n");
    QTest::newRow("11xyz, military off writes 01xyz")
        << QByteArray("11xyz\r\na\r\nb\r\n2\r\n") << "untick military" << QByteArray("01xyz\r\na\r\nb\r\n2\r\n");
    QTest::newRow("lone LF rewritten with CR LF") << QByteArray("00\nW\xB0"
                                                                "97.45\nN\xB0"
                                                                "30.15\n-6\n")
                                                  << ""
                                                  << QByteArray("00\r\nW\xB0"
                                                                "97.45\r\nN\xB0"
                                                                "30.15\r\n-6\r\n");
    QTest::newRow("lone CR rewritten with CR LF")
        << QByteArray("01\rx\ry\r3\r") << "" << QByteArray("01\r\nx\r\ny\r\n3\r\n");
    QTest::newRow("first line 1, hints ticked")
        << QByteArray("1\r\n") << "tick hints" << QByteArray("11\r\n\r\n\r\n\r\n");
    QTest::newRow("empty file, nothing ticked") << QByteArray() << "" << QByteArray("00\r\n\r\n\r\n\r\n");
    QTest::newRow("latitude typed as is") << Austin << "type latitude S°33.9"
                                          << QByteArray("10\r\nW\xB0"
                                                        "97.45\r\nS\xB0"
                                                        "33.9\r\n-6\r\n");
    // The file's own form, read by the file's rules, is saved as typed.
    QTest::newRow("character outside Latin-1 saved as ?") << Austin << "type latitude \u014A°1"
                                                          << QByteArray("10\r\nW\xB0"
                                                                        "97.45\r\n?\xB0"
                                                                        "1\r\n-6\r\n");
}

void TestTHome::testSaveWrites()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, action);
    QFETCH(QByteArray, after);

    dir->write(before);
    QVERIFY(load());
    if (action.startsWith("choose "))
        home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(action.mid(7).toInt());
    else if (action == "untick military")
        home->findChild<QCheckBox*>(HomeNames::CheckBox1)->setChecked(false);
    else if (action == "tick hints")
        home->findChild<QCheckBox*>(HomeNames::CheckBox2)->setChecked(true);
    else if (action.startsWith("type latitude "))
        home->findChild<QLineEdit*>(HomeNames::Edit1)->setText(action.mid(14));

    QCOMPARE(saveAndRead(), after);
    QCOMPARE(home->result(), int(QDialog::Accepted));
    // The value in memory is what a new read gives.
    const QStringList inMemory = store->value().toFile(rt::formatSettings()).lines();
    QVERIFY(load());
    QCOMPARE(store->value().toFile(rt::formatSettings()).lines(), inMemory);
}

void TestTHome::testOffsetZeroSavedEmptyAndReadBackZero()
{
    dir->write(Austin);
    QVERIFY(load());
    home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(53); // "GMT (0.00) Greenwich Mean Time : ..."
    QCOMPARE(saveAndRead(), QByteArray("10\r\nW\xB0"
                                       "97.45\r\nN\xB0"
                                       "30.15\r\n\r\n"));
    home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->setValue(7);
    QVERIFY(load());
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), 0.0);
}

void TestTHome::testEveryLatin1CharacterSurvivesReadAndSave()
{
    QByteArray position;
    for (int code = 0; code < 256; ++code) {
        if (code != '\r' && code != '\n')
            position.append(char(code));
    }
    const QByteArray bytes = "00\r\n" + position + "\r\n" + position + "\r\n-6\r\n";
    dir->write(bytes);
    QVERIFY(load());
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit2)->text(), QString::fromLatin1(position));
    QCOMPARE(saveAndRead(), bytes);
}

void TestTHome::testSaveClosesWithoutABox_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("changed");

    QTest::newRow("nothing changed") << "" << false;
    QTest::newRow("only Hints") << "click hints" << false;
    QTest::newRow("military time") << "click military" << true;
    QTest::newRow("latitude edited") << "type latitude" << true;
    QTest::newRow("longitude edited") << "type longitude" << true;
    QTest::newRow("offset chosen") << "choose Tokyo" << true;
}

// The window reads the saved file again as the dialog closes: no change asks for a restart, so no box says so.
void TestTHome::testSaveClosesWithoutABox()
{
    QFETCH(QString, action);
    QFETCH(bool, changed);

    dir->write(Austin);
    QVERIFY(load());
    home->show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    home->FormActivate();
    QVERIFY(!home->paramsChanged());

    if (action == "click hints")
        QTest::mouseClick(home->findChild<QCheckBox*>(HomeNames::CheckBox2), Qt::LeftButton);
    else if (action == "click military")
        QTest::mouseClick(home->findChild<QCheckBox*>(HomeNames::CheckBox1), Qt::LeftButton);
    else if (action == "type latitude")
        QTest::keyClicks(home->findChild<QLineEdit*>(HomeNames::Edit1), "5");
    else if (action == "type longitude")
        QTest::keyClicks(home->findChild<QLineEdit*>(HomeNames::Edit2), "5");
    else if (action == "choose Tokyo")
        home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(83);
    QCOMPARE(home->paramsChanged(), changed);

    QTest::mouseClick(home->findChild<QToolButton*>(HomeNames::SpeedButton54), Qt::LeftButton);

    QCOMPARE(world->prompter.boxes.size(), 0);
    QCOMPARE(dir->read() != Austin, !action.isEmpty());
    QVERIFY(!home->isVisible());
    QCOMPARE(home->result(), int(QDialog::Accepted));
}

void TestTHome::testFileThatIsNoRegularFileReportedOnce_data()
{
    QTest::addColumn<bool>("fifo");
    QTest::newRow("a FIFO") << true;
    QTest::newRow("a folder") << false;
}

void TestTHome::testFileThatIsNoRegularFileReportedOnce()
{
    QFETCH(bool, fifo);
    const QString path = dir->path() + "/prefs.cal";
#ifdef Q_OS_UNIX
    if (fifo)
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#else
    if (fifo)
        QSKIP("FIFOs are Unix files");
#endif
    if (!fifo)
        QVERIFY(QDir(dir->path()).mkdir("prefs.cal"));
    Wording message;
    QVERIFY(!load(&message));
    QCOMPARE(message.english(), "Cannot open file " + path);
    QVERIFY(!load(&message));
    QCOMPARE(message.english(), QString());
}

void TestTHome::testOffsetListPopupFitsEveryEntry()
{
    home->show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    auto* offsets = home->findChild<QComboBox*>(HomeNames::ComboBox1);
    const QRect place = offsets->geometry();
    offsets->showPopup();
    QAbstractItemView* list = offsets->view();
    QTRY_VERIFY(list->isVisible());
    // The widest entry as the list's own items lay it out, padding included, fits the list's visible width.
    QVERIFY2(list->sizeHintForColumn(0) <= list->viewport()->width(),
             qPrintable(QStringLiteral("%1 > %2").arg(list->sizeHintForColumn(0)).arg(list->viewport()->width())));
    offsets->hidePopup();
    QCOMPARE(offsets->geometry(), place);
}

void TestTHome::testSaveFailureKeepsDialogOpen_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("folder does not exist") << false;
    QTest::newRow("folder replaced by a file") << true;
}

void TestTHome::testSaveFailureKeepsDialogOpen()
{
    QFETCH(bool, folderIsAFile);
    const QString folder = dir->path() + "/gone";
    if (folderIsAFile) {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    makeHome(folder);
    home->show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    home->findChild<QCheckBox*>(HomeNames::CheckBox1)->setChecked(true);
    const QStringList valueBefore = store->value().toFile(rt::formatSettings()).lines();
    const int movesBefore = int(world->pointer.moves.size());

    QTest::mouseClick(home->findChild<QToolButton*>(HomeNames::SpeedButton54), Qt::LeftButton);

    QCOMPARE(world->prompter.boxes.size(), 1);
    QCOMPARE(world->prompter.boxes[0].kind, QStringLiteral("error"));
    QCOMPARE(world->prompter.boxes[0].text, "Cannot create file " + dir->path() + "/gone/prefs.cal");
    QVERIFY(home->isVisible());
    QCOMPARE(int(world->pointer.moves.size()), movesBefore);
    QCOMPARE(store->value().toFile(rt::formatSettings()).lines(), valueBefore);
    QCOMPARE(store->value().PrefsFlags, QString());
}

void TestTHome::testCloseBoxWritesNothing()
{
    dir->write(Austin);
    QVERIFY(load());
    home->show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    home->findChild<QLineEdit*>(HomeNames::Edit1)->setText("S°1");
    home->close();
    QCOMPARE(dir->read(), Austin);
    QCOMPARE(store->value().latitude, QStringLiteral("N°30.15"));
    QCOMPARE(world->prompter.boxes.size(), 0);
}

void TestTHome::testHintSwitch()
{
    QSignalSpy switched(home.get(), &THome::hintsSwitched);
    auto* hintsBox = home->findChild<QCheckBox*>(HomeNames::CheckBox2);
    hintsBox->setChecked(true);
    hintsBox->setChecked(false);
    QCOMPARE(switched.size(), 2);
    QCOMPARE(switched.at(0).at(0).toBool(), true);
    QCOMPARE(switched.at(1).at(0).toBool(), false);
}

// The hints flag read ticks the box but switches nothing: the main window applies the flag it reads itself.
void TestTHome::testReadingTicksHintsButSwitchesNothing()
{
    QSignalSpy switched(home.get(), &THome::hintsSwitched);
    dir->write("01\r\n");
    QVERIFY(load());
    QVERIFY(home->findChild<QCheckBox*>(HomeNames::CheckBox2)->isChecked());
    dir->write("00\r\n");
    QVERIFY(load());
    QVERIFY(home->findChild<QCheckBox*>(HomeNames::CheckBox2)->isChecked());
    QVERIFY(switched.isEmpty());
    // The user's click still switches them at once.
    home->show();
    QTest::mouseClick(home->findChild<QCheckBox*>(HomeNames::CheckBox2), Qt::LeftButton);
    QCOMPARE(switched.size(), 1);
    QCOMPARE(switched.at(0).at(0).toBool(), false);
}

void TestTHome::testHandlersRunThroughTheGate_data()
{
    QTest::addColumn<bool>("activation");
    QTest::addColumn<bool>("byKey");
    QTest::newRow("clicked: a box asked for meanwhile waits for the handler's end") << false << false;
    QTest::newRow("clicked: an activation arriving meanwhile waits for the handler's end") << true << false;
    QTest::newRow("Space: a box asked for meanwhile waits for the handler's end") << false << true;
}

// The main window answers the Hints click, and asks for a box or is activated while the dialog's handler runs.
void TestTHome::testHandlersRunThroughTheGate()
{
    QFETCH(bool, activation);
    QFETCH(bool, byKey);
    int activations = 0;
    gate->setActivation([&] { ++activations; });
    int seenInside = -1;
    connect(home.get(), &THome::hintsSwitched, this, [&] {
        if (activation) {
            gate->activationArrived();
            seenInside = activations;
        } else {
            gate->show(BoxGate::Box::Plain, QStringLiteral("from the window"));
            seenInside = int(world->prompter.boxes.size());
        }
    });
    auto* hints = home->findChild<QCheckBox*>(HomeNames::CheckBox2);
    home->show();
    if (byKey)
        QTest::keyClick(hints, Qt::Key_Space);
    else
        QTest::mouseClick(hints, Qt::LeftButton);
    QCOMPARE(seenInside, 0);
    if (activation)
        QTRY_COMPARE(activations, 1);
    else
        QCOMPARE(world->prompter.texts(), QStringList{QStringLiteral("from the window")});
}

void TestTHome::testGmtFieldPassesFocusToOffsetList()
{
    dir->write(Austin);
    QVERIFY(load());
    home->show();
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));

    QTest::mouseClick(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3), Qt::LeftButton);
    QTRY_VERIFY(home->findChild<QComboBox*>(HomeNames::ComboBox1)->hasFocus());
    QVERIFY(!home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->hasFocus());
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->text(), QStringLiteral("-6"));
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), -6.0);
}

void TestTHome::testActivationPlacesPointerOnSave()
{
    home->show();
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    QTRY_VERIFY(!world->pointer.moves.isEmpty()); // activation placed it by itself
    home->findChild<QLineEdit*>(HomeNames::Edit1)->setText("changed");
    home->FormActivate();

    const QPoint saveCentre = home->findChild<QToolButton*>(HomeNames::SpeedButton54)->mapToGlobal(QPoint(31, 11));
    QCOMPARE(world->pointer.last(), saveCentre);
    QVERIFY(
        home->findChild<QToolButton*>(HomeNames::SpeedButton54)
            ->rect()
            .contains(home->findChild<QToolButton*>(HomeNames::SpeedButton54)->mapFromGlobal(world->pointer.last())));
    QVERIFY(!home->paramsChanged());
    QTRY_VERIFY(home->findChild<QFrame*>(HomeNames::Panel2)->hasFocus());
}

// Another application takes the focus and the user comes back: the edit still counts.
void TestTHome::testComingBackKeepsTheEdits()
{
    dir->write(Austin);
    QVERIFY(load());
    home->show();
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    QTRY_VERIFY(!world->pointer.moves.isEmpty());
    home->findChild<QLineEdit*>(HomeNames::Edit1)->setText("45.5");
    QVERIFY(home->paramsChanged());
    const int moves = world->pointer.moves.size();

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));

    QVERIFY(home->paramsChanged());
    QCOMPARE(world->pointer.moves.size(), moves);
    // A new showing starts afresh.
    home->hide();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    home->show();
    home->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    QTRY_VERIFY(!home->paramsChanged());
}

void TestTHome::testTimeZoneRow_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("changed");
    const QByteArray noPlace("00\r\n\r\n\r\n\r\n");
    const QByteArray berlin("00\r\nE\xB0"
                            "13.37\r\nN\xB0"
                            "52.50\r\n1\r\nEurope/Berlin\r\n");
    const QByteArray berlinFixed("00\r\nE\xB0"
                                 "13.37\r\nN\xB0"
                                 "52.50\r\n1\r\n");
    QTest::newRow("no zone, nothing changed: the four lines") << Austin << "" << Austin << false;
    QTest::newRow("zone chosen, position empty: the zone's city")
        << noPlace << "choose Europe/Berlin" << berlin << true;
    QTest::newRow("zone chosen, position typed: kept, standard offset set")
        << Austin << "choose America/New_York"
        << QByteArray("10\r\nW\xB0"
                      "97.45\r\nN\xB0"
                      "30.15\r\n-5\r\nAmerica/New_York\r\n")
        << true;
    QTest::newRow("zone typed in full, Save pressed") << noPlace << "type Europe/Berlin" << berlin << true;
    QTest::newRow("zone typed in part: nothing chosen") << Austin << "type Europe/Berl" << Austin << false;
    QTest::newRow("zone kept byte for byte") << berlin << "" << berlin << false;
    QTest::newRow("empty entry: the fixed offset, four lines") << berlin << "choose " << berlinFixed << true;
    QTest::newRow("Offset List entry clears the zone") << berlin << "offset 24" << berlinFixed << true;
    QTest::newRow("zone with blanks kept as read") << Austin + " Europe/Berlin \r\n"
                                                   << "" << Austin + " Europe/Berlin \r\n"
                                                   << false;
    QTest::newRow("unknown zone: the four lines") << Austin + "Mars/Olympus\r\n"
                                                  << "" << Austin << false;
    QTest::newRow("4,000-character zone line: the four lines") << Austin + QByteArray(4000, 'x') + "\r\n"
                                                               << "" << Austin << false;
    QTest::newRow("a note after the four lines: the four lines") << Austin + "my note\r\nmore\r\n"
                                                                 << "" << Austin << false;
}

void TestTHome::testTimeZoneRow()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, action);
    QFETCH(QByteArray, after);
    QFETCH(bool, changed);
    dir->write(before);
    QVERIFY(load());
    home->show();
    home->FormActivate();
    auto* zone = home->findChild<QComboBox*>(HomeNames::ComboBoxZone);
    QVERIFY(zone);
    if (action.startsWith("choose ")) {
        const int index = zone->findText(action.mid(7), Qt::MatchExactly);
        QVERIFY(index >= 0);
        zone->setCurrentIndex(index);
    } else if (action.startsWith("type ")) {
        zone->lineEdit()->setText(action.mid(5));
    } else if (action.startsWith("offset ")) {
        home->findChild<QComboBox*>(HomeNames::ComboBox1)->setCurrentIndex(action.mid(7).toInt());
    }
    QCOMPARE(saveAndRead(), after);
    QCOMPARE(home->paramsChanged(), changed);
    QCOMPARE(world->prompter.boxes.size(), 0);
}

void TestTHome::testTimeZoneRowBelowTheOtherControls()
{
    // The dialog grows by the row; what was there keeps its place.
    QCOMPARE(home->findChild<QFrame*>(HomeNames::Panel3)->geometry(), QRect(5, 5, 193, 129));
    QCOMPARE(home->findChild<QFrame*>(HomeNames::Panel2)->geometry(), QRect(10, 136, 182, 26));
    // Right of the layout's 204 pixels, the readings' column; below the rows, the zone's city.
    const QRect readings = home->findChild<QFrame*>(HomeNames::PanelReadings)->geometry();
    QVERIFY(readings.left() >= 198);
    QCOMPARE(home->width(), readings.right() + 1 + 5);
    const QRect row = home->findChild<QFrame*>(HomeNames::PanelZone)->geometry();
    QVERIFY(row.top() >= 162);
    const QRect zoneCity = home->findChild<QFrame*>(HomeNames::PanelZoneCity)->geometry();
    QVERIFY(zoneCity.top() > row.bottom());
    const QRect weeks = home->findChild<QFrame*>(QStringLiteral("PanelWeeks"))->geometry();
    QVERIFY(weeks.top() > zoneCity.bottom());
    const QRect autostart = home->findChild<QCheckBox*>(HomeNames::CheckBoxAutostart)->geometry();
    QVERIFY(autostart.top() > weeks.bottom());
    // The holidays' row comes last, the dialog growing by it.
    const QRect holidays = home->findChild<QFrame*>(QStringLiteral("PanelHolidays"))->geometry();
    QVERIFY(holidays.top() > autostart.bottom());
    QCOMPARE(home->height(), holidays.bottom() + 1 + 5);
    auto* zone = home->findChild<QComboBox*>(HomeNames::ComboBoxZone);
    QCOMPARE(home->findChild<QLabel*>(HomeNames::LabelZone)->text(), QStringLiteral("Time zone"));
    // The empty entry (no zone), then, once the dialog shows, this machine's zone, then every zone.
    home->show();
    QCOMPARE(zone->itemText(0), QString());
    QCOMPARE(zone->itemText(1), QString::fromLatin1(QTimeZone::systemTimeZoneId()));
    QVERIFY(zone->count() > 300);
    // Part of an id, in any case, offers the zones holding it.
    zone->lineEdit()->setFocus();
    QTest::keyClicks(zone->lineEdit(), "berl");
    QAbstractItemModel* offered = zone->completer()->completionModel();
    QStringList ids;
    for (int row = 0; row < offered->rowCount(); ++row)
        ids.append(offered->index(row, 0).data().toString());
    QVERIFY2(ids.contains("Europe/Berlin"), qPrintable(ids.join(' ')));
}

namespace {
QString spoken(QObject* control, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* face = control ? QAccessible::queryAccessibleInterface(control) : nullptr;
    return face ? face->text(what) : QStringLiteral("<no interface>");
}

// The control a focused widget belongs to: an editable list's edit box stands for the list.
QString focusedControl()
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            return widget->objectName();
    }
    return QStringLiteral("<none>");
}

const QByteArray BerlinZone("00\r\nE\xB0"
                            "13.37\r\nN\xB0"
                            "52.50\r\n1\r\nEurope/Berlin\r\n");
} // namespace

void TestTHome::testTabWalksEveryFieldInReadingOrder_data()
{
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QStringList>("heard");
    // From Save, where activation leaves the focus, round to Save again; what a screen reader says at each step (a
    // plain list says its choice, its caption comes through the label's relation).
    const QStringList forwards{"Time zone", "Locale's (Sunday)", "ISO 8601",    "Start with the desktop",
                               "Latitude",  "Longitude",         "Offset List", "Display military time",
                               "Hints",     "City search",       "Save"};
    QStringList backwards{"City search",
                          "Hints",
                          "Display military time",
                          "Offset List",
                          "Longitude",
                          "Latitude",
                          "Start with the desktop",
                          "ISO 8601",
                          "Locale's (Sunday)",
                          "Time zone",
                          "Save"};
    QTest::newRow("Tab") << false << forwards;
    QTest::newRow("Shift+Tab") << true << backwards;
}

void TestTHome::testTabWalksEveryFieldInReadingOrder()
{
    QFETCH(bool, backwards);
    QFETCH(QStringList, heard);
    dir->write(Austin);
    QVERIFY(load());
    showActive();
    QCOMPARE(focusedControl(), HomeNames::SpeedButton54);
    QVERIFY(home->findChild<QFrame*>(HomeNames::Panel2)->hasFocus());
    QStringList said;
    for (int step = 0; step < heard.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab);
        said.append(spoken(QApplication::focusWidget()));
    }
    QCOMPARE(said, heard);
}

void TestTHome::testEveryControlIsNamedAndDescribed_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("latitude") << HomeNames::Edit1 << "Latitude";
    QTest::newRow("longitude") << HomeNames::Edit2 << "Longitude";
    QTest::newRow("GMT offset") << HomeNames::CurrencyEditGMT3 << "GMT Offset";
    QTest::newRow("Offset List") << HomeNames::ComboBox1 << "Offset List";
    QTest::newRow("military time") << HomeNames::CheckBox1 << "Display military time";
    QTest::newRow("hints") << HomeNames::CheckBox2 << "Hints";
    QTest::newRow("start with the desktop") << HomeNames::CheckBoxAutostart << "Start with the desktop";
    QTest::newRow("Save") << HomeNames::SpeedButton54 << "Save";
    QTest::newRow("time zone") << HomeNames::ComboBoxZone << "Time zone";
    // A caption is heard by its text, and tells which field it names.
    QTest::newRow("latitude caption") << HomeNames::Label2 << QString::fromUtf8("N°'/ S°'");
    QTest::newRow("time-zone caption") << HomeNames::LabelZone << "Time zone";
}

void TestTHome::testEveryControlIsNamedAndDescribed()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    home->show();
    QWidget* widget = home->findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(spoken(widget), name);
    QVERIFY2(!spoken(widget, QAccessible::Description).isEmpty(), qPrintable(control));
    // An editable list is heard through its edit box.
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QCOMPARE(spoken(list->lineEdit()), name);
        QVERIFY(!spoken(list->lineEdit(), QAccessible::Description).isEmpty());
    }
}

void TestTHome::testKeysSaveOrClose_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("saved");
    QTest::newRow("Enter in the latitude field saves") << HomeNames::Edit1 << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter in the longitude field saves") << HomeNames::Edit2 << int(Qt::Key_Enter) << true;
    QTest::newRow("Enter on Hints saves") << HomeNames::CheckBox2 << int(Qt::Key_Return) << true;
    QTest::newRow("Enter in the Offset List saves") << HomeNames::ComboBox1 << int(Qt::Key_Return) << true;
    QTest::newRow("Enter in the time zone saves") << HomeNames::ComboBoxZone << int(Qt::Key_Return) << true;
    QTest::newRow("Enter on Save saves") << HomeNames::SpeedButton54 << int(Qt::Key_Return) << true;
    QTest::newRow("Space on Save saves") << HomeNames::SpeedButton54 << int(Qt::Key_Space) << true;
    QTest::newRow("Escape in the latitude field closes, saving nothing")
        << HomeNames::Edit1 << int(Qt::Key_Escape) << false;
    QTest::newRow("Escape on Save closes, saving nothing") << HomeNames::SpeedButton54 << int(Qt::Key_Escape) << false;
}

void TestTHome::testKeysSaveOrClose()
{
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(bool, saved);
    dir->write(Austin);
    QVERIFY(load());
    showActive();
    // The latitude typed from the keyboard: Tab to it past the zone, the week rules and the desktop's start, clear
    // it, type.
    for (int step = 0; step < 5; ++step)
        type(QString(), Qt::Key_Tab);
    QCOMPARE(focusedControl(), HomeNames::Edit1);
    type(QString(), Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("N\u00B045.5"));
    home->findChild<QWidget*>(field)->setFocus();
    QTRY_COMPARE(focusedControl(), field);

    type(QString(), Qt::Key(key));

    QTRY_VERIFY(!home->isVisible());
    QCOMPARE(home->result(), int(saved ? QDialog::Accepted : QDialog::Rejected));
    QCOMPARE(dir->read(), saved ? QByteArray("10\r\nW\xB0"
                                             "97.45\r\nN\xB0"
                                             "45.5\r\n-6\r\n")
                                : Austin);
    // Saving or closing: no box either way, the edit being in use at once.
    QCOMPARE(world->prompter.boxes.size(), 0);
}

void TestTHome::testTypedTextNamingNoZoneKeepsZoneAndOffset_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("after");
    const QByteArray tokyoHere("10\r\nW\xB0"
                               "97.45\r\nN\xB0"
                               "30.15\r\n9\r\nAsia/Tokyo\r\n");
    const QByteArray berlinHere("10\r\nW\xB0"
                                "97.45\r\nN\xB0"
                                "30.15\r\n1\r\nEurope/Berlin\r\n");
    for (const char* typed : {"sydn", "Tokyo", "Berlin", "Europe", "abc", "../../../etc/passwd", "/dev/stdin",
                              "/usr/share/zoneinfo/Asia/Tokyo", "Europe/Berlin; rm -rf"}) {
        QTest::newRow(qPrintable(QStringLiteral("no zone before, %1 typed").arg(typed))) << Austin << typed << Austin;
        QTest::newRow(qPrintable(QStringLiteral("Europe/Berlin before, %1 typed").arg(typed)))
            << BerlinZone << typed << BerlinZone;
    }
    QTest::newRow("Europe/Berlin typed exactly") << Austin << "Europe/Berlin" << berlinHere;
    QTest::newRow("Asia/Tokyo typed exactly, Europe/Berlin before") << berlinHere << "Asia/Tokyo" << tokyoHere;
}

void TestTHome::testTypedTextNamingNoZoneKeepsZoneAndOffset()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, typed);
    QFETCH(QByteArray, after);
    dir->write(before);
    QVERIFY(load());
    home->show();
    home->findChild<QComboBox*>(HomeNames::ComboBoxZone)->lineEdit()->setText(typed);
    QCOMPARE(saveAndRead(), after);
}

void TestTHome::testTypedPathOpensNothing_data()
{
    QTest::addColumn<bool>("throughZoneFolder");
    QTest::newRow("the path as it is") << false;
    QTest::newRow("the path from the zone folder, through ../") << true;
}

// A FIFO typed into the Time zone row: the zone library would open it and wait for its end, freezing the program
// (and this test); reading it at all would take its bytes.
void TestTHome::testTypedPathOpensNothing()
{
#ifdef Q_OS_UNIX
    QFETCH(bool, throughZoneFolder);
    const QString fifo = dir->path() + "/zone";
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Held open at both ends, so that nobody's open blocks and what anybody reads is gone from it.
    const int held = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(held >= 0);
    const QByteArray bait = "TZif2" + QByteArray(507, '\0');
    QCOMPARE(::write(held, bait.constData(), size_t(bait.size())), ssize_t(bait.size()));
    dir->write(BerlinZone);
    QVERIFY(load());
    home->show();
    home->findChild<QComboBox*>(HomeNames::ComboBoxZone)
        ->lineEdit()
        ->setText(throughZoneFolder ? "../../.." + fifo : fifo);
    QCOMPARE(saveAndRead(), BerlinZone);
    int left = 0;
    QCOMPARE(::ioctl(held, FIONREAD, &left), 0);
    ::close(held);
    QCOMPARE(left, int(bait.size()));
#else
    QSKIP("FIFOs are Unix files");
#endif
}

void TestTHome::testTwoCopiesSaveInTurn_data()
{
    QTest::addColumn<bool>("secondOpenedFirst");
    QTest::newRow("the second opens its dialog after the first saved") << false;
    QTest::newRow("the second's dialog open while the first saves") << true;
}

// Two copies of the program on one prefs.cal: the first saves a new latitude, the second ticks Hints and saves.
void TestTHome::testTwoCopiesSaveInTurn()
{
    QFETCH(bool, secondOpenedFirst);
    dir->write(Austin);
    QVERIFY(load());
    BoxGate otherGate(world->services);
    PrefsStore otherStore(dir->path(), rt::formatSettings());
    THome other(world->services, otherGate, otherStore);
    QVERIFY(otherStore.load(nullptr));
    if (secondOpenedFirst)
        other.show();

    home->show();
    home->findChild<QLineEdit*>(HomeNames::Edit1)->setText(QStringLiteral("N\u00B045"));
    home->SpeedButton54Click();
    other.show();
    other.findChild<QCheckBox*>(HomeNames::CheckBox2)->setChecked(true);
    other.SpeedButton54Click();

    QCOMPARE(dir->read(), QByteArray("11\r\nW\xB0"
                                     "97.45\r\nN\xB0"
                                     "45\r\n-6\r\n"));
}

void TestTHome::testZoneLeavesAHalfTypedPositionAlone_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QByteArray>("after");
    // Half a position stays as typed; Save then writes nothing until the other half is given.
    QTest::newRow("latitude only") << "S\u00B033.9"
                                   << "" << QByteArray("00\r\n\r\n\r\n\r\n");
    QTest::newRow("longitude only") << ""
                                    << "E\u00B0151.2" << QByteArray("00\r\n\r\n\r\n\r\n");
    QTest::newRow("both blank: the zone's city") << " "
                                                 << "" << BerlinZone;
}

void TestTHome::testZoneLeavesAHalfTypedPositionAlone()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QByteArray, after);
    dir->write("00\r\n\r\n\r\n\r\n");
    QVERIFY(load());
    home->show();
    home->findChild<QLineEdit*>(HomeNames::Edit1)->setText(latitude);
    home->findChild<QLineEdit*>(HomeNames::Edit2)->setText(longitude);
    auto* zone = home->findChild<QComboBox*>(HomeNames::ComboBoxZone);
    zone->setCurrentIndex(zone->findText("Europe/Berlin", Qt::MatchExactly));
    if (!latitude.trimmed().isEmpty() || !longitude.isEmpty()) {
        QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit1)->text(), latitude);
        QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit2)->text(), longitude);
    }
    QCOMPARE(saveAndRead(), after);
}

void TestTHome::testBlankZoneLineIsNoZone_data()
{
    QTest::addColumn<QByteArray>("zoneLine");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("blanks") << QByteArray("   ");
    QTest::newRow("a tab") << QByteArray("\t");
}

void TestTHome::testBlankZoneLineIsNoZone()
{
    QFETCH(QByteArray, zoneLine);
    dir->write(Austin + zoneLine + "\r\n");
    QVERIFY(load());
    showActive();
    QCOMPARE(home->zone(), QString());
    QCOMPARE(home->findChild<QComboBox*>(HomeNames::ComboBoxZone)->currentText(), QString());
    // Save writes the four lines and says nothing.
    QCOMPARE(saveAndRead(), Austin);
    QCOMPARE(world->prompter.boxes.size(), 0);
}

void TestTHome::testOpeningReadsTheFileAgain()
{
    dir->write(Austin);
    QVERIFY(load());
    // Another copy of the program saves while this one's dialog is closed.
    dir->write(BerlinZone);
    showActive();
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit1)->text(), QStringLiteral("N\u00B052.50"));
    QCOMPARE(home->findChild<QLineEdit*>(HomeNames::Edit2)->text(), QStringLiteral("E\u00B013.37"));
    QCOMPARE(home->findChild<TCurrencyEdit*>(HomeNames::CurrencyEditGMT3)->value(), 1.0);
    QCOMPARE(home->findChild<QComboBox*>(HomeNames::ComboBoxZone)->currentText(), QStringLiteral("Europe/Berlin"));
    QCOMPARE(home->zone(), QStringLiteral("Europe/Berlin"));
    // Reading never unticks: military time stays as the first read left it.
    QVERIFY(home->findChild<QCheckBox*>(HomeNames::CheckBox1)->isChecked());
    QVERIFY(!home->paramsChanged());
    QCOMPARE(saveAndRead(), QByteArray("10\r\nE\xB0"
                                       "13.37\r\nN\xB0"
                                       "52.50\r\n1\r\nEurope/Berlin\r\n"));
    QCOMPARE(world->prompter.boxes.size(), 0);
}

void TestTHome::testSaveKeepsWhatOthersChangedMeanwhile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("mine");
    QTest::addColumn<QByteArray>("meanwhile");
    QTest::addColumn<QByteArray>("after");
    const QByteArray lat45("10\r\nW\xB0"
                           "97.45\r\nN\xB0"
                           "45\r\n-6\r\n");
    QTest::newRow("their latitude, my hints") << Austin << "tick hints" << lat45
                                              << QByteArray("11\r\nW\xB0"
                                                            "97.45\r\nN\xB0"
                                                            "45\r\n-6\r\n");
    QTest::newRow("their hints, my latitude") << Austin << "latitude N°1"
                                              << QByteArray("11\r\nW\xB0"
                                                            "97.45\r\nN\xB0"
                                                            "30.15\r\n-6\r\n")
                                              << QByteArray("11\r\nW\xB0"
                                                            "97.45\r\nN\xB0"
                                                            "1\r\n-6\r\n");
    QTest::newRow("both the latitude: mine, saved last") << Austin << "latitude N°1" << lat45
                                                         << QByteArray("10\r\nW\xB0"
                                                                       "97.45\r\nN\xB0"
                                                                       "1\r\n-6\r\n");
    QTest::newRow("their zone and offset, my military time off")
        << Austin << "untick military" << Austin + "Europe/Berlin\r\n"
        << QByteArray("00\r\nW\xB0"
                      "97.45\r\nN\xB0"
                      "30.15\r\n-6\r\nEurope/Berlin\r\n");
    QTest::newRow("their offset, my zone: the zone's offset with it") << Austin << "zone Asia/Tokyo"
                                                                      << QByteArray("10\r\nW\xB0"
                                                                                    "97.45\r\nN\xB0"
                                                                                    "30.15\r\n3\r\n")
                                                                      << QByteArray("10\r\nW\xB0"
                                                                                    "97.45\r\nN\xB0"
                                                                                    "30.15\r\n9\r\nAsia/Tokyo\r\n");
    QTest::newRow("their unknown zone: the four lines") << Austin << "tick hints" << Austin + "sydn\r\n"
                                                        << QByteArray("11\r\nW\xB0"
                                                                      "97.45\r\nN\xB0"
                                                                      "30.15\r\n-6\r\n");
    QTest::newRow("their note after line 2 of the flags")
        << QByteArray("10xyz\r\na\r\nb\r\n2\r\n") << "tick hints" << QByteArray("10abc\r\nc\r\nb\r\n2\r\n")
        << QByteArray("11abc\r\nc\r\nb\r\n2\r\n");
    QTest::newRow("the file gone meanwhile: mine") << Austin << "tick hints" << QByteArray()
                                                   << QByteArray("11\r\nW\xB0"
                                                                 "97.45\r\nN\xB0"
                                                                 "30.15\r\n-6\r\n");
}

void TestTHome::testSaveKeepsWhatOthersChangedMeanwhile()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, mine);
    QFETCH(QByteArray, meanwhile);
    QFETCH(QByteArray, after);
    dir->write(before);
    QVERIFY(load());
    home->show();
    if (mine == "tick hints")
        home->findChild<QCheckBox*>(HomeNames::CheckBox2)->setChecked(true);
    else if (mine == "untick military")
        home->findChild<QCheckBox*>(HomeNames::CheckBox1)->setChecked(false);
    else if (mine.startsWith("latitude "))
        home->findChild<QLineEdit*>(HomeNames::Edit1)->setText(mine.mid(9));
    else if (mine.startsWith("zone ")) {
        auto* zone = home->findChild<QComboBox*>(HomeNames::ComboBoxZone);
        zone->setCurrentIndex(zone->findText(mine.mid(5), Qt::MatchExactly));
    }
    // Another copy of the program, or another program, saves while this dialog is open.
    if (meanwhile.isEmpty())
        dir->remove();
    else
        dir->write(meanwhile);
    QCOMPARE(saveAndRead(), after);
}

QTEST_MAIN(TestTHome)
#include "TestTHome.moc"
