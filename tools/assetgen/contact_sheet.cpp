#include "contact_sheet.h"

#include "backdrop.h"
#include "elements.h"
#include "glyphs.h"
#include "pictures.h"
#include "sheets.h"
#include "sounds.h"
#include "walls.h"

#include "paint_kit.h"

#include <algorithm>

namespace tarvik::assetgen {

namespace {

const QColor kPaper(52, 56, 64);
const QColor kInk(235, 235, 240);

void caption(QPainter& p, int x, int y, const QString& text, int size = 13) {
    p.setPen(kInk);
    p.setFont(boldFont(size));
    p.drawText(QPoint(x, y), text);
}

void enlarged(QPainter& p, int x, int y, const QImage& image, int factor) {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(x, y, image.width() * factor, image.height() * factor), image);
    p.restore();
}

// Tiles of a sheet spread apart, each with its number below.
int spreadSheet(QPainter& p, int x, int y, const QImage& sheet, int tile, int factor, int firstRow, int rows,
                int firstNumber) {
    const int cell = tile * factor, step = cell + 6, rowStep = cell + 18;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < 8; ++c) {
            const QImage t = sheet.copy(c * tile, (firstRow + r) * tile, tile, tile);
            const int tx = x + c * step, ty = y + r * rowStep;
            enlarged(p, tx, ty, t, factor);
            p.setPen(QColor(150, 155, 165));
            p.setFont(boldFont(10));
            p.drawText(QPoint(tx, ty + cell + 12), QString::number(firstNumber + r * 8 + c));
        }
    return y + rows * rowStep;
}

void orInto(QImage& target, int x, int y, const QImage& tile) {
    for (int ty = 0; ty < tile.height(); ++ty)
        for (int tx = 0; tx < tile.width(); ++tx)
            target.setPixel(x + tx, y + ty, target.pixel(x + tx, y + ty) | tile.pixel(tx, ty));
}

// A corner of a board, put together the way the game draws it.
QImage sampleBoard() {
    struct Cell {
        int col, row;
        int wall;     // >= 0: wall tile
        int picture;  // > 0: atom picture
        int bonds;    // bond mask
        bool outside;
    };
    auto wall = [](int col, int row, int tile) { return Cell{col, row, tile, 0, 0, false}; };
    auto atom = [](int col, int row, int picture, int bonds) { return Cell{col, row, -1, picture, bonds, false}; };
    auto outside = [](int col, int row) { return Cell{col, row, -1, 0, 0, true}; };
    auto bit = [](int k) { return 1 << k; };
    const Cell cells[] = {
        wall(0, 0, 0), wall(1, 0, 3), wall(2, 0, 5), wall(3, 0, 10), wall(4, 0, 16), wall(5, 0, 21), wall(6, 0, 23),
        wall(0, 1, 30), wall(1, 1, 25), wall(2, 1, 25), wall(3, 1, 25), wall(4, 1, 29),
        atom(5, 1, 5, bit(12)), atom(6, 1, 24, bit(14)),
        wall(0, 2, 26), atom(1, 2, 1, bit(0)), atom(2, 2, 3, bit(4) | bit(8) | bit(6) | bit(7)),
        atom(3, 2, 2, bit(10)), wall(4, 2, 26), outside(5, 2), outside(6, 2),
        wall(0, 3, 26), atom(1, 3, 11, 0), atom(2, 3, 9, 0), atom(3, 3, 21, bit(3)), wall(4, 3, 26),
        wall(5, 3, 37), outside(6, 3),
        wall(0, 4, 26), atom(1, 4, 22, bit(0)), atom(2, 4, 4, bit(2) | bit(4)), atom(3, 4, 20, 0), wall(4, 4, 26),
        wall(5, 4, 38), outside(6, 4),
        wall(0, 5, 27), wall(1, 5, 25), wall(2, 5, 25), wall(3, 5, 25), wall(4, 5, 28), wall(5, 5, 39), outside(6, 5),
    };
    const QImage sheet = tileSheet();
    const QImage back = backdrop();
    QImage board = opaqueImage(7 * kCell, 6 * kCell);
    for (const Cell& c : cells) {
        const int x = c.col * kCell, y = c.row * kCell;
        if (c.outside) {
            QPainter p(&board);
            p.drawImage(x, y, back.copy(8 + x, 12 + y, kCell, kCell));
        } else if (c.picture > 0) {
            const int n = c.picture - 1;
            orInto(board, x, y, sheet.copy((n % 8) * kCell, (5 + n / 8) * kCell, kCell, kCell));
            for (int k = 0; k < 16; ++k)
                if (c.bonds & (1 << k)) orInto(board, x, y, sheet.copy((k % 8) * kCell, (9 + k / 8) * kCell, kCell, kCell));
        } else if (c.wall >= 0) {
            QPainter p(&board);
            p.drawImage(x, y, sheet.copy((c.wall % 8) * kCell, (c.wall / 8) * kCell, kCell, kCell));
        }
    }
    return board;
}

