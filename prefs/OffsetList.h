// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringList>
#include <optional>

// The Offset List of the Parameters dialog: named time zones and their offsets in hours, east of Greenwich positive.
struct OffsetEntry
{
    const char* text; // shown exactly, inner and trailing blanks included
    double hours;
};

namespace OffsetList {
constexpr int Count = 93;
const OffsetEntry* entries(); // Count entries, in list order
QStringList texts();
// The offset of entry `index`; nullopt for no entry (-1, after typing into the list's edit box) or out of range.
std::optional<double> hoursAt(int index);
} // namespace OffsetList
