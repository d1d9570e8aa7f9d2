#pragma once

#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "core/ports.h"
#include "ui/surface.h"

namespace tarvik {

struct Images;

// What the board shows: the live cells, the kinds of the atoms on them, and
// whether the plan has just been solved (atom cells are then drawn as floor).
class BoardSource {
public:
    virtual ~BoardSource() = default;
    virtual std::uint8_t cell(int column, int row) const = 0;
    virtual std::int32_t atomKind(int atom) const = 0;  // atom 1..50
    virtual bool solvedLook() const = 0;
};

// The board `box`: 450 x 450 pixels, 15 x 15 cells of 30 x 30, drawn on its own
// surface. The window system's paint only shows that surface; what is on it
// changes only through the operations below, so a slide or a hint picture
// survives an expose.
class BoardView : public QWidget, public BoardCanvas {
public:
    static constexpr int kCell = 30;
    static constexpr int kCells = 15;
    static constexpr int kSize = kCell * kCells;
    // The board's place in the window; outside cells show the backdrop beneath them.
    static constexpr QPoint kOrigin{8, 45};
    static constexpr int kToolbarHeight = 33;

    BoardView(const Images& images, const BoardSource& source, QWidget* parent = nullptr);

    // Redraws all 225 cells from the board, column by column, each top to bottom.
    void boxPaint();
    // One cell at pixel (x, y); kind 0 or less paints empty floor.
    void paintAtomCell(int x, int y, AtomKind kind) override;
    // A wall tile 0..39; a negative tile paints empty floor.
    void paintWallCell(int x, int y, int tile);

    // The slide: the picture on screen at (px, py) moves by `step` pixels per call
    // in direction (dx, dy), leaving black floor behind.
    void beginSlide(int px, int py, int dx, int dy, int step) override;
    void drawSlideStep();
    void slideStep() override { drawSlideStep(); }

    // Solve-flash frame 0..5 copied over the cell, shown at once.
    void paintFlashCell(int column, int row, int frame) override;

    // Called with board pixels; every mouse button acts alike.
    std::function<void(int x, int y)> onMouseDown;
    std::function<void(int x, int y)> onMouseMove;

    Surface& surface() { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The same without asking for a repaint, for whole-board drawing.
    void drawAtomCell(int x, int y, std::int32_t kind);
    void drawWallCell(int x, int y, int tile);
    // The backdrop's 30 x 30 block beneath the cell.
    void paintBackdropCell(int x, int y);

    const Images& images_;
    const BoardSource& source_;
    Surface surface_;

    // Slide in progress.
    int slideX_ = 0;
    int slideY_ = 0;
    int slideDx_ = 0;
    int slideDy_ = 0;
    int slideStep_ = 0;
    QRect trailingStrip_;
};

// The tile sheet's layout.
QRect wallTileRect(int tile);          // 0..39
QRect elementTileRect(int picture);    // 1..24
QRect flashTileRect(int frame);        // 0..5
QRect bondTileRect(int bond);          // 0..15
// The trailing strip of a slide starting with the picture at (px, py); right and
// bottom exclusive in the arithmetic, as a QRect of the strip's pixels.
QRect slideTrailingStrip(int px, int py, int dx, int dy, int step);

}  // namespace tarvik
