#include "backdrop.h"

#include "lettering.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tarvik::assetgen {

namespace {

constexpr double kHexSize = 17.0;  // centre to corner
const double kRoot3 = std::sqrt(3.0);

// Height of the relief: raised honeycomb lines with a small dome on every
// corner, like a sheet of molecule rings pressed into the metal.
double relief(double x, double y) {
    const double q = (2.0 / 3.0 * x) / kHexSize;
    const double r = (-1.0 / 3.0 * x + kRoot3 / 3.0 * y) / kHexSize;
    double cx = q, cz = r, cy = -q - r;
    double rx = std::round(cx), ry = std::round(cy), rz = std::round(cz);
    const double dx = std::abs(rx - cx), dy = std::abs(ry - cy), dz = std::abs(rz - cz);
    if (dx > dy && dx > dz) rx = -ry - rz;
    else if (dy > dz) ry = -rx - rz;
    else rz = -rx - ry;
    const double centreX = kHexSize * 1.5 * rx;
    const double centreY = kHexSize * kRoot3 * (rz + rx / 2.0);
    const double px = x - centreX, py = y - centreY;
    const double apothem = kHexSize * kRoot3 / 2.0;
    const double norm = std::max(std::abs(py), std::abs(px) * kRoot3 / 2.0 + std::abs(py) / 2.0);
    const double toEdge = apothem - norm;
    double h = std::pow(std::max(0.0, 1.0 - toEdge / 2.2), 2.0);
    for (int k = 0; k < 6; ++k) {
        const double vx = kHexSize * std::cos(M_PI / 3.0 * k), vy = kHexSize * std::sin(M_PI / 3.0 * k);
        const double d = std::hypot(px - vx, py - vy);
        if (d < 3.6) h = std::max(h, 1.2 * std::sqrt(1.0 - (d / 3.6) * (d / 3.6)));
    }
    return h;
}

void framePanel(QImage& image, const QRect& inside) {
    QPainter painter(&image);
    // A soft shadow to the lower right lifts the frame off the texture.
    for (int i = 1; i <= 3; ++i) {
        const QRect shadow = inside.adjusted(-3 + i + 1, -3 + i + 1, 3 + i, 3 + i);
        painter.fillRect(shadow, QColor(0, 0, 0, 26));
    }
    static const std::array<QColor, 3> rings = {QColor(150, 10, 0), QColor(255, 212, 0), QColor(225, 40, 0)};
    for (int i = 0; i < 3; ++i) painter.fillRect(inside.adjusted(-3 + i, -3 + i, 3 - i, 3 - i), rings[static_cast<size_t>(i)]);
    // A lighter line on the yellow ring's upper and left side gives it relief.
    const QRect yellow = inside.adjusted(-2, -2, 2, 2);
    painter.fillRect(QRect(yellow.left(), yellow.top(), yellow.width() - 1, 1), QColor(255, 240, 90));
    painter.fillRect(QRect(yellow.left(), yellow.top(), 1, yellow.height() - 1), QColor(255, 240, 90));
    painter.fillRect(inside, QColor(0, 0, 0));
    painter.end();
}

}  // namespace

QImage embossedTexture(int width, int height) {
    std::vector<double> h(static_cast<size_t>(width + 2) * (height + 2));
    auto at = [&](int x, int y) -> double& { return h[static_cast<size_t>(y + 1) * (width + 2) + (x + 1)]; };
    for (int y = -1; y <= height; ++y)
        for (int x = -1; x <= width; ++x)
            at(x, y) = relief(x + 0.5, y + 0.5) + 0.35 * valueNoise(x, y, 6.0, 77);
    QImage image = opaqueImage(width, height);
    Dice grain(4242);
    for (int y = 0; y < height; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double light = at(x - 1, y - 1) - at(x + 1, y + 1);
            const double cloud = valueNoise(x, y, 90.0, 12) - 0.5;
            const double g = 196.0 + 42.0 * light + 22.0 * cloud + grain.between(-3.0, 3.0);
            const int v = std::clamp(static_cast<int>(std::lround(g)), 0, 255);
            line[x] = qRgb(std::max(0, v - 3), std::max(0, v - 1), std::min(255, v + 3));
        }
    }
    return image;
}

QImage backdrop() {
    QImage image = embossedTexture(kBackdropWidth, kBackdropHeight);
    framePanel(image, kUpperPanel);
    framePanel(image, kLowerPanel);
    colourfulLettering(image, QRectF(kLettering), {QStringLiteral("Tarvik"), QStringLiteral("Atoms")});
    return image;
}

}  // namespace tarvik::assetgen
