// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "owndays/OwnCalendarFile.h"
#include "owndays/OwnDay.h"
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <QVarLengthArray>
#include <memory>
#include <vector>

// The user's marked days: held by UID, found by day, each change saved at once to the user's calendar file and
// undone and redone in the order made. Another program's saves to the file are taken in a moment after.
// The disk work of a save runs on a worker of its own, one save at a time: the changes made meanwhile wait and go
// together in the next, and the result (the file as written, another program's changes merged) comes back here.
class OwnDays : public QObject
{
    Q_OBJECT
public:
    // A burst of changes by another program is read once, this long after the last.
    static constexpr int OutsideChangeDelayMs = 300;
    // A change that could not be saved is tried again this long after, and with every change.
    static constexpr int RetryMs = 30 * 1000;
    // The last day a day can be marked on: the file's format as libical writes it holds no later one.
    static inline const QDate LastDay = QDate(3000, 12, 30);
    // The changes that can be undone; the oldest go first.
    static constexpr int MostUndoSteps = 1000;

    OwnDays(QString path, QString calendarName, QList<Category> firstCategories, QObject* parent = nullptr);
    ~OwnDays() override;

    // Reads the file; false (with problem()) when it exists but is not a calendar this program may write.
    bool load();
    const QString& path() const { return m_file.path(); }
    // One line about the file when it cannot be read or the last change could not be saved; empty when all is well.
    const QString& problem() const { return m_problem; }
    bool writable() const { return m_writable; }
    // How soon a failed save is tried again: RetryMs, shorter in tests.
    void setRetryMs(int ms) { m_retry.setInterval(ms); }

    const QList<Category>& categories() const { return m_categories; }
    std::optional<Category> category(const QString& key) const;
    std::optional<OwnDay> find(const QString& uid) const;
    int count() const { return int(m_days.size()); }
    // The days whose occurrence covers day, the one starting first first.
    QList<OwnDay> on(const QDate& day) const;
    // The same, as the grid asks for each cell it paints: each day with the first day of its occurrence, held by the
    // model until its next change.
    struct Covering
    {
        QDate start;
        const OwnDay* day;
    };
    QVarLengthArray<Covering, 4> covering(const QDate& day) const;
    // The days with an occurrence meeting [from, to].
    QList<OwnDay> meeting(const QDate& from, const QDate& to) const;
    QList<OwnDay> all() const;
    // The days whose reminder is on, in no order: asked at every look of the reminders.
    QList<OwnDay> withReminders() const;

    // Each change below is one step of Undo; text names it ("Mark Trip", "Delete Trip").
    QString add(OwnDay day);
    void change(OwnDay day);
    void remove(const QString& uid);
    void setCategories(const QList<Category>& categories);
    // The reminder of the occurrence was told: kept in the file, never undone.
    void acknowledge(const QString& uid, const QDateTime& when);
    // As above for several told at once, in one save.
    void acknowledge(const QStringList& uids, const QDateTime& when);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void undo();
    void redo();
    // Waits for the save under way and writes everything not yet saved, here and now; true when nothing is left
    // unsaved.
    bool saveAgain();
    // Waits for the save under way and those queued behind it; a change that failed stays unsaved.
    void finishSaving();
    // Changes not on disk yet: waiting, being written, or failed.
    bool unsaved() const { return !m_unsaved.isEmpty() || m_categoriesUnsaved || m_saving; }

signals:
    // The days between first and last (both invalid: any day) may show something else.
    void changed(const QDate& first, const QDate& last);
    // A save failed (line), or succeeded after failing (an empty line).
    void problemChanged(const QString& line);
    // Events changed here and in another program since: the newer of each was kept.
    void keptNewer(const QStringList& titles);
    // Undo or Redo left these days alone: another program changed them since.
    void changedElsewhere(const QStringList& titles);

private:
    struct Step
    {
        std::vector<std::pair<std::optional<OwnDay>, std::optional<OwnDay>>> days; // before, after
        QList<Category> categoriesBefore;
        QList<Category> categoriesAfter;
    };
    void apply(const Step& step, bool forward);
    void put(const QString& uid, const std::optional<OwnDay>& day);
    void index(const OwnDay& day);
    void unindex(const OwnDay& day);
    struct SaveJob;
    void record(Step step);
    void save();
    std::shared_ptr<SaveJob> nextJob();
    void saved(const std::shared_ptr<SaveJob>& job);
    void place(const QString& uid, const std::optional<OwnDay>& day);
    void adopt(const QList<OwnDay>& days);
    void outsideChange();
    void watch();
    void tellSpan(const std::optional<OwnDay>& day);

    OwnCalendarFile m_file;
    QHash<QString, OwnDay> m_days;
    // Days of a day once, by date; yearly ones by the month and day they start on.
    QHash<QDate, QStringList> m_byDate;
    QHash<int, QStringList> m_yearlyByStart;
    int m_longestYearly = 0;
    QList<Category> m_categories;
    std::vector<Step> m_undo;
    std::vector<Step> m_redo;
    QHash<QString, std::optional<OwnDay>> m_unsaved;
    bool m_categoriesUnsaved = false;
    bool m_writable = true;
    QString m_problem;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
    QTimer m_outside;
    QTimer m_retry;
    bool m_fileSeen = false;              // the file was read or written: a folder gone is not made again
    QHash<QString, QByteArray> m_revived; // the lines of deleted days, for Undo
    std::shared_ptr<SaveJob> m_saving;    // the save the worker holds; none when idle
    bool m_outsideAfterSave = false;      // the file changed while a save was under way: looked at after it
    QThreadPool m_pool;                   // one thread: the saves reach the disk in the order made
};
