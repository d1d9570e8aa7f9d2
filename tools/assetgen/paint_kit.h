#pragma once
// Small drawing helpers shared by every family of pictures, so that all of
// them get the same light (from the upper left), the same gloss and the same
// fonts.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <cstdint>

namespace tarvik::assetgen {

// Opaque 24-bit picture, filled with one colour.
QImage opaqueImage(int width, int height, QColor fill = QColor(0, 0, 0));
// Fully transparent picture with alpha, for glyphs and layered drawing.
QImage clearImage(int width, int height);

// Starts painting with anti-aliasing switched on; every picture wants it.
void beginSmooth(QPainter& painter, QImage& image);

// Our two faces, read from the files the build machine's font package
// installs, so that the letters look the same wherever the generator runs.
QFont boldFont(qreal pixelSize);
QFont condensedBoldFont(qreal pixelSize);

QColor mix(QColor a, QColor b, double t);
QColor shade(QColor c, double factor);  // <1 darker, >1 towards white

// A shaded ball lit from the upper left with a small specular spot.
void glossyBall(QPainter& painter, QPointF centre, qreal radius, QColor base);
// Text centred on a point, with an optional dark outline for legibility.
void centredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font, QColor fill,
                 QColor outline = QColor(), qreal outlineWidth = 0.0);

// Deterministic pseudo-random numbers (xorshift), independent of the library.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t next();
    double unit();  // [0, 1)
    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint32_t state_;
};

// Smooth value noise in [0, 1] on a lattice of the given cell size.
double valueNoise(double x, double y, double cell, std::uint32_t seed);

// Soft glow: blurs the alpha of a layer (box blur, three passes).
QImage blurred(const QImage& argb, int radius);

// Halves a picture by averaging 2 × 2 blocks; black stays exactly black.
QImage halved(const QImage& image);

}  // namespace tarvik::assetgen
