// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace owndays {
// Where the user's marked days live: a calendar file of their own in the user's data folder.
QString userFilePath();
} // namespace owndays
