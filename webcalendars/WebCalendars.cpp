// SPDX-License-Identifier: GPL-3.0-or-later
#include "webcalendars/WebCalendars.h"
#include "webcalendars/WebTexts.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>
#include <QLocale>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {
// The timer looks again at least this often: a machine waking from sleep finds its refresh due soon after.
constexpr qint64 LongestWaitMs = 10 * 60 * 1000;
constexpr qint64 ShortestWaitMs = 1000;
// A sidecar is a few lines; anything larger is not ours.
constexpr qint64 MostSidecarBytes = 64 * 1024;
} // namespace

struct WebCalendars::Item
{
    Entry entry;
    WebAddress address;
    QString key;
    QDateTime fetchedAt; // UTC, when the copy was last known to be the calendar; none without a copy
    WebValidators validators;
    State state = State::Waiting;
    WebFetched last;  // with Failed and Offline
    QDateTime due;    // UTC; none before the window is up
    QDateTime dueSet; // when due was set: a clock since set back before it leaves the wait unknown

    QString cachePath(const QString& folder) const { return QDir(folder).filePath(key + QStringLiteral(".ics")); }
    QString sidecarPath(const QString& folder) const { return QDir(folder).filePath(key + QStringLiteral(".json")); }
};

WebCalendars::WebCalendars(std::function<QDateTime()> now, const QString& cacheFolder, QObject* parent)
    : QObject(parent), m_now(std::move(now)), m_folder(cacheFolder)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &WebCalendars::check);
}

WebCalendars::~WebCalendars() = default;

QString WebCalendars::defaultCacheFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        .filePath(QStringLiteral("dorvane/web"));
}

WebFetcher* WebCalendars::fetcher()
{
    if (!m_fetcherTried) {
        m_fetcherTried = true;
        m_fetch = m_makeFetcher();
        if (m_fetch)
            m_fetch->setDone([this](const QString& key, const WebFetched& result) { fetched(key, result); });
    }
    return m_fetch.get();
}

std::unique_ptr<WebFetcher> WebCalendars::loadFetcher()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("dorvane-webfetch.so");
    const QString installed = QStringLiteral("../" DORVANE_WEBFETCH_LIBDIR "/");
    for (const QString& path : {program.filePath(installed + name), program.filePath(name)}) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: its fetcher and its code stay until the program ends.
        QLibrary module(path);
        using Maker = WebFetcher* (*)();
        if (const auto make = reinterpret_cast<Maker>(module.resolve(WebFetcherMaker)))
            return std::unique_ptr<WebFetcher>(make());
    }
    return nullptr;
}

void WebCalendars::setEntries(const QList<Entry>& entries)
{
    std::vector<std::unique_ptr<Item>> items;
    for (const Entry& entry : entries) {
        const WebAddress address = WebAddress::parse(entry.address);
        if (!address.isValid())
            continue;
        const QString key = address.cacheKey();
        if (std::any_of(items.cbegin(), items.cend(), [&](const auto& item) { return item->key == key; }))
            continue;
        // One already listed keeps its state and its fetch going.
        auto kept =
            std::find_if(m_items.begin(), m_items.end(), [&](const auto& item) { return item && item->key == key; });
        std::unique_ptr<Item> item;
        if (kept != m_items.end()) {
            item = std::move(*kept);
        } else {
            item = std::make_unique<Item>();
            item->address = address;
            item->key = key;
            readSidecar(*item);
        }
        item->entry = {address.text(), entry.name.trimmed()};
        items.push_back(std::move(item));
    }
    for (const auto& old : m_items)
        if (old && m_fetch)
            m_fetch->cancel(old->key);
    m_items = std::move(items);
    plan();
}

QList<WebCalendars::Entry> WebCalendars::entries() const
{
    QList<Entry> list;
    for (const auto& item : m_items)
        list.append(item->entry);
    return list;
}

QString WebCalendars::id(int index) const
{
    return m_items.at(size_t(index))->key;
}

int WebCalendars::indexOf(const QString& id) const
{
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i]->key == id)
            return int(i);
    return -1;
}

QString WebCalendars::cachePath(int index) const
{
    return m_items.at(size_t(index))->cachePath(m_folder);
}

