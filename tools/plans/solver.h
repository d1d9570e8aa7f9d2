// An exact solver for plans: the least number of moves (pick up an atom,
// push it once so that it slides, put it down) that completes the molecule.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "molecules_layout.h"

namespace tarvik::plans {

// A plan as the solver sees it: the start board's cell codes, the kind of
// every atom number, and the molecule's cells relative to its top-left
// corner.
struct Puzzle {
    std::array<std::uint8_t, 225> board{};
    std::array<std::int32_t, 51> kinds{};  // index = atom number 1..50
    std::vector<LaidAtom> molecule;
    int molWidth = 1;
    int molHeight = 1;
};

enum Direction : int { Left = 0, Right = 1, Up = 2, Down = 3 };
const char* directionName(int dir);
int directionFromName(const std::string& name);  // -1 when unknown

struct SolveMove {
    int col = 0;
    int row = 0;
    int dir = 0;
    bool operator==(const SolveMove&) const = default;
};

// Pushes the atom on (col, row) once; the same rule as the game's slide: it
// moves until the next cell is off the board or holds any non-zero code.
// False (and no change) when there is no atom there or it cannot move.
bool pushAtom(std::array<std::uint8_t, 225>& board, int col, int row, int dir);

// The completion test: some placement of the molecule finds an atom of the
// right kind on each of its cells.
bool moleculeComplete(const Puzzle& puzzle, const std::array<std::uint8_t, 225>& board);

enum class SolveStatus { Solved, Unsolvable, Unknown };

struct SolveLimits {
    double seconds = 60.0;
    std::size_t maxStates = 30'000'000;
    // States of the first, plain forward search; a plan it does not settle
    // is searched again from both ends.
    std::size_t plainStates = 200'000;
};

struct SolveResult {
    SolveStatus status = SolveStatus::Unknown;
    std::vector<SolveMove> moves;  // an optimal solution when Solved
    std::size_t statesStored = 0;     // every state kept, in both directions
    std::size_t statesExpanded = 0;   // states whose moves were all tried, forwards
    std::size_t perimeterStates = 0;  // states found backwards from the goals
    double seconds = 0.0;
};

// Forwards A* on the assignment bound; a plan that a short search does not
// settle is searched again, meeting a breadth-first search backwards from all
// goal states. Stops with Unknown when the limits are reached.
SolveResult solvePuzzle(const Puzzle& puzzle, const SolveLimits& limits = {});

// The admissible estimate of the solver for a board (for tests): a lower
// bound on the moves still needed, or -1 when no placement can be reached.
int estimateMoves(const Puzzle& puzzle, const std::array<std::uint8_t, 225>& board);

}  // namespace tarvik::plans
