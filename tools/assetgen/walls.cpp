#include "walls.h"

#include "elements.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace tarvik::assetgen {

namespace {

constexpr double kC = kCell / 2.0;

// Bevelled frame: light on the upper and left edges, dark on the others.
void bevel(QPainter& painter, const QRectF& r, QColor base, int width) {
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < width; ++i) {
        const QRectF ring = r.adjusted(i, i, -i, -i);
        const double t = static_cast<double>(i) / width;
        painter.setBrush(shade(base, 1.55 - 0.25 * t));
        painter.drawRect(QRectF(ring.left(), ring.top(), ring.width(), 1));
        painter.drawRect(QRectF(ring.left(), ring.top(), 1, ring.height()));
        painter.setBrush(shade(base, 0.45 + 0.15 * t));
        painter.drawRect(QRectF(ring.left() + 1, ring.bottom() - 1, ring.width() - 1, 1));
        painter.drawRect(QRectF(ring.right() - 1, ring.top() + 1, 1, ring.height() - 1));
    }
    painter.restore();
}

void metalFace(QPainter& painter, const QRectF& r, QColor base) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, shade(base, 1.22));
    g.setColorAt(0.5, base);
    g.setColorAt(1.0, shade(base, 0.78));
    painter.fillRect(r, g);
}

void rivet(QPainter& painter, QPointF c, QColor base, double r = 1.6) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade(base, 0.45));
    painter.drawEllipse(c + QPointF(0.5, 0.5), r, r);
    QRadialGradient g(c, r, c - QPointF(r * 0.4, r * 0.4));
    g.setColorAt(0.0, shade(base, 1.8));
    g.setColorAt(1.0, shade(base, 0.9));
    painter.setBrush(g);
    painter.drawEllipse(c, r, r);
    painter.restore();
}

// A groove cut into the metal: dark line with a light lip below/right.
void groove(QPainter& painter, QPointF a, QPointF b, QColor base) {
    painter.save();
    painter.setPen(QPen(shade(base, 0.5), 1.0));
    painter.drawLine(a, b);
    painter.setPen(QPen(shade(base, 1.45), 1.0));
    painter.drawLine(a + QPointF(1, 1), b + QPointF(1, 1));
    painter.restore();
}

constexpr std::array<QRgb, 6> kMetals = {qRgb(150, 156, 168), qRgb(92, 112, 156), qRgb(172, 128, 76),
                                         qRgb(104, 108, 118), qRgb(160, 86, 62), qRgb(118, 132, 86)};

