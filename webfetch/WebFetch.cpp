// SPDX-License-Identifier: GPL-3.0-or-later
#include "webfetch/WebFetch.h"
#include "webfetch/EnvironmentProxy.h"
#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QSaveFile>
#include <QSslConfiguration>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace {
// A transfer that sends nothing for this long has stalled, whatever the whole fetch may still take.
constexpr int StallMs = 30 * 1000;

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

struct WebFetch::Job
{
    QString key;
    QUrl url;
    QString cachePath;
    WebValidators validators;
    int redirects = 0;
    QPointer<QNetworkReply> reply;
    QByteArray body;
    QTimer* deadline = nullptr; // this fetch's own; its end may come from its own tick
    std::optional<WebFetched::Kind> cutFor;
    bool untrusted = false;
};

WebFetch::WebFetch(QObject* parent) : QObject(parent) {}

WebFetch::~WebFetch()
{
    for (const QString& key : m_jobs.keys())
        cancel(key);
}

void WebFetch::fetch(const QString& key, const WebAddress& address, const QString& cachePath,
                     const WebValidators& validators)
{
    if (m_jobs.contains(key) || !address.isValid())
        return;
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        m_proxy = new EnvironmentProxy(QProcessEnvironment::systemEnvironment());
        m_network->setProxyFactory(m_proxy); // the manager's from now on
    }
    auto* job = new Job;
    job->key = key;
    job->url = address.url();
    job->cachePath = cachePath;
    job->validators = validators;
    m_jobs.insert(key, job);
    job->deadline = new QTimer(this);
    job->deadline->setSingleShot(true);
    connect(job->deadline, &QTimer::timeout, this, [this, key] { cut(key, WebFetched::Kind::TooSlow); });
    job->deadline->start(m_mostMs);
    request(*job);
}

void WebFetch::request(Job& job)
{
    // A proxy named and not understood: the fetch never goes around it. Told as any end is, from the event loop.
    if (!m_proxy->usable()) {
        QTimer::singleShot(0, this, [this, key = job.key] { end(key, {WebFetched::Kind::ProxyUnusable}); });
        return;
    }
    QNetworkRequest request(job.url);
    // Followed here, where each step is checked: never to plain http, never without end.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(std::min(m_mostMs, StallMs));
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Dorvane"));
    request.setRawHeader("Accept", "text/calendar, */*;q=0.5");
    if (!job.validators.etag.isEmpty())
        request.setRawHeader("If-None-Match", job.validators.etag);
    if (!job.validators.lastModified.isEmpty())
        request.setRawHeader("If-Modified-Since", job.validators.lastModified);
    if (!m_extraCas.isEmpty()) {
        QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
        ssl.addCaCertificates(m_extraCas);
        request.setSslConfiguration(ssl);
    }
    job.body.clear();
    QNetworkReply* reply = m_network->get(request);
    job.reply = reply;
    const QString key = job.key;
    // The size is checked as the answer comes: an endless one is cut at the cap, not kept in memory.
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, key, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_mostBytes &&
            reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200)
            cut(key, WebFetched::Kind::TooLarge);
    });
    connect(reply, &QNetworkReply::readyRead, this, [this, key, reply] {
        Job* job = m_jobs.value(key);
        if (!job || job->reply != reply)
            return;
        job->body += reply->read(m_mostBytes + 1 - job->body.size());
        if (job->body.size() > m_mostBytes)
            cut(key, WebFetched::Kind::TooLarge);
    });
    // Never ignored: the handshake fails, and the line says why.
    connect(reply, &QNetworkReply::sslErrors, this, [this, key] {
        if (Job* job = m_jobs.value(key))
            job->untrusted = true;
    });
    connect(reply, &QNetworkReply::finished, this, [this, key, reply] {
        Job* job = m_jobs.value(key);
        if (job && job->reply == reply)
            replyFinished(key);
    });
}

