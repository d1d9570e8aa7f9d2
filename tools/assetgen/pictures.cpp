#include "pictures.h"

#include "lettering.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvik::assetgen {

namespace {

void sparkle(QPainter& p, QPointF c, double size, QColor colour) {
    QPainterPath star;
    star.moveTo(c + QPointF(0, -size));
    star.quadTo(c, c + QPointF(size, 0));
    star.quadTo(c, c + QPointF(0, size));
    star.quadTo(c, c + QPointF(-size, 0));
    star.quadTo(c, c + QPointF(0, -size));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

// A chequered floor seen in perspective, sampled sixteen times per pixel
// so that the far rows blend instead of flickering.
void perspectiveFloor(QImage& image, int horizon, int from) {
    const QColor a(125, 30, 55), b(200, 160, 95), fog(70, 30, 90);
    const int n = 4;
    for (int y = from; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            double r = 0, g = 0, bl = 0;
            for (int s = 0; s < n * n; ++s) {
                const double sx = x + (s % n + 0.5) / n, sy = y + (s / n + 0.5) / n;
                const double depth = 900.0 / (sy - horizon);
                const double u = (sx - image.width() / 2.0) * depth / 170.0;
                const double v = depth / 2.6;
                const bool dark = (static_cast<int>(std::floor(u)) + static_cast<int>(std::floor(v))) % 2 != 0;
                const QColor c = mix(dark ? a : b, fog, std::clamp((depth - 9.0) / 16.0, 0.0, 0.8));
                r += c.red();
                g += c.green();
                bl += c.blue();
            }
            line[x] = qRgb(static_cast<int>(r / (n * n)), static_cast<int>(g / (n * n)), static_cast<int>(bl / (n * n)));
        }
    }
}

QLinearGradient goldAcross(double left, double right) {
    QLinearGradient g(QPointF(left, 0), QPointF(right, 0));
    g.setColorAt(0.0, QColor(110, 65, 5));
    g.setColorAt(0.25, QColor(255, 235, 140));
    g.setColorAt(0.45, QColor(240, 185, 40));
    g.setColorAt(0.8, QColor(170, 110, 10));
    g.setColorAt(1.0, QColor(90, 50, 0));
    return g;
}

// The cartoon: three cheerful atoms holding on to each other.
void cartoon(QPainter& p, const QRectF& area) {
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 100.0, area.height() / 75.0);
    auto bond = [&p](QPointF a, QPointF b) {
        p.setPen(QPen(QColor(60, 62, 75), 5.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(QColor(230, 232, 240), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };
    const QPointF left(17, 46), middle(50, 33), right(83, 46);
    bond(left, middle);
    bond(middle, right);
    auto face = [&p](QPointF c, double r, QColor colour, double look) {
        p.setPen(QPen(shade(colour, 0.3), 1.2));
        p.setBrush(shade(colour, 0.4));
        p.drawEllipse(c, r + 0.6, r + 0.6);
        glossyBall(p, c, r, colour);
        for (double side : {-1.0, 1.0}) {
            const QPointF eye = c + QPointF(side * r * 0.32, -r * 0.12);
            p.setPen(QPen(QColor(30, 30, 30), 0.6));
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(eye, r * 0.2, r * 0.26);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 20, 30));
            p.drawEllipse(eye + QPointF(look * r * 0.07, r * 0.05), r * 0.1, r * 0.13);
        }
        QPainterPath mouth;
        mouth.moveTo(c + QPointF(-r * 0.42, r * 0.28));
        mouth.quadTo(c + QPointF(0, r * 0.85), c + QPointF(r * 0.42, r * 0.28));
        mouth.quadTo(c + QPointF(0, r * 0.5), c + QPointF(-r * 0.42, r * 0.28));
        p.setPen(QPen(QColor(90, 0, 0), 0.7));
        p.setBrush(QColor(190, 20, 40));
        p.drawPath(mouth);
    };
    face(left, 12, QColor(40, 185, 60), 1.0);
    face(right, 12, QColor(45, 100, 235), -1.0);
    face(middle, 16, QColor(225, 45, 35), 0.0);
    // A few sparkles of joy.
    sparkle(p, QPointF(30, 14), 4.5, QColor(255, 240, 120));
    sparkle(p, QPointF(73, 18), 3.5, QColor(255, 255, 255));
    sparkle(p, QPointF(90, 64), 3.0, QColor(255, 240, 120));
    sparkle(p, QPointF(8, 64), 2.5, QColor(255, 255, 255));
    p.restore();
}

void sky(QPainter& p, const QRectF& r) {
    QRadialGradient g(r.center() - QPointF(0, r.height() * 0.2), r.width() * 0.75);
    g.setColorAt(0.0, QColor(120, 190, 255));
    g.setColorAt(0.6, QColor(40, 90, 200));
    g.setColorAt(1.0, QColor(15, 30, 100));
    p.fillRect(r, g);
}

}  // namespace

