// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanel.h"
#include "dialog/WeekRulesRow.h"
#include "shared/WindowState.h"
#include "support/AppFixture.h"
#include "system/Screens.h"
#include "window/RememberedWindow.h"
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(WindowState)

namespace {
using View = WindowState::View;

struct FakeScreens : Screens
{
    QList<QRect> geometries() const override { return screens; }
    QList<QRect> screens{QRect(0, 0, 1024, 768)};
};

WindowState state(std::optional<QPoint> full, std::optional<QPoint> compact, View view, int months, bool weeks,
                  bool onTop, bool dayPanel = false)
{
    WindowState s;
    s.fullPosition = full;
    s.compactPosition = compact;
    s.view = view;
    s.compactMonths = months;
    s.weekNumbers = weeks;
    s.alwaysOnTop = onTop;
    s.dayPanelOpen = dayPanel;
    return s;
}

// Where the client area stands: the places kept are its own.
QPoint client(const App& app)
{
    return app.calendar->geometry().topLeft();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

class TestWindowState : public QObject
{
    Q_OBJECT
private slots:
    void testWrittenAndReadBack_data();
    void testWrittenAndReadBack();
    void testDamagedFile_data();
    void testDamagedFile();
    void testStartsAsAlways_data();
    void testStartsAsAlways();
    void testReachable_data();
    void testReachable();
    void testTheWindowComesBackAsLeft();
    void testStateFileBesidePrefs();
    void testWeekRulesComeBackAndAChoiceIsKept();
    void testHolidayChoiceRead_data();
    void testHolidayChoiceRead();
    void testWithoutHolidaysSavedAsBefore();
};

void TestWindowState::testWrittenAndReadBack_data()
{
    QTest::addColumn<WindowState>("kept");
    QTest::newRow("moved to the corner, full view")
        << state(QPoint(0, 0), QPoint(209, 121), View::Full, 2, false, false);
    QTest::newRow("compact one month, on top, week numbers")
        << state(QPoint(300, 200), QPoint(900, 20), View::Compact, 1, true, true);
    QTest::newRow("on a monitor left of the primary one")
        << state(QPoint(-1500, 40), QPoint(-700, 300), View::Compact, 3, false, false);
    QTest::newRow("day panel open, no compact place yet")
        << state(QPoint(12, 34), std::nullopt, View::Full, 2, false, false, true);
    WindowState weeks = state(QPoint(5, 6), QPoint(7, 8), View::Full, 2, true, false);
    weeks.weekStart = WindowState::WeekStart::Saturday;
    weeks.weekNumbering = WindowState::WeekNumbering::FirstJanuary;
    QTest::newRow("weeks from Saturday, numbered from 1 January") << weeks;
    WindowState calendars = state(QPoint(5, 6), QPoint(7, 8), View::Full, 2, false, false);
    calendars.calendarFiles = {QStringLiteral("/home/anna/Kalender, privat/Geburtstage.ics"),
                               QStringLiteral("/home/anna/\u00e9t\u00e9=work;1.ics"), QStringLiteral("relative.ics")};
    QTest::newRow("calendar files, comma, equals, accents") << calendars;
    WindowState noMarks = state(QPoint(5, 6), std::nullopt, View::Full, 2, false, false);
    noMarks.marksShown = false;
    QTest::newRow("marks switched off") << noMarks;
    WindowState bavaria = state(QPoint(5, 6), std::nullopt, View::Full, 2, false, false);
    bavaria.holidays = WindowState::Holidays{true, QStringLiteral("DE-BY"), true, false};
    QTest::newRow("holidays of Bavaria with bank holidays") << bavaria;
    WindowState switchedOff = state(QPoint(5, 6), std::nullopt, View::Full, 2, false, false);
    switchedOff.holidays = WindowState::Holidays{false, QStringLiteral("JP"), false, true};
    QTest::newRow("holidays switched off, Japan kept") << switchedOff;
    WindowState web = state(QPoint(5, 6), std::nullopt, View::Full, 2, false, false);
    web.webCalendars = {{QStringLiteral("https://calendar.example.org/private-a1b2/basic.ics?x=1&y=%20"),
                         QStringLiteral("Work, \u00e9t\u00e9 = 1")},
                        {QStringLiteral("https://user:pw@dav.example.net/remote.php/dav/cal?export"), QString()}};
    web.calendarFiles = {QStringLiteral("/home/anna/local.ics")};
    QTest::newRow("web calendars with a query, a user and a name") << web;
}

void TestWindowState::testWrittenAndReadBack()
{
    QFETCH(WindowState, kept);
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    QVERIFY(windowstate::write(path, kept));
    QVERIFY(windowstate::read(path) == kept);
    // Written over an older file, nothing of it stays.
    QVERIFY(windowstate::write(path, WindowState()));
    QVERIFY(windowstate::read(path) == WindowState());
}

void TestWindowState::testHolidayChoiceRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("area");
    QTest::newRow("no section: not chosen yet") << QByteArray("[window]\nview=full\n") << false << false << "";
    QTest::newRow("New South Wales") << QByteArray(
                                            "[holidays]\nshown=true\narea=AU-NSW\nbank=false\nobservances=true\n")
                                     << true << true << "AU-NSW";
    QTest::newRow("switched off") << QByteArray("[holidays]\nshown=false\narea=US-TX\n") << true << false << "US-TX";
    // A path or a lower-case code never reaches the reader of the data's files.
    QTest::newRow("area naming a path") << QByteArray("[holidays]\nshown=true\narea=../../etc/passwd\n") << true
                                        << false << "";
    QTest::newRow("area in lower case") << QByteArray("[holidays]\nshown=true\narea=de\n") << true << false << "";
}

void TestWindowState::testHolidayChoiceRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, chosen);
    QFETCH(bool, shown);
    QFETCH(QString, area);
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    writeBytes(path, bytes);
    const WindowState read = windowstate::read(path);
    QCOMPARE(read.holidays.has_value(), chosen);
    if (chosen) {
        QCOMPARE(read.holidays->shown, shown);
        QCOMPARE(read.holidays->area, area);
    }
}

