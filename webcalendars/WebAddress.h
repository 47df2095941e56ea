// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QUrl>

// An address of a calendar on the web, as the user gave it and as it is fetched. Only https is fetched: webcal://
// is its usual spelling in calendar links and means the same. Many services put a secret in the address itself
// (a user and password, a token in the path or the query), so what is ever printed is shown(): the host alone.
class WebAddress
{
public:
    enum class Problem { None, Empty, Spaces, NotHttps, NoHost, Malformed };

    // The address checked; an address that cannot be fetched has a problem and no url.
    static WebAddress parse(const QString& text);

    bool isValid() const { return m_problem == Problem::None; }
    Problem problem() const { return m_problem; }
    // The https address fetched, and its text as kept in the state file.
    const QUrl& url() const { return m_url; }
    QString text() const { return m_url.toString(QUrl::FullyEncoded); }
    // What may be printed in a line, a log or an error: the host, with its port when not the usual one.
    QString shown() const;
    // A name for the cache that says nothing of the address: a hash of it.
    QString cacheKey() const;

private:
    Problem m_problem = Problem::Empty;
    QUrl m_url;
};
