#pragma once

#include <QImage>
#include <QRect>

#include "ui/images.h"

namespace tarvik::testing {

// Sheets of our own in which every tile can be told apart from every other, and
// in which the overlays overlap the element pictures, so that a copy that
// replaces instead of combining shows up.
Images testImages();

// Colour of wall tile t, flash frame f, backdrop pixel (x, y), digit d.
QRgb wallColour(int tile);
QRgb flashColour(int frame);
QRgb backdropColour(int x, int y);
QRgb digitColour(int digit);
inline constexpr QRgb kUnsolvedMarker = 0xff010203;
inline constexpr QRgb kSolvedMarker = 0xff040506;

// The picture an atom cell of that kind must show: black, the element picture
// and every chosen stub combined by OR (computed pixel by pixel, independent of
// the drawing code).
QImage expectedAtomCell(const Images& images, int kind, int cell = 30);
QImage expectedPreviewAtom(const Images& images, int kind);

// A block of an image in its own QImage, for comparisons.
QImage block(const QImage& image, const QRect& area);
QImage solid(QRgb colour, int width = 30, int height = 30);

}  // namespace tarvik::testing
