// SPDX-License-Identifier: GPL-3.0-or-later
// Date texts over any text, pattern, value and clock year: reading either gives a day of years 1..9999 or throws
// ConvertError, a read date written back reads the same, formatting any value gives a bounded text, and the
// day-of-year figures and the two-click span accept any text.
#include "FuzzSupport.h"
#include "astro/CalendarArithmetic.h"
#include "runtime/ConvertError.h"
#include "runtime/DateText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double FirstDay = -693593.0; // 1 Jan 0001
constexpr double LastDay = 2958465.0;  // 31 Dec 9999

// The whole day lies in years 1..9999; before 30 Dec 1899 the time of day makes the value more negative.
bool isDayOfRange(double value)
{
    return std::isfinite(value) && std::trunc(value) >= FirstDay && std::trunc(value) <= LastDay;
}

// The longest text one pattern letter can stand for.
int longestPiece(const FormatSettings& settings)
{
    qsizetype longest = 5;
    for (const QStringList* names : {&settings.shortMonthNames, &settings.longMonthNames})
        for (const QString& name : *names)
            longest = qMax(longest, name.size());
    return int(std::max({longest, settings.timeAMString.size(), settings.timePMString.size()}));
}

void checkStrToDate(const QString& text, int clockYear, const FormatSettings& settings)
{
    TDateTime date;
    try {
        date = rt::strToDate(text, clockYear, settings);
    } catch (const ConvertError&) {
        return;
    }
    FUZZ_CHECK(isDayOfRange(date) && date == std::trunc(date), text);
    // Written in the short date order with a four-digit year, the day reads back the same.
    const QString written = rt::formatDateTime(QString(settings.shortDateFormat).replace("yy", "yyyy"), date, settings);
    TDateTime back = -1e9;
    try {
        back = rt::strToDate(written, clockYear, settings);
    } catch (const ConvertError&) {
    }
    FUZZ_CHECK(back == date, text + QStringLiteral(" written ") + written);
}

void checkStrToDateTime(const QString& text, int clockYear, const FormatSettings& settings)
{
    TDateTime value;
    try {
        value = rt::strToDateTime(text, clockYear, settings);
    } catch (const ConvertError&) {
        return;
    }
    FUZZ_CHECK(isDayOfRange(value), text);
    const double fraction = rt::timeOf(value);
    FUZZ_CHECK(fraction >= 0 && fraction < 1, text);
    // The date part is the date the text starts with.
    const QString trimmed = text.trimmed();
    const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
    const TDateTime date = rt::strToDate(space < 0 ? trimmed : trimmed.left(space), clockYear, settings);
    FUZZ_CHECK(rt::dateOf(value) == date, text);
}

void checkFormat(const QString& pattern, TDateTime value, const FormatSettings& settings)
{
    const QString text = rt::formatDateTime(pattern, value, settings);
    FUZZ_CHECK(text.size() <= pattern.size() * longestPiece(settings), pattern + QStringLiteral(" gave ") + text);
    int year, month, day, hour, minute, second, msec;
    rt::decodeDate(value, year, month, day);
    rt::decodeTime(value, hour, minute, second, msec);
    FUZZ_CHECK(year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= 31, QString::number(value));
    FUZZ_CHECK(hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && msec >= 0 &&
                   msec < 1000,
               QString::number(value));
    const QString full = rt::dateTimeToStr(value, settings);
    FUZZ_CHECK(full.size() <= 60, full);
}

void checkMonthStep(TDateTime value, int months)
{
    try {
        const TDateTime stepped = rt::incMonth(value, months);
        FUZZ_CHECK(isDayOfRange(stepped), QString::number(value));
        FUZZ_CHECK(rt::dayOf(stepped) <= rt::dayOf(value), QString::number(value));
    } catch (const ConvertError&) {
        // A step beyond years 1..9999 has no date.
    }
}

void checkJulian(JulianState& state, const QString& text, TDateTime date, bool firstActivationDone, TDateTime now,
                 const FormatSettings& settings)
{
    std::optional<QString> caption;
    try {
        caption = CalcJulianDate(state, text, date, firstActivationDone, now, settings);
    } catch (const ConvertError&) {
        return;
    }
    FUZZ_CHECK(state.JulianDayOfYear >= 1 && state.JulianDayOfYear <= 366, text);
    FUZZ_CHECK(state.JulianYear.size() <= 4, text);
    FUZZ_CHECK(caption.has_value() == firstActivationDone, text);
    if (caption)
        FUZZ_CHECK(caption->size() <= 200, *caption);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    FormatSettings settings = fuzzSettings(data.ConsumeIntegral<uint8_t>());
    const bool utf8 = data.ConsumeBool();
    if (data.ConsumeBool())
        settings.shortDateFormat = data.ConsumeBool() ? QStringLiteral("d/m/yyyy") : QStringLiteral("yyyy/mm/dd");
    const int clockYear = data.ConsumeIntegralInRange<int>(1, 9999);
    const TDateTime value = fuzzDouble(data, 3e6);
    const TDateTime now = fuzzDouble(data, 3e6);
    const int months = data.ConsumeBool() ? data.ConsumeIntegral<int>() : data.ConsumeIntegralInRange<int>(-240, 240);
    const bool firstActivationDone = data.ConsumeBool();
    const QString pattern = fuzzText(data, 40, utf8);
    const QString text = fuzzText(data, 60, utf8);

    checkStrToDate(text, clockYear, settings);
    checkStrToDateTime(text, clockYear, settings);
    checkFormat(pattern, value, settings);
    checkFormat(text, now, settings);
    checkMonthStep(value, months);

    JulianState state;
    checkJulian(state, text, value, firstActivationDone, now, settings);
    // The second of two clicks completes a span.
    checkJulian(state, pattern, now, firstActivationDone, value, settings);
    (void)WeekNumber(value);
    (void)CountMonths(value, now);
    return 0;
}
