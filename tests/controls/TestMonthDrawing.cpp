// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TMonthCalendar.h"
#include "drawing/CentredTexts.h"
#include "drawing/Inks.h"
#include "print/YearSheet.h"
#include "support/DayCell.h"
#include <QAccessible>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

// The month as the calendar draws it: the keys that move its day, what a screen reader hears of its cells, the
// pixels of a few cells at two display scales, what a change repaints, and the same ink on the window and the page.
namespace {
QImage drawn(const MonthDrawer& drawer, const MonthPicture& picture, qreal scale)
{
    const QSize size(197, 153);
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    QPainter painter(&image);
    drawer.paint(painter, picture);
    return image;
}

// The colour at a point given in logical pixels of the cell.
QColor at(const QImage& image, const QRectF& cell, const QPointF& point, qreal scale)
{
    return image.pixelColor(((cell.topLeft() + point) * scale).toPoint());
}

int cellOf(const MonthPicture& picture, const QDate& day)
{
    for (int index = 0; index < MonthCells; ++index)
        if (picture.days[index].date == day)
            return index;
    return -1;
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}
} // namespace

class TestMonthDrawing : public QObject
{
    Q_OBJECT
private slots:
    void testKeysMoveTheDay_data();
    void testKeysMoveTheDay();
    void testCellsAreSpokenDays_data();
    void testCellsAreSpokenDays();
    void testCellPixels_data();
    void testCellPixels();
    void testOnlyWhatChangedIsRepainted_data();
    void testOnlyWhatChangedIsRepainted();
    void testMarksAskedOnlyWhenNew_data();
    void testMarksAskedOnlyWhenNew();
    void testWindowAndPageShareTheFullMoonInk();
    void testArrowsAreNamedButtons_data();
    void testArrowsAreNamedButtons();
    void testKeptTextsDrawAsThePainter_data();
    void testKeptTextsDrawAsThePainter();
};

void TestMonthDrawing::testArrowsAreNamedButtons_data()
{
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("shown"); // after the press, from January 2026 (the year's edge)
    QTest::newRow("previous") << "qt_calendar_prevmonth"
                              << "Previous month" << QDate(2025, 12, 1);
    QTest::newRow("next") << "qt_calendar_nextmonth"
                          << "Next month" << QDate(2026, 2, 1);
}

// A screen reader meets each arrow as a button by its name, and its press steps the month as a click does.
void TestMonthDrawing::testArrowsAreNamedButtons()
{
    QFETCH(QString, arrow);
    QFETCH(QString, name);
    QFETCH(QDate, shown);
    TMonthCalendar calendar(0);
    calendar.setDate(rt::fromQDate(QDate(2026, 1, 1)));
    auto* button = calendar.findChild<QWidget*>(arrow);
    QVERIFY(button);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
    QVERIFY(face);
    QCOMPARE(face->role(), QAccessible::Button);
    QCOMPARE(face->text(QAccessible::Name), name);
    QVERIFY(face->actionInterface());
    // The press is shown as a button's press is, and clicks at its end.
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(QDate(calendar.yearShown(), calendar.monthShown(), 1), shown);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(QDate(calendar.yearShown(), calendar.monthShown(), 1),
             shown.addMonths(shown < QDate(2026, 1, 1) ? -1 : 1));
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

void TestMonthDrawing::testKeysMoveTheDay_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDate>("to");
    QTest::newRow("Right over the month's end") << QDate(2026, 1, 31) << int(Qt::Key_Right) << QDate(2026, 2, 1);
    QTest::newRow("Left over the year's start") << QDate(2026, 1, 1) << int(Qt::Key_Left) << QDate(2025, 12, 31);
    QTest::newRow("Down over the year's end") << QDate(2025, 12, 29) << int(Qt::Key_Down) << QDate(2026, 1, 5);
    QTest::newRow("Up into December") << QDate(2026, 1, 3) << int(Qt::Key_Up) << QDate(2025, 12, 27);
    QTest::newRow("Page Up from the 31st") << QDate(2026, 3, 31) << int(Qt::Key_PageUp) << QDate(2026, 2, 28);
    QTest::newRow("Page Down over the year's end")
        << QDate(2025, 12, 15) << int(Qt::Key_PageDown) << QDate(2026, 1, 15);
    QTest::newRow("Page Down to a leap day") << QDate(2024, 1, 30) << int(Qt::Key_PageDown) << QDate(2024, 2, 29);
    QTest::newRow("Home") << QDate(2026, 2, 17) << int(Qt::Key_Home) << QDate(2026, 2, 1);
    QTest::newRow("End of a leap February") << QDate(2024, 2, 10) << int(Qt::Key_End) << QDate(2024, 2, 29);
    QTest::newRow("Right past the last day stays") << QDate(9999, 12, 31) << int(Qt::Key_Right) << QDate(9999, 12, 31);
    QTest::newRow("Page Up before the first month stays")
        << QDate(1601, 1, 20) << int(Qt::Key_PageUp) << QDate(1601, 1, 20);
    QTest::newRow("Enter keeps the day") << QDate(2026, 6, 9) << int(Qt::Key_Return) << QDate(2026, 6, 9);
}

