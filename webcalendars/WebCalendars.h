// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "webcalendars/WebAddress.h"
#include "webcalendars/WebFetcher.h"
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

// The calendars the user follows by web address, each kept as a copy in the cache: the calendar files' reader reads
// that copy like any file, and a new fetch rewriting it is read again. Made only once one is listed; the network
// only at the first fetch, which waits until the window is up and a moment has passed, or comes at once for an
// address just added or on request. Each copy is fetched again every few hours.
class WebCalendars : public QObject
{
    Q_OBJECT
public:
    struct Entry
    {
        QString address; // as the state file keeps it
        QString name;    // the user's; none: the calendar's own, else the host
        bool operator==(const Entry& other) const { return address == other.address && name == other.name; }
    };
    enum class State { Waiting, Fetching, Updated, Offline, Failed };

    static constexpr qint64 FirstFetchDelayMs = 60 * 1000;
    static constexpr qint64 RefreshMs = 3 * 60 * 60 * 1000;
    // Offline, or too slow: tried again sooner than a refresh.
    static constexpr qint64 RetryMs = 15 * 60 * 1000;

    // now: the time in UTC. cacheFolder: where the copies are kept.
    WebCalendars(std::function<QDateTime()> now, const QString& cacheFolder, QObject* parent = nullptr);
    ~WebCalendars() override;
    // $XDG_CACHE_HOME/dorvane/web
    static QString defaultCacheFolder();

    // The calendars listed, each copy already in the cache looked at; nothing is fetched here. An address that
    // cannot be fetched is dropped.
    void setEntries(const QList<Entry>& entries);
    QList<Entry> entries() const;
    int count() const { return int(m_items.size()); }
    // Each calendar's id (its cache file's name), and the cache file its events are read from.
    QString id(int index) const;
    int indexOf(const QString& id) const;
    QString cachePath(int index) const;
    QStringList cachePaths() const;
    // What may be printed of its address.
    QString shown(int index) const;
    State state(int index) const;

    // Listed after the others and fetched at once; false when the address cannot be fetched or is listed already.
    bool add(const Entry& entry);
    // Dropped, its copy deleted.
    void remove(const QString& id);
    // The window is up: the first fetches are planned from now.
    void windowUp();
    // Fetched now, whatever its plan.
    void fetchAgain(const QString& id);
    // Fetches those whose time has come; the timer calls it.
    void check();
    // Its copy was read and found no calendar (damaged on disk, or refused by the reader): the server's "unchanged"
    // would keep it so, so what the last answer was told by is forgotten and the next fetch is a whole one. Not
    // fetched now: a server whose calendars the reader refuses is not asked again and again.
    void copyUnreadable(int index);

    // The calendar's line. events: what the copy's last read counted, -1 when not read; calendarName: the
    // calendar's own name as read; unreadable: the copy's read found no calendar in it.
    QString line(int index, int events, const QString& calendarName, bool unreadable = false) const;

    // What fetches: by default the program's web module (in its library folder, or beside it), loaded at the
    // first fetch; a test gives its own, trusting its own authority. Made at the first call; none when the module
    // cannot be loaded, each fetch then failing with NotInstalled.
    using FetcherMaker = std::function<std::unique_ptr<WebFetcher>()>;
    void setFetcherMaker(FetcherMaker make) { m_makeFetcher = std::move(make); }
    WebFetcher* fetcher();
    bool networkMade() const { return m_fetch && m_fetch->networkMade(); }
    // The module, from the program's folder.
    static std::unique_ptr<WebFetcher> loadFetcher();

signals:
    // A calendar's line changed (a fetch began or ended).
    void changed();

private:
    struct Item;
    void fetchNow(Item& item);
    void fetched(const QString& key, const WebFetched& result);
    void readSidecar(Item& item);
    void writeSidecar(const Item& item) const;
    void plan();
    QString timeText(const QDateTime& utc) const;
    Item* find(const QString& id);

    std::function<QDateTime()> m_now;
    QString m_folder;
    std::vector<std::unique_ptr<Item>> m_items;
    FetcherMaker m_makeFetcher = &WebCalendars::loadFetcher;
    std::unique_ptr<WebFetcher> m_fetch;
    bool m_fetcherTried = false;
    QTimer m_timer;
    bool m_up = false;
};
