// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DevicePictures.h"
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace {

// The largest variant the assets hold.
constexpr int LargestScale = 3;

QString variantPath(const QString& path, int scale)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const QString base = dot < 0 ? path : path.left(dot);
    const QString extension = dot < 0 ? QString() : path.mid(dot);
    return QStringLiteral("%1@%2x%3").arg(base).arg(scale).arg(extension);
}

// The first variant that exists: enough pixels first, the smallest such; else the largest there is.
QImage bestVariant(const QString& path, qreal devicePixelRatio)
{
    const int wanted = std::clamp(int(std::ceil(devicePixelRatio - 1e-9)), 2, LargestScale);
    QList<int> order;
    for (int scale = wanted; scale <= LargestScale; ++scale)
        order.append(scale);
    for (int scale = wanted - 1; scale >= 2; --scale)
        order.append(scale);
    for (const int scale : order) {
        const QString variant = variantPath(path, scale);
        if (QFile::exists(variant)) {
            QImage image(variant);
            if (!image.isNull())
                return image;
        }
    }
    return QImage();
}

} // namespace

QImage devicePicture(const QString& path, qreal devicePixelRatio, bool cornerTransparent)
{
    const QImage plain(path);
    if (plain.isNull() || !(devicePixelRatio > 1.0))
        return plain;
    QImage image = bestVariant(path, devicePixelRatio);
    if (image.isNull())
        return plain;
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (cornerTransparent) {
        const QRgb corner = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (line[x] == corner)
                    line[x] = qRgba(0, 0, 0, 0);
        }
    }
    const QSize device(qRound(plain.width() * devicePixelRatio), qRound(plain.height() * devicePixelRatio));
    if (image.size() != device)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                    .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

qreal pictureDevicePixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap devicePixmap(const QString& path)
{
    return QPixmap::fromImage(devicePicture(path, pictureDevicePixelRatio()));
}