void TestWindowState::testWithoutHolidaysSavedAsBefore()
{
    // The bytes a state file had before holidays existed, written by the writer of that time.
    const QByteArray before = "[compact]\nleft=7\nmonths=2\ntop=8\n\n[full]\nleft=5\ntop=6\n\n[weeks]\n"
                              "firstDay=locale\nnumbering=iso8601\n\n[window]\nalwaysOnTop=false\ndayPanel=false\n"
                              "marks=true\nview=full\nweekNumbers=false\n";
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    writeBytes(path, before);
    QVERIFY(windowstate::write(path, windowstate::read(path)));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    // A web calendar listed and dropped again leaves the file as it was.
    WindowState withWeb = windowstate::read(path);
    withWeb.webCalendars = {{QStringLiteral("https://example.org/a.ics"), QString()}};
    QVERIFY(windowstate::write(path, withWeb));
    QVERIFY(windowstate::read(path) == withWeb);
    withWeb.webCalendars.clear();
    QVERIFY(windowstate::write(path, withWeb));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestWindowState::testDamagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<WindowState>("expected");
    const WindowState first;
    QTest::newRow("empty file") << QByteArray() << first;
    QTest::newRow("binary noise") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x80", 9) << first;
    QTest::newRow("a picture saved under the name") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << first;
    QTest::newRow("words the reader does not know")
        << QByteArray("[window]\nview=sideways\nweekNumbers=yes\nalwaysOnTop=1\n[compact]\nmonths=7\n") << first;
    QTest::newRow("a place that is no number") << QByteArray("[full]\nleft=abc\ntop=20\n[compact]\nleft=10\n") << first;
    QTest::newRow("a place beyond any desktop") << QByteArray("[full]\nleft=99999999\ntop=20\n") << first;
    QTest::newRow("cut short after the view") << QByteArray("[window]\nview=compact\nweekNum")
                                              << state(std::nullopt, std::nullopt, View::Compact, 2, false, false);
    QTest::newRow("good lines among bad ones")
        << QByteArray("[full]\nleft=40\ntop=30\n[compact]\nmonths=0\nleft=\n[window]\nalwaysOnTop=true\n")
        << state(QPoint(40, 30), std::nullopt, View::Full, 2, false, true);
    QTest::newRow("marks neither on nor off") << QByteArray("[window]\nmarks=no\n") << first;
    QTest::newRow("a web address longer than any")
        << QByteArray("[web]\n1\\address=https://example.org/" + QByteArray(5000, 'x') + "\nsize=1\n") << first;
    WindowState once = first;
    once.webCalendars = {{QStringLiteral("https://example.org/a.ics"), QStringLiteral("Work")}};
    QTest::newRow("a web address listed twice")
        << QByteArray("[web]\n1\\address=https://example.org/a.ics\n1\\name=Work\n"
                      "2\\address=https://example.org/a.ics\n2\\name=Again\nsize=2\n")
        << once;
}

void TestWindowState::testDamagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(WindowState, expected);
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    writeBytes(path, bytes);
    QVERIFY(windowstate::read(path) == expected);
}