void surfacePattern(QPainter& painter, int pattern, const QRectF& face, QColor base) {
    const double l = face.left(), t = face.top(), r = face.right(), b = face.bottom();
    painter.save();
    painter.setClipRect(face);
    switch (pattern) {
        case 0:  // smooth plate with four rivets
            for (double x : {l + 3.5, r - 3.5})
                for (double y : {t + 3.5, b - 3.5}) rivet(painter, QPointF(x, y), base, 1.4);
            break;
        case 1:  // brushed across
            for (double y = t + 1; y < b; y += 2)
                painter.fillRect(QRectF(l, y, face.width(), 1), QColor(255, 255, 255, (int(y) * 37 % 5) * 9 + 10));
            break;
        case 2:  // brushed down
            for (double x = l + 1; x < r; x += 2)
                painter.fillRect(QRectF(x, t, 1, face.height()), QColor(0, 0, 0, (int(x) * 29 % 5) * 9 + 12));
            break;
        case 3: {  // tread plate
            painter.setPen(Qt::NoPen);
            for (int iy = 0; iy < 4; ++iy)
                for (int ix = 0; ix < 4; ++ix) {
                    const QPointF c(l + 3 + ix * 5.5 + (iy % 2) * 2.5, t + 3 + iy * 5.5);
                    painter.save();
                    painter.translate(c);
                    painter.rotate(iy % 2 ? 45 : -45);
                    painter.setBrush(shade(base, 0.55));
                    painter.drawRoundedRect(QRectF(-2.5, -0.6, 5, 1.8), 0.8, 0.8);
                    painter.setBrush(shade(base, 1.5));
                    painter.drawRoundedRect(QRectF(-2.5, -1.0, 5, 1.2), 0.6, 0.6);
                    painter.restore();
                }
            break;
        }
        case 4:  // cross grooves
            groove(painter, QPointF(l, kC - 0.5), QPointF(r, kC - 0.5), base);
            groove(painter, QPointF(kC - 0.5, t), QPointF(kC - 0.5, b), base);
            break;
        case 5:  // grid of dimples
            for (double y = t + 3; y < b - 1; y += 5)
                for (double x = l + 3; x < r - 1; x += 5) {
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(shade(base, 0.55));
                    painter.drawEllipse(QPointF(x, y), 1.1, 1.1);
                    painter.setBrush(shade(base, 1.5));
                    painter.drawEllipse(QPointF(x + 0.6, y + 0.6), 0.6, 0.6);
                }
            break;
        case 6:  // hazard stripes
            painter.setPen(QPen(shade(base, 0.62), 2.5));
            for (double k = -face.height(); k < face.width(); k += 6)
                painter.drawLine(QPointF(l + k, b), QPointF(l + k + face.height(), t));
            break;
        case 7: {  // inset panel
            const QRectF inner = face.adjusted(4, 4, -4, -4);
            painter.fillRect(inner, shade(base, 0.85));
            painter.setPen(QPen(shade(base, 0.5), 1));
            painter.drawLine(inner.topLeft(), inner.topRight());
            painter.drawLine(inner.topLeft(), inner.bottomLeft());
            painter.setPen(QPen(shade(base, 1.5), 1));
            painter.drawLine(inner.bottomLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomRight());
            break;
        }
        case 8: {  // round boss
            const QPointF c(kC, kC);
            QRadialGradient g(c, 7, c - QPointF(3, 3));
            g.setColorAt(0.0, shade(base, 1.7));
            g.setColorAt(0.7, base);
            g.setColorAt(1.0, shade(base, 0.5));
            painter.setPen(QPen(shade(base, 0.45), 1));
            painter.setBrush(g);
            painter.drawEllipse(c, 6.5, 6.5);
            break;
        }
        case 9:  // vent slots
            for (int i = 0; i < 4; ++i) {
                const QRectF slot(l + 4, t + 4 + i * 4.5, face.width() - 8, 2);
                painter.fillRect(slot, QColor(20, 20, 24));
                painter.fillRect(QRectF(slot.left(), slot.bottom(), slot.width(), 1), shade(base, 1.5));
            }
            break;
        case 10: {  // hexagonal bolt
            QPainterPath hex;
            for (int i = 0; i < 6; ++i) {
                const double a = M_PI / 3 * i + M_PI / 6;
                const QPointF p(kC + 5.5 * std::cos(a), kC + 5.5 * std::sin(a));
                if (i == 0) hex.moveTo(p); else hex.lineTo(p);
            }
            hex.closeSubpath();
            QLinearGradient g(QPointF(kC - 5, kC - 5), QPointF(kC + 5, kC + 5));
            g.setColorAt(0.0, shade(base, 1.6));
            g.setColorAt(1.0, shade(base, 0.55));
            painter.setPen(QPen(shade(base, 0.4), 1));
            painter.setBrush(g);
            painter.drawPath(hex);
            painter.setPen(Qt::NoPen);
            painter.setBrush(shade(base, 0.7));
            painter.drawEllipse(QPointF(kC, kC), 2, 2);
            break;
        }
        case 11:  // chequer
            for (int iy = 0; iy < 4; ++iy)
                for (int ix = 0; ix < 4; ++ix)
                    if ((ix + iy) % 2 == 0)
                        painter.fillRect(QRectF(l + ix * face.width() / 4, t + iy * face.height() / 4,
                                                face.width() / 4, face.height() / 4),
                                         QColor(0, 0, 0, 45));
            break;
        default: break;
    }
    painter.restore();
}

