// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/OffsetList.h"

namespace {
// Newfoundland is listed at -3, not -3.5: the list has always given it that way and saved files rely on it.
const OffsetEntry Entries[OffsetList::Count] = {
    {"Eastern         (-5:00)", -5},
    {"Central          (-6:00)", -6},
    {"Mountain      (-7:00)", -7},
    {"Pacific          (-8:00)", -8},
    {"Eastern DT   (-4:00)", -4},
    {"Central DT    (-5:00)", -5},
    {"Mountain DT(-6:00)", -6},
    {"Pacific DT    (-7:00)", -7},
    {"Arizona      (-07:00)", -7},
    {"Alaska       (-9:00)", -9},
    {"Hawaii       (-10:00)", -10},
    {"GMT (-12:00)", -12},
    {"GMT (-11:00)", -11},
    {"GMT (-10:00)", -10},
    {"GMT (-9:00)", -9},
    {"GMT (-8:00)", -8},
    {"GMT (-7:00)", -7},
    {"GMT (-6:00)", -6},
    {"GMT (-5:00)", -5},
    {"GMT (-4:00)", -4},
    {"GMT (-3:00)", -3},
    {"GMT (-2:00)", -2},
    {"GMT (-1:00)", -1},
    {"GMT (0:00)", 0},
    {"GMT (+1:00)", 1},
    {"GMT (+2:00)", 2},
    {"GMT (+3:00)", 3},
    {"GMT (+4:00)", 4},
    {"GMT (+5:00)", 5},
    {"GMT (+6:00)", 6},
    {"GMT (+7:00)", 7},
    {"GMT (+8:00)", 8},
    {"GMT (+9:00)", 9},
    {"GMT (+10:00)", 10},
    {"GMT (+11:00)", 11},
    {"International Dateline (-12:00) Eniwetok, Kwajalein", -12},
    {"Samoa (-11:00) Midway Island, Samoa", -11},
    {"Pacific (-08:00) Pacific Time (Canada); Tijuana", -8},
    {"Mountain (-07:00) Mountain Time (Canada)", -7},
    {"Central (-06:00) Central Time (Canada)", -6},
    {"Canada Central (-06:00) Saskatchewan", -6},
    {"Mexico (-06:00) Mexico City, Tegucigalpa", -6},
    {"Eastern (-05:00) Eastern Time (Canada)", -5},
    {"US Eastern (-05:00) Indiana (East)", -5},
    {"SA Pacific (-05:00) Bogota, Lima, Quito", -5},
    {"Atlantic (-04:00) Atlantic Time (Canada)", -4},
    {"SA Western (-04:00) Caracas, La Paz", -4},
    {"Pacific SA (-04:00) Santiago", -4},
    {"Newfoundland (-03:30) Newfoundland", -3},
    {"E. South America (-03:00) Brasilia", -3},
    {"SA Eastern (-03:00) Buenos Aires, Georgetown", -3},
    {"Mid-Atlantic (-02:00) Mid-Atlantic", -2},
    {"Azores (-01:00) Azores, Cape Verde Is.", -1},
    {"GMT (0.00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London", 0},
    {"Greenwich (0:00) Casablanca, Monrovia", 0},
    {"Central Europe (+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague", 1},
    {"Central European (+01:00) Sarajevo, Skopje, Sofija, Warsaw, Zagreb", 1},
    {"Romance (+01:00) Brussels, Copenhagen, Madrid, Paris, Vilnius", 1},
    {"W. Europe (+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna", 1},
    {"E. Europe (+02:00) Bucharest", 2},
    {"Egypt (+02:00) Cairo", 2},
    {"FLE (+02:00) Helsinki, Riga, Tallinn", 2},
    {"GTB (+02:00) Athens, Istanbul, Minsk", 2},
    {"Israel (+02:00) Jerusalem", 2},
    {"South Africa (+02:00) Harare, Pretoria", 2},
    {"Russian (+03:00) Moscow, St. Petersburg, Volgograd", 3},
    {"Arab (+03:00) Baghdad, Kuwait, Riyadh", 3},
    {"E. Africa (+03:00) Nairobi", 3},
    {"Iran (+03:30) Tehran", 3.5},
    {"Arabian (+04:00) Abu Dhabi, Muscat", 4},
    {"Caucasus (+04:00) Baku, Tbilisi", 4},
    {"Afghanistan (+04:30) Kabul", 4.5},
    {"Ekaterinburg (+05:00) Ekaterinburg", 5},
    {"West Asia (+05:00) Islamabad, Karachi, Tashkent", 5},
    {"India (+05:30) Bombay, Calcutta, Madras, New Delhi", 5.5},
    {"Central Asia (+06:00) Astana, Almaty, Dhaka", 6},
    {"Sri Lanka (+06:00) Colombo", 6},
    {"SE Asia (+07:00) Bangkok, Hanoi, Jakarta", 7},
    {"China  (+08:00) Beijing, Chongqing, Hong Kong, Urumqi", 8},
    {"Singapore  (+08:00) Singapore ", 8},
    {"Taipei (+08:00) Taipei ", 8},
    {"W. Australia (+08:00) Perth", 8},
    {"Korea (+09:00) Seoul", 9},
    {"Tokyo (+09:00) Osaka, Sapporo, Tokyo", 9},
    {"Yakutsk (+09:00) Yakutsk", 9},
    {"AUS Central (+09:30) Darwin", 9.5},
    {"Cen. Australia (+09:30) Adelaide", 9.5},
    {"AUS Eastern (+10:00) Canberra, Melbourne, Sydney", 10},
    {"E. Australia (+10:00) Brisbane", 10},
    {"Tasmania (+10:00) Hobart", 10},
    {"Vladivostok (+10:00) Vladivostok", 10},
    {"West Pacific (+10:00) Guam, Port Moresby", 10},
    {"Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia", 11},
};
} // namespace

namespace OffsetList {

const OffsetEntry* entries()
{
    return Entries;
}

QStringList texts()
{
    QStringList list;
    for (const OffsetEntry& entry : Entries)
        list.append(QString::fromLatin1(entry.text));
    return list;
}

std::optional<double> hoursAt(int index)
{
    if (index < 0 || index >= Count)
        return std::nullopt;
    return Entries[index].hours;
}

} // namespace OffsetList
