// SPDX-License-Identifier: GPL-3.0-or-later
#include "owndays/OwnDaysPath.h"
#include <QStandardPaths>

namespace owndays {
QString userFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/dorvane/your-days.ics");
}
} // namespace owndays
