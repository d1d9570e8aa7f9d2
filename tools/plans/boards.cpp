#include "boards.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tarvik::plans {

namespace {

constexpr std::uint8_t kFloor = 0;
constexpr std::uint8_t kWall = 128;      // tile chosen later
constexpr std::uint8_t kOutside = 168;

using Mask = std::array<bool, 225>;

int at(int x, int y) { return y * 15 + x; }
bool inside(int x, int y) { return x >= 0 && x < 15 && y >= 0 && y < 15; }

Mask shapeMask(const BoardDesign& design, std::mt19937& rng) {
    Mask floor{};
    int w = std::clamp(design.width, 3, 13), h = std::clamp(design.height, 3, 13);
    int left = (15 - w) / 2, top = (15 - h) / 2;
    auto box = [&](int x0, int y0, int x1, int y1, bool value) {  // inclusive
        for (int y = std::max(y0, 1); y <= std::min(y1, 13); ++y)
            for (int x = std::max(x0, 1); x <= std::min(x1, 13); ++x) floor[static_cast<std::size_t>(at(x, y))] = value;
    };
    int right = left + w - 1, bottom = top + h - 1;
    int cw = std::max(1, w / 3), ch = std::max(1, h / 3);
    switch (design.shape) {
    case BoardShape::Room:
    case BoardShape::Count:
        box(left, top, right, bottom, true);
        break;
    case BoardShape::Octagon: {
        box(left, top, right, bottom, true);
        int c = std::max(1, std::min(w, h) / 4);
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                int dx = std::min(x - left, right - x), dy = std::min(y - top, bottom - y);
                if (dx + dy < c) floor[static_cast<std::size_t>(at(x, y))] = false;
            }
        break;
    }
    case BoardShape::Cross:
        box(left, top + ch, right, bottom - ch, true);
        box(left + cw, top, right - cw, bottom, true);
        break;
    case BoardShape::LShape: {
        box(left, top, right, bottom, true);
        int corner = static_cast<int>(rng() % 4);
        int qx = corner % 2 == 0 ? left : right - cw + 1, qy = corner < 2 ? top : bottom - ch + 1;
        box(qx, qy, qx + cw - 1, qy + ch - 1, false);
        break;
    }
    case BoardShape::TShape:
        box(left, top, right, bottom, true);
        box(left, bottom - ch + 1, left + cw - 1, bottom, false);
        box(right - cw + 1, bottom - ch + 1, right, bottom, false);
        break;
    case BoardShape::Diamond: {
        double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
        double rx = w / 2.0 + 0.5, ry = h / 2.0 + 0.5;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                if (std::abs(x - cx) / rx + std::abs(y - cy) / ry <= 1.01) floor[static_cast<std::size_t>(at(x, y))] = true;
        break;
    }
    case BoardShape::Ring: {
        box(left, top, right, bottom, true);
        int iw = std::max(1, w - 6), ih = std::max(1, h - 6);
        int ix = left + (w - iw) / 2, iy = top + (h - ih) / 2;
        if (w >= 7 && h >= 7) box(ix, iy, ix + iw - 1, iy + ih - 1, false);
        break;
    }
    case BoardShape::UShape:
        box(left, top, right, bottom, true);
        box(left + cw, top, right - cw, top + ch - 1, false);
        break;
    case BoardShape::TwinRooms: {
        int half = (w - 1) / 2;
        box(left, top, left + half - 1, bottom, true);
        box(right - half + 1, top, right, bottom, true);
        int doorY = top + h / 2;
        box(left + half, doorY - 1, right - half, doorY, true);
        break;
    }
    case BoardShape::HShape:
        box(left, top, right, bottom, true);
        box(left + cw, top, right - cw, top + ch - 1, false);
        box(left + cw, bottom - ch + 1, right - cw, bottom, false);
        break;
    }
    return floor;
}

bool floorConnected(const Mask& floor) {
    int first = -1, total = 0;
    for (int c = 0; c < 225; ++c)
        if (floor[static_cast<std::size_t>(c)]) {
            ++total;
            if (first < 0) first = c;
        }
    if (first < 0) return false;
    Mask seen{};
    std::vector<int> stack{first};
    seen[static_cast<std::size_t>(first)] = true;
    int count = 0;
    while (!stack.empty()) {
        int c = stack.back();
        stack.pop_back();
        ++count;
        int x = c % 15, y = c / 15;
        const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, 1, -1};
        for (int d = 0; d < 4; ++d) {
            int nx = x + dx[d], ny = y + dy[d];
            if (inside(nx, ny) && floor[static_cast<std::size_t>(at(nx, ny))] && !seen[static_cast<std::size_t>(at(nx, ny))]) {
                seen[static_cast<std::size_t>(at(nx, ny))] = true;
                stack.push_back(at(nx, ny));
            }
        }
    }
    return count == total;
}

}  // namespace

const char* boardShapeName(BoardShape shape) {
    static const char* const names[] = {"room", "octagon", "cross", "l-shape", "t-shape", "diamond", "ring", "u-shape", "twin rooms", "h-shape"};
    int i = static_cast<int>(shape);
    return i >= 0 && i < 10 ? names[i] : "room";
}

int pipeTile(int sides) {
    // Bits: 1 up, 2 right, 4 down, 8 left.
    static const int tiles[16] = {24, -1, -1, 27, -1, 26, 30, 35, -1, 28, 25, 32, 29, 33, 34, 31};
    return tiles[sides & 15];
}