void TestMonthDrawing::testKeysMoveTheDay()
{
    QFETCH(QDate, from);
    QFETCH(int, key);
    QFETCH(QDate, to);
    TMonthCalendar calendar(0.25);
    calendar.setDate(rt::fromQDate(from));
    QSignalSpy clicks(&calendar, &TMonthCalendar::OnClick);
    QSignalSpy confirmed(&calendar, &TMonthCalendar::activated);
    QSignalSpy pages(&calendar, &TMonthCalendar::shownMonthChanged);
    QTest::keyClick(calendar.dayView(), Qt::Key(key));
    QCOMPARE(rt::toQDate(calendar.Date()), to);
    QCOMPARE(calendar.selectedDate(), to);
    QCOMPARE(calendar.monthShown(), to.month());
    QCOMPARE(calendar.yearShown(), to.year());
    QCOMPARE(rt::toQDateTime(calendar.Date()).time(), QTime(6, 0));
    QCOMPARE(pages.count(), to.month() != from.month() || to.year() != from.year() ? 1 : 0);
    // Only Enter reports the day, as a click does, and confirms it.
    const bool enter = key == Qt::Key_Return;
    QCOMPARE(clicks.count(), enter ? 1 : 0);
    QCOMPARE(confirmed.count(), enter ? 1 : 0);
}

void TestMonthDrawing::testCellsAreSpokenDays_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("said");
    // December 2026, Monday first: 30 November stands first, 9 December in the second row's third column.
    QTest::newRow("today and a new moon") << QDate(2026, 12, 9) << "C"
                                          << "Wednesday, 9 December 2026, today, New moon";
    QTest::newRow("a plain day") << QDate(2026, 12, 10) << "C"
                                 << "Thursday, 10 December 2026";
    QTest::newRow("a full moon and events") << QDate(2026, 12, 24) << "C"
                                            << "Thursday, 24 December 2026, Full moon, Your events";
    QTest::newRow("a grey day has no marks") << QDate(2026, 11, 30) << "C"
                                             << "Monday, 30 November 2026";
    // The date as each locale writes it in full; the marks' words come from the translations.
    QTest::newRow("German") << QDate(2026, 12, 9) << "de_DE"
                            << "Mittwoch, 9. Dezember 2026, today, New moon";
    QTest::newRow("American") << QDate(2026, 12, 10) << "en_US"
                              << "Thursday, December 10, 2026";
}

