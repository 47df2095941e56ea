// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/MoonPhase.h"
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Days before each month of a common year; the model has no leap-year table.
constexpr int DaysBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr long double yearSeconds = 31556926.1L;
constexpr long double epochOffset = 4001580.0L;
// The model's lunation (29.53337 days), longer than the mean synodic month.
constexpr long double lunation = 2551682.78L;
constexpr int baseYear = 1999;

} // namespace

long double moonPhase(int Y, int Mo, int D, int h, int mi, int s, int ms)
{
    if (Mo < 1 || Mo > 12)
        return std::numeric_limits<long double>::quiet_NaN();
    // Whole seconds up to the start of the day's hour and minute; D is not reduced by one. 64 bits hold any int
    // inputs, and for real dates the value is the one 32-bit arithmetic gives.
    const std::int64_t K = ((((std::int64_t(D) + DaysBefore[Mo]) * 24 + h) * 60 + mi) * 60);
    const long double S = (long double)s + (long double)ms / 1000 + (long double)K +
                          (long double)(std::int64_t(Y) - baseYear) * yearSeconds;
    const long double T = S - epochOffset;
    const long double lunations = std::trunc(T / lunation);
    // Any int inputs keep this far inside 64 bits; the check keeps the conversion defined whatever changes.
    if (!(std::fabs(lunations) < 9.0e18L))
        return std::numeric_limits<long double>::quiet_NaN();
    const std::int64_t n = std::int64_t(lunations);
    const long double R = T - (long double)n * lunation;
    const long double P = R * moonTwoPi / lunation;
    return P > 0 ? P : P + moonTwoPi;
}
