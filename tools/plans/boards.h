// Designed boards: a closed wall outline of some shape around the floor,
// everything outside it marked as outside cells, a few inner walls for the
// atoms to stop at, and wall tiles whose pipes join their neighbours.
#pragma once

#include <array>
#include <cstdint>
#include <random>

namespace tarvik::plans {

using BoardCells = std::array<std::uint8_t, 225>;

enum class BoardShape { Room, Octagon, Cross, LShape, TShape, Diamond, Ring, UShape, TwinRooms, HShape, Count };
const char* boardShapeName(BoardShape shape);

struct BoardDesign {
    BoardShape shape = BoardShape::Room;
    int width = 9;       // floor bounding box, at most 13
    int height = 9;
    int obstacles = 4;   // inner wall cells to place (in symmetric pairs)
    bool mirror = true;  // inner walls mirrored left to right, else turned half round
};

// A board with floor (0), wall tiles (128..167) and outside cells (168).
// The floor is one 4-connected region and the outline around it is closed.
BoardCells designBoard(const BoardDesign& design, std::mt19937& rng);

// Chooses the wall tile of every wall cell: pipes between neighbouring
// pipe walls, lamps where a pipe would end in nothing, framed blocks and
// crosses in the other styles. Cells other than walls stay as they are.
void chooseWallTiles(BoardCells& cells, int style, std::mt19937& rng);

// Wall tile showing pipes towards the given sides (bit 0 up, 1 right,
// 2 down, 3 left); -1 for a single pipe, which has no tile.
int pipeTile(int sides);
// The sides a pipe tile 24..35 shows pipes towards; -1 for other tiles.
int pipeSides(int tile);

}  // namespace tarvik::plans