void TestMonthDrawing::testCellsAreSpokenDays()
{
    QFETCH(QDate, day);
    QFETCH(QString, locale);
    QFETCH(QString, said);
    TMonthCalendar calendar(0);
    calendar.setLocale(QLocale(locale));
    calendar.setWeekRules(Qt::Monday, weeks::Numbering::Iso);
    calendar.setDate(rt::fromQDate(QDate(2026, 12, 1)));
    calendar.markToday(QDate(2026, 12, 9));
    calendar.setDayMarks([](const QDate& d) {
        DayMarks marks;
        marks.newMoon = d.day() == 9;
        marks.fullMoon = d.day() == 24;
        marks.event = d.day() == 24;
        return marks;
    });
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(calendar.dayView());
    QVERIFY(grid);
    QCOMPARE(grid->role(), QAccessible::Table);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("December 2026"));
    QAccessibleTableInterface* table = grid->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 6);
    QCOMPARE(table->columnCount(), 7);
    const int index = cellOf(calendar.picture(), day);
    QVERIFY(index >= 0);
    QAccessibleInterface* cell = table->cellAt(index / 7, index % 7);
    QVERIFY(cell);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->text(QAccessible::Name), said);
    QCOMPARE(cell->parent(), grid);
    QCOMPARE(grid->indexOfChild(cell), index);
    // The same cell after a month step says its new day; the table its new month.
    calendar.setDate(rt::fromQDate(QDate(2027, 1, 1)));
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("January 2027"));
    QVERIFY(cell->text(QAccessible::Name) != said);
    QCOMPARE(cell->text(QAccessible::Name), calendar.spokenDay(calendar.picture().days[index].date));
}

void TestMonthDrawing::testCellPixels_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QString>("what");
    for (const qreal scale : {1.0, 2.0}) {
        const QString at = QStringLiteral(" at scale %1").arg(scale);
        for (const char* what : {"today", "full moon", "range start", "range end", "grey day", "selected", "holiday"})
            QTest::newRow(qPrintable(QString::fromLatin1(what) + at)) << scale << QString::fromLatin1(what);
    }
}

