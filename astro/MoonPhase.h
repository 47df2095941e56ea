// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Extended-precision 2 pi of the phase model.
constexpr long double moonTwoPi = 6.283185307179586477L;

// Phase angle of the moon at a local moment, in radians in (0, 2 pi]: 0 or 2 pi new moon, pi/2 first quarter,
// pi full, 3 pi/2 last quarter. A mean-lunation model counted in seconds from 1999 with a common-year day table,
// so 29 February and 1 March of a leap year give the same phase. A month outside 1..12 gives NaN.
long double moonPhase(int Y, int Mo, int D, int h, int mi, int s, int ms);
