// Boards for deep plans: a room of a chosen size whose floor is broken up by
// posts and short wall runs, as thick as the maze density asks. Where an
// atom stops depends on these walls, so they decide how long the way is.
#pragma once

#include <random>

#include "boards.h"

namespace tarvik::plans {

struct MazeDesign {
    BoardShape shape = BoardShape::Room;
    int width = 9;     // floor bounding box, 3..13
    int height = 9;
    int density = 40;  // 0 an empty room .. 100 a post on every other cell with a wall run at each
};

// Walls (code 128, tiles not chosen yet), floor and outside cells; the floor
// stays one 4-connected region.
BoardCells designMaze(const MazeDesign& design, std::mt19937& rng);

// Whether the floor cells (code 0) form one 4-connected region.
bool floorIsConnected(const BoardCells& cells);

// Cells inside the outline that may become inner walls or floor again: the
// floor cells of the design and its inner walls.
std::vector<int> innerCells(const BoardCells& cells);

}  // namespace tarvik::plans
