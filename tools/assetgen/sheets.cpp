#include "sheets.h"

#include "elements.h"
#include "flash.h"
#include "flask.h"
#include "paint_kit.h"
#include "walls.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>

namespace tarvik::assetgen {

namespace {

constexpr int kColumns = 8;

void place(QPainter& painter, const QImage& tile, int column, int row, int size) {
    painter.drawImage(QPoint(column * size, row * size), tile);
}

}  // namespace

QImage tileSheet() {
    QImage sheet = opaqueImage(kColumns * kCell, 11 * kCell);
    QPainter painter(&sheet);
    for (int n = 0; n < kWallTiles; ++n) place(painter, wallTile(n), n % kColumns, n / kColumns, kCell);
    for (int p = 1; p <= kElementPictures; ++p) {
        const int n = p - 1;
        place(painter, elementPicture(p), n % kColumns, 5 + n / kColumns, kCell);
    }
    // Columns 6 and 7 of the flash row stay black.
    for (int f = 0; f < kFlashFrames; ++f) place(painter, flashFrame(f), f, 8, kCell);
    for (int k = 0; k < kBondOverlays; ++k) place(painter, bondOverlay(k), k % kColumns, 9 + k / kColumns, kCell);
    painter.end();
    return sheet;
}

QImage previewSheet() {
    const int half = kCell / 2;
    QImage sheet = opaqueImage(kColumns * half, 5 * half);
    QPainter painter(&sheet);
    for (int p = 1; p <= kElementPictures; ++p) {
        const int n = p - 1;
        place(painter, halved(elementPicture(p)), n % kColumns, n / kColumns, half);
    }
    for (int k = 0; k < kBondOverlays; ++k) place(painter, halved(bondOverlay(k)), k % kColumns, 3 + k / kColumns, half);
    painter.end();
    return sheet;
}

QImage digitCell(int digit) {
    const int w = 30, h = 39;
    QPainterPath path;
    path.addText(0, 0, boldFont(33), QString::number(digit));
    const QRectF box = path.boundingRect();
    path.translate(QPointF(w / 2.0, h / 2.0) - box.center());

    QImage layer = clearImage(w, h);
    QPainter glowPainter;
    beginSmooth(glowPainter, layer);
    glowPainter.setPen(QPen(QColor(255, 90, 0, 170), 2.0));
    glowPainter.setBrush(QColor(255, 110, 0, 170));
    glowPainter.drawPath(path);
    glowPainter.end();
    const QImage glow = blurred(layer, 2);

    QImage cell = opaqueImage(w, h);
    QPainter painter;
    beginSmooth(painter, cell);
    painter.drawImage(0, 0, glow);
    QLinearGradient fire(QPointF(0, box.height() * -0.5 + h / 2.0), QPointF(0, box.height() * 0.5 + h / 2.0));
    fire.setColorAt(0.0, QColor(255, 252, 190));
    fire.setColorAt(0.35, QColor(255, 215, 60));
    fire.setColorAt(0.7, QColor(255, 140, 10));
    fire.setColorAt(1.0, QColor(210, 50, 0));
    painter.setPen(QPen(QColor(130, 25, 0), 1.0));
    painter.setBrush(fire);
    painter.drawPath(path);
    painter.end();
    // Fade the glow out towards the cell's edges, so that three digits side
    // by side show no seams and every cell keeps a black border.
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int edge = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
            if (edge >= 3) continue;
            const int keep = edge;  // 0, 1 or 2 thirds
            line[x] = qRgb(qRed(line[x]) * keep / 3, qGreen(line[x]) * keep / 3, qBlue(line[x]) * keep / 3);
        }
    }
    return cell;
}

QImage digitStrip() {
    QImage strip = opaqueImage(360, 39);
    QPainter painter;
    beginSmooth(painter, strip);
    for (int d = 0; d < 10; ++d) painter.drawImage(30 * d, 0, digitCell(d));
    drawFlask(painter, QRectF(300 + 1, 2, 28, 36), 0);
    drawFlask(painter, QRectF(330 + 1, 2, 28, 36), kFlaskLevels);
    painter.end();
    return strip;
}

}  // namespace tarvik::assetgen
