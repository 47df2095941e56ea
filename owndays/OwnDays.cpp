// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnDays.h"
#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <algorithm>

namespace {
// A day marked once over more days than this has only its first ones found by date: a file another program wrote
// may hold an event over centuries.
constexpr int MostIndexedDays = 40000;
constexpr int MostYearlySpan = 366;

int startKey(const QDate& day)
{
    return day.month() * 100 + day.day();
}
} // namespace

// What one save takes to the worker, copied from the model (the document is shared, not copied), and what it brings
// back. The worker touches only this, never the model.
struct OwnDays::SaveJob
{
    OwnCalendarFile file; // as last read or written: the base of the merge, and the file written after it
    QHash<QString, std::optional<OwnDay>> changes;
    bool categoriesChanged = false;
    QList<Category> categories;
    QHash<QString, QByteArray> revived;
    bool makeFolder = false;
    OwnCalendarFile::Saved saved;

    void run()
    {
        // The first day marked makes the folder the file lives in; a folder that went away later is not made
        // again behind the user's back: the change waits, and the line says why.
        if (makeFolder) {
            const QFileInfo at(file.path());
            if (!at.exists())
                QDir().mkpath(at.absolutePath());
        }
        saved = file.save(changes, categories, revived);
    }
};

OwnDays::OwnDays(QString path, QString calendarName, QList<Category> firstCategories, QObject* parent)
    : QObject(parent), m_file(std::move(path), std::move(calendarName), firstCategories),
      m_categories(std::move(firstCategories))
{
    m_outside.setSingleShot(true);
    m_outside.setInterval(OutsideChangeDelayMs);
    connect(&m_outside, &QTimer::timeout, this, &OwnDays::outsideChange);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (unsaved())
            save();
    });
    m_pool.setMaxThreadCount(1);
}

OwnDays::~OwnDays()
{
    // Quitting never loses a change: the save under way ends and what is left is written once more. Nobody hears
    // of it: those listening may be half torn down.
    const QSignalBlocker quiet(this);
    finishSaving();
    if (unsaved() && m_writable)
        saveAgain();
}

bool OwnDays::load()
{
    finishSaving();
    const OwnCalendarFile::Kind kind = m_file.load();
    m_fileSeen = m_fileSeen || kind != OwnCalendarFile::Kind::Missing;
    m_writable = kind == OwnCalendarFile::Kind::Read || kind == OwnCalendarFile::Kind::Missing;
    m_problem = kind == OwnCalendarFile::Kind::NotACalendar ? QStringLiteral("not a calendar")
                : kind == OwnCalendarFile::Kind::Unreadable ? m_file.reason()
                                                            : QString();
    if (m_writable) {
        m_categories = m_file.document().categories;
        adopt(m_file.document().days());
    }
    watch();
    return m_writable;
}

void OwnDays::adopt(const QList<OwnDay>& days)
{
    m_days.clear();
    m_byDate.clear();
    m_yearlyByStart.clear();
    m_longestYearly = 0;
    for (const OwnDay& day : days) {
        if (m_days.contains(day.uid))
            continue;
        m_days.insert(day.uid, day);
        index(day);
    }
}

void OwnDays::watch()
{
    if (!m_watcher) {
        m_watcher = std::make_unique<QFileSystemWatcher>();
        const auto soon = [this] { m_outside.start(); };
        connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, this, soon);
        connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, this, soon);
    }
    // A save by rename leaves the old file's watch behind: the folder tells it, and the new file is watched again.
    const QString folder = QFileInfo(m_file.path()).absolutePath();
    if (!m_watcher->directories().contains(folder) && QFileInfo(folder).isDir())
        m_watcher->addPath(folder);
    if (!m_watcher->files().contains(m_file.path()) && QFileInfo::exists(m_file.path()))
        m_watcher->addPath(m_file.path());
}

void OwnDays::outsideChange()
{
    watch();
    // Our own write may be what was seen: the stamp it left comes back with the save.
    if (m_saving) {
        m_outsideAfterSave = true;
        return;
    }
    if (!m_file.changedOnDisk())
        return;
    if (unsaved()) {
        save();
        return;
    }
    // A file that went away (its folder with it, maybe): the days stay here, and the next save writes them all.
    if (m_fileSeen && !QFileInfo::exists(m_file.path()))
        return;
    const bool was = m_writable;
    load();
    if (was != m_writable || !m_problem.isEmpty())
        emit problemChanged(m_problem);
    emit changed(QDate(), QDate());
}

