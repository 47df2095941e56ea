// SPDX-License-Identifier: GPL-3.0-or-later
#include "yourdays/YourDays.h"
#include "drawing/DayBarsOf.h"
#include "runtime/BoxGate.h"
#include "yourdays/CategoriesDialog.h"
#include "yourdays/MarkDayDialog.h"
#include "yourdays/YourDaysTexts.h"
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
// The categories a new calendar starts with, named in the user's language: the file keeps the names it was made
// with, which other programs show too.
QList<Category> firstCategoriesNamed()
{
    QList<Category> categories = owndays::firstCategories();
    const QList<QString> names{YourDaysTexts::CategoryTrip(), YourDaysTexts::CategoryHoliday(),
                               YourDaysTexts::CategoryBirthday(), YourDaysTexts::CategoryWork(),
                               YourDaysTexts::CategoryPersonal()};
    for (int i = 0; i < categories.size() && i < names.size(); ++i)
        categories[i].name = names[i];
    return categories;
}

} // namespace

YourDays::YourDays(BoxGate& gate, QWidget* window, QString path)
    : QObject(window), m_gate(gate), m_window(window), m_path(std::move(path))
{
}

YourDays::~YourDays() = default;

void YourDays::start()
{
    if (m_days || !QFileInfo::exists(m_path))
        return;
    // A file there that cannot be used is said at the start, once; a mark asked for later says it again.
    if (!days().writable())
        m_gate.show(BoxGate::Box::Warning,
                    YourDaysTexts::NotWritable().arg(QDir::toNativeSeparators(m_path), m_days->problem()));
}

OwnDays& YourDays::days()
{
    if (!m_days) {
        m_days = std::make_unique<OwnDays>(m_path, YourDaysTexts::CalendarName(), firstCategoriesNamed());
        connect(m_days.get(), &OwnDays::changed, this, [this](QDate first, QDate last) {
            if (!first.isValid()) {
                m_bars.clear();
                refreshColours();
                if (m_categoriesDialog)
                    m_categoriesDialog->showCategories(m_days->categories());
            }
            // A changed range may move the ones beside it to other lanes, beyond its own days: the grid is told
            // of every day whose bars changed.
            QList<int> years;
            for (auto laid = m_bars.cbegin(); first.isValid() && laid != m_bars.cend(); ++laid)
                if (last >= QDate(laid.key() - 1, 12, 1) && first <= QDate(laid.key() + 1, 1, 31))
                    years.append(laid.key());
            for (const int year : std::as_const(years)) {
                const QHash<QDate, DayBars> before = m_bars.take(year);
                const auto [from, to] = barsChanged(before, barsOfYear(year));
                if (from.isValid()) {
                    first = std::min(first, from);
                    last = std::max(last, to);
                }
            }
            emit changed(first, last);
        });
        connect(m_days.get(), &OwnDays::problemChanged, this, &YourDays::problemChanged);
        connect(m_days.get(), &OwnDays::changedElsewhere, this, [this](const QStringList& titles) {
            QList<BoxGate::Message> messages;
            for (const QString& title : titles)
                messages.append({YourDaysTexts::ChangedElsewhere().arg(title), QString(), false});
            m_gate.say(BoxGate::Box::Plain, messages);
        });
        connect(m_days.get(), &OwnDays::keptNewer, this, [this](const QStringList& titles) {
            QList<BoxGate::Message> messages;
            for (const QString& title : titles)
                messages.append({YourDaysTexts::KeptNewer().arg(title), QString(), false});
            m_gate.say(BoxGate::Box::Plain, messages);
        });
        m_days->load();
        refreshColours();
        emit modelMade(*m_days);
        emit changed(QDate(), QDate());
    }
    return *m_days;
}

void YourDays::refreshColours()
{
    m_bars.clear();
    m_colours.clear();
    for (const Category& category : m_days->categories())
        m_colours.insert(category.key, QColor(category.colour).rgb());
}

DayBars YourDays::barsOn(const QDate& day) const
{
    if (!m_days)
        return DayBars{};
    return barsOfYear(day.year()).value(day);
}

const QHash<QDate, DayBars>& YourDays::barsOfYear(int year) const
{
    const auto laid = m_bars.constFind(year);
    if (laid != m_bars.constEnd())
        return *laid;
    // The grid shows up to two weeks of the months around the year.
    const QDate from = QDate(year, 1, 1).addDays(-14);
    const QDate to = QDate(year, 12, 31).addDays(14);
    struct Range
    {
        QDate first;
        QDate last;
        QRgb colour;
    };
    QList<Range> ranges;
    // Each range once: found on its first day, or on the first day looked at when it began before.
    for (QDate day = from; day <= to; day = day.addDays(1))
        for (const OwnDays::Covering& found : m_days->covering(day))
            if (found.start == day || day == from)
                ranges.append({found.start, found.start.addDays(found.day->length() - 1),
                               m_colours.value(found.day->category, qRgb(112, 123, 124))});
    return *m_bars.insert(year, laidBars(ranges, from, to));
}

std::pair<QDate, QDate> YourDays::barsChanged(const QHash<QDate, DayBars>& before, const QHash<QDate, DayBars>& after)
{
    QDate from;
    QDate to;
    const auto note = [&from, &to](const QDate& day) {
        from = from.isValid() ? std::min(from, day) : day;
        to = to.isValid() ? std::max(to, day) : day;
    };
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        if (after.value(it.key()) != it.value())
            note(it.key());
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (!before.contains(it.key()))
            note(it.key());
    return {from, to};
}

