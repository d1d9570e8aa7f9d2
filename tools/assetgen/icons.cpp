#include "icons.h"

#include "paint_kit.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>

namespace tarvik::assetgen {

namespace {

// Letters smaller than this many pixels are a smudge, not a letter.
constexpr double kSmallestLetter = 5.0;

QPen roundPen(QColor c, double w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// The molecule is designed on a 32-unit square; k is pixels per unit.
void paintIcon(QPainter& p, double k) {
    auto at = [k](double x, double y) { return QPointF(x * k, y * k); };
    auto bond = [&p, k](QPointF a, QPointF b) {
        p.setPen(roundPen(QColor(70, 72, 85), 4.6 * k));
        p.drawLine(a, b);
        p.setPen(roundPen(QColor(225, 228, 236), 2.4 * k));
        p.drawLine(a, b);
    };
    const QPointF carbon = at(12.5, 17.5), hydrogen = at(26.2, 6.0), oxygen = at(25.8, 26.0), other = at(5.0, 5.2);
    bond(carbon, hydrogen);
    bond(carbon, oxygen);
    bond(carbon, other);
    auto atom = [&p, k](QPointF c, double r, QColor colour, const char* letter) {
        const double radius = r * k;
        // A rim thinner than a pixel vanishes into the gloss at small sizes.
        p.setPen(QPen(shade(colour, 0.3), std::max(1.0, k)));
        p.setBrush(shade(colour, 0.4));
        p.drawEllipse(c, radius + 0.5 * k, radius + 0.5 * k);
        glossyBall(p, c, radius, colour);
        const double letterSize = radius * 1.25;
        if (letterSize >= kSmallestLetter)
            centredText(p, c + QPointF(0.2 * k, 0.4 * k), QString::fromLatin1(letter), boldFont(letterSize),
                        QColor(255, 255, 255), shade(colour, 0.3), 1.4 * k);
    };
    atom(other, 4.3, QColor(40, 185, 60), "H");
    atom(hydrogen, 4.6, QColor(40, 185, 60), "H");
    atom(oxygen, 5.2, QColor(45, 95, 235), "O");
    atom(carbon, 7.4, QColor(220, 40, 35), "C");
}

}  // namespace

QImage appIcon(int size) {
    QImage image = clearImage(size, size);
    QPainter painter;
    beginSmooth(painter, image);
    // Below the window's size the rims would touch the edge; half a pixel of air keeps them round.
    const double margin = size < 32 ? 0.5 : 0.0;
    painter.translate(margin, margin);
    paintIcon(painter, (size - 2 * margin) / 32.0);
    painter.end();
    return image;
}

QByteArray appIconSvg() {
    constexpr int kCanvas = 256;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kCanvas, kCanvas));
    svg.setViewBox(QRect(0, 0, kCanvas, kCanvas));
    svg.setResolution(96);
    svg.setTitle(QStringLiteral("Tarvik Atoms"));
    svg.setDescription(QStringLiteral("A molecule of four atoms"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    paintIcon(painter, kCanvas / 32.0);
    painter.end();
    return bytes;
}

}  // namespace tarvik::assetgen
