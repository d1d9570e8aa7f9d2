#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "core/cell_codes.h"
#include "ui/images.h"

namespace tarvik {

namespace {

constexpr int kCell = BoardView::kCell;

QRect sheetTile(int column, int row)
{
    return QRect(column * kCell, row * kCell, kCell, kCell);
}

}  // namespace

QRect wallTileRect(int tile) { return sheetTile(tile % 8, tile / 8); }
QRect elementTileRect(int picture) { return sheetTile((picture - 1) % 8, 5 + (picture - 1) / 8); }
QRect flashTileRect(int frame) { return sheetTile(frame, 8); }
QRect bondTileRect(int bond) { return sheetTile(bond % 8, 9 + bond / 8); }

QRect slideTrailingStrip(int px, int py, int dx, int dy, int step)
{
    int left = px, top = py, right = px + kCell, bottom = py + kCell;
    if (dx > 0)
        right = px + step;
    else if (dx < 0)
        left = px + kCell - step;
    else if (dy > 0)
        bottom = py + step;
    else
        top = py + kCell - step;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

BoardView::BoardView(const Images& images, const BoardSource& source, QWidget* parent)
    : QWidget(parent), images_(images), source_(source), surface_(kSize, kSize)
{
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void BoardView::boxPaint()
{
    for (int c = 0; c < kCells; ++c) {
        for (int r = 0; r < kCells; ++r) {
            const int code = source_.cell(c, r);
            const int x = c * kCell;
            const int y = r * kCell;
            if (code == 0)
                drawAtomCell(x, y, 0);
            else if (isAtomCode(code))
                drawAtomCell(x, y, source_.atomKind(code));
            else if (isWallCode(code))
                drawWallCell(x, y, code - 128);
            else
                // Outside cells show the backdrop beneath them. An obstacle is drawn as
                // nothing, so it shows what the window shows there, which is the backdrop
                // too; this surface is opaque, so it has to be copied in, or an obstacle
                // would show black floor or the wall of an earlier plan.
                paintBackdropCell(x, y);
        }
    }
    update();
}

void BoardView::paintAtomCell(int x, int y, AtomKind kind)
{
    drawAtomCell(x, y, kind);
    update(x, y, kCell, kCell);
}

void BoardView::paintWallCell(int x, int y, int tile)
{
    drawWallCell(x, y, tile);
    update(x, y, kCell, kCell);
}

void BoardView::drawAtomCell(int x, int y, std::int32_t kind)
{
    surface_.fillBlack(QRect(x, y, kCell, kCell));
    if (source_.solvedLook() || kind <= 0)
        return;
    const int n = (kind & 255) - 1;
    if (n >= 0 && n < 24)
        surface_.copyOr(images_.tileSheet, elementTileRect(n + 1), QPoint(x, y));
    const std::uint32_t bonds = static_cast<std::uint32_t>(kind) >> 8;
    for (int k = 0; k < 16; ++k) {
        if (bonds & (1u << k))
            surface_.copyOr(images_.tileSheet, bondTileRect(k), QPoint(x, y));
    }
}

void BoardView::drawWallCell(int x, int y, int tile)
{
    if (tile < 0)
        surface_.fillBlack(QRect(x, y, kCell, kCell));
    else
        surface_.copyReplace(images_.tileSheet, wallTileRect(tile), QPoint(x, y));
}

void BoardView::paintBackdropCell(int x, int y)
{
    const QPoint inBackdrop(kOrigin.x() + x, kOrigin.y() - kToolbarHeight + y);
    surface_.copyReplace(images_.backdrop, QRect(inBackdrop, QSize(kCell, kCell)), QPoint(x, y));
}

void BoardView::beginSlide(int px, int py, int dx, int dy, int step)
{
    slideX_ = px;
    slideY_ = py;
    slideDx_ = dx;
    slideDy_ = dy;
    slideStep_ = step;
    trailingStrip_ = slideTrailingStrip(px, py, dx, dy, step);
}

void BoardView::drawSlideStep()
{
    const QRect from(slideX_, slideY_, kCell, kCell);
    const int mx = slideStep_ * slideDx_;
    const int my = slideStep_ * slideDy_;
    surface_.copyWithin(from, QPoint(slideX_ + mx, slideY_ + my));
    surface_.fillBlack(trailingStrip_);
    slideX_ += mx;
    slideY_ += my;
    trailingStrip_.translate(mx, my);
    // Shown at once: the player must see each step, not only the end of the slide.
    repaint(from.united(from.translated(mx, my)));
}

void BoardView::paintFlashCell(int column, int row, int frame)
{
    const QPoint at(column * kCell, row * kCell);
    surface_.copyReplace(images_.tileSheet, flashTileRect(frame), at);
    repaint(QRect(at, QSize(kCell, kCell)));
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), surface_.image(), area);
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (onMouseDown) {
        const QPoint p = event->position().toPoint();
        onMouseDown(p.x(), p.y());
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    if (onMouseMove) {
        const QPoint p = event->position().toPoint();
        onMouseMove(p.x(), p.y());
    }
}

}  // namespace tarvik