QImage testTube() {
    QImage image = opaqueImage(320, 240);
    {
        QPainter p(&image);
        QLinearGradient night(QPointF(0, 0), QPointF(0, 165));
        night.setColorAt(0.0, QColor(10, 15, 55));
        night.setColorAt(1.0, QColor(70, 25, 90));
        p.fillRect(QRectF(0, 0, 320, 165), night);
    }
    perspectiveFloor(image, 120, 165);
    QPainter p;
    beginSmooth(p, image);
    Dice dice(2024);
    for (int i = 0; i < 60; ++i) {
        const QPointF at(dice.between(0, 320), dice.between(0, 160));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, static_cast<int>(dice.between(60, 200))));
        p.drawEllipse(at, 0.7, 0.7);
    }
    const double cx = 156.0;
    // Shadow and stepped foot of the trophy.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(QPointF(cx + 8, 212), 46, 10);
    for (const auto& step : {std::array<double, 3>{205, 40, 8}, std::array<double, 3>{196, 30, 6}}) {
        p.setBrush(goldAcross(cx - step[1], cx + step[1]));
        p.drawRect(QRectF(cx - step[1], step[0] - step[2], 2 * step[1], step[2]));
        p.drawEllipse(QPointF(cx, step[0]), step[1], step[1] * 0.22);
        p.setBrush(QColor(255, 228, 130));
        p.drawEllipse(QPointF(cx, step[0] - step[2]), step[1], step[1] * 0.22);
    }
    // Two thin legs carry the ring that holds the tube.
    p.setBrush(goldAcross(cx - 24, cx + 24));
    p.drawRect(QRectF(cx - 22, 150, 3, 40));
    p.drawRect(QRectF(cx + 19, 150, 3, 40));

    const double left = cx - 16, right = cx + 16, top = 30, bottomCentre = 168;
    QPainterPath tube;
    tube.moveTo(left, top);
    tube.lineTo(left, bottomCentre);
    tube.arcTo(QRectF(left, bottomCentre - 16, 32, 32), 180, 180);
    tube.lineTo(right, top);
    tube.closeSubpath();
    // Clear glass with a golden brew up to a meniscus.
    QLinearGradient glass(QPointF(left, 0), QPointF(right, 0));
    glass.setColorAt(0.0, QColor(120, 110, 150, 170));
    glass.setColorAt(0.3, QColor(235, 235, 255, 120));
    glass.setColorAt(1.0, QColor(60, 50, 90, 170));
    p.setBrush(glass);
    p.drawPath(tube);
    const double surface = 72;
    p.save();
    p.setClipPath(tube);
    p.setBrush(goldAcross(left, right));
    p.drawRect(QRectF(left, surface, 32, 200));
    p.setBrush(QColor(255, 240, 170));
    p.drawEllipse(QPointF(cx, surface), 16, 3.5);
    // Bubbles rising through the brew.
    for (const auto& b : {std::array<double, 3>{cx - 6, 150, 2.6}, std::array<double, 3>{cx + 5, 128, 2.0},
                          std::array<double, 3>{cx - 3, 104, 2.4}, std::array<double, 3>{cx + 6, 88, 1.6}}) {
        p.setBrush(QColor(255, 250, 210, 200));
        p.drawEllipse(QPointF(b[0], b[1]), b[2], b[2]);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 245, 200), 1.4));
    p.drawPath(tube);
    // Graduation marks and a long highlight on the glass.
    p.setPen(QPen(QColor(120, 70, 0, 200), 1.0));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(right - 9, 92 + 14 * i), QPointF(right - 3, 92 + 14 * i));
    p.setPen(QPen(QColor(255, 255, 255, 210), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left + 6, top + 10), QPointF(left + 6, bottomCentre));
    // The lip of the tube and the holding ring.
    p.setPen(QPen(QColor(90, 50, 0), 1.0));
    p.setBrush(QColor(235, 235, 250, 200));
    p.drawRoundedRect(QRectF(left - 3, top - 4, 38, 7), 3, 3);
    p.setBrush(goldAcross(left - 7, right + 7));
    p.drawRoundedRect(QRectF(left - 7, 146, 46, 8), 3, 3);
    // The golden brew bubbling over.
    const double bubbles[][3] = {{cx - 4, 18, 4.0}, {cx + 6, 8, 3.0}, {cx - 1, 2, 2.0}, {cx + 10, 20, 2.4}};
    for (const auto& b : bubbles) {
        QRadialGradient g(QPointF(b[0] - b[2] * 0.4, b[1] - b[2] * 0.4), b[2] * 1.3);
        g.setColorAt(0.0, QColor(255, 255, 220));
        g.setColorAt(1.0, QColor(220, 160, 20));
        p.setPen(QPen(QColor(120, 70, 0), 0.8));
        p.setBrush(g);
        p.drawEllipse(QPointF(b[0], b[1]), b[2], b[2]);
    }
    sparkle(p, QPointF(cx + 20, 60), 7, QColor(255, 255, 255));
    sparkle(p, QPointF(cx - 22, 100), 5, QColor(255, 245, 160));
    sparkle(p, QPointF(cx + 22, 150), 4, QColor(255, 255, 255));
    sparkle(p, QPointF(cx - 6, 50), 3.5, QColor(255, 255, 255));
    p.end();
    return image;
}

