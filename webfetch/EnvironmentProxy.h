// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QProcessEnvironment>
#include <QStringList>

// The proxy the environment names for https (https_proxy, else all_proxy, in lower or upper case) and the hosts it
// is not for (no_proxy), as curl and most command-line programs read them: behind a proxy the web calendars go
// through it. Not the toolkit's system configuration: that asks a library which may look for a proxy on the network
// (WPAD), and it would wait on the window's thread.
class EnvironmentProxy : public QNetworkProxyFactory
{
public:
    explicit EnvironmentProxy(const QProcessEnvironment& environment);

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override;
    // Whether no_proxy leaves the host out: an entry names it, or a domain it is in ("example.org", ".example.org"
    // and "*.example.org" all cover "cal.example.org"), or its address or network ("10.0.0.0/8"), or is "*".
    bool bypassed(const QString& host) const;
    const QNetworkProxy& proxy() const { return m_proxy; }
    // Whether a fetch from the host goes through the proxy.
    bool proxied(const QString& host) const { return m_proxy.type() != QNetworkProxy::NoProxy && !bypassed(host); }
    // False when the session names a proxy that cannot be used: the fetches fail and say so, never going around it.
    bool usable() const { return m_usable; }

private:
    QNetworkProxy m_proxy{QNetworkProxy::NoProxy};
    bool m_usable = true;
    QStringList m_bypass;
};