std::optional<Category> OwnDays::category(const QString& key) const
{
    for (const Category& category : m_categories)
        if (category.key == key)
            return category;
    return std::nullopt;
}

std::optional<OwnDay> OwnDays::find(const QString& uid) const
{
    const auto found = m_days.constFind(uid);
    if (found == m_days.constEnd())
        return std::nullopt;
    return *found;
}

void OwnDays::index(const OwnDay& day)
{
    if (day.yearly) {
        m_yearlyByStart[startKey(day.first)].append(day.uid);
        m_longestYearly = qMax(m_longestYearly, qMin(day.length(), MostYearlySpan));
        return;
    }
    const int days = qMin(day.length(), MostIndexedDays);
    for (int i = 0; i < days; ++i)
        m_byDate[day.first.addDays(i)].append(day.uid);
}

void OwnDays::unindex(const OwnDay& day)
{
    if (day.yearly) {
        auto found = m_yearlyByStart.find(startKey(day.first));
        if (found != m_yearlyByStart.end() && found->removeOne(day.uid) && found->isEmpty())
            m_yearlyByStart.erase(found);
        return;
    }
    const int days = qMin(day.length(), MostIndexedDays);
    for (int i = 0; i < days; ++i) {
        auto found = m_byDate.find(day.first.addDays(i));
        if (found != m_byDate.end() && found->removeOne(day.uid) && found->isEmpty())
            m_byDate.erase(found);
    }
}

QVarLengthArray<OwnDays::Covering, 4> OwnDays::covering(const QDate& day) const
{
    QVarLengthArray<Covering, 4> found;
    const auto byDate = m_byDate.constFind(day);
    if (byDate != m_byDate.constEnd())
        for (const QString& uid : *byDate) {
            const OwnDay& once = *m_days.constFind(uid);
            found.append({once.first, &once});
        }
    for (int back = 0; back < m_longestYearly; ++back) {
        const QDate start = day.addDays(-back);
        const auto starting = m_yearlyByStart.constFind(startKey(start));
        if (starting == m_yearlyByStart.constEnd())
            continue;
        for (const QString& uid : *starting) {
            const OwnDay& yearly = *m_days.constFind(uid);
            if (start.addDays(yearly.length() - 1) >= day && yearly.occurrenceCovering(day) == start)
                found.append({start, &yearly});
        }
    }
    // The one starting first first, so that a range keeps its place among the day's bars.
    std::sort(found.begin(), found.end(), [](const Covering& a, const Covering& b) {
        return a.start != b.start ? a.start < b.start : a.day->uid < b.day->uid;
    });
    return found;
}

QList<OwnDay> OwnDays::on(const QDate& day) const
{
    QList<OwnDay> found;
    for (const Covering& covering : covering(day))
        found.append(*covering.day);
    return found;
}

namespace {
void sortByFirstDay(QList<OwnDay>& days)
{
    std::sort(days.begin(), days.end(),
              [](const OwnDay& a, const OwnDay& b) { return a.first != b.first ? a.first < b.first : a.uid < b.uid; });
}
} // namespace

QList<OwnDay> OwnDays::meeting(const QDate& from, const QDate& to) const
{
    QList<OwnDay> found;
    for (const OwnDay& day : m_days)
        if (!day.occurrencesMeeting(from, to).isEmpty())
            found.append(day);
    sortByFirstDay(found);
    return found;
}

QList<OwnDay> OwnDays::all() const
{
    // Every day meets the years a file's date can name; asking each yearly day for its thousands of occurrences
    // would take half a second for ten thousand days.
    QList<OwnDay> found;
    found.reserve(m_days.size());
    for (const OwnDay& day : m_days)
        found.append(day);
    sortByFirstDay(found);
    return found;
}

QList<OwnDay> OwnDays::withReminders() const
{
    QList<OwnDay> found;
    found.reserve(std::count_if(m_days.begin(), m_days.end(), [](const OwnDay& day) { return day.reminder.on; }));
    for (const OwnDay& day : m_days)
        if (day.reminder.on)
            found.append(day);
    return found;
}

