// Deep plans on purpose: the walls of a maze are reshaped step by step, each
// board measured by the exact backward search, and a start is taken from the
// deepest layer reached. The recorded solution comes from the same search,
// so its length is proven least.
#pragma once

#include <optional>
#include <random>

#include "backward_search.h"
#include "generator.h"
#include "maze_boards.h"

namespace tarvik::plans {

struct DeepOrder {
    MazeDesign maze;
    int wallStyle = 0;
    int minMoves = 10;  // wanted shortest-solution length
    int maxMoves = 30;
    int climbSteps = 80;  // wall changes tried per board
    int attempts = 3;     // fresh boards when a climb ends too shallow
    BackwardLimits limits{400'000, 250};
};

// Atoms are numbered like the layout's atoms. Empty when the molecule has
// more atoms than the backward search takes, or no board reached minMoves.
// Deterministic for a given generator state.
std::optional<GeneratedPlan> generateDeepPlan(const MoleculeLayout& molecule, const DeepOrder& order, std::mt19937& rng);

}  // namespace tarvik::plans
