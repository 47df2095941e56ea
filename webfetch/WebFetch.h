// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "webcalendars/WebAddress.h"
#include "webcalendars/WebFetcher.h"
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSslCertificate>

class EnvironmentProxy;
class QNetworkAccessManager;
class QNetworkReply;

// Fetches calendars into their cache files, over Qt Network: built as a module of its own that the program loads at
// its first fetch, so that a program without web calendars never loads the network library. The network is first
// touched at the first fetch: nothing is made before. Redirects are followed by hand, a few times and only to https; an
// answer is cut at a size and a time; a cache file is replaced only by a whole calendar, never by an error page or half
// an answer.
class WebFetch : public QObject, public WebFetcher
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
    bool networkMade() const override { return m_network != nullptr; }
    void setDone(Done done) override { m_done = std::move(done); }

    // Fetches the address into the cache file; `finished` tells the end under that key. A fetch under a key already
    // fetching is not started twice.
    void fetch(const QString& key, const WebAddress& address, const QString& cachePath,
               const WebValidators& validators = {}) override;
    bool fetching(const QString& key) const override { return m_jobs.contains(key); }
    // Ends that fetch untold, the cache untouched.
    void cancel(const QString& key) override;

signals:
    void finished(const QString& key, const WebFetched& fetched);

private:
    struct Job;
    void request(Job& job);
    void replyFinished(const QString& key);
    void end(const QString& key, const WebFetched& fetched);
    // Forgets the fetch under key, its answer stopped; false when none runs.
    bool drop(const QString& key);
    void cut(const QString& key, WebFetched::Kind why);

    QNetworkAccessManager* m_network = nullptr;
    EnvironmentProxy* m_proxy = nullptr; // the manager's

    QList<QSslCertificate> m_extraCas;
    qint64 m_mostBytes = DefaultMostBytes;
    int m_mostMs = DefaultMostMs;
    QHash<QString, Job*> m_jobs;
    Done m_done;
};
