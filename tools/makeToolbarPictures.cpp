// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the toolbar texture, the button glyphs, the sunrise, sunset and start moon icons and the program icon, each
// also as name@2x.png and name@3x.png for displays with two or three device pixels per pixel (the texture is tiled
// at device resolution instead). Run from the repository root after a change here, then commit the pictures:
//     build/tools/makeToolbarPictures assets
// With a second folder it also writes the program icon at the desktop menus' sizes there (dorvane-16.png to
// dorvane-256.png, for the package's icon theme):
//     build/tools/makeToolbarPictures assets packaging/icons
// The output is the same on every run: the grain comes from a fixed-seed generator, shapes are drawn in pixel
// coordinates under a scale, and letters are pixel-drawn (stroked at the larger sizes, where pixels would show).
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cstdio>
#include <functional>

namespace {

const QColor Navy(0, 0, 128);
const QColor Blue(0, 0, 255);
const QColor DarkBlue(0, 0, 160);
const QColor Red(224, 0, 0);
const QColor DarkRed(128, 0, 0);
const QColor White(255, 255, 255);
const QColor LightGrey(192, 192, 192);
const QColor Grey(128, 128, 128);
const QColor DarkGrey(64, 64, 64);
const QColor Yellow(255, 208, 0);
const QColor Orange(232, 128, 0);

// xorshift32 with a fixed seed, so that the texture is the same on every run.
quint32 nextRandom(quint32& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

int randomBetween(quint32& state, int low, int high)
{
    return low + static_cast<int>(nextRandom(state) % static_cast<quint32>(high - low + 1));
}

// A transparent picture of width x height pixels at scale device pixels per pixel.
QImage transparentImage(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A painter that takes pixel coordinates whatever the picture's scale.
void beginScaled(QPainter& p, QImage& image, int scale)
{
    p.begin(&image);
    if (scale != 1)
        p.scale(scale, scale);
}

// One-pixel lines and outlines as filled rectangles, so that they cover exactly the pixels of a one-pixel pen at
// every scale.
void hLine(QPainter& p, int x1, int x2, int y, const QColor& colour)
{
    p.fillRect(x1, y, x2 - x1 + 1, 1, colour);
}

void vLine(QPainter& p, int x, int y1, int y2, const QColor& colour)
{
    p.fillRect(x, y1, 1, y2 - y1 + 1, colour);
}

// The pixels of QPainter::drawRect(r) with a one-pixel pen: the border of r grown by one to the right and below.
void outline(QPainter& p, const QRect& r, const QColor& colour)
{
    hLine(p, r.left(), r.left() + r.width(), r.top(), colour);
    hLine(p, r.left(), r.left() + r.width(), r.top() + r.height(), colour);
    vLine(p, r.left(), r.top(), r.top() + r.height(), colour);
    vLine(p, r.left() + r.width(), r.top(), r.top() + r.height(), colour);
}

// Pixel letters, 5 columns wide; '#' is ink.
const char* const LetterY[] = {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."};
const char* const LetterR[] = {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."};
const char* const Digit1[] = {".#.", "##.", ".#.", "###"};
const char* const Digit2[] = {"##.", "..#", ".#.", "###"};
const char* const Digit3[] = {"###", ".##", "..#", "###"};

// The same letters as strokes through pixel centres, for the larger scales.
const QVector<QPolygonF> StrokesY = {{{0, 0}, {0, 1}, {2, 3}, {4, 1}, {4, 0}}, {{2, 3}, {2, 6}}};
const QVector<QPolygonF> StrokesR = {{{0, 2}, {0, 6}}, {{0, 3.4}, {1.3, 2.1}, {2.6, 2}, {3.6, 2.4}, {4, 3}}};
const QVector<QPolygonF> Strokes1 = {{{0, 0.8}, {1, 0}, {1, 3}}, {{0, 3}, {2, 3}}};
const QVector<QPolygonF> Strokes2 = {{{0, 0}, {1.2, 0}, {2, 0.8}, {2, 1}, {0, 3}, {2, 3}}};
const QVector<QPolygonF> Strokes3 = {{{0, 0}, {2, 0}, {2, 3}, {0, 3}}, {{0.8, 1.4}, {2, 1.4}}};

template <int Rows>
void drawLetter(QImage& image, int scale, const char* const (&rows)[Rows], const QVector<QPolygonF>& strokes, int left,
                int top, const QColor& color)
{
    if (scale == 1) {
        for (int y = 0; y < Rows; ++y)
            for (int x = 0; rows[y][x] != '\0'; ++x)
                if (rows[y][x] == '#')
                    image.setPixelColor(left + x, top + y, color);
        return;
    }
    QPainter p;
    beginScaled(p, image, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(left + 0.5, top + 0.5);
    p.setPen(QPen(color, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& stroke : strokes)
        p.drawPolyline(stroke);
}

QImage texture()
{
    // A light-grey grain: one shared brightness per pixel, green a shade above blue above red.
    QImage image(64, 64, QImage::Format_RGB888);
    quint32 state = 0x5eed1234u;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const int grain = randomBetween(state, -17, 17) + randomBetween(state, -17, 17);
            const auto channel = [&](int base) { return qBound(171, base + grain + randomBetween(state, -2, 2), 239); };
            const int red = channel(202);
            const int green = channel(208);
            const int blue = channel(205);
            image.setPixelColor(x, y, QColor(red, green, blue));
        }
    }
    return image;
}

QImage icon(int scale)
{
    QImage image = transparentImage(32, 32, scale);
    QPainter p;
    beginScaled(p, image, scale);
    p.fillRect(3, 5, 26, 25, White);
    outline(p, QRect(3, 5, 25, 24), DarkGrey);
    p.fillRect(4, 6, 24, 6, Red);
    // Two rings holding the page.
    p.fillRect(9, 2, 3, 7, DarkGrey);
    p.fillRect(20, 2, 3, 7, DarkGrey);
    for (int x = 9; x < 28; x += 5)
        vLine(p, x, 12, 28, LightGrey);
    for (int y = 16; y < 29; y += 4)
        hLine(p, 4, 27, y, LightGrey);
    p.fillRect(15, 21, 4, 3, Navy);
    return image;
}

QImage triangle(bool pointsLeft, int scale)
{
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    QPolygon shape;
    if (pointsLeft)
        shape << QPoint(3, 8) << QPoint(11, 0) << QPoint(11, 16);
    else
        shape << QPoint(12, 8) << QPoint(4, 0) << QPoint(4, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawPolygon(shape);
    return image;
}

void grid(QPainter& p, int left, int top, int cells, int cellSize, const QColor& lines)
{
    const int size = cells * cellSize;
    p.fillRect(left, top, size + 1, size + 1, White);
    for (int i = 0; i <= cells; ++i) {
        vLine(p, left + i * cellSize, top, top + size, lines);
        hLine(p, left, left + size, top + i * cellSize, lines);
    }
}

QImage viewGlyph(int scale)
{
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    grid(p, 0, 9, 2, 3, Navy);
    grid(p, 6, 2, 3, 3, Navy);
    return image;
}

QImage sizeGlyph(int scale)
{
    // Three bars of one, two and three blocks: the months of the compact view.
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    for (int bar = 0; bar < 3; ++bar)
        for (int block = 0; block <= bar; ++block)
            p.fillRect(1 + block * 5, 2 + bar * 5, 4, 3, Navy);
    return image;
}

QImage yearGlyph(int scale)
{
    QImage image = transparentImage(16, 16, scale);
    {
        QPainter p;
        beginScaled(p, image, scale);
        grid(p, 0, 3, 5, 3, LightGrey);
    }
    drawLetter(image, scale, LetterY, StrokesY, 2, 5, Navy);
    drawLetter(image, scale, LetterR, StrokesR, 9, 5, Navy);
    return image;
}

QImage closeGlyph(int scale)
{
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkRed, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    p.setPen(QPen(Red, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return image;
}

QImage weekGlyph(int scale)
{
    // A month grid whose first column carries the week numbers.
    QImage image = transparentImage(16, 16, scale);
    {
        QPainter p;
        beginScaled(p, image, scale);
        p.fillRect(1, 0, 14, 16, White);
        for (const int x : {10, 14})
            vLine(p, x, 0, 15, LightGrey);
        for (const int y : {0, 5, 10, 15})
            hLine(p, 6, 14, y, LightGrey);
        p.fillRect(1, 0, 5, 16, Navy);
    }
    drawLetter(image, scale, Digit1, Strokes1, 2, 1, White);
    drawLetter(image, scale, Digit2, Strokes2, 2, 6, White);
    drawLetter(image, scale, Digit3, Strokes3, 2, 11, White);
    return image;
}

QImage paramsGlyph(int scale)
{
    // A wrench: an open-ended head at the top right and the handle down to the bottom left.
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkGrey, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(9, 7));
    p.setPen(QPen(Grey, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(9, 7));
    p.setPen(QPen(DarkGrey, 1));
    p.setBrush(Grey);
    p.drawEllipse(QPointF(10.5, 5.5), 4.5, 4.5);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPolygonF jaw;
    jaw << QPointF(9.5, 4) << QPointF(13, 0.5) << QPointF(17, 0.5) << QPointF(17, 4) << QPointF(12, 6.5);
    p.drawPolygon(jaw);
    return image;
}

void window(QPainter& p, const QRect& frame, const QColor& title)
{
    p.fillRect(frame, White);
    p.fillRect(frame.left(), frame.top(), frame.width(), 3, title);
    outline(p, frame.adjusted(0, 0, -1, -1), DarkGrey);
}

QImage onTopGlyph(int scale)
{
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    window(p, QRect(0, 6, 10, 9), Grey);
    window(p, QRect(5, 1, 11, 9), Navy);
    return image;
}

QImage trayGlyph(int scale)
{
    // A window sent down into the tray at the bottom.
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    window(p, QRect(1, 0, 8, 6), Navy);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.fillRect(11, 1, 2, 6, Blue);
    QPolygon arrow;
    arrow << QPoint(9, 7) << QPoint(15, 7) << QPoint(12, 10);
    p.drawPolygon(arrow);
    p.fillRect(0, 12, 16, 4, LightGrey);
    outline(p, QRect(0, 12, 15, 3), DarkGrey);
    p.fillRect(11, 13, 3, 2, Navy);
    return image;
}

QImage sunIcon(bool rising, int scale)
{
    QImage image = transparentImage(16, 15, scale);
    QPainter p;
    beginScaled(p, image, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(8, 11);
    p.setPen(QPen(Orange, 1));
    for (const QPointF& end :
         {QPointF(1.5, 11), QPointF(3.5, 6.5), QPointF(8, 4.5), QPointF(12.5, 6.5), QPointF(14.5, 11)})
        p.drawLine(centre, end);
    p.setPen(QPen(Orange, 1));
    p.setBrush(Yellow);
    p.setClipRect(0, 0, 16, 11);
    p.drawEllipse(centre, 4, 4);
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(0, 11, 16, 2, Navy);
    // The arrow tells rising from setting.
    p.setPen(Qt::NoPen);
    p.setBrush(rising ? Red : Navy);
    QPolygon arrow;
    if (rising)
        arrow << QPoint(8, 0) << QPoint(11, 3) << QPoint(5, 3);
    else
        arrow << QPoint(5, 0) << QPoint(11, 0) << QPoint(8, 3);
    p.drawPolygon(arrow);
    return image;
}

QImage moonStart(int scale)
{
    QImage image = transparentImage(16, 16, scale);
    QPainter p;
    beginScaled(p, image, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Grey, 1));
    p.setBrush(QColor(248, 244, 216));
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 196, 176));
    p.drawEllipse(QPointF(6, 6), 2, 1.5);
    p.drawEllipse(QPointF(10, 10), 1.5, 1.5);
    p.drawEllipse(QPointF(5, 11), 1, 1);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets"));
    using Drawing = std::function<QImage(int)>;
    const QList<QPair<QString, Drawing>> pictures = {
        {"icon", icon},
        {"glyph_previous", [](int scale) { return triangle(true, scale); }},
        {"glyph_next", [](int scale) { return triangle(false, scale); }},
        {"glyph_view", viewGlyph},
        {"glyph_size", sizeGlyph},
        {"glyph_year", yearGlyph},
        {"glyph_close", closeGlyph},
        {"glyph_week", weekGlyph},
        {"glyph_params", paramsGlyph},
        {"glyph_ontop", onTopGlyph},
        {"glyph_tray", trayGlyph},
        {"sunrise", [](int scale) { return sunIcon(true, scale); }},
        {"sunset", [](int scale) { return sunIcon(false, scale); }},
        {"moon_start", moonStart},
    };
    QList<QPair<QString, QImage>> files = {{"texture.png", texture()}};
    for (const auto& [name, draw] : pictures) {
        files.append({name + ".png", draw(1)});
        for (const int scale : {2, 3})
            files.append({QStringLiteral("%1@%2x.png").arg(name).arg(scale), draw(scale)});
    }
    if (argc > 2) {
        const QDir menus(QString::fromLocal8Bit(argv[2]));
        // Whole multiples of the drawing stay sharp; the sizes between come smoothly from the largest.
        constexpr int Drawn = 32;
        const QImage largest = icon(8);
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage picture = size % Drawn == 0
                                       ? icon(size / Drawn)
                                       : largest.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            files.append({menus.absoluteFilePath(QStringLiteral("dorvane-%1.png").arg(size)), picture});
        }
    }
    for (const auto& [name, picture] : files) {
        const QString path = folder.filePath(name);
        if (!picture.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