void waveform(QPainter& p, int x, int y, int w, int h, int cue) {
    const std::vector<std::uint8_t> s = cueSamples(cue);
    p.fillRect(QRect(x, y, w, h), QColor(20, 22, 26));
    p.setPen(QColor(90, 200, 255));
    for (int i = 0; i < w; ++i) {
        const size_t a = s.size() * static_cast<size_t>(i) / static_cast<size_t>(w);
        const size_t b = std::max(a + 1, s.size() * static_cast<size_t>(i + 1) / static_cast<size_t>(w));
        int lo = 255, hi = 0;
        for (size_t k = a; k < b && k < s.size(); ++k) {
            lo = std::min<int>(lo, s[k]);
            hi = std::max<int>(hi, s[k]);
        }
        p.drawLine(x + i, y + h - 1 - hi * (h - 1) / 255, x + i, y + h - 1 - lo * (h - 1) / 255);
    }
}

}  // namespace

QImage contactSheet() {
    QImage sheet = opaqueImage(1640, 1900, kPaper);
    QPainter p;
    beginSmooth(p, sheet);
    caption(p, 10, 26, QStringLiteral("Tarvik Atoms: every picture and sound"), 18);

    // Left column: the tile sheet, row block by row block.
    const QImage tiles = tileSheet();
    int y = 50;
    caption(p, 10, y, QStringLiteral("tilesheet.png: wall tiles 0..39 (x3)"));
    y = spreadSheet(p, 10, y + 8, tiles, 30, 3, 0, 5, 0) + 10;
    caption(p, 10, y, QStringLiteral("element pictures 1..24"));
    y = spreadSheet(p, 10, y + 8, tiles, 30, 3, 5, 3, 1) + 10;
    caption(p, 10, y, QStringLiteral("flash frames 0..5, two black tiles"));
    y = spreadSheet(p, 10, y + 8, tiles, 30, 3, 8, 1, 0) + 10;
    caption(p, 10, y, QStringLiteral("bond overlays 0..15"));
    spreadSheet(p, 10, y + 8, tiles, 30, 3, 9, 2, 0);

    // Right column: the other sheets, glyphs and pictures.
    const int rx = 800;
    y = 50;
    caption(p, rx, y, QStringLiteral("previewsheet.png (x3)"));
    enlarged(p, rx, y + 8, previewSheet(), 3);
    caption(p, rx + 390, y, QStringLiteral("sample board (x2)"));
    enlarged(p, rx + 390, y + 8, sampleBoard(), 2);
    y += 8 + 375;
    caption(p, rx, y, QStringLiteral("digitstrip.png (x2)"));
    enlarged(p, rx, y + 8, digitStrip(), 2);
    y += 8 + 78 + 26;
    caption(p, rx, y, QStringLiteral("glyphs (x3), magenta is transparent"));
    y += 10;
    int gx = rx, rowHeight = 0;
    for (const NamedGlyph& g : glyphs()) {
        const int w = g.image.width() * 3, h = g.image.height() * 3;
        if (gx + w > 1630) {
            gx = rx;
            y += rowHeight + 22;
            rowHeight = 0;
        }
        enlarged(p, gx, y, g.image, 3);
        p.setPen(QColor(170, 175, 185));
        p.setFont(boldFont(10));
        p.drawText(QPoint(gx, y + h + 12), g.name);
        gx += std::max(w, 60) + 14;
        rowHeight = std::max(rowHeight, h);
    }
    y += rowHeight + 40;
    caption(p, rx, y, QStringLiteral("icon.png (x3)"));
    enlarged(p, rx, y + 8, windowIcon(), 3);
    caption(p, rx + 120, y, QStringLiteral("logo.png (x2)"));
    enlarged(p, rx + 120, y + 8, logo(), 2);
    caption(p, rx + 370, y, QStringLiteral("info.png (x2)"));
    enlarged(p, rx + 370, y + 8, info(), 2);
    y += 8 + 160;
    caption(p, rx, y, QStringLiteral("testtube.png"));
    p.drawImage(rx, y + 8, testTube());
    caption(p, rx + 340, y, QStringLiteral("title.png"));
    p.drawImage(rx + 340, y + 8, title());

    // Bottom: the backdrop and the sounds.
    y = 1390;
    caption(p, 10, y, QStringLiteral("backdrop.png"));
    p.drawImage(10, y + 8, backdrop());
    const char* names[] = {"cue1 pick-up", "cue2 put-down", "cue3 solved", "cue4 hint", "cue5 all solved",
                           "cue6 slide tick (loop)"};
    for (int cue = 1; cue <= 6; ++cue) {
        const int sy = y + (cue - 1) * 80;
        const CueFormat f = kCueFormats[static_cast<size_t>(cue - 1)];
        caption(p, 700, sy, QStringLiteral("%1: %2 samples @ %3 Hz").arg(QLatin1String(names[cue - 1])).arg(f.samples).arg(f.rate), 11);
        waveform(p, 700, sy + 6, 920, 56, cue);
    }
    p.end();
    return sheet;
}

}  // namespace tarvik::assetgen
