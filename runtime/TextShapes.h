// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The few shapes of text read at every start (numbers, a clock time), told by hand: a regular expression there
// loaded and compiled PCRE2 (half a megabyte of memory) for three patterns this simple. Each function accepts
// exactly what its pattern did, with ASCII digits only and, as "$" did, one line feed at the very end.
#include <QStringView>

namespace shapes {

// How many ASCII digits stand from `at` on.
inline qsizetype digitsFrom(QStringView text, qsizetype at)
{
    qsizetype end = at;
    while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
        ++end;
    return end - at;
}

// Where "$" matched: the end, or before a line feed that ends the text.
inline bool endsAt(QStringView text, qsizetype at)
{
    return at == text.size() || (at + 1 == text.size() && text[at] == u'\n');
}

inline qsizetype signFrom(QStringView text, qsizetype at)
{
    return at < text.size() && (text[at] == u'+' || text[at] == u'-') ? 1 : 0;
}

// ^[+-]?\d+$
inline bool isInteger(QStringView text)
{
    const qsizetype sign = signFrom(text, 0);
    const qsizetype digits = digitsFrom(text, sign);
    return digits > 0 && endsAt(text, sign + digits);
}

// ^[+-]?(\d+\.?\d*|\.\d+)$, and with an exponent ([eE][+-]?\d+)? before the end.
inline bool isDecimal(QStringView text, bool exponent)
{
    qsizetype at = signFrom(text, 0);
    const qsizetype whole = digitsFrom(text, at);
    at += whole;
    const bool point = at < text.size() && text[at] == u'.';
    at += point ? 1 : 0;
    const qsizetype fraction = digitsFrom(text, at);
    if (whole == 0 && fraction == 0)
        return false;
    at += fraction;
    if (exponent && at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        const qsizetype sign = signFrom(text, at + 1);
        const qsizetype digits = digitsFrom(text, at + 1 + sign);
        if (digits > 0)
            at += 1 + sign + digits;
    }
    return endsAt(text, at);
}

// ^-?\d{1,2}:\d\d[AP]?$, a sun time as the toolbar shows it ("7:14A", "-1:30", "24:04").
inline bool isSunTime(QStringView text)
{
    const qsizetype sign = text.startsWith(u'-') ? 1 : 0;
    const qsizetype hour = digitsFrom(text, sign);
    const qsizetype colon = sign + hour;
    if (hour < 1 || hour > 2 || colon >= text.size() || text[colon] != u':' || digitsFrom(text, colon + 1) < 2)
        return false;
    const qsizetype end = colon + 3;
    return endsAt(text, end) ||
           (end < text.size() && (text[end] == u'A' || text[end] == u'P') && endsAt(text, end + 1));
}

} // namespace shapes
