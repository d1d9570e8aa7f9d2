#include "pictures.h"

#include "lettering.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
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

// A chequered floor seen in perspective, sampled four times per pixel.
void perspectiveFloor(QImage& image, int horizon, int from) {
    const QColor a(150, 40, 60), b(230, 190, 110), fog(60, 25, 80);
    for (int y = from; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            double r = 0, g = 0, bl = 0;
            for (int s = 0; s < 4; ++s) {
                const double sx = x + 0.25 + 0.5 * (s % 2), sy = y + 0.25 + 0.5 * (s / 2);
                const double depth = 900.0 / (sy - horizon);
                const double u = (sx - image.width() / 2.0) * depth / 60.0;
                const double v = depth / 1.6;
                const bool dark = (static_cast<int>(std::floor(u)) + static_cast<int>(std::floor(v))) % 2 != 0;
                const QColor c = mix(dark ? a : b, fog, std::clamp((depth - 12.0) / 30.0, 0.0, 0.85));
                r += c.red();
                g += c.green();
                bl += c.blue();
            }
            line[x] = qRgb(static_cast<int>(r / 4), static_cast<int>(g / 4), static_cast<int>(bl / 4));
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
    const QPointF left(22, 44), middle(50, 34), right(78, 46);
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
    // Waving arms of the outer two, and a few sparkles of joy.
    p.setPen(QPen(QColor(40, 40, 50), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 40), QPointF(4, 30));
    p.drawLine(QPointF(89, 42), QPointF(96, 32));
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
    // Shadow, foot and holder of the trophy.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(QPointF(cx + 6, 206), 44, 10);
    p.setBrush(goldAcross(cx - 36, cx + 36));
    p.drawRect(QRectF(cx - 36, 192, 72, 8));
    p.drawEllipse(QPointF(cx, 200), 36, 8);
    p.setBrush(QColor(255, 230, 140));
    p.drawEllipse(QPointF(cx, 192), 36, 8);
    p.setBrush(goldAcross(cx - 30, cx + 30));
    p.drawEllipse(QPointF(cx, 192), 31, 6);
    p.setBrush(goldAcross(cx - 4, cx + 4));
    p.drawRect(QRectF(cx - 4, 168, 8, 24));
    // The tube itself, rounded at the bottom.
    QPainterPath tube;
    tube.moveTo(cx - 14, 34);
    tube.lineTo(cx - 14, 160);
    tube.arcTo(QRectF(cx - 14, 146, 28, 28), 180, 180);
    tube.lineTo(cx + 14, 34);
    tube.closeSubpath();
    p.setPen(QPen(QColor(90, 50, 0), 1.2));
    p.setBrush(goldAcross(cx - 14, cx + 14));
    p.drawPath(tube);
    // Rim and the holder ring around the tube.
    p.setBrush(goldAcross(cx - 18, cx + 18));
    p.drawRoundedRect(QRectF(cx - 18, 28, 36, 8), 3, 3);
    p.drawRoundedRect(QRectF(cx - 17, 128, 34, 7), 3, 3);
    p.setPen(QPen(QColor(255, 255, 230, 220), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 8, 42), QPointF(cx - 8, 122));
    p.drawLine(QPointF(cx - 8, 140), QPointF(cx - 8, 158));
    // The golden brew bubbling over.
    const double bubbles[][3] = {{cx - 4, 20, 4.0}, {cx + 6, 10, 3.0}, {cx - 1, 3, 2.2}, {cx + 9, 22, 2.4}};
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