// A few pixels of a cell, where each look puts its ink: today's pale ground, the moon's disc in the top right
// corner, the edge of a range's first and last day, a neighbouring month's grey number, the selection's blue.
void TestMonthDrawing::testCellPixels()
{
    QFETCH(qreal, scale);
    QFETCH(QString, what);
    const MonthDrawer drawer(MonthDrawer::windowLook(false));
    MonthPicture picture;
    picture.title = QStringLiteral("March 2026");
    fillMonthDays(picture, 2026, 3, Qt::Monday, QDate(1601, 1, 1), QDate(9999, 12, 31));
    const auto day = [&](int d) -> DayContent& { return picture.days[cellOf(picture, QDate(2026, 3, d))]; };
    day(4).today = true;
    day(3).marks.set(DayMark::FullMoon);
    for (int d = 10; d <= 20; ++d)
        day(d).range = d == 10 ? RangePlace::Start : d == 20 ? RangePlace::End : RangePlace::Inside;
    day(25).selected = true;
    day(19).holiday = true;
    const QImage image = drawn(drawer, picture, scale);
    const auto cell = [&](const QDate& date) { return drawer.cellRect(cellOf(picture, date)); };
    if (what == QLatin1String("today")) {
        QCOMPARE(at(image, cell(QDate(2026, 3, 4)), QPointF(2, 2), scale), inks::TodayGround);
        QCOMPARE(at(image, cell(QDate(2026, 3, 5)), QPointF(2, 2), scale), inks::White);
    } else if (what == QLatin1String("full moon")) {
        // The disc's centre: 4.25 in from the top right corner of a cell 16 high.
        const QRectF c = cell(QDate(2026, 3, 3));
        QCOMPARE(at(image, c, QPointF(c.width() - 4.25, 4.25), scale), inks::FullMoonFill);
        QCOMPARE(at(image, cell(QDate(2026, 3, 2)), QPointF(c.width() - 4.25, 4.25), scale), inks::White);
    } else if (what == QLatin1String("range start")) {
        QCOMPARE(at(image, cell(QDate(2026, 3, 10)), QPointF(1, 8), scale), inks::RangeEnd);
        QCOMPARE(at(image, cell(QDate(2026, 3, 11)), QPointF(1, 8), scale), inks::RangeTint);
        QCOMPARE(at(image, cell(QDate(2026, 3, 9)), QPointF(1, 8), scale), inks::White);
    } else if (what == QLatin1String("range end")) {
        const QRectF c = cell(QDate(2026, 3, 20));
        QCOMPARE(at(image, c, QPointF(c.width() - 1, 8), scale), inks::RangeEnd);
        QCOMPARE(at(image, cell(QDate(2026, 3, 21)), QPointF(c.width() - 1, 8), scale), inks::White);
    } else if (what == QLatin1String("grey day")) {
        // 23 February stands first in a March that starts on a Sunday: its number is drawn grey, nothing navy.
        const QRectF c = cell(QDate(2026, 2, 23));
        int grey = 0, navy = 0;
        for (int y = 0; y < c.height() * scale; ++y)
            for (int x = 0; x < c.width() * scale; ++x) {
                const QColor p = image.pixelColor((c.topLeft() * scale).toPoint() + QPoint(x, y));
                grey += near(p, inks::NeighbourGrey);
                navy += near(p, inks::Navy);
            }
        QVERIFY2(grey >= 3 * scale && navy == 0, qPrintable(QStringLiteral("grey %1, navy %2").arg(grey).arg(navy)));
    } else if (what == QLatin1String("holiday")) {
        // 19 March's number in the holiday ink over the range's tint, the 18th's in navy.
        const auto inks = [&](const QDate& date) {
            const QRectF c = cell(date);
            std::pair<int, int> count{0, 0};
            for (int y = 0; y < c.height() * scale; ++y)
                for (int x = 0; x < c.width() * scale; ++x) {
                    const QColor p = image.pixelColor((c.topLeft() * scale).toPoint() + QPoint(x, y));
                    count.first += near(p, inks::HolidayInk);
                    count.second += near(p, inks::Navy);
                }
            return count;
        };
        const auto holiday = inks(QDate(2026, 3, 19));
        const auto plain = inks(QDate(2026, 3, 18));
        QVERIFY2(holiday.first >= 3 * scale && holiday.second == 0,
                 qPrintable(QStringLiteral("red %1, navy %2").arg(holiday.first).arg(holiday.second)));
        QVERIFY(plain.first == 0 && plain.second >= 3 * scale);
    } else {
        QCOMPARE(at(image, cell(QDate(2026, 3, 25)), QPointF(2, 2), scale), inks::Blue);
    }
}

void TestMonthDrawing::testOnlyWhatChangedIsRepainted_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("cells"); // cells repainted; -1 the whole grid
    QTest::newRow("the same marks again") << "same marks" << 0;
    QTest::newRow("a mark moves to another day") << "one mark" << 2;
    QTest::newRow("the same date again") << "same date" << 0;
    QTest::newRow("another day of the month") << "day" << 2;
    QTest::newRow("today moves on") << "today" << 2;
    QTest::newRow("another month") << "month" << -1;
}