QString OwnDays::add(OwnDay day)
{
    if (day.uid.isEmpty() || m_days.contains(day.uid))
        day.uid = owndays::newUid();
    if (day.last < day.first)
        std::swap(day.first, day.last);
    if (!day.first.isValid() || day.last > LastDay)
        return QString();
    day.modified = QDateTime::currentDateTimeUtc();
    Step step;
    step.days.emplace_back(std::nullopt, day);
    record(std::move(step));
    return day.uid;
}

void OwnDays::change(OwnDay day)
{
    const std::optional<OwnDay> before = find(day.uid);
    if (!before || before->sameContent(day))
        return;
    if (day.last < day.first)
        std::swap(day.first, day.last);
    if (!day.first.isValid() || day.last > LastDay)
        return;
    day.modified = QDateTime::currentDateTimeUtc();
    // A reminder moved to other days is told again for them.
    if (day.first != before->first || day.reminder != before->reminder)
        day.acknowledged = QDateTime();
    Step step;
    step.days.emplace_back(before, day);
    record(std::move(step));
}

void OwnDays::remove(const QString& uid)
{
    const std::optional<OwnDay> before = find(uid);
    if (!before)
        return;
    Step step;
    step.days.emplace_back(before, std::nullopt);
    record(std::move(step));
}

void OwnDays::setCategories(const QList<Category>& categories)
{
    if (categories == m_categories || categories.isEmpty())
        return;
    Step step;
    step.categoriesBefore = m_categories;
    step.categoriesAfter = categories;
    QHash<QString, QString> namesBefore;
    for (const Category& category : std::as_const(m_categories))
        namesBefore.insert(category.key, category.name);
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.key, category.name);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const OwnDay& day : std::as_const(m_days)) {
        const auto name = names.constFind(day.category);
        // A category renamed has its days written again, with the name other programs read in each.
        if (name != names.constEnd() && *name == namesBefore.value(day.category))
            continue;
        OwnDay moved = day;
        // A category gone takes its days to the first one left.
        if (name == names.constEnd())
            moved.category = categories.first().key;
        moved.modified = now;
        step.days.emplace_back(day, moved);
    }
    record(std::move(step));
}

void OwnDays::acknowledge(const QString& uid, const QDateTime& when)
{
    acknowledge(QStringList{uid}, when);
}

void OwnDays::acknowledge(const QStringList& uids, const QDateTime& when)
{
    bool any = false;
    for (const QString& uid : uids) {
        std::optional<OwnDay> day = find(uid);
        if (!day)
            continue;
        day->acknowledged = when;
        put(uid, day);
        any = true;
    }
    if (any)
        save();
}

void OwnDays::record(Step step)
{
    apply(step, true);
    m_undo.push_back(std::move(step));
    if (m_undo.size() > size_t(MostUndoSteps))
        m_undo.erase(m_undo.begin());
    m_redo.clear();
}

void OwnDays::undo()
{
    if (m_undo.empty())
        return;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    apply(step, false);
    m_redo.push_back(std::move(step));
}

void OwnDays::redo()
{
    if (m_redo.empty())
        return;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    apply(step, true);
    m_undo.push_back(std::move(step));
}

void OwnDays::apply(const Step& step, bool forward)
{
    const QList<Category>& categories = forward ? step.categoriesAfter : step.categoriesBefore;
    if (!categories.isEmpty() && categories != m_categories) {
        m_categories = categories;
        m_categoriesUnsaved = true;
    }
    QStringList changedSince;
    for (const auto& [before, after] : step.days) {
        std::optional<OwnDay> day = forward ? after : before;
        const QString uid = before ? before->uid : after->uid;
        const std::optional<OwnDay> was = find(uid);
        // Another program changed or removed the day since this step: its change stays, Undo does not overwrite
        // it nor bring back what it removed.
        const std::optional<OwnDay>& expected = forward ? before : after;
        const bool asExpected = was ? expected && was->sameContent(*expected) : !expected;
        if (!asExpected) {
            changedSince.append((was ? *was : expected ? *expected : *day).title);
            continue;
        }
        if (day) {
            // Undone or redone, the change is a new one for a file that changed meanwhile; a reminder already
            // told for the same days is not told again.
            day->modified = QDateTime::currentDateTimeUtc();
            if (was && was->first == day->first && was->reminder == day->reminder)
                day->acknowledged = was->acknowledged;
        } else if (was) {
            // A day deleted keeps its lines, so that Undo brings back what other programs wrote in it too.
            const QByteArray lines = m_file.blockOf(uid);
            if (!lines.isEmpty())
                m_revived.insert(uid, lines);
        }
        put(uid, day);
        // Told once the model holds the change: the grid asks again at once. A step of the categories tells one
        // change of everything when it is done, not one for each of the thousands of days a rename may rewrite.
        if (categories.isEmpty()) {
            tellSpan(was);
            tellSpan(day);
        }
    }
    if (!categories.isEmpty())
        emit changed(QDate(), QDate());
    save();
    if (!changedSince.isEmpty())
        emit changedElsewhere(changedSince);
}

