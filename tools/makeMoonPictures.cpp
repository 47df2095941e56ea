// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the 28 moon pictures assets/moon01.png .. moon28.png, and each again at two and three device pixels per
// pixel as moonNN@2x.png and moonNN@3x.png, worked out afresh at that resolution.
// Run from the repository root after a change: build/tools/makeMoonPictures [output folder, default "assets"].
//
// Picture n is step n of a 28-step lunation seen from the north: lit white, dark black, the pixels the terminator
// crosses light grey (mostly lit) or light blue (mostly dark), on a grey (191) background that also fills the
// bottom row, whose bottom-left pixel is the transparent colour when the picture is shown.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <cmath>
#include <cstdio>

namespace {

// In pixels of the plain picture; a picture at scale s multiplies each by s.
constexpr int size = 16;
constexpr double centreX = 8.5; // the disc covers columns 1..15 and rows 0..14
constexpr double centreY = 7.5;
constexpr double radius = 7.7; // a little over half the width, for a rounder outline of pixels
constexpr double pi = 3.14159265358979323846;
constexpr int sub = 8; // subsamples per pixel side

const QColor background(191, 191, 191);
const QColor lit(255, 255, 255);
const QColor dark(0, 0, 0);
const QColor mostlyLit(211, 211, 211);
const QColor mostlyDark(128, 128, 255);

// Lit at a point of the disc for phase angle a (0 new, pi full): the terminator is an ellipse of half-width
// w cos a on each row; waxing lights the right, waning the left.
// x and y are in pixels of the plain picture.
bool isLit(double x, double y, double a)
{
    const double dy = y - centreY;
    const double w = std::sqrt(std::max(0.0, radius * radius - dy * dy));
    const double dx = x - centreX;
    if (a <= pi)
        return dx > w * std::cos(a);
    return dx < -w * std::cos(a);
}

// Paints the outermost disc pixel of the middle rows on one side, one pixel of the plain picture wide.
void rim(QImage& image, int scale, bool rightSide, const QColor& colour)
{
    for (int row = 2 * scale; row < 13 * scale; ++row) {
        int column = rightSide ? image.width() - 1 : 0;
        while (image.pixelColor(column, row) == background)
            column += rightSide ? -1 : 1;
        for (int i = 0; i < scale; ++i)
            image.setPixelColor(column + (rightSide ? -i : i), row, colour);
    }
}

QImage picture(int n, int scale)
{
    QImage image(size * scale, size * scale, QImage::Format_RGB888);
    image.fill(background);
    const double a = n * 2 * pi / 28;
    // The bottom row of plain pixels stays background.
    for (int row = 0; row < (size - 1) * scale; ++row) {
        for (int column = 0; column < size * scale; ++column) {
            const double dx = (column + 0.5) / scale - centreX;
            const double dy = (row + 0.5) / scale - centreY;
            if (dx * dx + dy * dy > radius * radius)
                continue;
            int inside = 0, on = 0;
            for (int i = 0; i < sub; ++i) {
                for (int j = 0; j < sub; ++j) {
                    const double x = (column + (i + 0.5) / sub) / scale;
                    const double y = (row + (j + 0.5) / sub) / scale;
                    if ((x - centreX) * (x - centreX) + (y - centreY) * (y - centreY) > radius * radius)
                        continue;
                    ++inside;
                    if (isLit(x, y, a))
                        ++on;
                }
            }
            const double coverage = inside > 0 ? double(on) / inside : 0.0;
            QColor colour = dark;
            if (coverage >= 0.75)
                colour = lit;
            else if (coverage >= 0.5)
                colour = mostlyLit;
            else if (coverage > 0.2)
                colour = mostlyDark;
            image.setPixelColor(column, row, colour);
        }
    }
    // Next to new and full moon the model's sliver is thinner than a pixel; a one-pixel rim keeps the step visible.
    if (n == 1)
        rim(image, scale, true, lit);
    else if (n == 27)
        rim(image, scale, false, lit);
    else if (n == 13)
        rim(image, scale, false, dark);
    else if (n == 15)
        rim(image, scale, true, dark);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets"));
    for (int n = 1; n <= 28; ++n) {
        for (const int scale : {1, 2, 3}) {
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
            const QString name = QStringLiteral("moon%1%2.png").arg(n, 2, 10, QLatin1Char('0')).arg(suffix);
            const QString path = folder.filePath(name);
            if (!picture(n, scale).save(path)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
