// SPDX-License-Identifier: GPL-3.0-or-later
#include "webcalendars/WebAddress.h"
#include <QCryptographicHash>

WebAddress WebAddress::parse(const QString& text)
{
    WebAddress address;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return address;
    for (const QChar c : trimmed)
        if (c.isSpace() || c.category() == QChar::Other_Control) {
            address.m_problem = Problem::Spaces;
            return address;
        }
    QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        address.m_problem = Problem::Malformed;
        return address;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("webcal") || scheme == QLatin1String("webcals"))
        url.setScheme(QStringLiteral("https"));
    else if (scheme != QLatin1String("https")) {
        address.m_problem = Problem::NotHttps;
        return address;
    }
    if (url.host().isEmpty()) {
        address.m_problem = Problem::NoHost;
        return address;
    }
    // A fragment never reaches the server: it would only make one calendar look like two.
    url.setFragment(QString());
    if (url.path().isEmpty())
        url.setPath(QStringLiteral("/"));
    address.m_url = url;
    address.m_problem = Problem::None;
    return address;
}

QString WebAddress::shown() const
{
    if (!isValid())
        return QString();
    const int port = m_url.port(443);
    QString host = m_url.host(QUrl::FullyDecoded);
    // An IPv6 address is bracketed, as in the address: its port stays apart from it.
    if (host.contains(QLatin1Char(':')))
        host = QLatin1Char('[') + host + QLatin1Char(']');
    return port == 443 ? host : host + QLatin1Char(':') + QString::number(port);
}

QString WebAddress::cacheKey() const
{
    return QString::fromLatin1(QCryptographicHash::hash(text().toUtf8(), QCryptographicHash::Sha256).toHex());
}
