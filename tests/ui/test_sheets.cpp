#include "test_sheets.h"

#include <QPainter>

namespace tarvik::testing {

QRgb wallColour(int tile) { return qRgb(10 + tile * 5, 200, 7 * tile); }
QRgb flashColour(int frame) { return qRgb(250, 20 * frame + 1, 100); }
QRgb backdropColour(int x, int y) { return qRgb(x % 256, y % 256, (x / 256) * 64 + (y / 256) * 16 + 1); }
QRgb digitColour(int digit) { return qRgb(digit * 20 + 3, 100, 50); }

namespace {

void fillTile(QImage& sheet, int x, int y, int size, QRgb colour)
{
    for (int dy = 0; dy < size; ++dy)
        for (int dx = 0; dx < size; ++dx)
            sheet.setPixel(x + dx, y + dy, colour);
}

// An element picture: a square in the middle; a bond: a band across the cell
// whose place depends on the bond, crossing that square.
void drawElement(QImage& sheet, int x, int y, int size, int picture)
{
    const int inset = size / 6;
    for (int dy = inset; dy < size - inset; ++dy)
        for (int dx = inset; dx < size - inset; ++dx)
            sheet.setPixel(x + dx, y + dy, qRgb(picture * 10, 0x0f, 0x01));
}

void drawBond(QImage& sheet, int x, int y, int size, int bond)
{
    const int row = (bond * size) / 16;
    for (int dx = 0; dx < size; ++dx)
        sheet.setPixel(x + dx, y + row, qRgb(0x01, 0xf0, 0x80 | bond));
    sheet.setPixel(x + bond % size, y + size - 1, qRgb(0x02, 0x30, 0x40 + bond));
}

QImage blackImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

}  // namespace

Images testImages()
{
    QImage tiles = blackImage(240, 330);
    for (int t = 0; t < 40; ++t)
        fillTile(tiles, (t % 8) * 30, (t / 8) * 30, 30, wallColour(t));
    for (int p = 1; p <= 24; ++p)
        drawElement(tiles, ((p - 1) % 8) * 30, (5 + (p - 1) / 8) * 30, 30, p);
    for (int f = 0; f < 6; ++f)
        fillTile(tiles, f * 30, 240, 30, flashColour(f));
    for (int k = 0; k < 16; ++k)
        drawBond(tiles, (k % 8) * 30, (9 + k / 8) * 30, 30, k);

    QImage preview = blackImage(120, 75);
    for (int p = 1; p <= 24; ++p)
        drawElement(preview, ((p - 1) % 8) * 15, ((p - 1) / 8) * 15, 15, p);
    for (int k = 0; k < 16; ++k)
        drawBond(preview, (k % 8) * 15, (3 + k / 8) * 15, 15, k);

    QImage digits = blackImage(360, 39);
    for (int d = 0; d < 10; ++d)
        for (int y = 0; y < 39; ++y)
            for (int x = 0; x < 30; ++x)
                digits.setPixel(30 * d + x, y, digitColour(d));
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 30; ++x) {
            digits.setPixel(300 + x, y, kUnsolvedMarker);
            digits.setPixel(330 + x, y, kSolvedMarker);
        }

    QImage backdrop = blackImage(650, 470);
    for (int y = 0; y < 470; ++y)
        for (int x = 0; x < 650; ++x)
            backdrop.setPixel(x, y, backdropColour(x, y));

    return Images::fromPictures(tiles, preview, digits, backdrop);
}

namespace {

QImage expectedCell(const QImage& sheet, int kind, int cell, int elementRow0, int bondRow0)
{
    QImage result = blackImage(cell, cell);
    if (kind <= 0)
        return result;
    auto orTile = [&](int column, int row) {
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                result.setPixel(x, y, result.pixel(x, y) | sheet.pixel(column * cell + x, row * cell + y));
    };
    const int n = (kind & 255) - 1;
    if (n >= 0 && n < 24)
        orTile(n % 8, elementRow0 + n / 8);
    for (int k = 0; k < 16; ++k)
        if (kind & (1 << (8 + k)))
            orTile(k % 8, bondRow0 + k / 8);
    return result;
}

}  // namespace

QImage expectedAtomCell(const Images& images, int kind, int cell)
{
    return expectedCell(images.tileSheet, kind, cell, 5, 9);
}

QImage expectedPreviewAtom(const Images& images, int kind)
{
    return expectedCell(images.previewSheet, kind, 15, 0, 3);
}

QImage block(const QImage& image, const QRect& area)
{
    return image.copy(area).convertToFormat(QImage::Format_RGB32);
}

QImage solid(QRgb colour, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace tarvik::testing