QStringList WebCalendars::cachePaths() const
{
    QStringList paths;
    for (const auto& item : m_items)
        paths.append(item->cachePath(m_folder));
    return paths;
}

QString WebCalendars::shown(int index) const
{
    return m_items.at(size_t(index))->address.shown();
}

WebCalendars::State WebCalendars::state(int index) const
{
    return m_items.at(size_t(index))->state;
}

bool WebCalendars::add(const Entry& entry)
{
    const WebAddress address = WebAddress::parse(entry.address);
    if (!address.isValid() || indexOf(address.cacheKey()) >= 0)
        return false;
    auto item = std::make_unique<Item>();
    item->address = address;
    item->key = address.cacheKey();
    item->entry = {address.text(), entry.name.trimmed()};
    // A copy left by an earlier listing of the same address is not this listing's: fetched afresh.
    QFile::remove(item->cachePath(m_folder));
    QFile::remove(item->sidecarPath(m_folder));
    Item& added = *item;
    m_items.push_back(std::move(item));
    fetchNow(added);
    return true;
}

void WebCalendars::remove(const QString& id)
{
    const int index = indexOf(id);
    if (index < 0)
        return;
    Item& item = *m_items[size_t(index)];
    if (m_fetch)
        m_fetch->cancel(item.key);
    // The copy may hold private events: it goes with the calendar.
    QFile::remove(item.cachePath(m_folder));
    QFile::remove(item.sidecarPath(m_folder));
    m_items.erase(m_items.begin() + index);
    plan();
    emit changed();
}

void WebCalendars::windowUp()
{
    if (m_up)
        return;
    m_up = true;
    plan();
}

void WebCalendars::fetchAgain(const QString& id)
{
    if (Item* item = find(id))
        fetchNow(*item);
}

void WebCalendars::copyUnreadable(int index)
{
    Item& item = *m_items.at(size_t(index));
    if (item.validators.etag.isEmpty() && item.validators.lastModified.isEmpty())
        return;
    item.validators = {};
    writeSidecar(item);
}

void WebCalendars::check()
{
    const QDateTime now = m_now();
    // Told one by one: whoever listens may change the list meanwhile.
    QStringList due;
    for (const auto& item : m_items)
        if (item->due.isValid() && (item->due <= now || now < item->dueSet) && item->state != State::Fetching)
            due.append(item->key);
    for (const QString& key : std::as_const(due))
        if (Item* item = find(key))
            fetchNow(*item);
    plan();
}

void WebCalendars::plan()
{
    if (!m_up) {
        m_timer.stop();
        return;
    }
    const QDateTime now = m_now();
    QDateTime next;
    for (const auto& item : m_items) {
        if (!item->due.isValid()) {
            // The first fetch of this run: a moment after the window is up, or when the copy grows old.
            QDateTime due = now.addMSecs(FirstFetchDelayMs);
            // A copy dated ahead of now (the clock was set back) is as old as a copy of now, never newer.
            if (item->fetchedAt.isValid())
                due = std::max(due, std::min(item->fetchedAt, now).addMSecs(RefreshMs));
            item->due = due;
            item->dueSet = now;
        }
        if (item->state != State::Fetching && (!next.isValid() || item->due < next))
            next = item->due;
    }
    if (!next.isValid()) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(std::clamp(now.msecsTo(next), ShortestWaitMs, LongestWaitMs)));
}

void WebCalendars::fetchNow(Item& item)
{
    if (item.state == State::Fetching)
        return;
    item.state = State::Fetching;
    item.due = QDateTime();
    // The server's "unchanged" is only worth asking for while there is a copy it would leave in place: one
    // deleted meanwhile (a cache cleaned) is fetched whole.
    const QString copy = item.cachePath(m_folder);
    WebFetcher* fetch = fetcher();
    if (!fetch)
        return fetched(item.key, WebFetched(WebFetched::Kind::NotInstalled));
    fetch->fetch(item.key, item.address, copy, QFileInfo::exists(copy) ? item.validators : WebValidators());
    emit changed();
}