void OwnDays::tellSpan(const std::optional<OwnDay>& day)
{
    if (!day)
        return;
    if (day->yearly)
        emit changed(QDate(), QDate());
    else
        emit changed(day->first, day->last);
}

void OwnDays::put(const QString& uid, const std::optional<OwnDay>& day)
{
    place(uid, day);
    m_unsaved.insert(uid, day);
}

void OwnDays::place(const QString& uid, const std::optional<OwnDay>& day)
{
    const auto found = m_days.find(uid);
    if (found != m_days.end()) {
        unindex(*found);
        m_days.erase(found);
    }
    if (day) {
        m_days.insert(uid, *day);
        index(*day);
    }
}

bool OwnDays::saveAgain()
{
    finishSaving();
    if (!m_writable) {
        emit problemChanged(m_problem);
        return false;
    }
    const std::shared_ptr<SaveJob> job = nextJob();
    job->run();
    saved(job);
    return !unsaved();
}

void OwnDays::finishSaving()
{
    while (m_saving) {
        m_pool.waitForDone();
        const std::shared_ptr<SaveJob> job = m_saving;
        saved(job); // may start the save queued behind
    }
}

void OwnDays::save()
{
    if (!m_writable) {
        emit problemChanged(m_problem);
        return;
    }
    // One save at a time: the changes made meanwhile go together in the next, when this one ends.
    if (m_saving)
        return;
    const std::shared_ptr<SaveJob> job = nextJob();
    m_pool.start([this, job] {
        job->run();
        // The model waits for the pool before it goes (finishSaving in its destructor), so it is here to post to;
        // a call posted and not yet delivered goes with it.
        QMetaObject::invokeMethod(
            this, [this, job] { saved(job); }, Qt::QueuedConnection);
    });
}

std::shared_ptr<OwnDays::SaveJob> OwnDays::nextJob()
{
    auto job = std::make_shared<SaveJob>(SaveJob{m_file,
                                                 std::exchange(m_unsaved, {}),
                                                 std::exchange(m_categoriesUnsaved, false),
                                                 m_categories,
                                                 m_revived,
                                                 !m_fileSeen,
                                                 {}});
    m_saving = job;
    return job;
}

void OwnDays::saved(const std::shared_ptr<SaveJob>& job)
{
    // Waited for already (finishSaving), or an older one.
    if (job != m_saving)
        return;
    m_saving.reset();
    const OwnCalendarFile::Saved& saved = job->saved;
    if (!saved.written) {
        // The changes it took wait again, under those made since.
        for (auto change = job->changes.cbegin(); change != job->changes.cend(); ++change)
            if (!m_unsaved.contains(change.key()))
                m_unsaved.insert(change.key(), change.value());
        m_categoriesUnsaved = m_categoriesUnsaved || job->categoriesChanged;
        m_problem = saved.reason;
        emit problemChanged(m_problem);
        m_retry.start();
    } else {
        const bool failedBefore = !m_problem.isEmpty();
        m_file = std::move(job->file);
        m_fileSeen = true;
        m_retry.stop();
        m_problem.clear();
        if (failedBefore)
            emit problemChanged(QString());
        if (saved.merged) {
            if (!m_categoriesUnsaved)
                m_categories = m_file.document().categories;
            adopt(m_file.document().days());
            // The changes made while it was written stand over what the file holds; the next save writes them.
            for (auto change = m_unsaved.cbegin(); change != m_unsaved.cend(); ++change)
                place(change.key(), change.value());
            emit changed(QDate(), QDate());
        }
        if (!saved.bothChanged.isEmpty())
            emit keptNewer(saved.bothChanged);
        watch();
        if (unsaved())
            save();
    }
    if (std::exchange(m_outsideAfterSave, false))
        m_outside.start();
}
