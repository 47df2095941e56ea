#include "controls/MoonPictures.h"
#include <QBitmap>
#include <QImage>

QPixmap moonPicture(int n)
{
    if (n < 1 || n > 28)
        return QPixmap();
    const QImage image(QStringLiteral(":/moon%1.png").arg(n, 2, 10, QLatin1Char('0')));
    if (image.isNull())
        return QPixmap();
    QPixmap pixmap = QPixmap::fromImage(image);
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    return pixmap;
}

QPixmap initialMoonPicture()
{
    return moonPicture(14);
}
