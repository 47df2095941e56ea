// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPixmap>

// Moon picture n (1..28, step n of a lunation seen from the north; 14 full, 28 new), with the colour of its
// bottom-left pixel transparent, drawn for the given device pixel ratio (see devicePicture). A null pixmap for any
// other n.
QPixmap moonPicture(int n, qreal devicePixelRatio);

// The same at the application's ratio.
QPixmap moonPicture(int n);

// The picture shown before the first report: the full moon of the starting phase.
QPixmap initialMoonPicture();
