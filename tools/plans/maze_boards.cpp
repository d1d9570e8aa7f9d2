#include "maze_boards.h"

#include <algorithm>
#include <vector>

namespace tarvik::plans {

namespace {

constexpr std::uint8_t kWall = 128;
constexpr std::uint8_t kOutside = 168;
constexpr int kDx[] = {-1, 1, 0, 0};
constexpr int kDy[] = {0, 0, -1, 1};

bool isFloor(const BoardCells& cells, int x, int y) {
    return x >= 0 && x < 15 && y >= 0 && y < 15 && cells[static_cast<std::size_t>(y * 15 + x)] == 0;
}

// A wall may take this cell if the floor stays in one piece.
bool tryWall(BoardCells& cells, int x, int y) {
    if (!isFloor(cells, x, y)) return false;
    cells[static_cast<std::size_t>(y * 15 + x)] = kWall;
    if (floorIsConnected(cells)) return true;
    cells[static_cast<std::size_t>(y * 15 + x)] = 0;
    return false;
}

}  // namespace

bool floorIsConnected(const BoardCells& cells) {
    int first = -1, total = 0;
    for (int c = 0; c < 225; ++c)
        if (cells[static_cast<std::size_t>(c)] == 0) {
            ++total;
            if (first < 0) first = c;
        }
    if (first < 0) return false;
    std::array<bool, 225> seen{};
    std::vector<int> stack{first};
    seen[static_cast<std::size_t>(first)] = true;
    int reached = 0;
    while (!stack.empty()) {
        int c = stack.back();
        stack.pop_back();
        ++reached;
        for (int d = 0; d < 4; ++d) {
            int x = c % 15 + kDx[d], y = c / 15 + kDy[d];
            if (isFloor(cells, x, y) && !seen[static_cast<std::size_t>(y * 15 + x)]) {
                seen[static_cast<std::size_t>(y * 15 + x)] = true;
                stack.push_back(y * 15 + x);
            }
        }
    }
    return reached == total;
}

std::vector<int> innerCells(const BoardCells& cells) {
    std::vector<int> inner;
    for (int y = 1; y < 14; ++y)
        for (int x = 1; x < 14; ++x) {
            std::uint8_t v = cells[static_cast<std::size_t>(y * 15 + x)];
            if (v != 0 && (v < 128 || v >= 168)) continue;
            // A wall touching the outside belongs to the outline.
            bool outline = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (cells[static_cast<std::size_t>((y + dy) * 15 + x + dx)] >= kOutside) outline = true;
            if (v == 0 || !outline) inner.push_back(y * 15 + x);
        }
    return inner;
}

BoardCells designMaze(const MazeDesign& design, std::mt19937& rng) {
    BoardDesign outline;
    outline.shape = design.shape;
    outline.width = std::clamp(design.width, 3, 13);
    outline.height = std::clamp(design.height, 3, 13);
    outline.obstacles = 0;
    BoardCells cells = designBoard(outline, rng);
    const int density = std::clamp(design.density, 0, 100);
    const int left = (15 - outline.width) / 2, top = (15 - outline.height) / 2;
    // Posts on every other cell of the floor, like the joints of a maze; a
    // post may grow a run of wall towards a neighbouring post.
    const int phase = static_cast<int>(rng() % 2);
    for (int y = top + 1 + phase; y < top + outline.height - 1; y += 2)
        for (int x = left + 1 + phase; x < left + outline.width - 1; x += 2) {
            if (static_cast<int>(rng() % 100) >= density) continue;
            if (!tryWall(cells, x, y)) continue;
            if (static_cast<int>(rng() % 100) >= density) continue;
            int d = static_cast<int>(rng() % 4);
            tryWall(cells, x + kDx[d], y + kDy[d]);
        }
    return cells;
}

}  // namespace tarvik::plans
