// Draws the toolbar texture, the button glyphs, the sunrise, sunset and start moon icons and the program icon.
// Run from the repository root after a change here, then commit the pictures:
//     build/tools/makeToolbarPictures assets
// The output is the same on every run: the grain comes from a fixed-seed generator and letters are pixel-drawn.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cstdio>

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

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Pixel letters, 5 columns wide; '#' is ink.
const char* const LetterY[] = {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."};
const char* const LetterR[] = {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."};
const char* const Digit1[] = {".#.", "##.", ".#.", "###"};
const char* const Digit2[] = {"##.", "..#", ".#.", "###"};
const char* const Digit3[] = {"###", ".##", "..#", "###"};

template <int Rows>
void drawPixels(QImage& image, const char* const (&rows)[Rows], int left, int top, const QColor& color)
{
    for (int y = 0; y < Rows; ++y)
        for (int x = 0; rows[y][x] != '\0'; ++x)
            if (rows[y][x] == '#')
                image.setPixelColor(left + x, top + y, color);
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

QImage icon()
{
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.fillRect(3, 5, 26, 25, White);
    p.setPen(DarkGrey);
    p.drawRect(3, 5, 25, 24);
    p.fillRect(4, 6, 24, 6, Red);
    // Two rings holding the page.
    p.fillRect(9, 2, 3, 7, DarkGrey);
    p.fillRect(20, 2, 3, 7, DarkGrey);
    p.setPen(LightGrey);
    for (int x = 9; x < 28; x += 5)
        p.drawLine(x, 12, x, 28);
    for (int y = 16; y < 29; y += 4)
        p.drawLine(4, y, 27, y);
    p.fillRect(15, 21, 4, 3, Navy);
    return image;
}

QImage triangle(bool pointsLeft)
{
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
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
    p.setPen(lines);
    for (int i = 0; i <= cells; ++i) {
        p.drawLine(left + i * cellSize, top, left + i * cellSize, top + size);
        p.drawLine(left, top + i * cellSize, left + size, top + i * cellSize);
    }
}

QImage viewGlyph()
{
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
    grid(p, 0, 9, 2, 3, Navy);
    grid(p, 6, 2, 3, 3, Navy);
    return image;
}

QImage sizeGlyph()
{
    // Three bars of one, two and three blocks: the months of the compact view.
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
    for (int bar = 0; bar < 3; ++bar)
        for (int block = 0; block <= bar; ++block)
            p.fillRect(1 + block * 5, 2 + bar * 5, 4, 3, Navy);
    return image;
}

QImage yearGlyph()
{
    QImage image = transparentImage(16, 16);
    {
        QPainter p(&image);
        grid(p, 0, 3, 5, 3, LightGrey);
    }
    drawPixels(image, LetterY, 2, 5, Navy);
    drawPixels(image, LetterR, 9, 5, Navy);
    return image;
}

QImage closeGlyph()
{
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(DarkRed, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    p.setPen(QPen(Red, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    return image;
}

QImage weekGlyph()
{
    // A month grid whose first column carries the week numbers.
    QImage image = transparentImage(16, 16);
    {
        QPainter p(&image);
        p.fillRect(1, 0, 14, 16, White);
        p.setPen(LightGrey);
        for (const int x : {10, 14})
            p.drawLine(x, 0, x, 15);
        for (const int y : {0, 5, 10, 15})
            p.drawLine(6, y, 14, y);
        p.fillRect(1, 0, 5, 16, Navy);
    }
    drawPixels(image, Digit1, 2, 1, White);
    drawPixels(image, Digit2, 2, 6, White);
    drawPixels(image, Digit3, 2, 11, White);
    return image;
}

QImage paramsGlyph()
{
    // A wrench: an open-ended head at the top right and the handle down to the bottom left.
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
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
    p.setPen(DarkGrey);
    p.drawRect(frame.adjusted(0, 0, -1, -1));
}

QImage onTopGlyph()
{
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
    window(p, QRect(0, 6, 10, 9), Grey);
    window(p, QRect(5, 1, 11, 9), Navy);
    return image;
}

QImage trayGlyph()
{
    // A window sent down into the tray at the bottom.
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
    window(p, QRect(1, 0, 8, 6), Navy);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.fillRect(11, 1, 2, 6, Blue);
    QPolygon arrow;
    arrow << QPoint(9, 7) << QPoint(15, 7) << QPoint(12, 10);
    p.drawPolygon(arrow);
    p.fillRect(0, 12, 16, 4, LightGrey);
    p.setBrush(Qt::NoBrush);
    p.setPen(DarkGrey);
    p.drawRect(0, 12, 15, 3);
    p.fillRect(11, 13, 3, 2, Navy);
    return image;
}

QImage sunIcon(bool rising)
{
    QImage image = transparentImage(16, 15);
    QPainter p(&image);
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

QImage moonStart()
{
    QImage image = transparentImage(16, 16);
    QPainter p(&image);
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
    const QList<QPair<QString, QImage>> pictures = {
        {"texture.png", texture()},
        {"icon.png", icon()},
        {"glyph_previous.png", triangle(true)},
        {"glyph_next.png", triangle(false)},
        {"glyph_view.png", viewGlyph()},
        {"glyph_size.png", sizeGlyph()},
        {"glyph_year.png", yearGlyph()},
        {"glyph_close.png", closeGlyph()},
        {"glyph_week.png", weekGlyph()},
        {"glyph_params.png", paramsGlyph()},
        {"glyph_ontop.png", onTopGlyph()},
        {"glyph_tray.png", trayGlyph()},
        {"sunrise.png", sunIcon(true)},
        {"sunset.png", sunIcon(false)},
        {"moon_start.png", moonStart()},
    };
    for (const auto& [name, picture] : pictures) {
        const QString path = folder.filePath(name);
        if (!picture.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
