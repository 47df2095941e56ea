// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QPixmap>
#include <QString>

// A picture file drawn for the display's device pixel ratio. Beside "name.png" the assets hold "name@2x.png" and
// "name@3x.png" drawn at two and three device pixels per pixel; the smallest of them with at least the pixels the
// ratio needs is taken and, for a ratio between the steps (1.25, 1.5), scaled down to exactly the device size, so
// that a picture is never a plain bitmap scaled up. At ratio 1 (or without variants) the plain file is returned as
// it is. The result's devicePixelRatio is the ratio asked for; its deviceIndependentSize that of the plain file.
// With cornerTransparent the colour of the variant's bottom-left pixel becomes transparent before any scaling.
QImage devicePicture(const QString& path, qreal devicePixelRatio, bool cornerTransparent = false);

// The ratio pictures are drawn for: the application's, the highest of its screens (1 without an application).
qreal pictureDevicePixelRatio();

// devicePicture at the application's ratio, as a pixmap.
QPixmap devicePixmap(const QString& path);
