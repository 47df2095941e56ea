// SPDX-License-Identifier: GPL-3.0-or-later
#include "daypanel/DayPanelPlacement.h"
#include <algorithm>

namespace daypanel {

namespace {
// The screen with the largest share of the window; one it does not touch at all: the nearest.
QRect screenOf(const QRect& window, const QList<QRect>& screens)
{
    QRect best = screens.first();
    qint64 bestShare = -1;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(window);
        const qint64 share = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (share > bestShare) {
            best = screen;
            bestShare = share;
        }
    }
    if (bestShare > 0)
        return best;
    const QPoint centre = window.center();
    const auto distance = [&centre](const QRect& screen) {
        const int dx = std::max({screen.left() - centre.x(), 0, centre.x() - screen.right()});
        const int dy = std::max({screen.top() - centre.y(), 0, centre.y() - screen.bottom()});
        return qint64(dx) * dx + qint64(dy) * dy;
    };
    return *std::min_element(screens.begin(), screens.end(),
                             [&distance](const QRect& a, const QRect& b) { return distance(a) < distance(b); });
}
} // namespace

Placement place(const QRect& mainFrame, const QSize& panelFrame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return {QRect(mainFrame.topRight() + QPoint(Gap + 1, 0), panelFrame), mainFrame.topLeft()};
    const QRect screen = screenOf(mainFrame, screens);
    const QSize size = panelFrame.boundedTo(screen.size());
    QRect main = mainFrame;
    // Room on each side of the main window, the gap taken off.
    const int roomRight = screen.left() + screen.width() - (main.left() + main.width()) - Gap;
    const int roomLeft = main.left() - screen.left() - Gap;
    int x = 0;
    if (size.width() <= roomRight) {
        x = main.left() + main.width() + Gap;
    } else if (size.width() <= roomLeft) {
        x = main.left() - Gap - size.width();
    } else if (main.width() + Gap + size.width() <= screen.width()) {
        // Side by side they fit: the main window moves away from the side with more room, no further than needed.
        if (roomRight >= roomLeft) {
            main.moveLeft(screen.left() + screen.width() - size.width() - Gap - main.width());
            x = main.left() + main.width() + Gap;
        } else {
            main.moveLeft(screen.left() + size.width() + Gap);
            x = screen.left();
        }
    } else {
        x = roomRight >= roomLeft ? screen.left() + screen.width() - size.width() : screen.left();
    }
    // Level with the main window's top; on the screen whatever the main window's place.
    x = std::clamp(x, screen.left(), screen.left() + screen.width() - size.width());
    const int y = std::clamp(main.top(), screen.top(), screen.top() + screen.height() - size.height());
    return {QRect(QPoint(x, y), size), main.topLeft()};
}

} // namespace daypanel