void TestMonthDrawing::testOnlyWhatChangedIsRepainted()
{
    QFETCH(QString, change);
    QFETCH(int, cells);
    TMonthCalendar calendar(0);
    calendar.setDate(rt::fromQDate(QDate(2026, 5, 12)));
    calendar.markToday(QDate(2026, 5, 20));
    QDate marked(2026, 5, 3);
    calendar.setDayMarks([&marked](const QDate& d) {
        DayMarks marks;
        marks.fullMoon = d == marked;
        return marks;
    });
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QCoreApplication::processEvents();
    struct Painted : QObject
    {
        QRegion region;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } painted;
    calendar.dayView()->installEventFilter(&painted);
    if (change == QLatin1String("same marks") || change == QLatin1String("one mark")) {
        if (change == QLatin1String("one mark"))
            marked = QDate(2026, 5, 31);
        calendar.refreshMarks();
    } else if (change == QLatin1String("same date")) {
        calendar.setDate(rt::fromQDate(QDate(2026, 5, 12)));
    } else if (change == QLatin1String("day")) {
        calendar.setDate(rt::fromQDate(QDate(2026, 5, 14)));
    } else if (change == QLatin1String("today")) {
        calendar.markToday(QDate(2026, 5, 21));
    } else {
        calendar.setDate(rt::fromQDate(QDate(2026, 6, 14)));
    }
    QTest::qWait(20);
    const QRect cell = calendar.dayRect(QDate(2026, 5, 14));
    const int area = cell.width() * cell.height();
    int paintedArea = 0;
    for (const QRect& r : painted.region)
        paintedArea += r.width() * r.height();
    if (cells < 0)
        QCOMPARE(painted.region.boundingRect(), calendar.dayView()->rect());
    else
        QCOMPARE(paintedArea, cells * area);
}

// The window's cell and the page's cell draw a full moon's disc in the one ink.
void TestMonthDrawing::testMarksAskedOnlyWhenNew_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QDate>("fullMoon");
    // A click or today's move asks only for the selected day's description and keeps the marks; news, a new source,
    // another month or another first day of the week (the grid starts on Sunday here) asks for every day of the month
    // and shows what the source says now.
    QTest::newRow("a day clicked") << "day" << 1 << QDate(2026, 5, 3);
    QTest::newRow("today moved") << "today" << 1 << QDate(2026, 5, 3);
    QTest::newRow("news of marks") << "news" << 32 << QDate(2026, 5, 31);
    QTest::newRow("a new source") << "source" << 32 << QDate(2026, 5, 31);
    QTest::newRow("another month") << "month" << 31 << QDate(2026, 6, 30);
    QTest::newRow("weeks from Monday") << "weeks" << 32 << QDate(2026, 5, 31);
}

void TestMonthDrawing::testMarksAskedOnlyWhenNew()
{
    QFETCH(QString, change);
    QFETCH(int, asked);
    QFETCH(QDate, fullMoon);
    TMonthCalendar calendar(0);
    calendar.setDate(rt::fromQDate(QDate(2026, 5, 12)));
    calendar.markToday(QDate(2026, 5, 20));
    QDate marked(2026, 5, 3);
    int questions = 0;
    const auto source = [&](const QDate& d) {
        ++questions;
        DayMarks marks;
        marks.fullMoon = d == marked;
        return marks;
    };
    calendar.setDayMarks(source);
    questions = 0;
    // What the source would say from now on; only a question shows it.
    marked = fullMoon == QDate(2026, 5, 3) ? marked : fullMoon;
    if (change == QLatin1String("day"))
        calendar.setDate(rt::fromQDate(QDate(2026, 5, 14)));
    else if (change == QLatin1String("today"))
        calendar.markToday(QDate(2026, 5, 21));
    else if (change == QLatin1String("news"))
        calendar.refreshMarks();
    else if (change == QLatin1String("source"))
        calendar.setDayMarks(source);
    else if (change == QLatin1String("month"))
        calendar.setDate(rt::fromQDate(QDate(2026, 6, 14)));
    else
        calendar.setWeekRules(Qt::Monday, weeks::Numbering::Iso);
    QCOMPARE(questions, asked);
    QStringList full;
    for (const DayContent& day : calendar.picture().days)
        if (day.marks.has(DayMark::FullMoon))
            full.append(day.date.toString(Qt::ISODate));
    QCOMPARE(full, QStringList{fullMoon.toString(Qt::ISODate)});
}

