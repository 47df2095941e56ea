// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DaySky.h"
#include "prefs/Preferences.h"

// The place and clock of the preferences as the toolbar's report reads them: the position (north positive, west
// positive, as the report keeps it) and the zone's own offset at each moment where the zone is known, else the
// fixed offset of line 4 (0 beyond the widest zone, as the report runs).
SkyPlace skyPlaceOf(const Preferences& preferences, double latitude, double longitudeWest);
