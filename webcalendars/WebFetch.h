// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "webcalendars/WebAddress.h"
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>

class QNetworkAccessManager;
class QNetworkReply;

// What the server said at the last fetch, asked again so that an unchanged calendar costs one short answer.
struct WebValidators
{
    QByteArray etag;
    QByteArray lastModified;
};

// How one fetch ended.
struct WebFetched
{
    enum class Kind {
        Written,          // a whole calendar, now in the cache
        Unchanged,        // the server says the cache is still the calendar
        Offline,          // no connection to the server (none at all, a name not found, refused, closed)
        NotFound,         // 404 or 410
        Denied,           // 401 or 403
        ServerError,      // another answer that is no calendar; status holds its code
        InsecureRedirect, // sent on to an address that is not https
        TooManyRedirects,
        TooLarge,
        TooSlow,
        Untrusted,   // the server's certificate does not check
        NotCalendar, // a whole answer that is no iCalendar text
        NotWritten   // the cache could not be written
    };
    WebFetched() = default;
    WebFetched(Kind kind, int status = 0) : kind(kind), status(status) {}

    Kind kind = Kind::Offline;
    int status = 0;           // the server's answer, when it gave one
    WebValidators validators; // with Written
};

// Fetches calendars into their cache files. The network is first touched at the first fetch: nothing is made before.
// Redirects are followed by hand, a few times and only to https; an answer is cut at a size and a time; a cache file
// is replaced only by a whole calendar, never by an error page or half an answer.
class WebFetch : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 DefaultMostBytes = 20 * 1024 * 1024;
    static constexpr int DefaultMostMs = 60 * 1000;
    static constexpr int MostRedirects = 5;

    explicit WebFetch(QObject* parent = nullptr);
    ~WebFetch() override;

    // Certificates trusted besides the system's: a test's own authority.
    void setCaCertificates(const QList<QSslCertificate>& certificates) { m_extraCas = certificates; }
    void setMostBytes(qint64 bytes) { m_mostBytes = bytes; }
    // The whole fetch, redirects included, ends by then; a transfer that stalls ends sooner.
    void setMostMs(int ms) { m_mostMs = ms; }
    bool networkMade() const { return m_network != nullptr; }

    // Fetches the address into the cache file; `finished` tells the end under that key. A fetch under a key already
    // fetching is not started twice.
    void fetch(const QString& key, const WebAddress& address, const QString& cachePath,
               const WebValidators& validators = {});
    bool fetching(const QString& key) const { return m_jobs.contains(key); }
    // Ends that fetch untold, the cache untouched.
    void cancel(const QString& key);

    // The copies may hold private events: their folder (made when missing) and files are the user's alone.
    static bool makePrivateFolder(const QString& folder);
    static void makePrivate(const QString& file);

    // Whether bytes look like an iCalendar text: BEGIN:VCALENDAR after an optional byte order mark and blanks.
    static bool looksLikeCalendar(const QByteArray& bytes);

signals:
    void finished(const QString& key, const WebFetched& fetched);

private:
    struct Job;
    void request(Job& job);
    void replyFinished(const QString& key);
    void end(const QString& key, const WebFetched& fetched);
    void cut(const QString& key, WebFetched::Kind why);

    QNetworkAccessManager* m_network = nullptr;
    QList<QSslCertificate> m_extraCas;
    qint64 m_mostBytes = DefaultMostBytes;
    int m_mostMs = DefaultMostMs;
    QHash<QString, Job*> m_jobs;
};
