// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/MoonPictures.h"
#include "controls/DevicePictures.h"
#include <QBitmap>
#include <QImage>

QPixmap moonPicture(int n, qreal devicePixelRatio)
{
    if (n < 1 || n > 28)
        return QPixmap();
    const QString path = QStringLiteral(":/moon%1.png").arg(n, 2, 10, QLatin1Char('0'));
    if (devicePixelRatio > 1.0)
        return QPixmap::fromImage(devicePicture(path, devicePixelRatio, true));
    const QImage image(path);
    if (image.isNull())
        return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(image);
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    return pixmap;
}

QPixmap moonPicture(int n)
{
    return moonPicture(n, pictureDevicePixelRatio());
}

QPixmap initialMoonPicture()
{
    return moonPicture(14);
}