QStringList YourDays::saidOn(const QDate& day) const
{
    QStringList said;
    for (const OwnDay& own : on(day))
        said.append(categoryName(own.category) + QStringLiteral(": ") + own.title);
    return said;
}

QList<OwnDay> YourDays::on(const QDate& day) const
{
    return m_days ? m_days->on(day) : QList<OwnDay>();
}

QList<OwnDay> YourDays::meeting(const QDate& from, const QDate& to) const
{
    return m_days ? m_days->meeting(from, to) : QList<OwnDay>();
}

QList<Category> YourDays::categories() const
{
    return m_days ? m_days->categories() : firstCategoriesNamed();
}

QString YourDays::categoryName(const QString& key) const
{
    // Asked for each marked day a cell or the Day panel tells: found in the model's own list, never in a copy.
    const auto nameIn = [&key](const QList<Category>& categories) {
        for (const Category& category : categories)
            if (category.key == key)
                return category.name;
        return key;
    };
    return m_days ? nameIn(m_days->categories()) : nameIn(firstCategoriesNamed());
}

QString YourDays::line() const
{
    // Until the first day is marked the calendars' list stays as it was.
    if (!m_days)
        return QString();
    if (m_days && !m_days->problem().isEmpty())
        return m_days->writable()
                   ? YourDaysTexts::NotSaved().arg(m_days->problem())
                   : YourDaysTexts::NotWritable().arg(QDir::toNativeSeparators(m_path), m_days->problem());
    return YourDaysTexts::Line().arg(m_days->count());
}

void YourDays::mark(const QDate& first, const QDate& last)
{
    OwnDay day;
    day.first = qMin(first, last);
    day.last = qMax(first, last);
    day.category = categories().isEmpty() ? QString() : categories().first().key;
    openDialog(day, false);
}

void YourDays::edit(const QString& uid)
{
    if (const std::optional<OwnDay> day = days().find(uid))
        openDialog(*day, true);
}

void YourDays::remove(const QString& uid)
{
    days().remove(uid);
}

void YourDays::undo()
{
    if (m_days)
        m_days->undo();
}

void YourDays::redo()
{
    if (m_days)
        m_days->redo();
}

void YourDays::openDialog(const OwnDay& day, bool editing)
{
    OwnDays& model = days();
    if (m_dialogOpen)
        return;
    // Asked for by the user each time: the reason is said each time, never over another box.
    if (!model.writable()) {
        m_gate.show(BoxGate::Box::Warning,
                    YourDaysTexts::NotWritable().arg(QDir::toNativeSeparators(m_path), model.problem()));
        return;
    }
    MarkDayDialog dialog(day, model.categories(), editing, m_window);
    m_dialogOpen = true;
    const int result = m_gate.execDialog(&dialog);
    m_dialogOpen = false;
    if (result == MarkDayDialog::Deleted)
        model.remove(day.uid);
    else if (result == QDialog::Accepted && editing)
        model.change(dialog.day());
    else if (result == QDialog::Accepted)
        model.add(dialog.day());
}

void YourDays::fillMenu(const QDate& day, const QDate& chosenFirst, const QDate& chosenLast, QMenu& menu)
{
    // The chosen range when the day lies in it, else the day alone.
    const bool inChosen = chosenFirst.isValid() && day >= chosenFirst && day <= chosenLast;
    const QDate first = inChosen ? chosenFirst : day;
    const QDate last = inChosen ? chosenLast : day;
    QAction* markAction = menu.addAction(YourDaysTexts::MenuMark(), this, [this, first, last] { mark(first, last); });
    markAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    for (const OwnDay& own : on(day)) {
        const QString title = own.title.size() > 40 ? own.title.left(39) + QChar(0x2026) : own.title;
        menu.addAction(categoryIcon(m_colours.contains(own.category) ? QColor(m_colours[own.category]).name()
                                                                     : QStringLiteral("#707b7c")),
                       YourDaysTexts::MenuEdit().arg(title), this, [this, uid = own.uid] { edit(uid); });
        menu.addAction(YourDaysTexts::MenuDelete().arg(title), this, [this, uid = own.uid] { remove(uid); });
    }
    menu.addAction(YourDaysTexts::MenuCategories(), this, &YourDays::openCategories);
}

void YourDays::openCategories()
{
    OwnDays& model = days();
    if (!m_categoriesDialog) {
        m_categoriesDialog = new CategoriesDialog(m_window);
        connect(m_categoriesDialog, &CategoriesDialog::changed, this,
                [this](const QList<Category>& categories) { days().setCategories(categories); });
    }
    m_categoriesDialog->showCategories(model.categories());
    m_categoriesDialog->show();
    m_categoriesDialog->raise();
    m_categoriesDialog->activateWindow();
}

void YourDays::problemChanged(const QString& line)
{
    if (!m_days)
        return;
    // Said once per reason; the calendars' list keeps the line while it lasts.
    if (!line.isEmpty() && m_days->writable())
        m_gate.say(BoxGate::Box::Warning,
                   {{YourDaysTexts::NotSaved().arg(line), QStringLiteral("yourdays:") + line, true}});
    emit changed(QDate(), QDate());
}
