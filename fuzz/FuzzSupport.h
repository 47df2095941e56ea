// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "runtime/FormatSettings.h"
#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

// A broken property is a finding like a crash: print what broke and abort so libFuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                                                                    \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            fuzzFail(__FILE__, __LINE__, #condition, what);                                                            \
    } while (0)

[[noreturn]] inline void fuzzFail(const char* file, int line, const char* condition, const QString& what)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n  %s\n", file, line, condition, qPrintable(what));
    std::abort();
}

// The settings a test may meet: the C locale, German (decimal comma, "." dates), French (no-break space
// thousands) and one with a blank inside its AM/PM texts and "-" between date fields.
inline FormatSettings fuzzSettings(int which)
{
    FormatSettings settings;
    settings.shortMonthNames =
        QStringList{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    settings.longMonthNames = QStringList{"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    switch (which % 4) {
    case 1:
        settings.dateSeparator = QLatin1Char('.');
        settings.decimalSeparator = QLatin1Char(',');
        settings.thousandSeparator = QLatin1Char('.');
        break;
    case 2:
        settings.decimalSeparator = QLatin1Char(',');
        settings.thousandSeparator = QChar(0x00a0);
        break;
    case 3:
        settings.dateSeparator = QLatin1Char('-');
        settings.timeAMString = QStringLiteral("da manh\u00e3");
        settings.timePMString = QStringLiteral("da tarde");
        break;
    default:
        break;
    }
    return settings;
}

// Text from the fuzzer's bytes: Latin-1 (every byte a character, as prefs.cal is read) or UTF-8 (any character).
inline QString fuzzText(FuzzedDataProvider& data, size_t maxLength, bool utf8)
{
    const std::string bytes = data.ConsumeRandomLengthString(maxLength);
    return utf8 ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// Any double: NaN, the infinities, any bit pattern, any finite value, or (most often) one near the usual range.
inline double fuzzDouble(FuzzedDataProvider& data, double usualLimit)
{
    switch (data.ConsumeIntegralInRange<int>(0, 7)) {
    case 0:
        return std::numeric_limits<double>::quiet_NaN();
    case 1:
        return std::numeric_limits<double>::infinity();
    case 2:
        return -std::numeric_limits<double>::infinity();
    case 3: {
        const quint64 bits = data.ConsumeIntegral<quint64>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    case 4:
        return data.ConsumeFloatingPoint<double>();
    default:
        return data.ConsumeFloatingPointInRange<double>(-usualLimit, usualLimit);
    }
}
