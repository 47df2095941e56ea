// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/MoonForPlace.h"

namespace {
constexpr int Steps = 28; // pictures of one lunation; step 28 is new moon
}

int moonPictureAt(int picture, double latitude)
{
    if (latitude >= 0 || picture < 1 || picture > Steps)
        return picture;
    return picture == Steps ? Steps : Steps - picture;
}