QImage title() {
    QImage image = opaqueImage(200, 150);
    QPainter p;
    beginSmooth(p, image);
    sky(p, QRectF(0, 0, 200, 150));
    cartoon(p, QRectF(20, 2, 160, 100));
    p.end();
    colourfulLettering(image, QRectF(4, 100, 192, 46), {QStringLiteral("Tarvik Atoms")}, 1.6);
    QPainter frame(&image);
    frame.setPen(QPen(QColor(15, 30, 100), 1.0));
    frame.drawRect(QRectF(0, 0, 199, 149));
    frame.end();
    return image;
}

QImage info() {
    QImage image = opaqueImage(100, 75);
    QPainter p;
    beginSmooth(p, image);
    sky(p, QRectF(0, 0, 100, 75));
    cartoon(p, QRectF(0, 0, 100, 75));
    p.end();
    return image;
}

QImage logo() {
    QImage image = opaqueImage(119, 68, QColor(255, 255, 255));
    QPainter p;
    beginSmooth(p, image);
    const QColor teal(0, 105, 110), gold(225, 170, 40);
    // The guild's seal: a gold ring around a puzzle piece.
    const QPointF c(33.5, 34.0);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawEllipse(c, 31.0, 31.0);
    p.setBrush(teal);
    p.drawEllipse(c, 27.0, 27.0);
    QPainterPath piece;
    piece.addRect(QRectF(c.x() - 11, c.y() - 10, 22, 22));
    QPainterPath knobs;
    knobs.addEllipse(QPointF(c.x(), c.y() - 12.5), 5.0, 5.0);
    knobs.addEllipse(QPointF(c.x() + 13.5, c.y() + 1.0), 5.0, 5.0);
    QPainterPath sockets;
    sockets.addEllipse(QPointF(c.x() - 11.0, c.y() + 1.0), 4.2, 4.2);
    piece = piece.united(knobs).subtracted(sockets);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(piece);
    p.setBrush(gold);
    p.drawEllipse(QPointF(c.x() + 2, c.y() + 3), 3.0, 3.0);
    // The name beside it.
    const QFont big = boldFont(15), small = condensedBoldFont(8.5);
    p.setPen(teal);
    p.setFont(big);
    p.drawText(QRectF(66, 2, 52, 20), Qt::AlignCenter, QStringLiteral("GIPM"));
    p.setFont(small);
    p.drawText(QRectF(66, 22, 52, 11), Qt::AlignCenter, QStringLiteral("Guild of"));
    p.drawText(QRectF(64, 33, 56, 11), Qt::AlignCenter, QStringLiteral("Independent"));
    p.drawText(QRectF(66, 44, 52, 11), Qt::AlignCenter, QStringLiteral("Puzzle"));
    p.drawText(QRectF(66, 55, 52, 11), Qt::AlignCenter, QStringLiteral("Makers"));
    p.setPen(QPen(gold, 1.0));
    p.drawLine(QPointF(70, 21.5), QPointF(114, 21.5));
    p.end();
    return image;
}

}  // namespace tarvik::assetgen