void TestWindowState::testStartsAsAlways_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("written"); // when left
    QTest::newRow("no file") << "dorvane-state.ini" << QByteArray() << true << true;
    // Not the program's own file, so it is kept as it is.
    QTest::newRow("damaged file") << "dorvane-state.ini" << QByteArray("\x89PNG\r\n\x1a\n\0\0[", 11) << true << false;
    QTest::newRow("both places on a monitor unplugged since")
        << "dorvane-state.ini" << QByteArray("[full]\nleft=2100\ntop=300\n[compact]\nleft=2500\ntop=900\n") << true
        << true;
    // Root writes into any folder whatever its mode: a folder that is a plain file refuses everyone.
    QTest::newRow("read-only folder") << "plain-file/dorvane-state.ini" << QByteArray() << false << false;
}

void TestWindowState::testStartsAsAlways()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, writable);
    QFETCH(bool, written);
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    if (!writable)
        writeBytes(folder.filePath("plain-file"), "x");
    else if (!bytes.isEmpty())
        writeBytes(path, bytes);
    App plain;
    plain.calendar->show();
    plain.activate();
    App app;
    FakeScreens screens;
    app.calendar->keepStateIn(path, screens);
    app.calendar->show();
    app.activate();
    QCOMPARE(client(app), client(plain));
    QCOMPARE(app.world.pointer.moves, plain.world.pointer.moves);
    QVERIFY(!app.grid().compact() && !app.grid().weekNumbersShown());
    QVERIFY(!(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint));
    // The compact view, never seen on this desktop, opens with its frame where it always first did.
    app.click(names::SpeedButton8);
    QCOMPARE(app.calendar->pos(), QPoint(209, 121));
    app.calendar->close();
    QCOMPARE(app.world.prompter.boxes.size(), 0);
    // Written when left, wherever it can be.
    QCOMPARE(windowstate::read(path).view, written ? View::Compact : View::Full);
    if (writable && !written) {
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), bytes);
    }
}

void TestWindowState::testReachable_data()
{
    QTest::addColumn<QPoint>("corner");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<bool>("reachable");
    // Where a reachable window of 800 x 485 is put: wholly on the screen that shows most of its title bar.
    QTest::addColumn<QPoint>("placed");
    const QList<QRect> one{QRect(0, 0, 1024, 768)};
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QList<QRect> leftOfPrimary{QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1024)};
    const QPoint none;
    QTest::newRow("centred") << QPoint(112, 141) << one << true << QPoint(112, 141);
    QTest::newRow("top-left corner") << QPoint(0, 0) << one << true << QPoint(0, 0);
    QTest::newRow("on the second monitor, still there") << QPoint(2100, 300) << two << true << QPoint(2100, 300);
    QTest::newRow("across both monitors, mostly on the first") << QPoint(1500, 300) << two << true << QPoint(1120, 300);
    QTest::newRow("on a monitor unplugged since") << QPoint(2100, 300) << one << false << none;
    QTest::newRow("on a monitor left of the primary")
        << QPoint(-900, 100) << leftOfPrimary << true << QPoint(-900, 100);
    QTest::newRow("left of the only monitor") << QPoint(-900, 100) << one << false << none;
    QTest::newRow("mostly off to the left, 100 px of title bar left")
        << QPoint(-700, 10) << one << true << QPoint(0, 10);
    QTest::newRow("off to the left but for 40 px") << QPoint(-760, 10) << one << false << none;
    QTest::newRow("title bar above the screen") << QPoint(100, -20) << one << false << none;
    QTest::newRow("title bar just inside the bottom") << QPoint(100, 750) << one << true << QPoint(100, 283);
    QTest::newRow("below the screen") << QPoint(100, 760) << one << false << none;
    QTest::newRow("left at display scale 1, started at 2")
        << QPoint(503, 373) << QList<QRect>{QRect(0, 0, 900, 600)} << true << QPoint(100, 115);
    QTest::newRow("a screen smaller than the window")
        << QPoint(50, 40) << QList<QRect>{QRect(0, 0, 640, 480)} << true << QPoint(0, 0);
    QTest::newRow("no screen at all") << QPoint(0, 0) << QList<QRect>() << false << none;
}

void TestWindowState::testReachable()
{
    QFETCH(QPoint, corner);
    QFETCH(QList<QRect>, screens);
    QFETCH(bool, reachable);
    QFETCH(QPoint, placed);
    QCOMPARE(windowstate::reachable(corner, QSize(800, 485), screens), reachable);
    if (reachable)
        QCOMPARE(windowstate::withinScreen(corner, QSize(800, 485), screens), placed);
}

