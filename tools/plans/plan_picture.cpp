#include "plan_picture.h"

namespace tarvik::plans {

namespace {

constexpr int kCell = 30;
constexpr int kPreviewCell = 15;
constexpr QPoint kBoard(8, 12);
constexpr QPoint kPreview(480, 200);
constexpr int kPreviewSize = 150;

// Pictures laid over a cell stand on black and are combined by bitwise OR.
void copyOr(QImage& target, const QImage& sheet, QRect from, QPoint to) {
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            QPoint s = from.topLeft() + QPoint(x, y), t = to + QPoint(x, y);
            if (!sheet.rect().contains(s) || !target.rect().contains(t)) continue;
            target.setPixel(t, target.pixel(t) | sheet.pixel(s) | 0xFF000000u);
        }
}

void copyReplace(QImage& target, const QImage& sheet, QRect from, QPoint to) {
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            QPoint s = from.topLeft() + QPoint(x, y), t = to + QPoint(x, y);
            if (sheet.rect().contains(s) && target.rect().contains(t)) target.setPixel(t, sheet.pixel(s) | 0xFF000000u);
        }
}

void fillBlack(QImage& target, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (target.rect().contains(x, y)) target.setPixel(x, y, 0xFF000000u);
}

// An atom: its element picture, then each of its bond stubs. `cell` is the
// tile size, `bondRow` the sheet row of the first stubs.
void drawAtom(QImage& target, const QImage& sheet, QPoint at, AtomKind kind, int cell, int elementRow, int bondRow) {
    fillBlack(target, QRect(at, QSize(cell, cell)));
    if (kind <= 0) return;
    const int n = (kind & 255) - 1;
    if (n >= 0 && n < 24) copyOr(target, sheet, QRect((n % 8) * cell, (elementRow + n / 8) * cell, cell, cell), at);
    const auto bonds = static_cast<std::uint32_t>(kind) >> 8;
    for (int k = 0; k < 16; ++k)
        if (bonds & (1u << k)) copyOr(target, sheet, QRect((k % 8) * cell, (bondRow + k / 8) * cell, cell, cell), at);
}

}  // namespace

QImage drawPlanPicture(const PlanRecord& plan, const PlanSheets& sheets) {
    QImage picture = sheets.backdrop.convertToFormat(QImage::Format_RGB32);
    if (picture.size() != QSize(650, 470)) {
        picture = QImage(650, 470, QImage::Format_RGB32);
        picture.fill(Qt::black);
    }
    const QImage tiles = sheets.tiles.convertToFormat(QImage::Format_RGB32);
    const QImage preview = sheets.preview.convertToFormat(QImage::Format_RGB32);
    for (int col = 0; col < 15; ++col)
        for (int row = 0; row < 15; ++row) {
            const QPoint at = kBoard + QPoint(col * kCell, row * kCell);
            const int code = plan.cell(col, row);
            if (code == 0)
                fillBlack(picture, QRect(at, QSize(kCell, kCell)));
            else if (code <= kSlotCount)
                drawAtom(picture, tiles, at, plan.atomKind[static_cast<std::size_t>(code)], kCell, 5, 9);
            else if (code >= 128 && code < 168)
                copyReplace(picture, tiles, QRect(((code - 128) % 8) * kCell, ((code - 128) / 8) * kCell, kCell, kCell), at);
            // Outside cells show the backdrop beneath them, which is already
            // there; an obstacle keeps whatever lies under it.
        }
    fillBlack(picture, QRect(kPreview, QSize(kPreviewSize, kPreviewSize)));
    const QPoint offset = kPreview + QPoint((kPreviewSize - kPreviewCell * plan.molWidth) / 2,
                                            (kPreviewSize - kPreviewCell * plan.molHeight) / 2);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const AtomKind kind = plan.atomKind[static_cast<std::size_t>(slot)];
        if (kind <= 0) continue;
        const QPoint at = offset + QPoint(kPreviewCell * plan.atomCol[static_cast<std::size_t>(slot)],
                                          kPreviewCell * plan.atomRow[static_cast<std::size_t>(slot)]);
        drawAtom(picture, preview, at, kind, kPreviewCell, 0, 3);
    }
    return picture;
}

}  // namespace tarvik::plans
