// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "astro/DayMarks.h"
#include <QDate>
#include <QRgb>
#include <array>
#include <cstdint>

// The kinds of marks a day can carry, in the order they are drawn. A new kind is one more value here and one more
// piece in DayPieces.cpp; the others stay as they are.
enum class DayMark : std::uint8_t { NewMoon, FullMoon, Season, Event, SolarEclipse, LunarEclipse, Count };

// A set of DayMark values.
class DayMarkSet
{
public:
    DayMarkSet() = default;
    static DayMarkSet of(const DayMarks& marks);
    bool has(DayMark mark) const { return m_bits & bit(mark); }
    void set(DayMark mark, bool on = true) { m_bits = on ? (m_bits | bit(mark)) : (m_bits & ~bit(mark)); }
    bool any() const { return m_bits != 0; }
    DayMarkSet with(DayMarkSet other) const
    {
        DayMarkSet both;
        both.m_bits = m_bits | other.m_bits;
        return both;
    }
    bool operator==(const DayMarkSet& other) const { return m_bits == other.m_bits; }

private:
    static std::uint32_t bit(DayMark mark) { return 1u << unsigned(mark); }
    std::uint32_t m_bits = 0;
};

// Where a day stands in a highlighted range of days.
enum class RangePlace : std::uint8_t { None, Inside, Start, End, Single };

// A marked range of days passing through a day: the colour of its kind and where the day stands in it. Each range
// keeps one lane over the days it runs (see laidBars).
struct DayBar
{
    QRgb colour = 0;
    RangePlace place = RangePlace::None; // None: no bar in this lane

    bool operator==(const DayBar& other) const { return colour == other.colour && place == other.place; }
    bool operator!=(const DayBar& other) const { return !(*this == other); }
};
constexpr int DayBarLanes = 2;
using DayBars = std::array<DayBar, DayBarLanes>;

// Everything one cell of a month shows; two equal contents paint the same pixels.
struct DayContent
{
    QDate date;
    bool inMonth = false;  // a day of the month shown, not a grey one of its neighbours
    bool supported = true; // a day a calendar can show; an unsupported cell is left empty
    bool today = false;
    bool selected = false;
    bool focused = false; // the selected day of a calendar the keys move
    bool weekend = false;
    bool holiday = false; // its number drawn in the holiday ink
    RangePlace range = RangePlace::None;
    DayMarkSet marks;
    DayBars bars{};

    bool operator==(const DayContent& other) const
    {
        return date == other.date && inMonth == other.inMonth && supported == other.supported && today == other.today &&
               selected == other.selected && focused == other.focused && weekend == other.weekend &&
               holiday == other.holiday && range == other.range && marks == other.marks && bars == other.bars;
    }
    bool operator!=(const DayContent& other) const { return !(*this == other); }
};
