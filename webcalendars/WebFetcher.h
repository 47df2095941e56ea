// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "webcalendars/WebAddress.h"
#include <QByteArray>
#include <QString>
#include <functional>

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
        Untrusted,        // the server's certificate does not check
        NotCalendar,      // a whole answer that is no iCalendar text
        NotWritten,       // the cache could not be written
        NotInstalled,     // the program's part that fetches is missing
        ProxyUnreachable, // no connection through the proxy the session names: it is down, or the server out of its
                          // reach
        ProxyPassword,    // the proxy wants a user and password it was not given, or refused them
        ProxyUnusable     // the session names a proxy that cannot be used (a scheme or address not understood)
    };
    WebFetched() = default;
    WebFetched(Kind kind, int status = 0) : kind(kind), status(status) {}

    Kind kind = Kind::Offline;
    int status = 0;           // the server's answer, when it gave one
    WebValidators validators; // with Written
};

// What fetches the calendars: the network's part, loaded only at the first fetch (see WebFetch), or a test's own.
class WebFetcher
{
public:
    using Done = std::function<void(const QString& key, const WebFetched& fetched)>;
    virtual ~WebFetcher() = default;
    // Told at each fetch's end.
    virtual void setDone(Done done) = 0;
    // Fetches the address into the cache file, told under that key; a key already fetching is not fetched twice.
    virtual void fetch(const QString& key, const WebAddress& address, const QString& cachePath,
                       const WebValidators& validators) = 0;
    virtual bool fetching(const QString& key) const = 0;
    // Ends that fetch untold, the cache untouched.
    virtual void cancel(const QString& key) = 0;
    virtual bool networkMade() const = 0;
};

// The name of the function the module exports that makes its fetcher; its number changes with WebFetcher, so that
// a module of another version is not called.
inline constexpr char WebFetcherMaker[] = "dorvane_make_web_fetcher_1";

namespace webcopies {
// The copies may hold private events: their folder (made when missing) and files are the user's alone.
bool makePrivateFolder(const QString& folder);
void makePrivate(const QString& file);
// Whether bytes look like an iCalendar text: BEGIN:VCALENDAR after an optional byte order mark and blanks.
bool looksLikeCalendar(const QByteArray& bytes);
// The bytes without a leading byte order mark and the blanks around them.
QByteArray withoutBlanksAndMark(const QByteArray& bytes);
} // namespace webcopies
