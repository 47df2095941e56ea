// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <optional>

// The two paper sizes a year is exported on, always landscape.
enum class Paper { A4, Letter };

namespace paper {

// Letter where the locale's country uses it, A4 elsewhere.
Paper defaultFor(const QLocale& locale);
QPageSize pageSizeOf(Paper paper);
// "a4" or "letter", in any case; nullopt for anything else.
std::optional<Paper> fromName(const QString& name);

} // namespace paper
