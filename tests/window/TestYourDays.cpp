// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanel.h"
#include "owndays/OwnCalendarFile.h"
#include "support/AppFixture.h"
#include "support/PanelLine.h"
#include "yourdays/CategoriesDialog.h"
#include "yourdays/YourDays.h"
#include "yourdays/YourDaysTexts.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The bars a calendar's cell of that day shows, as the places of its lanes ("S", "I", "E", "1", "-").
QString barsOf(TMonthCalendar& month, const QDate& day)
{
    QString places;
    for (const DayContent& cell : month.picture().days)
        if (cell.date == day && cell.inMonth)
            for (const DayBar& bar : cell.bars)
                places += QLatin1Char("-ISE1"[int(bar.place)]);
    return places;
}

// The saves reach the file a moment after the change: tests wait for it.
QByteArray textOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList titlesIn(const QString& path)
{
    OwnCalendarFile file(path, QString(), owndays::firstCategories());
    file.load();
    QStringList titles;
    for (const OwnDay& day : file.document().days())
        titles.append(day.title + QLatin1Char(' ') + day.first.toString(Qt::ISODate) + QLatin1Char(' ') +
                      day.last.toString(Qt::ISODate));
    return titles;
}
} // namespace

class TestYourDays : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void testMarkedFromTheChosenDays_data();
    void testMarkedFromTheChosenDays();
    void testUndoRedoAndTheMenu();
    void testThePanelTellsTheDay();
    void testUnusedLeavesNoFile();
    void testCategoriesRenamedAndRecoloured();
    void testAFileThatCannotBeUsed();
    void testAReminderMissedIsToldAtTheStart();
    void testCategoryNamed_data();
    void testCategoryNamed();
    void testBarsKeepTheirLanes();

private:
    std::unique_ptr<QTemporaryDir> m_data;
    QString m_path;
};

void TestYourDays::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_data->path().toUtf8());
    m_path = m_data->filePath(QStringLiteral("dorvane/your-days.ics"));
}

void TestYourDays::testMarkedFromTheChosenDays_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("one click") << "click" << QDate(2024, 5, 20) << QDate(2024, 5, 20);
    QTest::newRow("two clicks") << "two clicks" << QDate(2024, 5, 20) << QDate(2024, 6, 3);
    QTest::newRow("Shift and the arrows") << "shift" << QDate(2024, 5, 20) << QDate(2024, 5, 29);
    QTest::newRow("Shift after a Shift run and a click") << "shift again" << QDate(2024, 5, 20) << QDate(2024, 5, 29);
}