void TestMonthDrawing::testWindowAndPageShareTheFullMoonInk()
{
    const QDate day(2026, 12, 24);
    TMonthCalendar calendar(0);
    calendar.setDate(rt::fromQDate(QDate(2026, 12, 1)));
    calendar.setDayMarks([day](const QDate& d) {
        DayMarks marks;
        marks.fullMoon = d == day;
        return marks;
    });
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    const QRect cell = calendar.dayRect(day);
    const QImage window = calendar.dayView()->grab().toImage();
    const QColor onScreen = window.pixelColor(cell.topLeft() + QPointF(cell.width() - 4.25, 4.25).toPoint());

    SheetContent content;
    content.year = 2026;
    content.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    content.marks = [day](const QDate& d) {
        SheetDayMarks marks;
        marks.fullMoon = d == day;
        return marks;
    };
    const YearSheet sheet(content);
    const QRectF target(0, 0, 1169, 827);
    QImage page(target.size().toSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    sheet.paint(painter, target);
    painter.end();
    const QRectF printed = sheet.dayRect(day, target);
    const qreal unit = printed.height() / 16;
    const QColor onPaper = page.pixelColor((printed.topRight() + QPointF(-4.25 * unit, 4.25 * unit)).toPoint());
    QCOMPARE(onScreen, inks::FullMoonFill);
    QCOMPARE(onPaper, onScreen);
}

void TestMonthDrawing::testKeptTextsDrawAsThePainter_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QSizeF>("cell");
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0})
        for (const bool bold : {false, true}) {
            const QString at =
                QStringLiteral(" at scale %1").arg(scale) + (bold ? QStringLiteral(", bold") : QString());
            QTest::newRow(qPrintable(QStringLiteral("a day's cell") + at)) << scale << bold << QSizeF(28, 16);
            QTest::newRow(qPrintable(QStringLiteral("a cell beside week numbers") + at))
                << scale << bold << QSizeF(175.0 / 7, 16);
            QTest::newRow(qPrintable(QStringLiteral("a week number's cell") + at)) << scale << bold << QSizeF(21, 16);
            // Narrower and lower than the text: clipped to the cell as the painter clips it.
            QTest::newRow(qPrintable(QStringLiteral("a cell too small") + at)) << scale << bold << QSizeF(7, 6);
        }
}

// The numbers and names kept laid out land on the very pixels the painter's own drawing gives them, at every size
// and scale, at their first drawing and when drawn again, and after the font changed under the kept layouts.
void TestMonthDrawing::testKeptTextsDrawAsThePainter()
{
    QFETCH(qreal, scale);
    QFETCH(bool, bold);
    QFETCH(QSizeF, cell);
    QStringList texts{QStringLiteral("M"), QStringLiteral("Mi"), QStringLiteral("\u00c9"), QStringLiteral("a&b")};
    for (int n = 1; n <= 53; ++n)
        texts.append(CentredTexts::number(n));
    const auto draw = [&](const QFont& font, CentredTexts* kept) {
        QImage image(QSize(420, 440) * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(inks::Navy);
        // Twice over, at cells starting on whole and on fractional pixels.
        for (int round = 0; round < 2; ++round)
            for (int i = 0; i < texts.size(); ++i) {
                const QRectF rect(QPointF(1 + (i % 12) * cell.width() * 1.2, round * 220 + (i / 12) * 20.5), cell);
                if (kept)
                    kept->draw(painter, rect, texts[i]);
                else
                    painter.drawText(rect, Qt::AlignCenter, texts[i]);
            }
        return image;
    };
    QFont font;
    font.setPixelSize(11);
    font.setBold(bold);
    CentredTexts kept;
    QCOMPARE(draw(font, &kept), draw(font, nullptr));
    QCOMPARE(kept.kept(), texts.size());
    font.setPixelSize(15);
    QCOMPARE(draw(font, &kept), draw(font, nullptr));
    QCOMPARE(CentredTexts::number(7), QStringLiteral("7"));
    QCOMPARE(CentredTexts::number(2026), QStringLiteral("2026"));
}

QTEST_MAIN(TestMonthDrawing)
#include "TestMonthDrawing.moc"
