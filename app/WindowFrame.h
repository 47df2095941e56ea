#pragma once
#include <QSize>

class QWidget;

// The main window's outer size as the user sees it, frame included, and its place on the desktop.
namespace frame {
constexpr int FrameWidth = 6;
constexpr int FrameHeight = 32;

void setOuterSize(QWidget& window, int width, int height);
QSize outerSize(const QWidget& window);
// Centres the outer window on a desktop of that size.
void centreOnDesktop(QWidget& window, const QSize& desktop);
// Always on top, or back among the others, where it stood.
void toggleStaysOnTop(QWidget& window);
} // namespace frame
