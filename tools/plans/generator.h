// Plans that are solvable by construction: the molecule is assembled on a
// designed board, its atoms are scattered by moves played backwards, and the
// solver then measures the shortest way back.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "boards.h"
#include "molecules_layout.h"
#include "solver.h"

namespace tarvik::plans {

// Cells from which a push in `dir` would bring the atom on `cell` to a stop
// exactly there: the cell beyond it must block, and the run towards it must
// be empty. Nearest first.
std::vector<int> reverseMoveOrigins(const BoardCells& board, int cell, int dir);

// Plays `moves` random moves backwards on a board holding atoms. Returns the
// number actually played (fewer when the atoms are stuck).
int scatterAtoms(BoardCells& board, int moves, std::mt19937& rng);

struct GenerationOrder {
    BoardDesign board;
    int wallStyle = 0;
    int scatterMoves = 6;
    int minMoves = 1;  // wanted shortest-solution length
    int maxMoves = 6;
    int attempts = 40;
    SolveLimits limits{5.0, 3'000'000};
};

struct GeneratedPlan {
    Puzzle puzzle;               // start board, kinds and molecule
    std::vector<SolveMove> solution;
    double solveSeconds = 0.0;
    std::size_t states = 0;
    int attempt = 0;
};

// Atoms are numbered like the layout's atoms (atom n is layout atom n - 1).
std::optional<GeneratedPlan> generatePlan(const MoleculeLayout& molecule, const GenerationOrder& request, std::mt19937& rng);

}  // namespace tarvik::plans
