#include "flash.h"

#include "elements.h"
#include "paint_kit.h"

#include <QRadialGradient>

#include <cmath>

namespace tarvik::assetgen {

namespace {

void glow(QPainter& painter, QPointF c, double radius, int alpha) {
    QRadialGradient g(c, radius);
    g.setColorAt(0.0, QColor(255, 250, 200, alpha));
    g.setColorAt(0.35, QColor(255, 190, 60, alpha));
    g.setColorAt(0.7, QColor(240, 90, 0, alpha * 2 / 3));
    g.setColorAt(1.0, QColor(120, 20, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(g);
    painter.drawEllipse(c, radius, radius);
}

}  // namespace

QImage flashFrame(int frame) {
    QImage image = opaqueImage(kCell, kCell);
    if (frame < 0 || frame >= kFlashFrames - 1) return image;
    QPainter painter;
    beginSmooth(painter, image);
    const QPointF c(kCell / 2.0, kCell / 2.0);
    const double fade = 1.0 - frame / 5.0;  // 1, .8, .6, .4, .2
    if (frame == 0) {
        glow(painter, c, 14.5, 255);
        glossyBall(painter, c, 8.5, QColor(255, 150, 20));
    } else {
        // Sparks fly outwards while the core shrinks and dims.
        glow(painter, c, 15.0 - 2.0 * frame, static_cast<int>(235 * fade));
        Dice dice(500 + static_cast<std::uint32_t>(frame));
        const int sparks = 10;
        for (int i = 0; i < sparks; ++i) {
            const double angle = 2.0 * M_PI * i / sparks + dice.between(-0.25, 0.25);
            const double inner = 3.0 + 3.0 * frame, outer = inner + 5.0 - frame * 0.6;
            const QPointF a = c + QPointF(std::cos(angle), std::sin(angle)) * inner;
            const QPointF b = c + QPointF(std::cos(angle), std::sin(angle)) * outer;
            painter.setPen(QPen(QColor(255, static_cast<int>(120 + 120 * fade), static_cast<int>(40 * fade),
                                       static_cast<int>(255 * fade)),
                                2.2 - 0.35 * frame, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(a, b);
        }
    }
    painter.end();
    return image;
}

}  // namespace tarvik::assetgen
