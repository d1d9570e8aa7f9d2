#include "flask.h"

#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tarvik::assetgen {

namespace {

// The outline in a unit box, so that the same flask serves the 30 × 30 tile
// and the taller marker beside the digits.
QPainterPath flaskOutline(const QRectF& box) {
    auto at = [&box](double u, double v) { return QPointF(box.left() + u * box.width(), box.top() + v * box.height()); };
    QPainterPath path;
    path.moveTo(at(0.39, 0.10));
    path.lineTo(at(0.39, 0.38));
    path.lineTo(at(0.10, 0.82));
    path.quadTo(at(0.05, 0.94), at(0.20, 0.95));
    path.lineTo(at(0.80, 0.95));
    path.quadTo(at(0.95, 0.94), at(0.90, 0.82));
    path.lineTo(at(0.61, 0.38));
    path.lineTo(at(0.61, 0.10));
    path.closeSubpath();
    return path;
}

}  // namespace

void drawFlask(QPainter& painter, const QRectF& box, int level) {
    level = std::clamp(level, 0, kFlaskLevels);
    const QPainterPath outline = flaskOutline(box);
    auto at = [&box](double u, double v) { return QPointF(box.left() + u * box.width(), box.top() + v * box.height()); };
    painter.save();
    painter.setPen(Qt::NoPen);

    // Glass body: a faint blue tint, brighter towards the light.
    QLinearGradient glass(at(0.1, 0), at(0.9, 0));
    glass.setColorAt(0.0, QColor(70, 95, 120));
    glass.setColorAt(0.5, QColor(35, 50, 70));
    glass.setColorAt(1.0, QColor(25, 35, 50));
    painter.setBrush(glass);
    painter.drawPath(outline);

    painter.save();
    painter.setClipPath(outline);
    const double top = 0.12, bottom = 0.95;
    if (level > 0) {
        const double surface = bottom - (bottom - top) * level / kFlaskLevels;
        const QRectF liquid(at(0.0, surface), at(1.0, 1.0));
        QLinearGradient green(at(0.1, 0), at(0.9, 0));
        green.setColorAt(0.0, QColor(120, 255, 130));
        green.setColorAt(0.45, QColor(40, 200, 60));
        green.setColorAt(1.0, QColor(15, 110, 30));
        painter.setBrush(green);
        painter.drawRect(liquid);
        painter.setBrush(QColor(190, 255, 190));
        painter.drawRect(QRectF(at(0.0, surface), QSizeF(box.width(), std::max(0.8, box.height() * 0.035))));
    }
    // Bubbles rise through the liquid, or fill the empty flask on their own.
    static const double bubbles[][3] = {{0.30, 0.84, 0.055}, {0.52, 0.76, 0.070}, {0.70, 0.86, 0.050},
                                        {0.44, 0.62, 0.050}, {0.62, 0.58, 0.040}, {0.50, 0.45, 0.045},
                                        {0.48, 0.28, 0.040}, {0.53, 0.18, 0.035}};
    const double size = std::min(box.width(), box.height());
    for (const auto& b : bubbles) {
        const QPointF c = at(b[0], b[1]);
        const double r = std::max(0.9, b[2] * size);
        painter.setBrush(level > 0 ? QColor(200, 255, 200) : QColor(60, 210, 80));
        painter.drawEllipse(c, r, r);
        painter.setBrush(QColor(230, 255, 230));
        painter.drawEllipse(c + QPointF(-0.35 * r, -0.35 * r), 0.35 * r, 0.35 * r);
    }
    painter.restore();

    // Rim, outline and a highlight streak down the left of the glass.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(200, 225, 245), std::max(1.0, size * 0.045)));
    painter.drawPath(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(215, 235, 250));
    painter.drawRoundedRect(QRectF(at(0.33, 0.05), at(0.67, 0.12)), 1.0, 1.0);
    painter.setPen(QPen(QColor(255, 255, 255, 200), std::max(0.8, size * 0.04), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(at(0.34, 0.50), at(0.20, 0.74));
    painter.restore();
}

}  // namespace tarvik::assetgen
