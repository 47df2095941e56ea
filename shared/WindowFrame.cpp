// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/WindowFrame.h"
#include "controls/Colours.h"
#include <QIcon>
#include <QMargins>
#include <QRect>
#include <QWidget>

namespace frame {

void dress(QWidget& window)
{
    window.setAutoFillBackground(true);
    colours::paint(&window, QPalette::Window, colours::Blue);
    QFont small = window.font();
    small.setPixelSize(11);
    window.setFont(small);
    window.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
}

QPoint outerCorner(const QWidget& window)
{
    return window.mapToGlobal(QPoint(0, 0)) - QPoint(FrameWidth / 2, FrameHeight - FrameWidth / 2);
}

void setOuterSize(QWidget& window, int width, int height)
{
    window.setFixedSize(width - FrameWidth, height - FrameHeight);
}

QSize outerSize(const QWidget& window)
{
    return window.size() + QSize(FrameWidth, FrameHeight);
}

void centreOnDesktop(QWidget& window, const QSize& desktop)
{
    // Its frame is known only once the window manager has framed it; until then the usual frame is assumed. The
    // client area is placed, which every window manager honours alike.
    const QRect framed = window.frameGeometry();
    const QRect client = window.geometry();
    const bool frameKnown = window.isVisible() && framed.size() != window.size();
    const QMargins margins =
        frameKnown ? QMargins(client.left() - framed.left(), client.top() - framed.top(),
                              framed.right() - client.right(), framed.bottom() - client.bottom())
                   : QMargins(FrameWidth / 2, FrameHeight - FrameWidth / 2, FrameWidth / 2, FrameWidth / 2);
    const QSize outer = window.size().grownBy(margins);
    const QPoint corner((desktop.width() - outer.width()) / 2, (desktop.height() - outer.height()) / 2);
    window.setGeometry(QRect(corner + QPoint(margins.left(), margins.top()), window.size()));
}

void toggleStaysOnTop(QWidget& window)
{
    const QPoint at = window.pos();
    const bool wasVisible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, !(window.windowFlags() & Qt::WindowStaysOnTopHint));
    // Changing the flags hides the window; it comes back where it was.
    window.move(at);
    if (wasVisible)
        window.show();
}

} // namespace frame
