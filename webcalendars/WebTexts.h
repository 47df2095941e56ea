// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "webcalendars/WebAddress.h"
#include "webcalendars/WebFetcher.h"
#include <QCoreApplication>
#include <QString>

// What is said of a calendar by web address, word for word; the English text is the source. Every line names the
// calendar by its name or its host, never by its address.
class WebTexts
{
    Q_DECLARE_TR_FUNCTIONS(WebCalendars)
public:
    // %1 the calendar's name.
    static QString Fetching(const QString& name) { return tr("%1 (web): fetching...").arg(name); }
    // %1 the name, %2 when the copy was fetched.
    static QString Updated(int events, const QString& name, const QString& when)
    {
        return tr("%1 (web): %n event(s), updated %2", nullptr, events).arg(name, when);
    }
    static QString Offline(const QString& name, const QString& when)
    {
        return tr("%1 (web): offline, from %2").arg(name, when);
    }
    static QString OfflineNeverFetched(const QString& name)
    {
        return tr("%1 (web): offline, not fetched yet").arg(name);
    }
    // %1 the name, %2 what went wrong.
    static QString Failed(const QString& name, const QString& problem) { return tr("%1 (web): %2").arg(name, problem); }
    // The same with the copy still shown: %3 when it was fetched.
    static QString FailedFrom(const QString& name, const QString& problem, const QString& when)
    {
        return tr("%1 (web): %2, showing the copy from %3").arg(name, problem, when);
    }

    static QString Problem(const WebFetched& fetched)
    {
        using Kind = WebFetched::Kind;
        switch (fetched.kind) {
        case Kind::Written:
        case Kind::Unchanged:
        case Kind::Offline:
            break;
        case Kind::NotFound:
            return tr("not found (%1)").arg(fetched.status);
        case Kind::Denied:
            return tr("access refused (%1)").arg(fetched.status);
        case Kind::ServerError:
            return tr("the server answered %1").arg(fetched.status);
        case Kind::InsecureRedirect:
            return tr("refused: redirected to an address that is not https");
        case Kind::TooManyRedirects:
            return tr("refused: redirected too many times");
        case Kind::TooLarge:
            return tr("too large");
        case Kind::TooSlow:
            return tr("took too long");
        case Kind::Untrusted:
            return tr("certificate not trusted");
        case Kind::NotCalendar:
            return tr("not an iCalendar file");
        case Kind::NotWritten:
            return tr("its copy cannot be saved");
        case Kind::NotInstalled:
            return tr("the program's part that fetches is not installed");
        case Kind::ProxyUnreachable:
            return tr("no connection through the proxy");
        case Kind::ProxyPassword:
            return tr("the proxy asks for a user and password");
        case Kind::ProxyUnusable:
            return tr("the proxy set in https_proxy or all_proxy cannot be used");
        }
        return QString();
    }

    static QString AddressProblem(WebAddress::Problem problem)
    {
        switch (problem) {
        case WebAddress::Problem::None:
            break;
        case WebAddress::Problem::Empty:
            return tr("Type the calendar's address.");
        case WebAddress::Problem::Spaces:
            return tr("An address has no spaces.");
        case WebAddress::Problem::NotHttps:
            return tr("Only addresses starting with https:// or webcal:// are fetched.");
        case WebAddress::Problem::NoHost:
            return tr("The address names no server.");
        case WebAddress::Problem::Malformed:
            return tr("This is not a web address.");
        }
        return QString();
    }
    static QString AlreadyListed() { return tr("This calendar is already listed."); }
};
