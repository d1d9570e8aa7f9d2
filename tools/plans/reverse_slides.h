// Going a move back: an atom that rests on a cell stopped there sliding
// towards a direction only if the cell beyond blocks, and then it may have
// left any free cell behind it, up to the first blocker. The backward
// searches, the generator's scatter and the path back from a goal all go
// back this way, on a board or on the search's bit lines.
#pragma once

#include "boards.h"
#include "search_model.h"

namespace tarvik::plans {

// Calls visit(origin) for each cell the atom on `cell` may have come from
// sliding towards `dir` (Left, Right, Up, Down), nearest first, until visit
// returns false. A cell of `board` that is not 0 blocks, and so does the
// border. Returns false when visit stopped it.
template <typename Visit>
bool forEachSlideOrigin(const BoardCells& board, int cell, int dir, Visit&& visit)
{
    constexpr int kDx[] = {-1, 1, 0, 0};
    constexpr int kDy[] = {0, 0, -1, 1};
    const auto blocks = [&board](int x, int y) { return x < 0 || x > 14 || y < 0 || y > 14 || board[static_cast<std::size_t>(y * 15 + x)] != 0; };
    const int x = cell % 15, y = cell / 15, dx = kDx[dir], dy = kDy[dir];
    if (!blocks(x + dx, y + dy)) return true;
    for (int qx = x - dx, qy = y - dy; !blocks(qx, qy); qx -= dx, qy -= dy)
        if (!visit(qy * 15 + qx)) return false;
    return true;
}

// The same on bit lines, where the atoms are marked along with the walls.
template <typename Visit>
bool forEachSlideOrigin(const Occupancy& occupied, int cell, int dir, Visit&& visit)
{
    if (occupied.slideEnd(cell, dir) != cell) return true;
    constexpr int kStep[] = {-1, 1, -15, 15};
    const int last = occupied.slideEnd(cell, dir ^ 1);
    for (int from = cell; from != last;) {
        from -= kStep[dir];
        if (!visit(from)) return false;
    }
    return true;
}

}  // namespace tarvik::plans