void WebFetch::replyFinished(const QString& key)
{
    Job* job = m_jobs.value(key);
    QNetworkReply* reply = job->reply;
    job->reply = nullptr;
    reply->deleteLater();
    if (job->cutFor)
        return end(key, {*job->cutFor});
    if (job->body.size() <= m_mostBytes)
        job->body += reply->read(m_mostBytes + 1 - job->body.size());
    if (job->body.size() > m_mostBytes)
        return end(key, {WebFetched::Kind::TooLarge});
    const QVariant statusValue = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const int status = statusValue.toInt();
    if (!statusValue.isValid() || status == 0) {
        // No answer at all: the error names what kept it away. Its text is never used: it holds the address.
        switch (reply->error()) {
        case QNetworkReply::SslHandshakeFailedError:
            return end(key, {WebFetched::Kind::Untrusted});
        case QNetworkReply::TimeoutError:
        case QNetworkReply::OperationCanceledError:
            return end(key, {WebFetched::Kind::TooSlow});
        case QNetworkReply::ProxyAuthenticationRequiredError:
            return end(key, {WebFetched::Kind::ProxyPassword});
        default:
            if (job->untrusted)
                return end(key, {WebFetched::Kind::Untrusted});
            // Through a proxy, what kept the answer away is the proxy's to tell: it is down, or the server is out of
            // its reach.
            return end(key, {m_proxy->proxied(job->url.host()) ? WebFetched::Kind::ProxyUnreachable
                                                               : WebFetched::Kind::Offline});
        }
    }
    if (isRedirect(status)) {
        QUrl target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
        if (target.isEmpty())
            return end(key, {WebFetched::Kind::ServerError, status});
        target = job->url.resolved(target);
        if (target.scheme().toLower() != QLatin1String("https"))
            return end(key, {WebFetched::Kind::InsecureRedirect, status});
        if (++job->redirects > MostRedirects)
            return end(key, {WebFetched::Kind::TooManyRedirects, status});
        job->url = target;
        request(*job);
        return;
    }
    if (status == 304 && (!job->validators.etag.isEmpty() || !job->validators.lastModified.isEmpty()))
        return end(key, {WebFetched::Kind::Unchanged, status});
    if (status == 404 || status == 410)
        return end(key, {WebFetched::Kind::NotFound, status});
    if (status == 401 || status == 403)
        return end(key, {WebFetched::Kind::Denied, status});
    if (status != 200)
        return end(key, {WebFetched::Kind::ServerError, status});
    // Cut off midway: what came is half a calendar at best.
    if (reply->error() != QNetworkReply::NoError)
        return end(key, {reply->error() == QNetworkReply::TimeoutError ? WebFetched::Kind::TooSlow
                                                                       : WebFetched::Kind::Offline});
    const QByteArray text = webcopies::withoutBlanksAndMark(job->body);
    if (!webcopies::looksLikeCalendar(text) || !text.toUpper().endsWith("END:VCALENDAR"))
        return end(key, {WebFetched::Kind::NotCalendar, status});
    webcopies::makePrivateFolder(QFileInfo(job->cachePath).absolutePath());
    QSaveFile file(job->cachePath);
    if (!file.open(QIODevice::WriteOnly))
        return end(key, {WebFetched::Kind::NotWritten, status});
    // Before a byte is written: the copy is never readable by others, not even for a moment.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (file.write(job->body) != job->body.size() || !file.commit())
        return end(key, {WebFetched::Kind::NotWritten, status});
    WebFetched written{WebFetched::Kind::Written, status};
    written.validators.etag = reply->rawHeader("ETag");
    written.validators.lastModified = reply->rawHeader("Last-Modified");
    end(key, written);
}

void WebFetch::cut(const QString& key, WebFetched::Kind why)
{
    Job* job = m_jobs.value(key);
    if (!job || job->cutFor)
        return;
    job->cutFor = why;
    if (job->reply)
        job->reply->abort(); // its end comes through finished
    else
        end(key, {why});
}

void WebFetch::end(const QString& key, const WebFetched& fetched)
{
    if (!drop(key))
        return;
    emit finished(key, fetched);
    if (m_done)
        m_done(key, fetched);
}

void WebFetch::cancel(const QString& key)
{
    drop(key);
}

bool WebFetch::drop(const QString& key)
{
    Job* job = m_jobs.take(key);
    if (!job)
        return false;
    if (job->reply) {
        job->reply->disconnect(this);
        job->reply->abort();
        job->reply->deleteLater();
    }
    job->deadline->stop();
    job->deadline->deleteLater();
    delete job;
    return true;
}
