// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

// A place a user can pick by name: where it is and the zone its clocks keep.
struct City
{
    QString name;         // "Berlin", "São Paulo"
    QString region;       // a state or province where the database gives one, else empty
    QString country;      // "Germany"
    double latitude = 0;  // degrees, north positive
    double longitude = 0; // degrees, east positive
    QString zone;         // IANA id, "Europe/Berlin"; may be empty
    // The names matched against, folded (see cityKey): the shown name and, where it differs, the English one.
    QStringList keys;

    // "Berlin, Germany"; "Portland, Oregon, United States".
    QString label() const;
};

// A name as matched: accents dropped, case folded, every run of blanks, hyphens and punctuation one blank.
QString cityKey(const QString& name);