void WebCalendars::fetched(const QString& key, const WebFetched& result)
{
    Item* item = find(key);
    if (!item)
        return;
    const QDateTime now = m_now();
    item->last = result;
    switch (result.kind) {
    case WebFetched::Kind::Written:
        item->validators = result.validators;
        [[fallthrough]];
    case WebFetched::Kind::Unchanged:
        item->fetchedAt = now;
        item->state = State::Updated;
        item->due = now.addMSecs(RefreshMs);
        item->dueSet = now;
        writeSidecar(*item);
        break;
    case WebFetched::Kind::Offline:
    case WebFetched::Kind::TooSlow:
    case WebFetched::Kind::ProxyUnreachable:
        item->state = result.kind == WebFetched::Kind::Offline ? State::Offline : State::Failed;
        item->due = now.addMSecs(RetryMs);
        item->dueSet = now;
        break;
    default:
        item->state = State::Failed;
        item->due = now.addMSecs(RefreshMs);
        item->dueSet = now;
        break;
    }
    if (m_up)
        plan();
    emit changed();
}

WebCalendars::Item* WebCalendars::find(const QString& id)
{
    const int index = indexOf(id);
    return index < 0 ? nullptr : m_items[size_t(index)].get();
}

void WebCalendars::readSidecar(Item& item)
{
    const QFileInfo copy(item.cachePath(m_folder));
    if (!copy.isFile())
        return;
    QFile file(item.sidecarPath(m_folder));
    if (file.size() <= MostSidecarBytes && file.open(QIODevice::ReadOnly)) {
        const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
        item.fetchedAt = QDateTime::fromString(object.value(QLatin1String("fetched")).toString(), Qt::ISODate);
        item.validators.etag = object.value(QLatin1String("etag")).toString().toLatin1();
        item.validators.lastModified = object.value(QLatin1String("lastModified")).toString().toLatin1();
    }
    // A copy without its sidecar is as old as the file says; its validators are unknown and not sent.
    if (!item.fetchedAt.isValid()) {
        item.fetchedAt = copy.lastModified().toUTC();
        item.validators = {};
    }
    item.fetchedAt = item.fetchedAt.toUTC();
    item.state = State::Updated;
}

void WebCalendars::writeSidecar(const Item& item) const
{
    QJsonObject object;
    object.insert(QLatin1String("fetched"), item.fetchedAt.toUTC().toString(Qt::ISODate));
    object.insert(QLatin1String("etag"), QString::fromLatin1(item.validators.etag));
    object.insert(QLatin1String("lastModified"), QString::fromLatin1(item.validators.lastModified));
    webcopies::makePrivateFolder(m_folder);
    QSaveFile file(item.sidecarPath(m_folder));
    if (file.open(QIODevice::WriteOnly)) {
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        file.write(QJsonDocument(object).toJson());
        file.commit();
    }
}

QString WebCalendars::timeText(const QDateTime& utc) const
{
    const QDateTime local = utc.toLocalTime();
    const QString time = local.time().toString(QStringLiteral("HH:mm"));
    if (local.date() == m_now().toLocalTime().date())
        return time;
    return QLocale().toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') + time;
}

QString WebCalendars::line(int index, int events, const QString& calendarName, bool unreadable) const
{
    const Item& item = *m_items.at(size_t(index));
    QString name = item.entry.name;
    if (name.isEmpty())
        name = calendarName.trimmed();
    if (name.isEmpty())
        name = item.address.shown();
    const bool copy = item.fetchedAt.isValid();
    if (copy && unreadable && (item.state == State::Updated || item.state == State::Fetching))
        return WebTexts::Failed(name, WebTexts::Problem(WebFetched::Kind::NotCalendar));
    switch (item.state) {
    case State::Waiting:
        return WebTexts::Fetching(name);
    case State::Fetching:
        if (!copy || events < 0)
            return WebTexts::Fetching(name);
        return WebTexts::Updated(events, name, timeText(item.fetchedAt));
    case State::Updated:
        if (events < 0)
            return WebTexts::Fetching(name);
        return WebTexts::Updated(events, name, timeText(item.fetchedAt));
    case State::Offline:
        return copy ? WebTexts::Offline(name, timeText(item.fetchedAt)) : WebTexts::OfflineNeverFetched(name);
    case State::Failed:
        return copy ? WebTexts::FailedFrom(name, WebTexts::Problem(item.last), timeText(item.fetchedAt))
                    : WebTexts::Failed(name, WebTexts::Problem(item.last));
    }
    return name;
}