int pipeSides(int tile) {
    for (int s = 0; s < 16; ++s)
        if (pipeTile(s) == tile) return s;
    return -1;
}

BoardCells designBoard(const BoardDesign& design, std::mt19937& rng) {
    Mask floor = shapeMask(design, rng);
    // Inner walls in symmetric pairs, never cutting the floor apart and never
    // touching the outline (so that a gap of floor runs all round).
    int placed = 0;
    for (int attempt = 0; attempt < 400 && placed < design.obstacles; ++attempt) {
        int x = 1 + static_cast<int>(rng() % 13), y = 1 + static_cast<int>(rng() % 13);
        int mx = 14 - x, my = design.mirror ? y : 14 - y;
        if (!floor[static_cast<std::size_t>(at(x, y))] || !floor[static_cast<std::size_t>(at(mx, my))]) continue;
        bool nearOutline = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                for (auto [px, py] : {std::pair{x, y}, std::pair{mx, my}})
                    if (!inside(px + dx, py + dy) || !floor[static_cast<std::size_t>(at(px + dx, py + dy))]) nearOutline = true;
        // Mostly free-standing; now and then one grows out of a wall.
        if (nearOutline && rng() % 4 != 0) continue;
        Mask trial = floor;
        trial[static_cast<std::size_t>(at(x, y))] = false;
        trial[static_cast<std::size_t>(at(mx, my))] = false;
        if (!floorConnected(trial)) continue;
        floor = trial;
        placed += (x == mx && y == my) ? 1 : 2;
    }
    BoardCells cells{};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
            if (floor[static_cast<std::size_t>(at(x, y))]) {
                cells[static_cast<std::size_t>(at(x, y))] = kFloor;
                continue;
            }
            bool besideFloor = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (inside(x + dx, y + dy) && floor[static_cast<std::size_t>(at(x + dx, y + dy))]) besideFloor = true;
            cells[static_cast<std::size_t>(at(x, y))] = besideFloor ? kWall : kOutside;
        }
    return cells;
}

void chooseWallTiles(BoardCells& cells, int style, std::mt19937& rng) {
    auto isWall = [&](int x, int y) { return inside(x, y) && cells[static_cast<std::size_t>(at(x, y))] >= 128 && cells[static_cast<std::size_t>(at(x, y))] < 168; };
    // Walls that touch outside cells belong to the outline; the rest stand inside.
    std::array<bool, 225> outline{};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
            if (!isWall(x, y)) continue;
            bool outer = x == 0 || y == 0 || x == 14 || y == 14;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (inside(x + dx, y + dy) && cells[static_cast<std::size_t>(at(x + dx, y + dy))] >= 168) outer = true;
            outline[static_cast<std::size_t>(at(x, y))] = outer;
        }
    int block = static_cast<int>(rng() % 24);
    int innerBlock = static_cast<int>(rng() % 24);
    int lamp = 36 + static_cast<int>(rng() % 3);
    std::array<bool, 225> pipe{};
    for (int c = 0; c < 225; ++c) {
        if (!isWall(c % 15, c / 15)) continue;
        // Style 0: every wall a pipe; 1: pipe outline, framed inner blocks;
        // 2: framed outline, pipe inner walls; 3: framed blocks and crosses.
        bool o = outline[static_cast<std::size_t>(c)];
        pipe[static_cast<std::size_t>(c)] = style == 0 || (style == 1 && o) || (style == 2 && !o);
    }
    auto sidesOf = [&](int x, int y) {
        int s = 0;
        const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
        for (int d = 0; d < 4; ++d) {
            int nx = x + dx[d], ny = y + dy[d];
            if (inside(nx, ny) && pipe[static_cast<std::size_t>(at(nx, ny))]) s |= 1 << d;
        }
        return s;
    };
    // A pipe that would end in nothing becomes a lamp; repeat until none is left.
    std::array<int, 225> accent{};
    for (bool changed = true; changed;) {
        changed = false;
        for (int c = 0; c < 225; ++c) {
            if (!pipe[static_cast<std::size_t>(c)]) continue;
            int s = sidesOf(c % 15, c / 15);
            if (pipeTile(s) < 0) {
                pipe[static_cast<std::size_t>(c)] = false;
                accent[static_cast<std::size_t>(c)] = lamp;
                changed = true;
            }
        }
    }
    for (int c = 0; c < 225; ++c) {
        int x = c % 15, y = c / 15;
        if (!isWall(x, y)) continue;
        int tile;
        if (pipe[static_cast<std::size_t>(c)]) {
            tile = pipeTile(sidesOf(x, y));
        } else if (accent[static_cast<std::size_t>(c)] != 0) {
            tile = accent[static_cast<std::size_t>(c)];
        } else if (outline[static_cast<std::size_t>(c)]) {
            tile = block;
            // Framed outlines get lamps at their outer corners.
            int around = 0;
            const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
            for (int d = 0; d < 4; ++d)
                if (isWall(x + dx[d], y + dy[d]) && outline[static_cast<std::size_t>(at(x + dx[d], y + dy[d]))]) around |= 1 << d;
            bool corner = around == 3 || around == 6 || around == 12 || around == 9;
            if (corner && style == 3) tile = lamp;
        } else {
            tile = style == 3 ? 39 : innerBlock;
        }
        cells[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(128 + tile);
    }
}

}  // namespace tarvik::plans
