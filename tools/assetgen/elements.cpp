#include "elements.h"

#include "flask.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace tarvik::assetgen {

namespace {

constexpr double kCentre = kCell / 2.0;
// Small enough that the stubs between two neighbouring balls stay visible.
constexpr double kBallRadius = 9.5;

struct Element {
    const char* letters;
    QColor ball;
    QColor letter;
};

// Light letters on dark balls, dark letters on light ones.
Element elementFor(int picture) {
    switch (picture) {
        case 1: return {"H", QColor(40, 185, 60), QColor(255, 255, 255)};
        case 2: return {"O", QColor(45, 95, 235), QColor(255, 255, 255)};
        case 3: return {"C", QColor(220, 40, 35), QColor(255, 255, 255)};
        case 4: return {"N", QColor(25, 205, 225), QColor(0, 45, 70)};
        case 5: return {"S", QColor(240, 215, 30), QColor(80, 55, 0)};
        case 6: return {"F", QColor(215, 45, 210), QColor(255, 255, 255)};
        case 21: return {"Cl", QColor(150, 155, 162), QColor(255, 255, 255)};
        case 22: return {"Br", QColor(165, 210, 40), QColor(30, 65, 0)};
        case 23: return {"P", QColor(195, 110, 40), QColor(255, 255, 255)};
        case 24: return {"J", QColor(125, 185, 255), QColor(0, 40, 100)};
        default: return {"", QColor(), QColor()};
    }
}

void letteredBall(QPainter& painter, const Element& element) {
    const QPointF centre(kCentre, kCentre);
    glossyBall(painter, centre, kBallRadius, element.ball);
    const QString letters = QString::fromLatin1(element.letters);
    const QFont font = letters.size() > 1 ? condensedBoldFont(10.5) : boldFont(12.5);
    const bool lightLetter = element.letter.lightness() > 128;
    const QColor outline = lightLetter ? shade(element.ball, 0.35) : shade(element.ball, 1.5);
    centredText(painter, centre + QPointF(0.3, 0.6), letters, font, element.letter, outline, 1.6);
}

void mottledBall(QPainter& painter) {
    const QPointF centre(kCentre, kCentre);
    glossyBall(painter, centre, kBallRadius, QColor(245, 140, 20));
    painter.save();
    QPainterPath inside;
    inside.addEllipse(centre, kBallRadius - 1.0, kBallRadius - 1.0);
    painter.setClipPath(inside);
    painter.setPen(Qt::NoPen);
    Dice dice(1101);
    for (int i = 0; i < 16; ++i) {
        const double angle = dice.between(0.0, 2.0 * M_PI);
        const double dist = std::sqrt(dice.unit()) * (kBallRadius - 1.5);
        const double r = dice.between(0.9, 2.1);
        const bool dark = (i % 3) != 0;
        painter.setBrush(dark ? QColor(130, 50, 0, 150) : QColor(255, 215, 120, 150));
        painter.drawEllipse(centre + QPointF(std::cos(angle) * dist, std::sin(angle) * dist), r, r * 0.8);
    }
    painter.restore();
    // Keep the highlight on top of the spots.
    const QPointF spot = centre + QPointF(-0.42 * kBallRadius, -0.48 * kBallRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 245, 220, 200));
    painter.drawEllipse(spot, 2.6, 2.0);
}

// A metal rod of the given width from one point to another, shaded across
// its width as a cylinder. Used for bond stubs and for the bars, so that a
// bar lines up with the stubs of its neighbours.
void rod(QPainter& painter, QPointF from, QPointF to, double width) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF normal(-along.y() / length * width / 2.0, along.x() / length * width / 2.0);
    QLinearGradient gradient(from - normal, from + normal);
    gradient.setColorAt(0.0, QColor(105, 110, 125));
    gradient.setColorAt(0.35, QColor(245, 245, 250));
    gradient.setColorAt(0.6, QColor(210, 212, 222));
    gradient.setColorAt(1.0, QColor(85, 90, 105));
    QPainterPath body;
    body.moveTo(from - normal);
    body.lineTo(to - normal);
    body.lineTo(to + normal);
    body.lineTo(from + normal);
    body.closeSubpath();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(body);
    painter.restore();
}

void bar(QPainter& painter, int picture) {
    const double w = 4.0;
    switch (picture) {
        case 7: rod(painter, QPointF(-1, kCentre), QPointF(kCell + 1, kCentre), w); break;
        case 8: rod(painter, QPointF(-2, kCell + 2), QPointF(kCell + 2, -2), w); break;
        case 9: rod(painter, QPointF(kCentre, -1), QPointF(kCentre, kCell + 1), w); break;
        case 10: rod(painter, QPointF(-2, -2), QPointF(kCell + 2, kCell + 2), w); break;
        default: break;
    }
}

// Directions of the overlays as unit steps: right, upper-right, up, ...
constexpr std::array<std::array<int, 2>, 8> kDirections = {
    {{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

}  // namespace

QImage elementPicture(int picture) {
    QImage image = opaqueImage(kCell, kCell);
    QPainter painter;
    beginSmooth(painter, image);
    if (picture >= 7 && picture <= 10) {
        bar(painter, picture);
    } else if (picture == 11) {
        mottledBall(painter);
    } else if (picture >= 12 && picture <= 20) {
        drawFlask(painter, QRectF(3, 2, 24, 26), picture - 12);
    } else if (!elementFor(picture).ball.isValid()) {
        // No such picture: leave the cell black.
    } else {
        letteredBall(painter, elementFor(picture));
    }
    painter.end();
    return image;
}

QImage bondOverlay(int overlay) {
    QImage image = opaqueImage(kCell, kCell);
    if (overlay < 0 || overlay >= kBondOverlays) return image;
    QPainter painter;
    beginSmooth(painter, image);
    // Stubs start at the ball's rim, so that laid over a ball they never
    // change its colours; they run on to the edge or corner of the cell.
    QPainterPath outside;
    outside.addRect(QRectF(0, 0, kCell, kCell));
    QPainterPath ball;
    ball.addEllipse(QPointF(kCentre, kCentre), kBallRadius - 0.5, kBallRadius - 0.5);
    painter.setClipPath(outside.subtracted(ball));

    int direction = 0;
    int lines = 1;
    if (overlay < 8) {
        direction = overlay;
    } else {
        lines = overlay < 12 ? 2 : 3;
        direction = 2 * (overlay % 4);  // right, up, left, down
    }
    const double dx = kDirections[direction][0], dy = kDirections[direction][1];
    const QPointF centre(kCentre, kCentre);
    const QPointF beyond = centre + QPointF(dx, dy) * (kCentre + 3.0);
    if (lines == 1) {
        rod(painter, centre, beyond, 4.0);
    } else {
        // Parallel rods at whole-pixel offsets, so the pairs of neighbouring
        // cells meet pixel for pixel.
        const double width = lines == 2 ? 3.0 : 2.0;
        const double spacing = lines == 2 ? 7.0 : 5.0;
        const QPointF across(-dy, dx);
        for (int i = 0; i < lines; ++i) {
            const double offset = (i - (lines - 1) / 2.0) * spacing;
            rod(painter, centre + across * offset, beyond + across * offset, width);
        }
    }
    painter.end();
    return image;
}

}  // namespace tarvik::assetgen