void framedBlock(QPainter& painter, const QRectF& r, QColor base, int frame) {
    metalFace(painter, r, base);
    bevel(painter, r, base, frame);
}

void pipe(QPainter& painter, QPointF from, QPointF to) {
    const bool horizontal = std::abs(from.y() - to.y()) < 0.01;
    const double w = 8.0;
    QRectF body = horizontal ? QRectF(std::min(from.x(), to.x()), from.y() - w / 2, std::abs(to.x() - from.x()), w)
                             : QRectF(from.x() - w / 2, std::min(from.y(), to.y()), w, std::abs(to.y() - from.y()));
    QLinearGradient g = horizontal ? QLinearGradient(body.topLeft(), body.bottomLeft())
                                   : QLinearGradient(body.topLeft(), body.topRight());
    g.setColorAt(0.0, QColor(20, 90, 30));
    g.setColorAt(0.35, QColor(140, 240, 140));
    g.setColorAt(0.65, QColor(50, 180, 60));
    g.setColorAt(1.0, QColor(10, 70, 20));
    painter.fillRect(body, g);
    // A flange where the pipe meets the edge of the cell.
    const QRectF flange = horizontal ? QRectF(to.x() < kC ? 0 : kCell - 3, from.y() - w / 2 - 1.5, 3, w + 3)
                                     : QRectF(from.x() - w / 2 - 1.5, to.y() < kC ? 0 : kCell - 3, w + 3, 3);
    QLinearGradient fg = horizontal ? QLinearGradient(flange.topLeft(), flange.bottomLeft())
                                    : QLinearGradient(flange.topLeft(), flange.topRight());
    fg.setColorAt(0.0, QColor(40, 120, 45));
    fg.setColorAt(0.4, QColor(170, 250, 170));
    fg.setColorAt(1.0, QColor(15, 80, 25));
    painter.fillRect(flange, fg);
}

// Pipe stubs of the tiles 24..35, as (left, right, up, down).
constexpr std::array<std::array<bool, 4>, 12> kPipes = {{
    {false, false, false, false},  // 24 none
    {true, true, false, false},    // 25 left and right
    {false, false, true, true},    // 26 up and down
    {false, true, true, false},    // 27 up and right
    {true, false, true, false},    // 28 up and left
    {true, false, false, true},    // 29 left and down
    {false, true, false, true},    // 30 right and down
    {true, true, true, true},      // 31 all four
    {true, true, true, false},     // 32 up, left and right
    {true, false, true, true},     // 33 up, left and down
    {true, true, false, true},     // 34 left, right and down
    {false, true, true, true},     // 35 up, right and down
}};

void pipeBlock(QPainter& painter, int variant) {
    painter.fillRect(QRectF(0, 0, kCell, kCell), QColor(22, 24, 30));
    const auto& p = kPipes[variant];
    if (p[0]) pipe(painter, QPointF(kC, kC), QPointF(0, kC));
    if (p[1]) pipe(painter, QPointF(kC, kC), QPointF(kCell, kC));
    if (p[2]) pipe(painter, QPointF(kC, kC), QPointF(kC, 0));
    if (p[3]) pipe(painter, QPointF(kC, kC), QPointF(kC, kCell));
    framedBlock(painter, QRectF(7, 7, 16, 16), QColor(150, 156, 168), 2);
    rivet(painter, QPointF(kC, kC), QColor(150, 156, 168), 2.0);
}

