// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/PointerPlacement.h"

namespace pointer {

QPoint target(Target which, const Geometry& g)
{
    const int toolbarY = g.window.y() + g.panel28.y() + g.speedButtonTop + 37;
    switch (which) {
    case Target::CloseButton:
        return {g.window.x() + g.speedButton3Left + 35, toolbarY};
    case Target::CompactSize:
        return {g.window.x() + g.panel28.x() + g.speedButton7Left + 13, toolbarY};
    case Target::ViewToggle:
        return {g.window.x() + g.panel28.x() + g.speedButton8Left + 20, toolbarY};
    case Target::YearEntryOk:
        return {g.window.x() + g.panel25.x() + g.panel29.x() + g.speedButton54Left + 43,
                g.window.y() + g.panel25.y() + 69};
    case Target::YearEntryButton:
        return {g.window.x() + g.panel28.x() + g.speedButton6Left + 15, toolbarY};
    }
    return {};
}

} // namespace pointer