void TestYourDays::testMarkedFromTheChosenDays()
{
    QFETCH(QString, how);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    App app;
    app.calendar->show();
    app.activate();
    if (how == QLatin1String("shift again")) {
        // A run begun elsewhere ends with the click: the next begins at the day clicked.
        app.clickDay(5, QDate(2024, 5, 3));
        QTest::keyClick(app.month(5)->dayView(), Qt::Key_Right, Qt::ShiftModifier);
        how = QStringLiteral("shift");
    }
    app.clickDay(5, first);
    if (how == QLatin1String("two clicks"))
        app.clickDay(6, last);
    if (how == QLatin1String("shift")) {
        QTest::keyClick(app.month(5)->dayView(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(app.month(5)->dayView(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(app.month(5)->dayView(), Qt::Key_Right, Qt::ShiftModifier);
    }
    QDate from;
    QDate to;
    app.world.prompter.whileDialogOpen = [&](QDialog* dialog) {
        from = dialog->findChild<QDateEdit*>(yourdaysnames::From)->date();
        to = dialog->findChild<QDateEdit*>(yourdaysnames::To)->date();
        dialog->findChild<QLineEdit*>(yourdaysnames::Title)->setText(QStringLiteral("Lisbon"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(yourdaysnames::Save), Qt::LeftButton);
    };
    app.find<QAction>(yourdaysnames::MarkKeys)->trigger();
    QCOMPARE(from, first);
    QCOMPARE(to, last);
    QTRY_COMPARE(
        titlesIn(m_path),
        QStringList{QStringLiteral("Lisbon %1 %2").arg(first.toString(Qt::ISODate), last.toString(Qt::ISODate))});
    // One bar from the first day to the last, across the month's end where it runs on.
    TMonthCalendar& may = *app.month(5);
    QCOMPARE(barsOf(may, first), first == last ? QStringLiteral("1-") : QStringLiteral("S-"));
    if (first != last)
        QCOMPARE(barsOf(first.month() == last.month() ? may : *app.month(6), last), QStringLiteral("E-"));
    if (first.daysTo(last) > 1)
        QCOMPARE(barsOf(may, first.addDays(1)), QStringLiteral("I-"));
    QVERIFY(may.spokenDay(first).contains(QStringLiteral("Trip: Lisbon")));
}

void TestYourDays::testUndoRedoAndTheMenu()
{
    App app;
    app.calendar->show();
    app.activate();
    app.clickDay(5, QDate(2024, 5, 20));
    app.world.prompter.whileDialogOpen = [](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(yourdaysnames::Title)->setText(QStringLiteral("Dentist"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(yourdaysnames::Save), Qt::LeftButton);
    };
    app.find<QAction>(yourdaysnames::MarkKeys)->trigger();
    QCOMPARE(barsOf(*app.month(5), QDate(2024, 5, 20)), QStringLiteral("1-"));
    app.find<QAction>(yourdaysnames::UndoKeys)->trigger();
    QCOMPARE(barsOf(*app.month(5), QDate(2024, 5, 20)), QStringLiteral("--"));
    QTRY_COMPARE(titlesIn(m_path), QStringList{});
    app.find<QAction>(yourdaysnames::RedoKeys)->trigger();
    QTRY_COMPARE(titlesIn(m_path), QStringList{"Dentist 2024-05-20 2024-05-20"});
    // The day's menu edits it (moved a day on, made yearly) and deletes it.
    QMenu menu;
    app.calendar->findChild<YourDays*>()->fillMenu(QDate(2024, 5, 20), {}, {}, menu);
    QStringList items;
    for (QAction* action : menu.actions())
        items.append(action->text());
    QCOMPARE(items,
             (QStringList{"Mark days...", "Edit \"Dentist\"...", "Delete \"Dentist\"", "Categories of your days..."}));
    app.world.prompter.whileDialogOpen = [](QDialog* dialog) {
        auto* from = dialog->findChild<QDateEdit*>(yourdaysnames::To);
        from->setDate(QDate(2024, 5, 21));
        dialog->findChild<QCheckBox*>(yourdaysnames::Yearly)->setChecked(true);
        QTest::mouseClick(dialog->findChild<QPushButton*>(yourdaysnames::Save), Qt::LeftButton);
    };
    menu.actions()[1]->trigger();
    QTRY_COMPARE(titlesIn(m_path), QStringList{"Dentist 2024-05-20 2024-05-21"});
    QCOMPARE(barsOf(*app.month(5), QDate(2024, 5, 21)), QStringLiteral("E-"));
    menu.actions()[2]->trigger();
    QTRY_COMPARE(titlesIn(m_path), QStringList{});
    QCOMPARE(barsOf(*app.month(5), QDate(2024, 5, 21)), QStringLiteral("--"));
    // Each change is one step back.
    app.find<QAction>(yourdaysnames::UndoKeys)->trigger();
    QTRY_COMPARE(titlesIn(m_path), QStringList{"Dentist 2024-05-20 2024-05-21"});
    app.find<QAction>(yourdaysnames::UndoKeys)->trigger();
    QTRY_COMPARE(titlesIn(m_path), QStringList{"Dentist 2024-05-20 2024-05-20"});
}

void TestYourDays::testThePanelTellsTheDay()
{
    App app; // today is 15 May 2024
    app.calendar->show();
    app.activate();
    app.clickDay(5, QDate(2024, 5, 20));
    app.clickDay(5, QDate(2024, 5, 22));
    app.world.prompter.whileDialogOpen = [](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(yourdaysnames::Title)->setText(QStringLiteral("Lisbon"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(yourdaysnames::Save), Qt::LeftButton);
    };
    app.find<QAction>(yourdaysnames::MarkKeys)->trigger();
    app.calendar->openDayPanel();
    DayPanel& panel = *app.calendar->dayPanel();
    app.clickDay(5, QDate(2024, 5, 21));
    QCOMPARE(panelLine(panel, QStringLiteral("Your day")), QStringLiteral("Trip: Lisbon, 20 to 22 May 2024"));
    QCOMPARE(panelLine(panel, QStringLiteral("From today")), QStringLiteral("in 6 days"));
    QVERIFY(panel.text().contains(QStringLiteral("Coming up: Mon 20 May: Trip: Lisbon")));
    // The second click of a span tells the span instead; a click alone again tells how far it lies.
    app.clickDay(5, QDate(2024, 5, 3));
    QCOMPARE(panelLine(panel, QStringLiteral("From today")), QString());
    QTest::mouseClick(panel.findChild<QPushButton*>(QStringLiteral("DayPanelClear")), Qt::LeftButton);
    app.clickDay(5, QDate(2024, 5, 3));
    QCOMPARE(panelLine(panel, QStringLiteral("From today")), QStringLiteral("12 days ago"));
    QCOMPARE(panelLine(panel, QStringLiteral("Your day")), QString());
}

void TestYourDays::testUnusedLeavesNoFile()
{
    App app;
    app.calendar->show();
    app.activate();
    app.clickDay(5, QDate(2024, 5, 20));
    app.find<QAction>(yourdaysnames::UndoKeys)->trigger();
    app.find<QAction>(yourdaysnames::RedoKeys)->trigger();
    app.world.prompter.whileDialogOpen = [](QDialog* dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(yourdaysnames::Cancel), Qt::LeftButton);
    };
    app.find<QAction>(yourdaysnames::MarkKeys)->trigger();
    QVERIFY(!QFile::exists(m_path));
    QCOMPARE(barsOf(*app.month(5), QDate(2024, 5, 20)), QStringLiteral("--"));
}

void TestYourDays::testCategoriesRenamedAndRecoloured()
{
    App app;
    app.calendar->show();
    app.activate();
    app.clickDay(5, QDate(2024, 5, 20));
    app.world.prompter.whileDialogOpen = [](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(yourdaysnames::Title)->setText(QStringLiteral("Lisbon"));
        QTest::mouseClick(dialog->findChild<QPushButton*>(yourdaysnames::Save), Qt::LeftButton);
    };
    app.find<QAction>(yourdaysnames::MarkKeys)->trigger();
    const auto barColour = [&app] {
        for (const DayContent& cell : app.month(5)->picture().days)
            if (cell.date == QDate(2024, 5, 20) && cell.inMonth)
                return QColor(cell.bars[0].colour).name();
        return QString();
    };
    QCOMPARE(barColour(), QStringLiteral("#0072b2"));
    YourDays& days = *app.calendar->findChild<YourDays*>();
    days.openCategories();
    CategoriesDialog& dialog = *days.categoriesDialog();
    auto* name = dialog.findChild<QLineEdit*>(yourdaysnames::CategoryName + QStringLiteral("1"));
    // Typed, and left with Tab as a person does: the rows stay, and the keyboard in the next field.
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Travel"));
    QTest::keyClick(name, Qt::Key_Tab);
    QTRY_COMPARE(days.categories().first().name, QStringLiteral("Travel"));
    QCOMPARE(dialog.findChild<QLineEdit*>(yourdaysnames::CategoryName + QStringLiteral("1")), name);
    auto* colour = dialog.findChild<QComboBox*>(yourdaysnames::CategoryColour + QStringLiteral("1"));
    colour->setCurrentIndex(colour->findData(QStringLiteral("#c0392b")));
    emit colour->activated(colour->currentIndex());
    QTRY_COMPARE(barColour(), QStringLiteral("#c0392b"));
    QVERIFY(days.saidOn(QDate(2024, 5, 20)).contains(QStringLiteral("Travel: Lisbon")));
    QTRY_VERIFY(textOf(m_path).contains("X-DORVANE-CATEGORY;X-KEY=trip;X-COLOR=#c0392b:Travel"));
    // Each change to the categories is a step of Undo, and the dialog follows it.
    app.find<QAction>(yourdaysnames::UndoKeys)->trigger();
    QCOMPARE(barColour(), QStringLiteral("#0072b2"));
    app.find<QAction>(yourdaysnames::UndoKeys)->trigger();
    name = dialog.findChild<QLineEdit*>(yourdaysnames::CategoryName + QStringLiteral("1"));
    QCOMPARE(name->text(), QStringLiteral("Trip"));
}

// Someone's notes where the calendar would be: said at the start and at each mark asked for, and never written over.
void TestYourDays::testAFileThatCannotBeUsed()
{
    QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
    QFile notes(m_path);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("my notes\n");
    notes.close();
    App app;
    app.calendar->show();
    app.activate();
    QCOMPARE(app.world.prompter.boxes.size(), 1);
    QVERIFY(app.world.prompter.boxes[0].text.contains(QStringLiteral("cannot be used (not a calendar)")));
    app.clickDay(5, QDate(2024, 5, 20));
    app.find<QAction>(yourdaysnames::MarkKeys)->trigger();
    QCOMPARE(app.world.prompter.boxes.size(), 2);
    QCOMPARE(app.world.prompter.boxes[1].kind, QStringLiteral("warning"));
    QVERIFY(notes.open(QIODevice::ReadOnly));
    QCOMPARE(notes.readAll(), QByteArray("my notes\n"));
}

void TestYourDays::testAReminderMissedIsToldAtTheStart()
{
    QVERIFY(QDir().mkpath(QFileInfo(m_path).absolutePath()));
    QFile file(m_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Today is 15 May 2024, 10:30: the reminder of 09:00 was missed while the program did not run.
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:r\r\nDTSTART;VALUE=DATE:20240515\r\n"
               "SUMMARY:Dentist\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT9H\r\nEND:VALARM\r\n"
               "END:VEVENT\r\nEND:VCALENDAR\r\n");
    file.close();
    App app;
    QCOMPARE(app.world.notifier.shown.size(), 1);
    QVERIFY(app.world.notifier.shown[0].startsWith(QStringLiteral("Dentist")));
    QTRY_VERIFY(textOf(m_path).contains("ACKNOWLEDGED:"));
    // Told once: the next start does not tell it again.
    App again;
    QCOMPARE(again.world.notifier.shown.size(), 0);
}

void TestYourDays::testCategoryNamed_data()
{
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("renamed"); // the second category's new name; empty: not renamed
    QTest::addColumn<QString>("name");
    QTest::newRow("before the first mark") << false << "holiday" << QString() << "Holiday";
    QTest::newRow("the file's") << true << "holiday" << QString() << "Holiday";
    QTest::newRow("renamed") << true << "holiday"
                             << "Vacation"
                             << "Vacation";
    QTest::newRow("another's, renamed") << true << "trip"
                                        << "Vacation"
                                        << "Trip";
    QTest::newRow("a key no category has") << true << "gone" << QString() << "gone";
}

void TestYourDays::testCategoryNamed()
{
    QFETCH(bool, started);
    QFETCH(QString, key);
    QFETCH(QString, renamed);
    QFETCH(QString, name);
    App app;
    YourDays& days = *app.calendar->findChild<YourDays*>();
    if (started) {
        QList<Category> categories = days.days().categories();
        if (!renamed.isEmpty())
            categories[1].name = renamed;
        days.days().setCategories(categories);
    }
    QCOMPARE(days.categoryName(key), name);
}

// Each range keeps one lane over all its days, as one bar: the later of two overlapping ranges stays on top after the
// earlier ends, and goes down over all its days (repainted beyond the changed range's own) once the earlier is gone.
void TestYourDays::testBarsKeepTheirLanes()
{
    App app;
    app.calendar->show();
    app.activate();
    OwnDays& model = app.calendar->findChild<YourDays*>()->days();
    const auto range = [](const char* title, QDate first, QDate last) {
        OwnDay day;
        day.title = QString::fromLatin1(title);
        day.category = QStringLiteral("trip");
        day.first = first;
        day.last = last;
        return day;
    };
    const QString trip = model.add(range("Trip", QDate(2024, 3, 12), QDate(2024, 3, 15)));
    model.add(range("Course", QDate(2024, 3, 14), QDate(2024, 4, 3)));
    QCOMPARE(barsOf(*app.month(3), QDate(2024, 3, 14)), QStringLiteral("IS"));
    QCOMPARE(barsOf(*app.month(3), QDate(2024, 3, 16)), QStringLiteral("-I"));
    QCOMPARE(barsOf(*app.month(4), QDate(2024, 4, 3)), QStringLiteral("-E"));
    model.remove(trip);
    QCOMPARE(barsOf(*app.month(3), QDate(2024, 3, 14)), QStringLiteral("S-"));
    // April lies beyond the removed range's days, yet its bar went down too.
    QCOMPARE(barsOf(*app.month(4), QDate(2024, 4, 3)), QStringLiteral("E-"));
}

QTEST_MAIN(TestYourDays)
#include "TestYourDays.moc"