// A plus-shaped block, bevelled along its whole outline so that the two
// arms read as one piece.
void cross(QPainter& painter, QColor base) {
    painter.fillRect(QRectF(0, 0, kCell, kCell), QColor(0, 0, 0));
    const double a = kC - 7, b = kC + 7, e = kCell;  // arm from a to b
    QPainterPath shape;
    shape.addRect(QRectF(a, 0, b - a, e));
    shape.addRect(QRectF(0, a, e, b - a));
    shape.setFillRule(Qt::WindingFill);
    shape = shape.simplified();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipPath(shape);
    metalFace(painter, QRectF(0, 0, kCell, kCell), base);
    const int width = 2;
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < width; ++i) {
        const QColor light = shade(base, 1.55 - 0.25 * i), dark = shade(base, 0.45 + 0.15 * i);
        // Edges facing up or left catch the light; those facing down or right are in shadow.
        painter.setBrush(light);
        painter.drawRect(QRectF(a, i, b - a, 1));           // top of the upper arm
        painter.drawRect(QRectF(i, a, 1, b - a));           // left of the left arm
        painter.drawRect(QRectF(0, a + i, a + 1, 1));       // top of the left arm
        painter.drawRect(QRectF(b, a + i, e - b, 1));       // top of the right arm
        painter.drawRect(QRectF(a + i, 0, 1, a + 1));       // left of the upper arm
        painter.drawRect(QRectF(a + i, b, 1, e - b));       // left of the lower arm
        painter.setBrush(dark);
        painter.drawRect(QRectF(a + 1, e - 1 - i, b - a - 1, 1));  // bottom of the lower arm
        painter.drawRect(QRectF(e - 1 - i, a + 1, 1, b - a - 1));  // right of the right arm
        painter.drawRect(QRectF(1, b - 1 - i, a, 1));              // bottom of the left arm
        painter.drawRect(QRectF(b - 1, b - 1 - i, e - b + 1, 1));  // bottom of the right arm
        painter.drawRect(QRectF(b - 1 - i, 1, 1, a));              // right of the upper arm
        painter.drawRect(QRectF(b - 1 - i, b - 1, 1, e - b + 1));  // right of the lower arm
    }
    painter.restore();
}

void lamp(QPainter& painter, QColor glow, bool lit) {
    const QPointF c(kC, kC);
    painter.setPen(QPen(QColor(40, 40, 44), 1.2));
    painter.setBrush(QColor(70, 72, 78));
    painter.drawEllipse(c, 6.2, 6.2);
    QRadialGradient g(c, 5.2, c - QPointF(1.8, 1.8));
    g.setColorAt(0.0, lit ? shade(glow, 1.85) : QColor(235, 235, 235));
    g.setColorAt(0.5, glow);
    g.setColorAt(1.0, shade(glow, 0.45));
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    painter.drawEllipse(c, 5.0, 5.0);
    painter.setBrush(QColor(255, 255, 255, 210));
    painter.drawEllipse(c - QPointF(1.8, 1.9), 1.5, 1.1);
}

}  // namespace

QImage wallTile(int tile) {
    QImage image = opaqueImage(kCell, kCell);
    QPainter painter;
    beginSmooth(painter, image);
    if (tile >= 0 && tile < 24) {
        const QColor base = QColor::fromRgb(kMetals[static_cast<size_t>(tile / 4)]);
        framedBlock(painter, QRectF(0, 0, kCell, kCell), base, 3);
        surfacePattern(painter, tile % 12, QRectF(3, 3, kCell - 6, kCell - 6), base);
    } else if (tile >= 24 && tile < 36) {
        pipeBlock(painter, tile - 24);
    } else if (tile >= 36 && tile < 39) {
        cross(painter, QColor(140, 146, 158));
        static const QColor lamps[] = {QColor(150, 150, 150), QColor(40, 220, 60), QColor(235, 40, 30)};
        lamp(painter, lamps[tile - 36], tile != 36);
    } else if (tile == 39) {
        cross(painter, QColor(150, 150, 150));
    }
    painter.end();
    return image;
}

}  // namespace tarvik::assetgen