void TestWindowState::testTheWindowComesBackAsLeft()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    FakeScreens screens;
    QByteArray prefsBefore;
    QPoint leftAt;
    {
        App app;
        prefsBefore = app.folder.read();
        app.calendar->keepStateIn(path, screens);
        app.calendar->show();
        app.activate();
        app.calendar->move(20, 10);
        app.click(names::SpeedButton8);
        QVERIFY(app.grid().compact());
        app.calendar->move(400, 500);
        app.click(names::SpeedButton7);
        app.click(names::SpeedButton5);
        app.click(names::SpeedButton1);
        QApplication::setActiveWindow(app.calendar.get());
        QVERIFY(QTest::qWaitForWindowActive(app.calendar.get()));
        QTest::keyClick(app.month(1)->dayView(), Qt::Key_D, Qt::ControlModifier);
        QVERIFY(app.calendar->dayPanel());
        // Written a moment after the change, before the window closes.
        QTRY_COMPARE(windowstate::read(path).weekNumbers, true);
        leftAt = client(app);
        app.calendar->close();
        QVERIFY(windowstate::read(path).dayPanelOpen);
        QCOMPARE(app.folder.read(), prefsBefore);
    }
    App app;
    app.calendar->keepStateIn(path, screens);
    app.calendar->show();
    app.activate();
    QVERIFY(app.grid().compact());
    QCOMPARE(app.grid().compactCount(), 3);
    QCOMPARE(app.outerSize(), QSize(600, 198));
    QVERIFY(app.grid().weekNumbersShown());
    QVERIFY(app.month(1)->WeekNumbers());
    QVERIFY(app.calendar->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(client(app), leftAt);
    auto* panel = app.calendar->dayPanel();
    QVERIFY(panel && panel->isVisible());
    // Closed by the user, it stays closed at the next start.
    panel->close();
    app.calendar->close();
    QCOMPARE(windowstate::read(path).dayPanelOpen, false);
    QVERIFY(windowstate::read(path).weekNumbers);
    // The compact view shows today's month first, as when entered by hand in today's year.
    QCOMPARE(app.date(1), QDate(2024, 5, 1));
    // The pointer rests on the close button of the view shown.
    QCOMPARE(app.world.pointer.last(), app.calendar->pointerTarget(pointer::Target::CloseButton));
    app.calendar->show();
    // Back to the full view (where it stands is the real-window journey's to see: this platform's frame differs).
    app.click(names::SpeedButton8);
    QCOMPARE(app.outerSize(), QSize(800, 485));
}

void TestWindowState::testStateFileBesidePrefs()
{
    QCOMPARE(windowstate::pathBeside("/home/ann/.config/dorvane/prefs.cal"),
             QStringLiteral("/home/ann/.config/dorvane/dorvane-state.ini"));
    QCOMPARE(windowstate::pathBeside("/opt/dorvane/prefs.cal"), QStringLiteral("/opt/dorvane/dorvane-state.ini"));
}

void TestWindowState::testWeekRulesComeBackAndAChoiceIsKept()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("dorvane-state.ini");
    WindowState kept;
    kept.weekStart = WindowState::WeekStart::Saturday;
    kept.weekNumbering = WindowState::WeekNumbering::FirstJanuary;
    QVERIFY(windowstate::write(path, kept));
    FakeScreens screens;
    App app;
    const QByteArray prefsBefore = app.folder.read();
    app.calendar->keepStateIn(path, screens);
    app.activate();
    // Every calendar of the year follows the rules, not only the first.
    const auto check = [&app](Qt::DayOfWeek first, weeks::Numbering numbering) {
        for (int n = 1; n <= 12; ++n) {
            QCOMPARE(app.month(n)->firstDayOfWeek(), first);
            QCOMPARE(app.month(n)->weekNumbering(), numbering);
        }
    };
    check(Qt::Saturday, weeks::Numbering::FirstJanuary);

    WeekRulesRow row(Qt::Sunday, nullptr);
    app.calendar->followWeekRules(row);
    QCOMPARE(row.firstDayList()->currentText(), QStringLiteral("Saturday"));
    QVERIFY(!row.firstDayList()->accessibleName().isEmpty() && !row.numberingList()->accessibleName().isEmpty());
    // The tests run under the C locale, whose weeks start on Sunday.
    row.firstDayList()->setCurrentIndex(row.firstDayList()->findText(QStringLiteral("Locale's (Sunday)")));
    check(Qt::Sunday, weeks::Numbering::FirstJanuary);
    row.numberingList()->setCurrentIndex(row.numberingList()->findText(QStringLiteral("ISO 8601")));
    check(Qt::Sunday, weeks::Numbering::Iso);

    app.calendar->findChild<RememberedWindow*>()->flush();
    QCOMPARE(windowstate::read(path).weekStart, WindowState::WeekStart::Locale);
    QCOMPARE(windowstate::read(path).weekNumbering, WindowState::WeekNumbering::Iso);
    // The rules are the window's: the settings file stays as it was.
    QCOMPARE(app.folder.read(), prefsBefore);
}

QTEST_MAIN(TestWindowState)
#include "TestWindowState.moc"
