#include "lettering.h"

#include "paint_kit.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace tarvik::assetgen {

void colourfulLettering(QImage& image, const QRectF& area, const QStringList& lines, double outline) {
    static const std::array<QColor, 11> colours = {
        QColor(225, 40, 35),  QColor(45, 100, 235), QColor(40, 185, 60),  QColor(240, 200, 20),
        QColor(215, 45, 210), QColor(25, 190, 215), QColor(245, 130, 20), QColor(45, 100, 235),
        QColor(40, 185, 60),  QColor(225, 40, 35),  QColor(240, 200, 20)};
    const QFont font = boldFont(40);
    const QFontMetricsF metrics(font);
    const double lineHeight = area.height() / std::max<qsizetype>(1, lines.size());

    QImage shadowLayer = clearImage(image.width(), image.height());
    QImage letterLayer = clearImage(image.width(), image.height());
    QPainter shadowPainter, letterPainter;
    beginSmooth(shadowPainter, shadowLayer);
    beginSmooth(letterPainter, letterLayer);
    size_t colour = 0;
    for (qsizetype l = 0; l < lines.size(); ++l) {
        QPainterPath whole;
        whole.addText(0, 0, font, lines[l]);
        const QRectF box = whole.boundingRect();
        const double scale = std::min((area.width() - 2 * outline - 4) / box.width(),
                                      (lineHeight - 2 * outline - 3) / box.height());
        const QPointF target(area.center().x(), area.top() + lineHeight * (l + 0.5));
        QTransform place;
        place.translate(target.x(), target.y());
        place.scale(scale, scale);
        place.translate(-box.center().x(), -box.center().y());
        double pen = 0;
        for (QChar ch : lines[l]) {
            QPainterPath glyph;
            glyph.addText(pen, 0, font, QString(ch));
            pen += metrics.horizontalAdvance(ch);
            if (ch.isSpace()) continue;
            const QPainterPath placed = place.map(glyph);
            const QColor base = colours[colour++ % colours.size()];
            shadowPainter.setPen(QPen(QColor(0, 0, 0, 150), outline + 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            shadowPainter.setBrush(QColor(0, 0, 0, 150));
            shadowPainter.drawPath(placed.translated(outline + 0.5, outline + 0.5));
            const QRectF b = placed.boundingRect();
            QLinearGradient g(b.topLeft(), b.bottomLeft());
            g.setColorAt(0.0, shade(base, 1.6));
            g.setColorAt(0.45, base);
            g.setColorAt(1.0, shade(base, 0.55));
            letterPainter.setPen(QPen(shade(base, 0.3), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            letterPainter.setBrush(g);
            letterPainter.drawPath(placed);
            // A white gleam across the upper part of every letter.
            letterPainter.save();
            letterPainter.setClipPath(placed);
            letterPainter.setPen(Qt::NoPen);
            letterPainter.setBrush(QColor(255, 255, 255, 90));
            letterPainter.drawRect(QRectF(b.left(), b.top(), b.width(), b.height() * 0.32));
            letterPainter.restore();
        }
    }
    shadowPainter.end();
    letterPainter.end();
    QPainter painter(&image);
    painter.drawImage(0, 0, blurred(shadowLayer, 1));
    painter.drawImage(0, 0, letterLayer);
    painter.end();
}

}  // namespace tarvik::assetgen
