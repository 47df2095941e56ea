// SPDX-License-Identifier: GPL-3.0-or-later
#include "webfetch/WebFetch.h"

// The module's one entry: the program finds it by name (WebFetcherMaker) when it loads the module.
extern "C" Q_DECL_EXPORT WebFetcher* dorvane_make_web_fetcher_1()
{
    return new WebFetch;
}
