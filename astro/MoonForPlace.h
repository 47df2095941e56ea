// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The moon picture (1..28, drawn as seen from the north) to show at a latitude (north positive). South of the
// equator the moon is seen upside down, its lit side mirrored: a waxing crescent lit on the right in the north is
// lit on the left there, which is the picture of the waning step as far from new moon. Full (14) and new (28) stay.
// North, the equator and any other number (0: no picture chosen) are returned unchanged.
int moonPictureAt(int picture, double latitude);
